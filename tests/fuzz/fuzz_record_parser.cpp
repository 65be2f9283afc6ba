// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// libFuzzer target: any bytes as a results log, through the line decoder and the time parser.
#include "results/log_text.h"
#include "results/results_record.h"

#include <QDateTime>

#include <cstdint>
#include <cstdlib>

using namespace pictolex;

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

void checkLine(const QString& line, qint64 roundTripSeconds) {
    check(!line.contains(u'\n'));
    if (const auto time = parseRecordTime(line)) {
        check(*time >= 0);
        // The time is read from digits that are in the line (hours may have leading zeros).
        check(line.contains(formatElapsed(*time) + u' '));
    }
    // Whatever the name, a record made with it reads back its own time.
    const QDateTime at(QDate(2002, 4, 30), QTime(10, 11, 12));
    const QString record = formatRecord(line.left(25), roundTripSeconds, at);
    check(parseRecordTime(record) == roundTripSeconds);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const LogLines lines(bytes.toByteArray());
    for (qsizetype i = 0; i < lines.size(); ++i)
        checkLine(lines.text(i), qint64(size) * 37);
    return 0;
}
