// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/arguments.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace pictolex {

namespace {

// The argument that names an option we do not have, as given: a name Qt's parser did not know,
// with two dashes (one dash is Qt's own), or a switch given a value. The last such counts.
QString unknownOption(const QStringList& arguments, const QCommandLineParser& parser,
                      const QStringList& switches) {
    QString unknown;
    for (const QString& given : arguments.mid(1)) {
        if (given == QLatin1String("--"))
            break;
        const QString name = given.section(QLatin1Char('='), 0, 0).mid(2);
        const bool withValue = given.contains(QLatin1Char('='));
        if (given.startsWith(QLatin1String("--")) &&
            (parser.unknownOptionNames().contains(name) || (withValue && switches.contains(name))))
            unknown = given;
    }
    return unknown;
}

} // namespace

Arguments parseArguments(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption list(QStringLiteral("list"), {}, QStringLiteral("NAME"));
    const QCommandLineOption check(QStringLiteral("check-list"), {}, QStringLiteral("LIST"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOptions({list, check, help, version});
    parser.parse(arguments);

    Arguments parsed;
    parsed.list = parser.value(list);
    parsed.checkFolder = parser.value(check);
    if (parser.isSet(check) && parsed.checkFolder.isNull())
        parsed.checkFolder = QStringLiteral(""); // given, though empty
    // An option with a value that is named more often than it has values lacks one.
    for (const QCommandLineOption* option : {&list, &check}) {
        const QString name = option->names().constFirst();
        if (parser.optionNames().count(name) > parser.values(*option).size())
            parsed.withoutValue = QStringLiteral("--") + name;
    }
    parsed.unknown = unknownOption(arguments, parser, help.names() + version.names());
    // A switch given a value (--help=1) is a mistake, not the switch.
    const QString wrong = parsed.unknown.section(QLatin1Char('='), 0, 0).mid(2);
    parsed.help = parser.isSet(help) && !help.names().contains(wrong);
    parsed.version = parser.isSet(version) && !version.names().contains(wrong);
    return parsed;
}

QString mistakeText(const Arguments& arguments) {
    if (!arguments.withoutValue.isEmpty())
        return QCoreApplication::translate("Arguments",
                                           "%1 needs a value: --list NAME, or --check-list LIST.")
            .arg(arguments.withoutValue);
    if (!arguments.unknown.isEmpty())
        return QCoreApplication::translate("Arguments",
                                           "%1 is not an option of pictolex; --help lists them.")
            .arg(arguments.unknown);
    return {};
}

QString usageText() {
    return QCoreApplication::translate(
        "Arguments", "Usage: pictolex [--list NAME] [--check-list LIST]\n"
                     "  --list NAME          start with the word list NAME\n"
                     "  --check-list LIST    check the word list LIST, a folder or a list's name,\n"
                     "                       and say what keeps it from being played\n"
                     "  --version            say which version of pictolex this is\n");
}

QString versionText() {
    return QStringLiteral("pictolex " PICTOLEX_VERSION "\n");
}

QString noDisplayText() {
    return QCoreApplication::translate(
        "Arguments", "There is no display to show the game on: start it from a desktop.");
}

} // namespace pictolex
