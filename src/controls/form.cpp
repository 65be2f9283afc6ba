// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/form.h"

#include "controls/window_timer.h"
#include "sound/sound_player.h"

#include <QCloseEvent>

namespace pictolex {

Form::Form(const Platform& platform)
    : QWidget(nullptr), platform_(platform),
      sound_(new SoundPlayer(platform.audio.create(), this)) {}

void Form::setBackColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
    setAutoFillBackground(true);
}

SoundPlayer& Form::soundPlayer() {
    ensureLoaded();
    return *sound_;
}

void Form::ensureLoaded() {
    if (everLoaded_)
        return;
    everLoaded_ = true;
    loaded_ = true;
    Q_EMIT loaded();
    armTimers(true);
}

void Form::setVisible(bool visible) {
    if (visible)
        ensureLoaded();
    if (loaded_ || !visible)
        QWidget::setVisible(visible);
}

void Form::unload() {
    if (!loaded_ || unloading_)
        return;
    unloading_ = true;
    Q_EMIT unloading();
    armTimers(false);
    QWidget::hide();
    unloading_ = false;
    loaded_ = false;
    Q_EMIT unloaded();
}

void Form::closeEvent(QCloseEvent* event) {
    unload();
    event->accept();
}

void Form::armTimers(bool armed) {
    for (WindowTimer* timer : findChildren<WindowTimer*>())
        timer->setArmed(armed);
}

void playSound(Form& window, const Utterance& utterance) {
    window.soundPlayer().play(utterance);
}

void stopSound(Form& window) {
    window.soundPlayer().stop();
}

} // namespace pictolex
