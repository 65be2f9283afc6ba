// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace pictolex {

// A message for screen readers, with no room on the screen: a notification that say() shows
// afresh under the message's name. AT-SPI screen readers speak a notification as it appears,
// wherever the focus is; a change of name or description they speak only on the focus, and an
// alert Qt does not pass on to them at all.
class Notice : public QWidget {
    Q_OBJECT
public:
    explicit Notice(QWidget* parent);

    void say(const QString& message);
};

} // namespace pictolex
