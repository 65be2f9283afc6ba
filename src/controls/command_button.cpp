// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/command_button.h"

#include <QKeyEvent>
#include <QStringList>

namespace pictolex {

namespace {

// Breaks text at blanks into lines no wider than width, as far as the words allow.
QString wrapToWidth(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList lines;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString joined = lines.isEmpty() ? word : lines.last() + QLatin1Char(' ') + word;
        if (!lines.isEmpty() && metrics.horizontalAdvance(joined) <= width)
            lines.last() = joined;
        else
            lines << word;
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

CommandButton::CommandButton(const QString& caption, const QColor& face, QWidget* parent)
    : QPushButton(caption, parent), caption_(caption) {
    setAccessibleName(caption); // on one line, however the face wraps it
    setAutoDefault(false);
    setDefault(false);
    setFocusPolicy(Qt::StrongFocus);
    QPalette p = palette();
    p.setColor(QPalette::Button, face);
    p.setColor(QPalette::ButtonText, Qt::black);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, Qt::gray);
    setPalette(p);
}

void CommandButton::resizeEvent(QResizeEvent* event) {
    QPushButton::resizeEvent(event);
    wrapCaption();
}

void CommandButton::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        wrapCaption();
}

void CommandButton::wrapCaption() {
    // Room for the frame on either side.
    setText(wrapToWidth(caption_, fontMetrics(), width() - 8));
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        animateClick();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace pictolex
