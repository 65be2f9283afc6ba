// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/notice.h"

#include "controls/accessible_role.h"
#include "controls/window_timer.h"

namespace pictolex {

namespace {
// Long enough for a screen reader to read a message's name before the next replaces it.
constexpr int kWhileMs = 600;
} // namespace

Notice::Notice(QWidget* parent, bool realTimers)
    : QWidget(parent), timer_(new WindowTimer(kWhileMs, false, realTimers, this)) {
    installAccessibleRole<Notice, QAccessible::Notification>();
    timer_->setObjectName(QStringLiteral("noticeTimer"));
    connect(timer_, &WindowTimer::timeout, this, &Notice::next);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(0, 0);
    hide();
}

void Notice::say(const QString& message) {
    waiting_ << message;
    if (!timer_->isEnabled())
        next();
}

void Notice::next() {
    hide();
    setAccessibleName(waiting_.isEmpty() ? QString() : waiting_.takeFirst());
    timer_->setEnabled(!accessibleName().isEmpty());
    if (timer_->isEnabled())
        show();
}

} // namespace pictolex
