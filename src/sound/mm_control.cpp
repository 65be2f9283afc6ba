// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/mm_control.h"

#include <QFileInfo>

namespace pictolex {

MMControl::MMControl(std::unique_ptr<AudioDevice> device, QString userFolder, QObject* parent)
    : QObject(parent), device_(std::move(device)), userFolder_(std::move(userFolder)) {}

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
        open_ = wave && (openOwn() || device_->open(fileName_));
    } else if (command.compare(QLatin1String("Play"), Qt::CaseInsensitive) == 0) {
        if (open_)
            device_->play();
    }
}

bool MMControl::openOwn() {
    if (userFolder_.isEmpty())
        return false;
    const QString own = userFolder_ + QFileInfo(fileName_).fileName();
    return own != fileName_ && QFileInfo::exists(own) && device_->open(own);
}

} // namespace pictolex
