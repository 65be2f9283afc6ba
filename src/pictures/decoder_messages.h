// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace pictolex {

// Holds back what the image libraries say while a picture is decoded on this thread, and notes
// whether they warned of damage: data cut short or corrupt. A warning about the colour profile
// alone is no damage, as the picture decodes whole. Messages of other threads pass on as ever.
// Any number of threads may hold messages back at once.
class DecoderMessages {
public:
    DecoderMessages();
    ~DecoderMessages();
    DecoderMessages(const DecoderMessages&) = delete;
    DecoderMessages& operator=(const DecoderMessages&) = delete;

    bool damage() const { return damage_; }

private:
    bool damage_ = false;
};

} // namespace pictolex
