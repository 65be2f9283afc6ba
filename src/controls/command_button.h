// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

namespace pictolex {

// A push button with a drawn face colour and a caption that wraps onto more lines, grey while the
// button is disabled. It is never a default button, yet Enter presses it while it holds the
// focus, as the space bar does.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    CommandButton(const QString& caption, const QColor& face, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void wrapCaption();

    QString caption_;
};

} // namespace pictolex
