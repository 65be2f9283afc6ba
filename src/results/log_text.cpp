// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/log_text.h"

#include <QStringDecoder>

#include <cstring>
#include <new>
#include <optional>
#include <sys/mman.h>

namespace pictolex {

namespace {

constexpr QByteArrayView kUtf8Bom("\xEF\xBB\xBF");

// The decoders of one thread, made once: Shift-JIS and Windows-1252 only when a line needs
// them.
struct Decoders {
    static constexpr auto kFlags = QStringConverter::Flag::Stateless;
    QStringDecoder utf8{QStringConverter::Utf8, kFlags};
    std::optional<QStringDecoder> shiftJis;
    std::optional<QStringDecoder> windows1252;
};

// Decodes into the room `text` already has, where it is enough; answers false when the bytes
// are not valid in the decoder's encoding.
bool decodeInto(QStringDecoder& decoder, QByteArrayView line, QString& text) {
    decoder.resetState();
    text.resize(decoder.requiredSpace(line.size()));
    const QChar* const end = decoder.appendToBuffer(text.data(), line);
    text.truncate(end - text.constData());
    return !decoder.hasError();
}

} // namespace

void decodeLogLine(QByteArrayView line, QString& text) {
    thread_local Decoders d;
    if (decodeInto(d.utf8, line, text))
        return;
    if (!d.shiftJis)
        d.shiftJis.emplace("Shift_JIS", Decoders::kFlags);
    if (d.shiftJis->isValid() && decodeInto(*d.shiftJis, line, text))
        return;
    // A line that is not Shift-JIS leaves the decoder holding its last bytes, which would
    // spoil the next line: the next one gets a fresh decoder.
    d.shiftJis.reset();
    if (!d.windows1252)
        d.windows1252.emplace("windows-1252", Decoders::kFlags);
    decodeInto(*d.windows1252, line, text);
}

LogBytes::LogBytes(qsizetype size) : size_(size), room_(std::max<qsizetype>(size, 1)) {
    // All pages at once, in large ones where the system allows: touching millions of bytes one
    // small page at a time costs more than reading them.
    void* room = ::mmap(nullptr, size_t(room_), PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (room == MAP_FAILED)
        throw std::bad_alloc();
    ::madvise(room, size_t(room_), MADV_HUGEPAGE);
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
    const qsizetype size = bytes_->size();
    starts_.reserve(size_t(size / 48 + 2)); // room for lines of half a record's 90 bytes
    qsizetype start = QByteArrayView(data, size).startsWith(kUtf8Bom) ? kUtf8Bom.size() : 0;
    while (start < size) {
        starts_.push_back(quint32(start));
        const void* end = std::memchr(data + start, '\n', size_t(size - start));
        start = end ? static_cast<const char*>(end) - data + 1 : size + 1;
    }
    if (!starts_.empty())
        starts_.push_back(quint32(start)); // where the line after the last would start
}

QByteArrayView LogLines::bytes(qsizetype line) const {
    const qsizetype start = starts_[size_t(line)];
    qsizetype end = qsizetype(starts_[size_t(line) + 1]) - 1; // its line feed, or the end
    const char* const data = bytes_->data();
    if (end > start && data[end - 1] == '\r')
        --end;
    return QByteArrayView(data + start, end - start);
}

QString LogLines::text(qsizetype line) const {
    QString text;
    decodeLogLine(bytes(line), text);
    return text;
}

} // namespace pictolex
