// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "start_screen/list_chooser.h"

namespace pictolex {

void ListChooser::showPopup() {
    Q_EMIT opening();
    QComboBox::showPopup();
}

} // namespace pictolex
