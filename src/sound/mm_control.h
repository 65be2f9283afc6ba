// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/platform.h"

#include <QObject>
#include <QString>
#include <memory>

namespace pictolex {

// The invisible multimedia control of a window. The program only sets its properties; a
// command carries them out. Nothing it does can fail loudly.
class MMControl : public QObject {
    Q_OBJECT
public:
    // A sound of the same name in the player's own folder is played in place of the one asked
    // for, when it can be.
    MMControl(std::unique_ptr<AudioDevice> device, QString userFolder, QObject* parent);
    ~MMControl() override;

    // "Close" silences it; "Open" opens the file named, as a wave file; "Play" plays what is open.
    void setCommand(const QString& command);
    void setFileName(const QString& fileName) { fileName_ = fileName; }
    void setDeviceType(const QString& deviceType) { deviceType_ = deviceType; }

private:
    bool openOwn();

    std::unique_ptr<AudioDevice> device_;
    QString userFolder_;
    QString fileName_;
    QString deviceType_;
    bool open_ = false;
};

} // namespace pictolex
