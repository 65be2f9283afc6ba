// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound_monitor.h"

#include "figures.h"

#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace pictolex::bench {

SoundMonitor::SoundMonitor() {
    parec_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    parec_.start(QStringLiteral("parec"),
                 {QStringLiteral("--device=@DEFAULT_MONITOR@"), QStringLiteral("--raw"),
                  QStringLiteral("--format=s16le"), QStringLiteral("--latency-msec=2")});
    if (!parec_.waitForReadyRead(5000))
        throw std::runtime_error("parec records nothing; is PULSE_SERVER set?");
}

SoundMonitor::~SoundMonitor() {
    parec_.kill();
    parec_.waitForFinished();
}

bool SoundMonitor::heard() {
    parec_.waitForReadyRead(0);
    QByteArray data = pending_ + parec_.readAll();
    pending_ = data.right(data.size() % 2);
    bool loud = false; // the null sink is silent in zeros; a sound rises above 32 within 1 ms
    for (qsizetype i = 0; i + 1 < data.size(); i += 2)
        loud |= std::abs(qint16(quint8(data[i]) | quint8(data[i + 1]) << 8)) > 32;
    return loud;
}

bool SoundMonitor::waitForSilence(int quietMs) {
    const Instant start = std::chrono::steady_clock::now();
    for (Instant quiet = start; msSince(start) < 5000;) {
        if (heard())
            quiet = std::chrono::steady_clock::now();
        else if (msSince(quiet) >= quietMs)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

} // namespace pictolex::bench
