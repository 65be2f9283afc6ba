// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/notice.h"

#include "controls/accessible_role.h"
#include "controls/window_timer.h"

namespace pictolex {

namespace {

// Long enough for a screen reader to take a message before the next shows.
constexpr int kWhileMs = 600;
// The notifications of the latest messages are kept, hidden, so that a screen reader that comes
// to one late still finds it alive.
constexpr int kKept = 16;

// One message, as a screen reader finds it.
class Message : public QWidget {
    Q_OBJECT
public:
    Message(QWidget* parent, const QString& text) : QWidget(parent) {
        installAccessibleRole<Message, QAccessible::Notification>();
        setObjectName(QStringLiteral("notice"));
        setAccessibleName(text);
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        resize(0, 0);
    }
};

} // namespace

Notice::Notice(QWidget* parent, bool realTimers)
    : QWidget(parent), timer_(new WindowTimer(kWhileMs, false, realTimers, this)) {
    timer_->setObjectName(QStringLiteral("noticeTimer"));
    connect(timer_, &WindowTimer::timeout, this, &Notice::next);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(0, 0);
}

void Notice::say(const QString& message) {
    waiting_ << message;
    if (!timer_->isEnabled())
        next();
}

// The message shown last is hidden, and the next waiting, if any, shows.
void Notice::next() {
    const QList<Message*> said = findChildren<Message*>(Qt::FindDirectChildrenOnly);
    for (Message* old : said)
        old->hide();
    for (qsizetype i = 0; i + kKept < said.size(); ++i)
        delete said[i];
    timer_->setEnabled(!waiting_.isEmpty());
    if (!waiting_.isEmpty())
        (new Message(this, waiting_.takeFirst()))->show();
}

} // namespace pictolex

#include "notice.moc"
