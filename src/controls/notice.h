// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QWidget>

namespace pictolex {

class WindowTimer;

// Messages for screen readers, with no room on the screen: a notification shown afresh under
// each message's name, which AT-SPI screen readers speak as it appears, wherever the focus is. A
// change of name they speak only on the focus, and an alert Qt does not pass on to them at all.
// A screen reader reads the name a little after the notification shows, and takes a second one
// shown soon after for the same: so each message has the notification to itself for a while
// (its timer, "noticeTimer"), the next waiting its turn, and the last is taken away after its
// while, never to be read again.
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
