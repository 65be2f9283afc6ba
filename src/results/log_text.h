// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

#include <optional>

namespace pictolex {

// Turns the bytes of a results log, given in pieces of any size, into its lines, oldest
// first, without their line ends. A line ends with CR LF or with LF alone; a last line
// without an end (cut short, or written by hand) is kept as it stands. A byte order mark at
// the start of the log is passed over. Each line is decoded on its own: as UTF-8 when it is
// valid UTF-8; otherwise as Shift-JIS when it is valid there; otherwise as Windows-1252,
// which gives every byte a character.
class LogLineDecoder {
public:
    void feed(QByteArrayView bytes);
    // The lines, once every byte has been fed.
    QStringList finish();

private:
    QString decodeLine(QByteArrayView line);
    void takeLine(QByteArrayView line);
    std::optional<QString> tryUtf8(QByteArrayView line);
    QString decodeNonUtf8Line(QByteArrayView line);

    QStringList lines_;
    QByteArray pending_; // the start of a line whose end has not come yet
    bool atStart_ = true;
    QStringDecoder utf8_{QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                     QStringConverter::Flag::ConvertInitialBom};
    // Made only when a line is not UTF-8.
    std::optional<QStringDecoder> shiftJis_;
    std::optional<QStringDecoder> windows1252_;
};

} // namespace pictolex
