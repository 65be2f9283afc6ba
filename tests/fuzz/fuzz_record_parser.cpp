// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as a results log, through the line decoder, the time parser and
// the text a line shows.
#include "results/log_text.h"
#include "results/results_list.h"
#include "results/results_record.h"

#include <cstdint>
#include <cstdlib>

using namespace pictolex;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto check = [](bool condition) { condition ? void() : std::abort(); };
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const LogLines lines(bytes);
    // The lines are those of a plain split at each LF, less a CR before it, the empty ones and
    // a byte order mark at the start.
    qsizetype count = 0;
    for (QByteArray line :
         (bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes).split('\n')) {
        line.chop(line.endsWith('\r') ? 1 : 0);
        if (!line.isEmpty())
            check(count < lines.size() && lines.bytes(count++) == line);
    }
    check(count == lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines.text(i);
        // A time is read from digits that are in the line (hours may have leading zeros).
        if (const auto time = parseRecordTime(line))
            check(*time >= 0 && line.contains(formatElapsed(*time) + u' '));
        // A UTF-8 line read as its bytes stand reads and shows as the decoded line.
        if (lines.bytes(i).isValidUtf8())
            check(parseRecordTime(lines.bytes(i)) == parseRecordTime(line) &&
                  displayText(lines.bytes(i)) == displayText(line));
        // Whatever the name, a record made with it reads back its own time.
        const qint64 seconds = qint64(size) * 37;
        const QDateTime at(QDate(2002, 4, 30), QTime(10, 11, 12));
        check(parseRecordTime(formatRecord(line.left(25), seconds, at)) == seconds);
    }
    return 0;
}
