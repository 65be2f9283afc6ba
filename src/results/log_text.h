// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <memory>
#include <vector>

namespace pictolex {

// One line of a results log as text, into `text`: as UTF-8 when it is valid UTF-8; otherwise
// as Shift-JIS when it is valid there; otherwise as Windows-1252, which gives every byte a
// character. `text` keeps its room from line to line.
void decodeLogLine(QByteArrayView line, QString& text);

// The start of a line, its first `bytes` at most, decoded as decodeLogLine decodes a whole line,
// into `text`. Its encoding is chosen on those bytes alone, and a character they cut in two is
// left out, rather than taking the line for another encoding.
void decodeLogLineStart(QByteArrayView line, qsizetype bytes, QString& text);

// The most lines of a log that are kept, newest first: more than a log of 256 MB holds when it is
// all records, each at least 89 bytes long.
inline constexpr qsizetype kMaxLogLines = 3'500'000;

// Room for the bytes of a log, made in one go rather than page by page as it is written to.
class LogBytes {
public:
    explicit LogBytes(qsizetype size);
    ~LogBytes();
    LogBytes(const LogBytes&) = delete;
    LogBytes& operator=(const LogBytes&) = delete;

    char* data() { return data_; }
    const char* data() const { return data_; }
    qsizetype size() const { return size_; }
    void shrink(qsizetype size) { size_ = std::min(size, size_); }
    void dropFront(qsizetype count);

private:
    char* data_;
    char* start_;
    qsizetype size_;
    qsizetype room_;
};

// The lines of a results log as read, oldest first, without their line ends; empty lines are
// left out. A line ends with CR LF or with LF alone; a last line without an end (cut short, or
// written by hand) is kept as it stands. A byte order mark at the start is passed over. Of more
// than kMaxLogLines lines, the newest are kept. The bytes are kept as they came and a line is
// decoded only when it is asked for, so that millions of records, or one line of many
// megabytes, cost little more memory than their bytes.
class LogLines {
public:
    LogLines() = default;
    explicit LogLines(std::shared_ptr<const LogBytes> bytes);
    explicit LogLines(QByteArrayView bytes);

    qsizetype size() const { return qsizetype(lines_.size()); }
    bool isEmpty() const { return lines_.empty(); }
    // Whether older lines were left out, past kMaxLogLines.
    bool isCut() const { return cut_; }
    QByteArrayView bytes(qsizetype line) const;
    QString text(qsizetype line) const;

private:
    struct Span {
        quint32 start;
        quint32 end;
    };
    std::shared_ptr<const LogBytes> bytes_;
    std::vector<Span> lines_;
    bool cut_ = false;
};

} // namespace pictolex
