// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/sound_cache.h"

#include "platform/file_reading.h"

#include <QFileInfo>

namespace pictolex {

namespace {
qint64 bytesOf(const std::shared_ptr<const WavData>& data) {
    return data ? data->samples.size() : 0;
}
} // namespace

std::shared_ptr<const WavData> SoundCache::load(const QString& path) {
    const QFileInfo info(path);
    const auto found = entries_.find(path);
    if (found != entries_.end() && info.isFile() && found->modified == info.lastModified() &&
        found->size == info.size()) {
        found->lastUse = ++uses_;
        return found->data;
    }
    std::shared_ptr<const WavData> data;
    if (std::optional<QByteArray> bytes = readRegularFile(path, kMostWavBytes)) {
        if (std::optional<WavData> wav = parseWav(std::move(*bytes)))
            data = std::make_shared<const WavData>(std::move(*wav));
    }
    put(path, Entry{info.lastModified(), info.exists() ? info.size() : -1, data, ++uses_});
    return data;
}

void SoundCache::put(const QString& path, Entry entry) {
    if (const auto old = entries_.find(path); old != entries_.end()) {
        held_ -= bytesOf(old->data);
        entries_.erase(old);
    }
    held_ += bytesOf(entry.data);
    entries_.insert(path, std::move(entry));
    // The sound just asked for stays, even when it alone is over the budget.
    while (held_ > budget_ && entries_.size() > 1) {
        auto oldest = entries_.end();
        for (auto it = entries_.begin(); it != entries_.end(); ++it)
            if (it.key() != path && (oldest == entries_.end() || it->lastUse < oldest->lastUse))
                oldest = it;
        held_ -= bytesOf(oldest->data);
        entries_.erase(oldest);
    }
}

} // namespace pictolex
