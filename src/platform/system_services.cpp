// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system_services.h"

#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTime>
#include <chrono>

namespace pictolex {

QString playerFolder(const QString& dataHome, const QString& home) {
    // As the XDG base directory rules have it, a relative $XDG_DATA_HOME counts as none, and
    // none means $HOME/.local/share. A home that is not an absolute path is no home.
    const auto absolute = [](const QString& path) { return path.startsWith(u'/'); };
    QString data;
    if (absolute(dataHome))
        data = dataHome;
    else if (absolute(home))
        data = home + QStringLiteral("/.local/share");
    else
        return {};
    return QDir::cleanPath(data + QStringLiteral("/pictolex")) + u'/';
}

QString playerFolder() {
    return playerFolder(qEnvironmentVariable("XDG_DATA_HOME"), qEnvironmentVariable("HOME"));
}

QDateTime SystemClock::now() const {
    QDateTime now = QDateTime::currentDateTime();
    const QTime t = now.time();
    now.setTime(QTime(t.hour(), t.minute(), t.second()));
    return now;
}

qint64 SystemClock::monotonicMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SystemRandom::reseedFromTime() {
    engine_.seed(static_cast<std::mt19937::result_type>(
        QDateTime::currentMSecsSinceEpoch() ^ (QTime::currentTime().msecsSinceStartOfDay() << 7)));
}

float SystemRandom::next() {
    // 24 random bits make a float that is never 1.
    return float(engine_() >> 8) * (1.0f / 16777216.0f);
}

QSize SystemScreen::size() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1024, 768);
}

void SystemMessageBoxes::show(QWidget* parent, Icon icon, const QString& title,
                              const QString& text) {
    if (icon == Icon::Warning)
        QMessageBox::warning(parent, title, text);
    else
        QMessageBox::information(parent, title, text);
}

} // namespace pictolex
