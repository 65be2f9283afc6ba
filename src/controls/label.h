// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace pictolex {

// A label with a caption whose Change is raised, inside the assignment, only when the text
// really changes; an opaque or transparent background; and an optional width that follows
// the text, its left edge staying put.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget* parent);

    QString caption() const { return text(); }
    void setCaption(const QString& caption);

    QColor backColor() const { return back_; }
    void setBackColor(const QColor& color);
    void setAutoSize(bool autoSize) { autoSize_ = autoSize; }
    // With its width following the text, makes it as wide as the text, its left edge staying.
    void fitWidth();

Q_SIGNALS:
    // The caption now reads differently; raised inside setCaption.
    void changed();
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor back_;
    bool autoSize_ = false;
    bool pressed_ = false;
};

// A label's text colour, and its background: none, when invalid, leaves it transparent.
struct LabelColors {
    QColor fore;
    QColor back;
};

// A label as the windows lay them out: named, captioned, in its font and colours, aligned and
// centred upright.
Label* makeLabel(QWidget* parent, const QString& name, const QString& caption, const QFont& font,
                 LabelColors colors, Qt::Alignment alignment);

} // namespace pictolex
