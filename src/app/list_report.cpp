// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/list_report.h"

#include "design/board_design.h"
#include "word_lists/list_texts.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace pictolex {

int reportList(const QString& folder, QTextStream& out) {
    const QString absolute = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const ListPlace place{QFileInfo(absolute).fileName(), absolute + u'/'};
    const CheckedList checked = checkList(place, wordFits);
    for (const Finding& finding : checked.findings)
        out << findingText(finding) << '\n';
    if (checked.playable()) {
        out << playableText(place.name, checked.list.words.size()) << '\n';
        if (!checked.silent.isEmpty())
            out << silentText(checked.silent) << '\n';
    }
    out.flush();
    return checked.playable() ? 0 : 1;
}

} // namespace pictolex
