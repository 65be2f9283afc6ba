// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound_monitor.h"

#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <thread>

namespace pictolex::bench {

namespace {

// The null sink is silent in zeros; a sound's first samples rise above this within 1 ms.
constexpr int kSilence = 32;

} // namespace

SoundMonitor::SoundMonitor() {
    parec_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    parec_.start(QStringLiteral("parec"),
                 {QStringLiteral("--device=@DEFAULT_MONITOR@"), QStringLiteral("--raw"),
                  QStringLiteral("--format=s16le"), QStringLiteral("--latency-msec=2")});
    if (!parec_.waitForReadyRead(5000))
        throw std::runtime_error("parec records nothing; is PULSE_SERVER set?");
}

SoundMonitor::~SoundMonitor() {
    parec_.terminate();
    if (!parec_.waitForFinished(2000))
        parec_.kill();
    parec_.waitForFinished();
}

bool SoundMonitor::heard() {
    parec_.waitForReadyRead(0);
    QByteArray data = pending_ + parec_.readAll();
    pending_ = data.right(data.size() % 2);
    bool loud = false;
    for (qsizetype i = 0; i + 1 < data.size(); i += 2)
        loud |= std::abs(qint16(quint8(data[i]) | quint8(data[i + 1]) << 8)) > kSilence;
    return loud;
}

bool SoundMonitor::waitForSilence(int quietMs) {
    using namespace std::chrono;
    const auto start = steady_clock::now();
    auto quietSince = start;
    while (steady_clock::now() - start < seconds(5)) {
        if (heard())
            quietSince = steady_clock::now();
        else if (steady_clock::now() - quietSince >= milliseconds(quietMs))
            return true;
        std::this_thread::sleep_for(milliseconds(5));
    }
    return false;
}

} // namespace pictolex::bench
