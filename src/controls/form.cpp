// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/form.h"

#include "controls/window_timer.h"
#include "sound/mm_control.h"

#include <QCloseEvent>

namespace pictolex {

Form::Form(const Platform& platform)
    : QWidget(nullptr),
      MMControl1(new MMControl(platform.audio.create(), platform.userFolder, this)),
      platform_(platform) {
    MMControl1->setObjectName(QStringLiteral("MMControl1"));
}

void Form::setBackColor(const QColor& color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, color);
    setPalette(p);
    setAutoFillBackground(true);
}

MMControl& Form::mmControl() {
    ensureLoaded();
    return *MMControl1;
}

void Form::ensureLoaded() {
    if (everLoaded_)
        return;
    everLoaded_ = true;
    loaded_ = true;
    Q_EMIT loaded();
    Form_Load();
    armTimers(true);
}

void Form::setVisible(bool visible) {
    if (visible)
        ensureLoaded();
    if (loaded_ || !visible)
        QWidget::setVisible(visible);
}

void Form::Unload() {
    if (!loaded_ || unloading_)
        return;
    unloading_ = true;
    Form_Unload();
    armTimers(false);
    QWidget::hide();
    unloading_ = false;
    loaded_ = false;
    Q_EMIT unloaded();
}

void Form::closeEvent(QCloseEvent* event) {
    Unload();
    event->accept();
}

void Form::armTimers(bool armed) {
    for (WindowTimer* timer : findChildren<WindowTimer*>())
        timer->setArmed(armed);
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
