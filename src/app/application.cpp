// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include "app/arguments.h"
#include "app/game_windows.h"
#include "app/list_report.h"
#include "app/system_platform.h"
#include "app/translations.h"
#include "controls/picture.h"
#include "design/font_configuration.h"
#include "platform/install_layout.h"
#include "platform/process.h"
#include "sound/lazy_audio.h"
#include "start_screen/start_screen.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QTextStream>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace pictolex {

void prepareProcess() {
    ignoreFileSizeSignal();
    sendSoundLibraryLogToSystemLog();
    shareOneMemoryPool();
}

namespace {

constexpr int kSoundReadyMs = 1500;

// A sound server that never answers keeps the audio thread inside the sound library, where it
// can be neither stopped nor waited for, and a speech engine once made is never torn down: then
// the program leaves at once with `status`, without the destructors, which would tear down what
// that thread still uses, or wait for it for ever.
void leaveIfStuck(AudioFactory& audio, int status) {
    if (audio.finish(std::chrono::milliseconds(500)))
        return;
    // Not fflush(nullptr): the speech library reads its socket through a stream, and holds that
    // stream's lock while it waits.
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(status);
}

} // namespace

int runGame(QApplication& app, const QString& askedList) {
    QApplication::setApplicationName(QStringLiteral("pictolex"));
    QApplication::setApplicationDisplayName(QStringLiteral("Pictolex"));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(iconImage(QStringLiteral("pictolex")))));
    installTranslations(app);

    SystemPlatform system(QCoreApplication::applicationDirPath());
    system.random.reseedFromTime();
    GameWindows windows(system.platform(), askedList, [] { QCoreApplication::quit(); });
    windows.startScreen().show();
    // The sound output, which weighs some megabytes, is got ready once the start screen has
    // long been up, and still more than a second before the demonstration's first word, which
    // comes at 2.7 s.
    QTimer::singleShot(kSoundReadyMs, &windows.startScreen(),
                       [&system] { system.audio.prepare(); });
    const int status = app.exec();
    leaveIfStuck(system.audio, status);
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

namespace {

// --check-list: the list's report, with the words that have no recording spoken by the
// desktop's voice where one speaks the list's language.
int reportOnList(const QString& list) {
    LazyAudioFactory audio(audioModuleFor(QCoreApplication::applicationDirPath()));
    QTextStream out(stdout);
    const int status = reportList(
        list, out, [&audio](const QString& language) { return audio.canSpeak(language); });
    leaveIfStuck(audio, status);
    return status;
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
        (noDisplay && arguments.checkFolder.isNull()))
        return tellTheTerminal(argc, argv, arguments);
    if (!arguments.checkFolder.isNull()) { // given, if empty
        // Words are measured in the board's font, which needs fonts but no display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        installTranslations(app);
        return reportOnList(arguments.checkFolder);
    }
    FontConfigurationReading fonts; // while the display is connected
    QApplication app(argc, argv);
    fonts.wait();
    return runGame(app, arguments.list);
}

} // namespace pictolex
