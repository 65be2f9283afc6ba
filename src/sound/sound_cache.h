// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "sound/wav_file.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <memory>

namespace pictolex {

// Decoded sounds, kept warm up to a budget of memory, the least lately played going first
// when it is full. A file replaced on disk (a teacher's own recording) is read anew.
class SoundCache {
public:
    static constexpr qint64 kBudgetBytes = qint64(64) << 20;

    explicit SoundCache(qint64 budgetBytes = kBudgetBytes) : budget_(budgetBytes) {}
    std::shared_ptr<const WavData> load(const QString& path);

private:
    struct Entry {
        QDateTime modified;
        qint64 size = -1;
        std::shared_ptr<const WavData> data;
        quint64 lastUse = 0;
    };
    void put(const QString& path, Entry entry);

    QHash<QString, Entry> entries_;
    qint64 budget_;
    qint64 held_ = 0; // bytes of samples in the cache
    quint64 uses_ = 0;
};

} // namespace pictolex
