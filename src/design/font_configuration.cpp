// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/font_configuration.h"

#include <fontconfig/fontconfig.h>

namespace pictolex {

FontConfigurationReading::FontConfigurationReading() : thread_([] { FcInit(); }) {}

void FontConfigurationReading::wait() {
    if (thread_.joinable())
        thread_.join();
}

} // namespace pictolex
