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
    return app.exec();
}

} // namespace pictolex
