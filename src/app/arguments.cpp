// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/arguments.h"

#include <QCoreApplication>

namespace pictolex {

Arguments parseArguments(const QStringList& arguments) {
    Arguments parsed;
    const std::pair<QString, QString*> options[] = {
        {QStringLiteral("--list"), &parsed.list},
        {QStringLiteral("--check-list"), &parsed.checkFolder}};
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& given = arguments[i];
        bool ours = false;
        for (const auto& [option, value] : options) {
            if (given.startsWith(option + QLatin1Char('='))) {
                *value = given.mid(option.size() + 1);
            } else if (given != option) {
                continue;
            } else if (i + 1 < arguments.size()) {
                *value = arguments[++i];
            } else {
                parsed.withoutValue = option;
            }
            ours = true;
        }
        if (given == QLatin1String("--help") || given == QLatin1String("-h"))
            parsed.help = true;
        else if (!ours && given.startsWith(QLatin1String("--")))
            parsed.unknown = given;
    }
    return parsed;
}

QString mistakeText(const Arguments& arguments) {
    if (!arguments.withoutValue.isEmpty())
        return QCoreApplication::translate("Arguments",
                                           "%1 needs a value: --list NAME, or --check-list FOLDER.")
            .arg(arguments.withoutValue);
    if (!arguments.unknown.isEmpty())
        return QCoreApplication::translate("Arguments",
                                           "%1 is not an option of pictolex; --help lists them.")
            .arg(arguments.unknown);
    return {};
}

QString usageText() {
    return QCoreApplication::translate(
        "Arguments", "Usage: pictolex [--list NAME] [--check-list FOLDER]\n"
                     "  --list NAME          start with the word list NAME\n"
                     "  --check-list FOLDER  check the word list in FOLDER and say what keeps it\n"
                     "                       from being played\n");
}

QString noDisplayText() {
    return QCoreApplication::translate(
        "Arguments", "There is no display to show the game on: start it from a desktop.");
}

} // namespace pictolex
