// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>

namespace pictolex::bench {

// What reaches the sound output, heard from outside the game: `parec` records the monitor of
// the default sink of the sound server that PULSE_SERVER names (under bench/run, one whose
// only output is a null sink), as 16-bit samples in fragments of 2 ms.
class SoundMonitor {
public:
    SoundMonitor(); // throws std::runtime_error when no recording comes within 5 s
    ~SoundMonitor();

    // Reads what has come since the last call: whether any of it was louder than silence.
    bool heard();
    // Waits, for 5 s at most, until `quietMs` have passed in silence: whether they did.
    bool waitForSilence(int quietMs);

private:
    QProcess parec_;
    QByteArray pending_; // half a sample, left from the last read
};

} // namespace pictolex::bench
