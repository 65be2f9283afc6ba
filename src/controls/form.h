// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/platform.h"

#include <QWidget>

namespace pictolex {

class MMControl;

// A window with a load and an unload step. Form_Load runs exactly once, on the first show or
// the first access to the window's state; Unload runs Form_Unload nested and never cancels.
// A window that was unloaded is never shown again.
class Form : public QWidget {
    Q_OBJECT
public:
    void Unload();
    bool isLoaded() const { return loaded_; }
    void setBackColor(const QColor& color);
    // The window's invisible sound control.
    MMControl& mmControl();

    // Showing the window loads it first.
    void setVisible(bool visible) override;

Q_SIGNALS:
    // The window has loaded, or has unloaded: the program ends when no window is loaded.
    void loaded();
    void unloaded();

protected:
    explicit Form(const Platform& platform);

    const Platform& platform() const { return platform_; }

    // Runs Form_Load if it has not run yet. Every accessor of window state calls it.
    void ensureLoaded();

    virtual void Form_Load() = 0;
    virtual void Form_Unload() = 0;

    void closeEvent(QCloseEvent* event) override;

    MMControl* MMControl1; // plays the window's sounds

private:
    void armTimers(bool armed);

    Platform platform_;

    bool loaded_ = false;
    bool everLoaded_ = false;
    bool unloading_ = false;
};

// Plays a .wav file on the window's control; the latest request wins. Returns once playback
// has begun or failed.
void playSound(Form& window, const QString& path);
// Silences the window's control at once.
void stopSound(Form& window);

} // namespace pictolex
