// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "start_screen/name_box.h"

#include "text/bidi.h"

namespace pictolex {

namespace {

// A line break or a control character would split a line of the results log; a control of
// the text's direction would turn its row round; half a character (which the limit of 25 can
// leave at the end) would be stored as a broken one.
bool unwanted(const QString& text, qsizetype i) {
    const QChar c = text[i];
    const QChar::Category category = c.category();
    const bool halfFirst =
        c.isHighSurrogate() && (i + 1 == text.size() || !text[i + 1].isLowSurrogate());
    const bool halfLast = c.isLowSurrogate() && (i == 0 || !text[i - 1].isHighSurrogate());
    return category == QChar::Other_Control || category == QChar::Separator_Line ||
           category == QChar::Separator_Paragraph || isBidiControl(c) || halfFirst || halfLast;
}

} // namespace

QValidator::State NameValidator::validate(QString& input, int& pos) const {
    qsizetype removedBeforeCursor = 0;
    QString kept;
    kept.reserve(input.size());
    for (qsizetype i = 0; i < input.size(); ++i) {
        if (unwanted(input, i)) {
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
