// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace pictolex {

// What one step of the demonstration reads and sets on the start screen. Pictures 1 to 4 are
// the snowflake, flag, banana and mailbox; words 1 to 4 are "flag", "banana", "mailbox" and
// "snowflake". Left edges are in twips, kept exactly as single-precision values.
class DemoControls {
public:
    virtual ~DemoControls() = default;
    virtual float left(int picture) const = 0;
    virtual void setLeft(int picture, float twips) = 0;
    virtual void bringToFront(int picture) = 0;
    virtual void markMatched(int word) = 0;
    // Raises the word's Change, nested, when the text differs from what it shows.
    virtual void setCaption(int word, const QString& caption) = 0;
    virtual void stopTicking() = 0;
};

// One tick of the demonstration: the flag, then the banana, then the mailbox glides 40 twips
// left until it stands over its word, which then turns cyan and capital. The phase is read
// off the snowflake's position; an arrival repeats on every later tick without changing
// anything that shows.
void demonstrationTick(DemoControls& controls);

// The last two words are spoken on the first two ticks of the second timer, and never again.
enum class LateWord { None, Mailbox, Snowflake };
LateWord lateWordTick(int& ticks);

} // namespace pictolex
