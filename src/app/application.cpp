// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include "app/system_platform.h"
#include "board/game_board.h"
#include "platform/process.h"
#include "start_screen/start_screen.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace pictolex {

void prepareProcess() {
    ignoreFileSizeSignal();
    sendSoundLibraryLogToSystemLog();
}

WindowMakers gameWindows() {
    return {[](const Platform& platform) { return std::make_unique<StartScreen>(platform); },
            [](const Platform& platform) { return std::make_unique<GameBoard>(platform); }};
}

int runGame(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("pictolex"));
    QApplication::setApplicationDisplayName(QStringLiteral("Pictolex"));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/pictolex.ico")));

    SystemPlatform system(QCoreApplication::applicationDirPath());
    system.random.reseedFromTime();
    AppContext context(system.platform(), gameWindows(), [] { QCoreApplication::quit(); });
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

} // namespace pictolex
