// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/list_report.h"

#include "design/board_design.h"
#include "design/fonts.h"
#include "platform/install_layout.h"
#include "platform/system_services.h"
#include "word_lists/list_texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace pictolex {

namespace {

// A folder, or else the name of a list in the player's or the shared folder of lists; nothing
// when the name is no list's.
std::optional<ListPlace> placeOf(const QString& list) {
    if (QFileInfo(list).isDir() || list.contains(u'/')) {
        const QString absolute = QDir::cleanPath(QFileInfo(list).absoluteFilePath());
        return ListPlace{QFileInfo(absolute).fileName(), absolute + u'/'};
    }
    const ListPlace found =
        findList(list, playerFolder(), soundFolderFor(QCoreApplication::applicationDirPath()));
    return found.name.isEmpty() ? std::nullopt : std::optional(found);
}

} // namespace

int reportList(const QString& list, QTextStream& out, const SpeaksLanguage& speaks) {
    const std::optional<ListPlace> place = list.isEmpty() ? std::nullopt : placeOf(list);
    if (!place) {
        out << (list.isEmpty() ? nothingToCheckText() : noSuchListText(list)) << '\n';
        out.flush();
        return 1;
    }
    const CheckedList checked = checkList(*place, wordFits, wordDrawable);
    for (const Finding& finding : checked.findings)
        out << findingText(finding) << '\n';
    if (checked.playable())
        out << playableText(place->name, checked.list.words.size()) << '\n';
    for (const Finding& note : checked.notes)
        out << findingText(note) << '\n';
    const QString& language = checked.list.language;
    if (checked.playable() && !checked.unrecorded.isEmpty())
        out << (speaks && speaks(language) ? spokenText(checked.unrecorded)
                                           : silentText(checked.unrecorded, language))
            << '\n';
    out.flush();
    return checked.playable() ? 0 : 1;
}

} // namespace pictolex
