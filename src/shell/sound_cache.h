// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/wav_file.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <memory>

namespace pictolex {

// Decoded sounds, kept warm. A file replaced on disk (a teacher's own recording) is read anew.
class SoundCache {
public:
    std::shared_ptr<const WavData> load(const QString& path);

private:
    struct Entry {
        QDateTime modified;
        qint64 size = -1;
        std::shared_ptr<const WavData> data;
    };
    QHash<QString, Entry> entries_;
};

} // namespace pictolex
