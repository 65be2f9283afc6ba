// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/arguments.h"

#include "word_lists/list_texts.h"

namespace pictolex {

Arguments parseArguments(const QStringList& arguments) {
    Arguments parsed;
    const std::pair<QString, QString*> options[] = {
        {QStringLiteral("--list"), &parsed.list},
        {QStringLiteral("--check-list"), &parsed.checkFolder}};
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        for (const auto& [option, value] : options) {
            if (arguments[i].startsWith(option + QLatin1Char('=')))
                *value = arguments[i].mid(option.size() + 1);
            else if (arguments[i] != option)
                continue;
            else if (i + 1 < arguments.size())
                *value = arguments[++i];
            else
                parsed.error = missingValueText(option);
        }
    }
    return parsed;
}

} // namespace pictolex
