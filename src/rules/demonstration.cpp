// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/demonstration.h"

namespace pictolex {

namespace {

enum { Snowflake = 1, Flag = 2, Banana = 3, Mailbox = 4 };

// Moves a picture one step left while it is right of where it rests.
void glide(DemoControls& c, int picture, float rest) {
    if (c.left(picture) > rest) {
        c.bringToFront(picture);
        c.setLeft(picture, c.left(picture) - 40.0f);
    }
}

} // namespace

void demonstrationTick(DemoControls& c) {
    glide(c, Flag, 1100.0f);
    if (c.left(Flag) < 1150.0f) {
        c.markMatched(1);
        c.setCaption(1, QStringLiteral("FLAG"));
        c.setLeft(Snowflake, 2700.0f);
    }
    if (c.left(Snowflake) == 2700.0f) {
        glide(c, Banana, 2700.0f);
        if (c.left(Banana) < 2750.0f) {
            c.markMatched(2);
            c.setCaption(2, QStringLiteral("BANANA"));
            c.setLeft(Snowflake, 4300.0f);
        }
    }
    if (c.left(Snowflake) == 4300.0f) {
        glide(c, Mailbox, 4300.0f);
        if (c.left(Mailbox) < 4350.0f) {
            c.markMatched(3);
            c.setCaption(3, QStringLiteral("MAILBOX"));
            c.setLeft(Snowflake, 6000.0f);
            c.markMatched(4);
            c.setCaption(4, QStringLiteral("SNOWFLAKE"));
            c.stopTicking();
        }
    }
}

LateWord lateWordTick(int& ticks) {
    if (ticks >= 2)
        return LateWord::None;
    ++ticks;
    return ticks == 1 ? LateWord::Mailbox : LateWord::Snowflake;
}

} // namespace pictolex
