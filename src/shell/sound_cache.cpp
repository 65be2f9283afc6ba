// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/sound_cache.h"

#include <QFile>
#include <QFileInfo>

namespace pictolex {

namespace {
// Anything larger is no word or fanfare of ours.
constexpr qint64 kMaxSoundBytes = 32 * 1024 * 1024;
} // namespace

std::shared_ptr<const WavData> SoundCache::load(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile()) {
        entries_.remove(path);
        return nullptr;
    }
    const QDateTime modified = info.lastModified();
    const auto found = entries_.constFind(path);
    if (found != entries_.cend() && found->modified == modified && found->size == info.size())
        return found->data;

    std::shared_ptr<const WavData> data;
    QFile file(path);
    if (info.size() <= kMaxSoundBytes && file.open(QIODevice::ReadOnly)) {
        if (std::optional<WavData> wav = parseWav(file.readAll()))
            data = std::make_shared<const WavData>(std::move(*wav));
    }
    entries_.insert(path, Entry{modified, info.size(), data});
    return data;
}

} // namespace pictolex
