// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/cells.h"

#include <QStringList>
#include <array>
#include <string_view>

namespace pictolex {

// The words under the 36 cells, in alphabetical order with capitals ignored, in UTF-8. They
// never move.
inline constexpr std::array<std::string_view, kCells> kWords = {
    "airplane", "banana",    "bell",       "bicycle",    "books",          "cars",      "clock",
    "cloud",    "dog",       "ear",        "Earth",      "envelope",       "eye",       "flag",
    "hand",     "heart",     "light bulb", "lightning",  "lock",           "magnet",    "mailbox",
    "moon",     "music",     "notebook",   "paper clip", "pencil",         "rain",      "rulers",
    "sailboat", "snowflake", "stamp",      "Sun",        "traffic signal", "trash can", "tree",
    "umbrella",
};

// The picture each tile holds when the board is built, before the first deal.
inline constexpr std::array<std::string_view, kCells> kInitialTags = {
    "clock",    "ear",       "eye",       "light bulb", "bell",       "magnet",
    "umbrella", "heart",     "tree",      "lock",       "music",      "sailboat",
    "notebook", "books",     "pencil",    "rulers",     "paper clip", "traffic signal",
    "mailbox",  "envelope",  "trash can", "stamp",      "airplane",   "bicycle",
    "cars",     "flag",      "cloud",     "Earth",      "moon",       "Sun",
    "rain",     "snowflake", "lightning", "hand",       "banana",     "dog",
};

// The spare tile's picture, a circled digit one.
inline constexpr std::string_view kSpareTag = "zero";

// kWords and kInitialTags as text.
QStringList builtInWords();
QStringList builtInInitialTags();

} // namespace pictolex
