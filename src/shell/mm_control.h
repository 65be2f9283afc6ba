#pragma once

#include "shell/platform.h"

#include <QObject>
#include <QString>
#include <memory>

namespace pictolex {

class Form;

// The invisible multimedia control of a window. The program only sets its properties; a
// Command carries them out. Nothing it does can fail loudly.
class MMControl : public QObject {
    Q_OBJECT
public:
    MMControl(std::unique_ptr<AudioDevice> device, QObject* parent);
    ~MMControl() override;

    void setCommand(const QString& command);
    void setFileName(const QString& fileName) { fileName_ = fileName; }
    void setNotify(bool notify) { notify_ = notify; }
    void setWait(bool wait) { wait_ = wait; }
    void setShareable(bool shareable) { shareable_ = shareable; }
    void setDeviceType(const QString& deviceType) { deviceType_ = deviceType; }

    QString fileName() const { return fileName_; }
    bool notify() const { return notify_; }
    bool wait() const { return wait_; }
    bool shareable() const { return shareable_; }
    QString deviceType() const { return deviceType_; }

private:
    std::unique_ptr<AudioDevice> device_;
    QString fileName_;
    QString deviceType_;
    bool notify_ = true;
    bool wait_ = false;
    bool shareable_ = true;
    bool open_ = false;
};

// Plays a .wav file on the window's control; the latest request wins. Returns once playback
// has begun or failed.
void playSound(Form& window, const QString& path);
// Silences the window's control at once.
void stopSound(Form& window);

} // namespace pictolex
