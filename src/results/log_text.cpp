// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/log_text.h"

#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <optional>
#include <sys/mman.h>

namespace pictolex {

namespace {

constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF");

// Decodes into the room `text` already has, where it is enough; answers false when the bytes
// are not valid in the decoder's encoding.
bool decodeInto(QStringDecoder& decoder, QByteArrayView line, QString& text) {
    decoder.resetState();
    text.resize(decoder.requiredSpace(line.size()));
    const QChar* const end = decoder.appendToBuffer(text.data(), line);
    text.truncate(end - text.constData());
    return !decoder.hasError();
}

// The decoders of one thread, made once: Shift-JIS and Windows-1252 only when a line needs them.
class Decoders {
public:
    explicit Decoders(QStringConverter::Flags flags) : flags_(flags) {}

    void decode(QByteArrayView line, QString& text) {
        if (decodeInto(utf8_, line, text))
            return;
        if (!shiftJis_)
            shiftJis_.emplace("Shift_JIS", flags_);
        if (shiftJis_->isValid() && decodeInto(*shiftJis_, line, text))
            return;
        // A line that is not Shift-JIS leaves the decoder holding its last bytes, which would
        // spoil the next line: the next one gets a fresh decoder.
        shiftJis_.reset();
        if (!windows1252_)
            windows1252_.emplace("windows-1252", flags_);
        decodeInto(*windows1252_, line, text);
    }

private:
    QStringConverter::Flags flags_;
    QStringDecoder utf8_{QStringConverter::Utf8, flags_};
    std::optional<QStringDecoder> shiftJis_;
    std::optional<QStringDecoder> windows1252_;
};

// Whether the eight bytes end eight empty lines ended by LF, or four ended by CR LF.
bool isEightEmptyLines(const char* bytes) {
    static constexpr char kFeeds[] = "\n\n\n\n\n\n\n\n";
    static constexpr char kCrFeeds[] = "\n\r\n\r\n\r\n\r";
    return std::memcmp(bytes, kFeeds, 8) == 0 || std::memcmp(bytes, kCrFeeds, 8) == 0;
}

// Where the last line feed before `end` is, back to `first`; first - 1 when there is none. The
// bytes are searched a piece at a time, so that no search is given more bytes than it reads: a
// search through the whole rest of the log would be checked whole by the address sanitizer.
qsizetype lastFeed(const char* data, qsizetype first, qsizetype end) {
    constexpr qsizetype kPiece = 4096;
    while (end > first) {
        const qsizetype from = std::max(first, end - kPiece);
        if (const void* feed = ::memrchr(data + from, '\n', size_t(end - from)))
            return static_cast<const char*>(feed) - data;
        end = from;
    }
    return first - 1;
}

} // namespace

void decodeLogLine(QByteArrayView line, QString& text) {
    thread_local Decoders whole(QStringConverter::Flag::Stateless);
    whole.decode(line, text);
}

void decodeLogLineStart(QByteArrayView line, qsizetype bytes, QString& text) {
    if (line.size() <= bytes)
        return decodeLogLine(line, text);
    // A decoder that keeps its state between inputs holds a character cut at the end of one
    // as the start of the next, instead of calling it an error.
    thread_local Decoders start(QStringConverter::Flag::Default);
    start.decode(line.first(bytes), text);
}

LogBytes::LogBytes(qsizetype size) : size_(size), room_(std::max<qsizetype>(size, 1)) {
    void* room =
        ::mmap(nullptr, size_t(room_), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (room == MAP_FAILED)
        throw std::bad_alloc();
    // All pages at once, in large ones where the system allows: touching millions of bytes one
    // small page at a time costs more than reading them. Large pages are asked for before any
    // is made, since a page once made keeps its size. (A system without MADV_POPULATE_WRITE
    // makes the pages as the bytes are read into them.)
    ::madvise(room, size_t(room_), MADV_HUGEPAGE);
    if (::madvise(room, size_t(room_), MADV_POPULATE_WRITE) != 0 && errno == ENOMEM) {
        ::munmap(room, size_t(room_));
        throw std::bad_alloc();
    }
    data_ = start_ = static_cast<char*>(room);
}

LogBytes::~LogBytes() {
    ::munmap(start_, size_t(room_));
}

void LogBytes::dropFront(qsizetype count) {
    count = std::min(count, size_);
    data_ += count;
    size_ -= count;
}

LogLines::LogLines(QByteArrayView bytes)
    : LogLines([bytes] {
          auto copy = std::make_shared<LogBytes>(bytes.size());
          std::memcpy(copy->data(), bytes.data(), size_t(bytes.size()));
          return copy;
      }()) {}

LogLines::LogLines(std::shared_ptr<const LogBytes> bytes) : bytes_(std::move(bytes)) {
    const char* const data = bytes_->data();
    const qsizetype first =
        QByteArrayView(data, bytes_->size()).startsWith(kUtf8Bom) ? kUtf8Bom.size() : 0;
    lines_.reserve(size_t(std::min(kMaxLogLines, bytes_->size() / 2 + 1)));
    // From the end back, so that the newest lines are the ones kept. A line ends at `end`, at
    // its line feed or at the end of the bytes.
    qsizetype end = bytes_->size();
    while (end > first) {
        // Empty lines, millions of them maybe, are passed over eight bytes at a time while
        // they are all LF or all CR LF, then a line end at a time.
        if (end - first >= 8 && isEightEmptyLines(data + end - 8)) {
            end -= 8;
            continue;
        }
        if (data[end - 1] == '\n') {
            --end;
            continue;
        }
        if (data[end - 1] == '\r' && (end - 1 == first || data[end - 2] == '\n')) {
            end -= 2;
            continue;
        }
        const qsizetype start = lastFeed(data, first, end) + 1;
        if (size() == kMaxLogLines) {
            cut_ = true;
            break;
        }
        lines_.push_back({quint32(start), quint32(data[end - 1] == '\r' ? end - 1 : end)});
        end = start - 1;
    }
    std::reverse(lines_.begin(), lines_.end());
}

QByteArrayView LogLines::bytes(qsizetype line) const {
    const Span& span = lines_[size_t(line)];
    return QByteArrayView(bytes_->data() + span.start, span.end - span.start);
}

QString LogLines::text(qsizetype line) const {
    QString text;
    decodeLogLine(bytes(line), text);
    return text;
}

} // namespace pictolex
