// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <QValidator>

namespace pictolex {

// Keeps line breaks, control characters, controls of the text's direction and halves of
// characters out of a player's name, typed or pasted: the name stays one whole line that
// reads from the left.
class NameValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// The single-line name box: at most 25 characters.
class NameBox : public QLineEdit {
    Q_OBJECT
public:
    static constexpr int kMaxLength = 25;
    explicit NameBox(QWidget* parent);
};

} // namespace pictolex
