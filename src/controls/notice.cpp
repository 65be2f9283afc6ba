// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/notice.h"

#include "controls/accessible_role.h"

namespace pictolex {

Notice::Notice(QWidget* parent) : QWidget(parent) {
    installAccessibleRole<Notice, QAccessible::Notification>();
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(0, 0);
    hide();
}

void Notice::say(const QString& message) {
    hide();
    setAccessibleName(message);
    show();
}

} // namespace pictolex
