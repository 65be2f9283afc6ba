// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "start_screen/name_box.h"

namespace pictolex {

namespace {
bool unwanted(QChar c) {
    const QChar::Category category = c.category();
    return category == QChar::Other_Control || category == QChar::Separator_Line ||
           category == QChar::Separator_Paragraph;
}
} // namespace

QValidator::State NameValidator::validate(QString& input, int& pos) const {
    qsizetype removedBeforeCursor = 0;
    QString kept;
    kept.reserve(input.size());
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (unwanted(input[i])) {
            if (i < pos)
                ++removedBeforeCursor;
            continue;
        }
        kept.append(input[i]);
    }
    input = kept;
    pos -= int(removedBeforeCursor);
    return Acceptable;
}

NameBox::NameBox(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(kMaxLength);
    setValidator(new NameValidator(this));
    setFocusPolicy(Qt::StrongFocus);
}

} // namespace pictolex
