// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system_services.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QTime>

namespace pictolex {

QString playerFolder() {
    // $XDG_DATA_HOME/pictolex/, whatever name the running program goes by.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return data.isEmpty() ? QString() : data + QStringLiteral("/pictolex/");
}

QDateTime SystemClock::now() const {
    QDateTime now = QDateTime::currentDateTime();
    const QTime t = now.time();
    now.setTime(QTime(t.hour(), t.minute(), t.second()));
    return now;
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
