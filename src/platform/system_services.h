// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/platform.h"

#include <random>

namespace pictolex {

class SystemClock : public Clock {
public:
    QDateTime now() const override;
};

class SystemRandom : public RandomSource {
public:
    void reseedFromTime() override;
    float next() override;

private:
    std::mt19937 engine_;
};

class SystemScreen : public ScreenInfo {
public:
    QSize size() const override;
};

class SystemMessageBoxes : public MessageBoxes {
public:
    void show(QWidget* parent, Icon icon, const QString& title, const QString& text) override;
};

// The player's own folder, $XDG_DATA_HOME/pictolex/ with a trailing '/'; empty when there is
// none.
QString playerFolder();

} // namespace pictolex
