// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/platform.h"

#include <random>

namespace pictolex {

class SystemClock : public Clock {
public:
    QDateTime now() const override;
    qint64 monotonicMs() const override;
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

// The player's own folder, with a trailing '/': <dataHome>/pictolex/ when dataHome is an
// absolute path, else <home>/.local/share/pictolex/ when home is one; else empty, as there is
// none.
QString playerFolder(const QString& dataHome, const QString& home);
// The player's folder from $XDG_DATA_HOME and $HOME.
QString playerFolder();

} // namespace pictolex
