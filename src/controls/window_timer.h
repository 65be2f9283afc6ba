// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

namespace pictolex {

// A window timer: an interval and an enabled switch. It ticks only while its window is loaded
// and it is enabled; without real timers it never ticks by itself, and tests step it.
class WindowTimer : public QObject {
    Q_OBJECT
public:
    WindowTimer(int intervalMs, bool enabled, bool realTimers, QObject* parent);

    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);
    int interval() const { return timer_.interval(); }
    void setArmed(bool armed);
    // Loaded and enabled: a real timer ticks now.
    bool isRunning() const { return armed_ && enabled_; }

Q_SIGNALS:
    void timeout();

private:
    void update();

    QTimer timer_;
    bool enabled_;
    bool real_;
    bool armed_ = false;
};

} // namespace pictolex
