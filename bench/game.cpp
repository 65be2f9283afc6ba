// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game.h"

#include <QCoreApplication>
#include <QDir>
#include <stdexcept>

namespace pictolex::bench {

Game::Game(const QString& ownFiles) {
    const QDir own(data_.filePath(QStringLiteral("pictolex")));
    if (!ownFiles.isEmpty() && QDir().mkpath(own.path()))
        for (const QString& file : QDir(ownFiles).entryList(QDir::Files))
            QFile::copy(QDir(ownFiles).filePath(file), own.filePath(file));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), data_.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
    process_.setProcessEnvironment(environment);
    process_.setStandardOutputFile(QProcess::nullDevice());
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.setProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/pictolex"));
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

void Game::start() {
    process_.start();
    if (!process_.waitForStarted())
        throw std::runtime_error("cannot start " + process_.program().toStdString());
}

bool Game::running() {
    return process_.state() == QProcess::Running && !process_.waitForFinished(0);
}

} // namespace pictolex::bench
