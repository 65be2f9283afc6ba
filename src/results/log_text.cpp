// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/log_text.h"

#include <utility>

namespace pictolex {

namespace {

constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF");

constexpr auto kDecoderFlags =
    QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

// Nothing when the bytes are not valid in the decoder's encoding.
std::optional<QString> tryDecode(QStringDecoder& decoder, QByteArrayView line) {
    decoder.resetState();
    QString text = decoder.decode(line);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace

void LogLineDecoder::feed(QByteArrayView bytes) {
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = bytes.indexOf('\n', start);
        if (end < 0) {
            pending_.append(bytes.sliced(start));
            return;
        }
        if (pending_.isEmpty()) {
            takeLine(bytes.sliced(start, end - start));
        } else {
            pending_.append(bytes.sliced(start, end - start));
            takeLine(pending_);
            pending_.resize(0);
        }
        start = end + 1;
    }
}

QStringList LogLineDecoder::finish() {
    if (!pending_.isEmpty())
        takeLine(pending_);
    pending_ = QByteArray();
    return std::exchange(lines_, {});
}

void LogLineDecoder::takeLine(QByteArrayView line) {
    if (line.endsWith('\r'))
        line.chop(1);
    if (atStart_ && line.startsWith(kUtf8Bom))
        line = line.sliced(kUtf8Bom.size());
    atStart_ = false;
    lines_.append(decodeLine(line));
}

QString LogLineDecoder::decodeLine(QByteArrayView line) {
    if (auto text = tryUtf8(line))
        return *std::move(text);
    return decodeNonUtf8Line(line);
}

// Decodes straight into the line's own string: UTF-8 never takes more UTF-16 units than
// bytes, and no copy of the whole log is made.
std::optional<QString> LogLineDecoder::tryUtf8(QByteArrayView line) {
    utf8_.resetState();
    QString text(line.size(), Qt::Uninitialized);
    const QChar* const end = utf8_.appendToBuffer(text.data(), line);
    if (utf8_.hasError())
        return std::nullopt;
    text.truncate(end - text.constData());
    return text;
}

QString LogLineDecoder::decodeNonUtf8Line(QByteArrayView line) {
    if (!shiftJis_)
        shiftJis_.emplace("Shift_JIS", kDecoderFlags);
    if (shiftJis_->isValid()) {
        if (auto text = tryDecode(*shiftJis_, line))
            return *std::move(text);
    }
    if (!windows1252_)
        windows1252_.emplace("windows-1252", kDecoderFlags);
    windows1252_->resetState();
    return windows1252_->decode(line);
}

} // namespace pictolex
