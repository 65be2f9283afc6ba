// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/results_record.h"

#include "text/display_columns.h"

#include <QLatin1StringView>

namespace pictolex {

namespace {

// More hour digits than this cannot come from a real round and would overflow.
constexpr int kMaxHourDigits = 12;

// The code of a character of a line, decoded or as it stands.
int code(QChar c) {
    return c.unicode();
}
int code(char c) {
    return static_cast<unsigned char>(c);
}

template <typename Char> bool isAsciiDigit(Char c) {
    return code(c) >= '0' && code(c) <= '9';
}

template <typename Char> int digitValue(Char c) {
    return code(c) - '0';
}

// Reads a two-digit field 00 to 59 at text[at].
template <typename View> std::optional<int> readSixtieth(View text, qsizetype at) {
    if (at + 2 > text.size() || !isAsciiDigit(text[at]) || !isAsciiDigit(text[at + 1]))
        return std::nullopt;
    const int value = digitValue(text[at]) * 10 + digitValue(text[at + 1]);
    if (value > 59)
        return std::nullopt;
    return value;
}

// Reads "Time = H:mm:ss" at text[at], followed by spaces and a date item.
template <typename View, typename Label>
std::optional<qint64> readTimeItem(View text, Label label, qsizetype at) {
    if (!text.sliced(at).startsWith(label))
        return std::nullopt;
    qsizetype pos = at + label.size();
    qint64 hours = 0;
    const qsizetype hoursStart = pos;
    while (pos < text.size() && isAsciiDigit(text[pos]) && pos - hoursStart < kMaxHourDigits)
        hours = hours * 10 + digitValue(text[pos++]);
    if (pos == hoursStart || pos >= text.size() || code(text[pos]) != ':')
        return std::nullopt;
    const auto minutes = readSixtieth(text, pos + 1);
    if (!minutes || pos + 3 >= text.size() || code(text[pos + 3]) != ':')
        return std::nullopt;
    const auto seconds = readSixtieth(text, pos + 4);
    if (!seconds)
        return std::nullopt;
    // A record goes on after its time with spaces and the date; a line that ends at or
    // just after the time was cut short.
    pos += 6;
    if (pos >= text.size() || code(text[pos]) != ' ')
        return std::nullopt;
    while (pos < text.size() && code(text[pos]) == ' ')
        ++pos;
    if (pos >= text.size())
        return std::nullopt;
    return (hours * 60 + *minutes) * 60 + *seconds;
}

// The last "Time = " followed by a valid time counts. The date item after a record's own time
// never holds "Time = ", so the last one is the record's own wherever its name ends, also when
// a name wider than 41 columns pushes it out of column 42, and even when the name holds a
// "Time = 0:00:01" of its own.
template <typename View, typename Label>
std::optional<qint64> findRecordTime(View line, Label label) {
    // Qt 6.4 reads before the start of a byte view shorter than what it looks for.
    if (line.size() < label.size())
        return std::nullopt;
    qsizetype from = line.size();
    while (from > 0) {
        const qsizetype at = line.lastIndexOf(label, from - 1);
        if (at < 0)
            break;
        if (const auto time = readTimeItem(line, label, at))
            return time;
        from = at;
    }
    return std::nullopt;
}

// Spaces up to the given column. A text already past the column before it is followed by a
// single space; a text ending just before it gets none, unless a separating space is needed.
void padToColumn(QString& line, int& usedColumns, int column, bool needsSpace) {
    int spaces = usedColumns < column ? column - 1 - usedColumns : 1;
    if (needsSpace && spaces == 0)
        spaces = 1;
    line.append(QString(spaces, u' '));
    usedColumns += spaces;
}

} // namespace

QString formatRecord(const QString& name, qint64 elapsedSeconds, const QDateTime& loggedAt) {
    QString line = name;
    line.replace(u'\r', u' ').replace(u'\n', u' ');
    int used = displayColumns(line);
    padToColumn(line, used, kTimeColumn, false);
    const QString timeItem = kTimeLabel + formatElapsed(elapsedSeconds);
    line += timeItem;
    used += displayColumns(timeItem);
    // The date is always set apart from the time, even by a time of 15-digit hours.
    padToColumn(line, used, kDateColumn, true);
    line += loggedAt.toString(QStringLiteral("yyyy/MM/dd H:mm:ss"));
    return line;
}

std::optional<qint64> parseRecordTime(QStringView line) {
    return findRecordTime(line, kTimeLabel);
}

std::optional<qint64> parseRecordTime(QByteArrayView line) {
    return findRecordTime(line, QByteArrayView(kTimeLabel.data(), kTimeLabel.size()));
}

} // namespace pictolex
