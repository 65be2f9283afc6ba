// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/notice.h"

#include <QAccessibleWidget>

namespace pictolex {

namespace {

QAccessibleInterface* accessibleNotice(const QString& className, QObject* object) {
    if (className != QLatin1String(Notice::staticMetaObject.className()))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
}

} // namespace

Notice::Notice(QWidget* parent) : QWidget(parent) {
    static const bool installed = (QAccessible::installFactory(accessibleNotice), true);
    Q_UNUSED(installed);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(0, 0);
    hide();
}

void Notice::say(const QString& message) {
    hide();
    setAccessibleName(message);
    show();
}

} // namespace pictolex
