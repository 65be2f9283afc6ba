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

// The lines of a results log as read, oldest first, without their line ends. A line ends with
// CR LF or with LF alone; a last line without an end (cut short, or written by hand) is kept as
// it stands. A byte order mark at the start is passed over. The bytes are kept as they came
// and a line is decoded only when it is asked for, so that millions of records, or one line of
// many megabytes, cost little more memory than their bytes.
class LogLines {
public:
    LogLines() = default;
    explicit LogLines(std::shared_ptr<const LogBytes> bytes);
    explicit LogLines(QByteArrayView bytes);

    qsizetype size() const { return starts_.empty() ? 0 : qsizetype(starts_.size()) - 1; }
    bool isEmpty() const { return starts_.empty(); }
    QByteArrayView bytes(qsizetype line) const;
    QString text(qsizetype line) const;

private:
    std::shared_ptr<const LogBytes> bytes_;
    std::vector<quint32> starts_; // of each line, and the end of the last
};

} // namespace pictolex
