// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <thread>

namespace pictolex {

// Reads the desktop's font configuration (every file of fontconfig's, some milliseconds of
// parsing) on a thread of its own, from when it is made until wait(), so that it is done while
// the program connects to the display rather than after, before the first frame's text. The
// configuration read is the one Qt's font database then uses.
class FontConfigurationReading {
public:
    FontConfigurationReading();
    // Returns once the configuration is read; before any font is used, so that Qt does not read
    // it a second time meanwhile.
    void wait();

private:
    std::jthread thread_;
};

} // namespace pictolex
