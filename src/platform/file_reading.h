// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace pictolex {

// The whole of an ordinary file of at most maxBytes bytes, read without ever waiting on it:
// it is opened without blocking, and read no further than one byte past maxBytes, whatever
// size it claims. Nothing when the path names no ordinary file (a pipe, a device, a folder),
// when the file cannot be read, or when it holds more than maxBytes.
std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes);

} // namespace pictolex
