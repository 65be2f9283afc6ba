// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>

class QCoreApplication;

namespace pictolex {

// Installs the translation of what grown-ups read (messages, findings, descriptions) for the
// locale's languages, as LANGUAGE, LC_ALL, LC_MESSAGES and LANG give them, and Qt's own for its
// buttons. Without one, the English texts show. What the child learns is never translated.
void installTranslations(QCoreApplication& app, const QLocale& locale = QLocale());

} // namespace pictolex
