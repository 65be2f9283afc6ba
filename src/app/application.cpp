// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include "app/arguments.h"
#include "app/list_report.h"
#include "app/system_platform.h"
#include "app/translations.h"
#include "board/game_board.h"
#include "platform/process.h"
#include "start_screen/start_screen.h"

#include <QApplication>
#include <QIcon>
#include <QTextStream>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace pictolex {

void prepareProcess() {
    ignoreFileSizeSignal();
    sendSoundLibraryLogToSystemLog();
}

WindowMakers gameWindows(const QString& askedList) {
    return {[askedList](const Platform& platform) {
                return std::make_unique<StartScreen>(platform, askedList);
            },
            [](const Platform& platform) { return std::make_unique<GameBoard>(platform); }};
}

int runGame(QApplication& app, const QString& askedList) {
    QApplication::setApplicationName(QStringLiteral("pictolex"));
    QApplication::setApplicationDisplayName(QStringLiteral("Pictolex"));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/pictolex.ico")));
    installTranslations(app);

    SystemPlatform system(QCoreApplication::applicationDirPath());
    system.random.reseedFromTime();
    AppContext context(system.platform(), gameWindows(askedList), [] { QCoreApplication::quit(); });
    frmS().show();
    // Sound is got ready once the start screen is up, well before its first word.
    QTimer::singleShot(300, &frmS(), [&system] { system.audio.prepare(); });
    const int status = app.exec();
    // A sound server that never answers keeps the audio thread inside the sound library, where
    // it can be neither stopped nor waited for. Then the game leaves at once, without the
    // destructors, which would tear down what that thread still uses, or wait for it for ever.
    if (!system.audio.finish(std::chrono::milliseconds(500))) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

namespace {

// Help, the version, a mistake on the command line, or no display to show the game on: a word
// to the terminal, in the reader's language, and the status to end with.
int tellTheTerminal(int argc, char* argv[], const Arguments& arguments) {
    QCoreApplication app(argc, argv);
    installTranslations(app);
    if (arguments.help || arguments.version) {
        QTextStream(stdout) << (arguments.help ? usageText() : versionText());
        return 0;
    }
    const QString mistake = mistakeText(arguments);
    QTextStream(stderr) << "pictolex: " << (mistake.isEmpty() ? noDisplayText() : mistake) << '\n';
    return mistake.isEmpty() ? 1 : 2;
}

} // namespace

int runProgram(int argc, char* argv[]) {
    prepareProcess();
    QStringList given;
    for (int i = 0; i < argc; ++i)
        given << QString::fromLocal8Bit(argv[i]);
    const Arguments arguments = parseArguments(given);
    const bool noDisplay = qEnvironmentVariableIsEmpty("DISPLAY") &&
                           qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
                           qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    if (arguments.help || arguments.version || !mistakeText(arguments).isEmpty() ||
        (noDisplay && arguments.checkFolder.isEmpty()))
        return tellTheTerminal(argc, argv, arguments);
    if (!arguments.checkFolder.isEmpty()) {
        // Words are measured in the board's font, which needs fonts but no display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        installTranslations(app);
        QTextStream out(stdout);
        return reportList(arguments.checkFolder, out);
    }
    QApplication app(argc, argv);
    return runGame(app, arguments.list);
}

} // namespace pictolex
