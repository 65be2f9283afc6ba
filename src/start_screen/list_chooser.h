// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

namespace pictolex {

// The box of word lists, which says when it opens, so that the lists can be looked for afresh.
class ListChooser : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    void showPopup() override;

Q_SIGNALS:
    void opening();
};

} // namespace pictolex
