// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/platform.h"

#include <QWidget>

namespace pictolex {

class SoundPlayer;

// A window that loads once, on its first show or the first access to its state, and unloads
// once, never cancelling: unload() hides it for good. Each has one sound channel.
class Form : public QWidget {
    Q_OBJECT
public:
    void unload();
    bool isLoaded() const { return loaded_; }
    void setBackColor(const QColor& color);
    SoundPlayer& soundPlayer();

    // Showing the window loads it first.
    void setVisible(bool visible) override;

Q_SIGNALS:
    // The window's load and unload, each raised once. The window does its own work on
    // loaded() and unloading(); unloaded() comes when the unload is over.
    void loaded();
    void unloading();
    void unloaded();

protected:
    explicit Form(const Platform& platform);

    const Platform& platform() const { return platform_; }
    // Loads the window if it has not loaded yet. Every accessor of window state calls it.
    void ensureLoaded();
    void closeEvent(QCloseEvent* event) override;

private:
    void armTimers(bool armed);

    Platform platform_;
    SoundPlayer* sound_;
    bool loaded_ = false;
    bool everLoaded_ = false;
    bool unloading_ = false;
};

// Plays the utterance on the window's sound channel, cutting off what it was playing: its first
// recording that plays, else its text spoken, else silence (SoundPlayer).
void playSound(Form& window, const Utterance& utterance);
// Silences the window's sound channel at once.
void stopSound(Form& window);

} // namespace pictolex
