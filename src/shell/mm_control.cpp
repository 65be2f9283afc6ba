// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/mm_control.h"

#include "shell/form.h"

namespace pictolex {

MMControl::MMControl(std::unique_ptr<AudioDevice> device, QObject* parent)
    : QObject(parent), device_(std::move(device)) {}

MMControl::~MMControl() {
    if (device_)
        device_->close();
}

void MMControl::setCommand(const QString& command) {
    if (!device_)
        return;
    if (command.compare(QLatin1String("Close"), Qt::CaseInsensitive) == 0) {
        device_->close();
        open_ = false;
    } else if (command.compare(QLatin1String("Open"), Qt::CaseInsensitive) == 0) {
        const bool wave = deviceType_.compare(QLatin1String("Waveaudio"), Qt::CaseInsensitive) == 0;
        open_ = wave && device_->open(fileName_);
    } else if (command.compare(QLatin1String("Play"), Qt::CaseInsensitive) == 0) {
        if (open_)
            device_->play();
    }
}

void playSound(Form& window, const QString& path) {
    MMControl& control = window.mmControl();
    control.setCommand(QStringLiteral("Close"));
    control.setFileName(path);
    control.setDeviceType(QStringLiteral("Waveaudio"));
    control.setCommand(QStringLiteral("Open"));
    control.setCommand(QStringLiteral("Play"));
}

void stopSound(Form& window) {
    window.mmControl().setCommand(QStringLiteral("Close"));
}

} // namespace pictolex
