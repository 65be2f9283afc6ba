// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

namespace pictolex {

// Has screen readers reach every widget of the class `Widget` through `Interface`, made from the
// widget, from the first call.
template <typename Widget, typename Interface> void installAccessibleInterface() {
    static const bool installed = [] {
        QAccessible::installFactory(
            [](const QString& className, QObject* object) -> QAccessibleInterface* {
                if (className != QLatin1String(Widget::staticMetaObject.className()))
                    return nullptr;
                return new Interface(static_cast<QWidget*>(object));
            });
        return true;
    }();
    Q_UNUSED(installed);
}

// A widget that a screen reader takes for `kRole`.
template <QAccessible::Role kRole> class AccessibleAs : public QAccessibleWidget {
public:
    explicit AccessibleAs(QWidget* widget) : QAccessibleWidget(widget, kRole) {}
};

// Has screen readers take every widget of the class `Widget` for a `kRole`, from the first call.
template <typename Widget, QAccessible::Role kRole> void installAccessibleRole() {
    installAccessibleInterface<Widget, AccessibleAs<kRole>>();
}

} // namespace pictolex
