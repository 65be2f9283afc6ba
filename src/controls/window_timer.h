// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

namespace pictolex {

// A window timer: an interval and an Enabled switch. It ticks only while its window is loaded,
// and only with real timers; tests call the tick handlers themselves.
class WindowTimer : public QObject {
    Q_OBJECT
public:
    WindowTimer(int intervalMs, bool enabled, bool realTimers, QObject* parent);

    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);
    int interval() const { return timer_.interval(); }
    void setArmed(bool armed);

Q_SIGNALS:
    void Timer();

private:
    void update();

    QTimer timer_;
    bool enabled_;
    bool real_;
    bool armed_ = false;
};

} // namespace pictolex
