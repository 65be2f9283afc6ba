// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/window_timer.h"

namespace pictolex {

WindowTimer::WindowTimer(int intervalMs, bool enabled, bool realTimers, QObject* parent)
    : QObject(parent), enabled_(enabled), real_(realTimers) {
    timer_.setInterval(intervalMs);
    timer_.setTimerType(Qt::CoarseTimer);
    connect(&timer_, &QTimer::timeout, this, &WindowTimer::timeout);
}

void WindowTimer::setEnabled(bool enabled) {
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    update();
}

void WindowTimer::setArmed(bool armed) {
    armed_ = armed;
    update();
}

void WindowTimer::update() {
    const bool run = real_ && isRunning();
    if (run && !timer_.isActive())
        timer_.start();
    else if (!run)
        timer_.stop();
}

} // namespace pictolex
