#include "results/log_text.h"

#include <utility>

namespace pictolex {

namespace {

constexpr QByteArrayView utf8Bom("\xEF\xBB\xBF");

constexpr auto decoderFlags =
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
            pending.append(bytes.sliced(start));
            return;
        }
        if (pending.isEmpty()) {
            takeLine(bytes.sliced(start, end - start));
        } else {
            pending.append(bytes.sliced(start, end - start));
            takeLine(pending);
            pending.resize(0);
        }
        start = end + 1;
    }
}

QStringList LogLineDecoder::finish() {
    if (!pending.isEmpty())
        takeLine(pending);
    pending = QByteArray();
    return std::exchange(lines, {});
}

void LogLineDecoder::takeLine(QByteArrayView line) {
    if (line.endsWith('\r'))
        line.chop(1);
    if (atStart && line.startsWith(utf8Bom))
        line = line.sliced(utf8Bom.size());
    atStart = false;
    lines.append(decodeLine(line));
}

QString LogLineDecoder::decodeLine(QByteArrayView line) {
    if (auto text = tryUtf8(line))
        return *std::move(text);
    return decodeNonUtf8Line(line);
}

// Decodes straight into the line's own string: UTF-8 never takes more UTF-16 units than
// bytes, and no copy of the whole log is made.
std::optional<QString> LogLineDecoder::tryUtf8(QByteArrayView line) {
    utf8.resetState();
    QString text(line.size(), Qt::Uninitialized);
    const QChar* const end = utf8.appendToBuffer(text.data(), line);
    if (utf8.hasError())
        return std::nullopt;
    text.truncate(end - text.constData());
    return text;
}

QString LogLineDecoder::decodeNonUtf8Line(QByteArrayView line) {
    if (!shiftJis)
        shiftJis.emplace("Shift_JIS", decoderFlags);
    if (shiftJis->isValid()) {
        if (auto text = tryDecode(*shiftJis, line))
            return *std::move(text);
    }
    if (!windows1252)
        windows1252.emplace("windows-1252", decoderFlags);
    windows1252->resetState();
    return windows1252->decode(line);
}

QStringList decodeLogLines(QByteArrayView bytes) {
    LogLineDecoder decoder;
    decoder.feed(bytes);
    return decoder.finish();
}

QString decodeLogLine(QByteArrayView line) {
    LogLineDecoder decoder;
    return decoder.decodeLine(line);
}

} // namespace pictolex
