// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as a results log, through the line decoder and the time parser.
#include "results/log_text.h"
#include "results/results_record.h"

#include <cstdint>
#include <cstdlib>

using namespace pictolex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto check = [](bool condition) { condition ? void() : std::abort(); };
    const LogLines lines(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines.text(i);
        check(!line.contains(u'\n'));
        // A time is read from digits that are in the line (hours may have leading zeros).
        if (const auto time = parseRecordTime(line))
            check(*time >= 0 && line.contains(formatElapsed(*time) + u' '));
        // Whatever the name, a record made with it reads back its own time.
        const qint64 seconds = qint64(size) * 37;
        const QDateTime at(QDate(2002, 4, 30), QTime(10, 11, 12));
        check(parseRecordTime(formatRecord(line.left(25), seconds, at)) == seconds);
    }
    return 0;
}
