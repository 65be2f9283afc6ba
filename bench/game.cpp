// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game.h"

#include "app/application.h"
#include "rules/words.h"

#include <QApplication>
#include <QFileInfo>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace pictolex::bench {

namespace fs = std::filesystem;

Game::Game(const QString& playerFiles, const QStringList& arguments, bool counted) {
    const fs::path own = data_.filePath(QStringLiteral("pictolex")).toStdString();
    fs::create_directory(own);
    if (!playerFiles.isEmpty())
        fs::copy(playerFiles.toStdString(), own,
                 fs::copy_options::recursive | fs::copy_options::create_hard_links);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), data_.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
    process_.setProcessEnvironment(environment);
    const bool forward = counted && !arguments.isEmpty();
    process_.setProcessChannelMode(forward ? QProcess::ForwardedChannels
                                           : QProcess::ForwardedErrorChannel);
    if (!forward)
        process_.setStandardOutputFile(QProcess::nullDevice());
    process_.setProgram(arguments.isEmpty()
                            ? QCoreApplication::applicationDirPath() + QStringLiteral("/pictolex")
                            : QCoreApplication::applicationFilePath());
    process_.setArguments(arguments);
}

Game::~Game() {
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(2000)) {
        process_.kill();
        process_.waitForFinished();
    }
}

void Game::runInstead(const QString& name, const QStringList& arguments) {
    process_.setProgram(QCoreApplication::applicationDirPath() + '/' + name);
    process_.setArguments(arguments);
}

void Game::start() {
    process_.start();
    if (!process_.waitForStarted())
        throw std::runtime_error("cannot start " + process_.program().toStdString());
}

bool Game::running() {
    return process_.state() == QProcess::Running && !process_.waitForFinished(0);
}

void Game::run() {
    start();
    if (!process_.waitForFinished(600000) || process_.exitStatus() != QProcess::NormalExit ||
        process_.exitCode() != 0)
        throw std::runtime_error(process_.arguments().join(' ').toStdString() + ": failed");
}

int playInside(int argc, char* argv[], const std::function<void()>& drive) {
    prepareProcess();
    QApplication app(argc, argv);
    QTimer::singleShot(0, &app, [&drive] {
        int status = 0;
        try {
            if (!QTest::qWaitForWindowExposed(&window("frmS")))
                throw std::runtime_error("the start screen did not show");
            drive();
        } catch (const std::exception& error) {
            std::fprintf(stderr, "%s\n", error.what());
            status = 1;
        }
        QCoreApplication::exit(status);
    });
    return runGame(app);
}

QWidget* findWindow(const char* name) {
    for (QWidget* shown : QApplication::topLevelWidgets())
        if (shown->objectName() == QLatin1String(name))
            return shown;
    return nullptr;
}

QWidget& window(const char* name) {
    if (QWidget* found = findWindow(name))
        return *found;
    throw std::runtime_error(std::string("no window ") + name);
}

void putPictures(const QString& folder, const QString& picture, bool list) {
    fs::create_directories(folder.toStdString());
    for (const QString& word : builtInWords())
        fs::create_hard_link(
            picture.toStdString(),
            (folder + '/' + word + '.' + QFileInfo(picture).suffix()).toStdString());
    if (list && !(std::ofstream((folder + "/words.txt").toStdString())
                  << builtInWords().join('\n').toStdString()))
        throw std::runtime_error("cannot write the words of " + folder.toStdString());
}

} // namespace pictolex::bench
