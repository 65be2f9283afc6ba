// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

namespace pictolex {

// Has screen readers take every widget of the class `Widget` for a `role`, from the first call.
template <typename Widget, QAccessible::Role role> void installAccessibleRole() {
    static const bool installed = [] {
        QAccessible::installFactory(
            [](const QString& className, QObject* object) -> QAccessibleInterface* {
                if (className != QLatin1String(Widget::staticMetaObject.className()))
                    return nullptr;
                return new QAccessibleWidget(static_cast<QWidget*>(object), role);
            });
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace pictolex
