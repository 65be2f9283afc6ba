// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace pictolex {

namespace {

void install(QCoreApplication& app, const QLocale& locale, const QString& name,
             const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, QStringLiteral("_"), folder))
        return;
    translator->setParent(&app);
    QCoreApplication::installTranslator(translator.release());
}

} // namespace

void installTranslations(QCoreApplication& app, const QLocale& locale) {
    install(app, locale, QStringLiteral("qtbase"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    install(app, locale, QStringLiteral("pictolex"), QStringLiteral(":/i18n"));
}

} // namespace pictolex
