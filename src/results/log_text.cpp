#include "results/log_text.h"

#include <QStringDecoder>

#include <optional>

namespace pictolex {

namespace {

constexpr QByteArrayView utf8Bom("\xEF\xBB\xBF");

constexpr auto decoderFlags =
    QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

// The three decoders, made once per log rather than once per line.
class LineDecoder {
public:
    QString decode(QByteArrayView line) {
        if (auto text = tryDecode(utf8, line))
            return *text;
        if (shiftJis.isValid()) {
            if (auto text = tryDecode(shiftJis, line))
                return *text;
        }
        windows1252.resetState();
        return windows1252.decode(line);
    }

private:
    // Nothing when the bytes are not valid in the decoder's encoding.
    static std::optional<QString> tryDecode(QStringDecoder& decoder, QByteArrayView line) {
        decoder.resetState();
        QString text = decoder.decode(line);
        if (decoder.hasError())
            return std::nullopt;
        return text;
    }

    QStringDecoder utf8{QStringConverter::Utf8, decoderFlags};
    QStringDecoder shiftJis{"Shift_JIS", decoderFlags};
    QStringDecoder windows1252{"windows-1252", decoderFlags};
};

QByteArrayView withoutBom(QByteArrayView bytes) {
    return bytes.startsWith(utf8Bom) ? bytes.sliced(utf8Bom.size()) : bytes;
}

// Calls take(line) for every line of text, without its line end.
template <typename View, typename Char, typename Take>
void forEachLine(View text, Char lf, Char cr, Take take) {
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(lf, start);
        const qsizetype next = end < 0 ? text.size() : end + 1;
        if (end < 0)
            end = text.size();
        if (end > start && text[end - 1] == cr)
            --end;
        take(text.sliced(start, end - start));
        start = next;
    }
}

} // namespace

QStringList decodeLogLines(QByteArrayView bytes) {
    bytes = withoutBom(bytes);
    QStringList lines;
    // Nearly every log is valid UTF-8 as a whole: decode it in one go.
    QStringDecoder utf8(QStringConverter::Utf8, decoderFlags);
    const QString whole = utf8.decode(bytes);
    if (!utf8.hasError()) {
        forEachLine(QStringView(whole), QChar(u'\n'), QChar(u'\r'),
                    [&lines](QStringView line) { lines.append(line.toString()); });
        return lines;
    }
    LineDecoder decoder;
    forEachLine(bytes, '\n', '\r',
                [&](QByteArrayView line) { lines.append(decoder.decode(line)); });
    return lines;
}

QString decodeLogLine(QByteArrayView line) {
    LineDecoder decoder;
    return decoder.decode(line);
}

} // namespace pictolex
