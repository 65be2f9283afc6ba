// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/form.h"

#include "shell/app_context.h"
#include "shell/mm_control.h"
#include "shell/window_timer.h"

#include <QCloseEvent>

namespace pictolex {

Form::Form(AppContext& context)
    : QWidget(nullptr), context_(context),
      MMControl1(
          new MMControl(context.platform().audio.create(), context.platform().userFolder, this)) {
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
    context_.formLoaded();
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
    context_.formUnloaded();
}

void Form::closeEvent(QCloseEvent* event) {
    Unload();
    event->accept();
}

void Form::armTimers(bool armed) {
    for (WindowTimer* timer : findChildren<WindowTimer*>())
        timer->setArmed(armed);
}

} // namespace pictolex
