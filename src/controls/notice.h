// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QWidget>

namespace pictolex {

class WindowTimer;

// Messages for screen readers, with no room on the screen: each a notification of its own, named
// before it shows and never renamed, which AT-SPI screen readers speak as it appears, wherever
// the focus is. A change of name they speak only on the focus, and an alert Qt does not pass on
// to them at all. A screen reader reads a notification's name a little after it shows, later
// still when it is busy, and takes a second one shown soon after for the same: so each message
// has a while to itself (the timer "noticeTimer"), the next waiting its turn; then it is hidden,
// never to be read again, and its notification goes some messages later.
class Notice : public QWidget {
    Q_OBJECT
public:
    Notice(QWidget* parent, bool realTimers);

    void say(const QString& message);

private:
    void next();

    WindowTimer* timer_;
    QStringList waiting_;
};

} // namespace pictolex
