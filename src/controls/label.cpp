// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/label.h"

#include <QMouseEvent>

namespace pictolex {

Label::Label(QWidget* parent) : QLabel(parent) {
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
}

void Label::setCaption(const QString& caption) {
    if (caption == text())
        return;
    setText(caption);
    fitWidth();
    Q_EMIT changed();
}

void Label::fitWidth() {
    if (autoSize_)
        resize(sizeHint().width(), height());
}

void Label::setBackColor(const QColor& color) {
    if (color == back_)
        return;
    back_ = color;
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
}

void Label::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        Q_EMIT clicked();
}

Label* makeLabel(QWidget* parent, const QString& name, const QString& caption, const QFont& font,
                 LabelColors colors, Qt::Alignment alignment) {
    auto* label = new Label(parent);
    label->setObjectName(name);
    label->setCaption(caption);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colors.fore);
    label->setPalette(palette);
    if (colors.back.isValid())
        label->setBackColor(colors.back);
    label->setAutoFillBackground(colors.back.isValid());
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

} // namespace pictolex
