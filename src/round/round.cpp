// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "round/round.h"

namespace pictolex {

QString Round::loggedName() const {
    // Only an empty name is replaced; a name of blanks is a name.
    return playerName.isEmpty() ? QStringLiteral("NO NAME") : playerName;
}

Utterance Round::said(const QString& word) const {
    return {recordingsFor(list, word, soundsFolder, playerFolder), word, list.language};
}

Utterance Round::gameSound(const QString& name) const {
    return {recordingsFor(WordList{}, name, soundsFolder, playerFolder), {}, {}};
}

QString Round::resultsPath() const {
    return resultsPathFor(list, playerFolder);
}

} // namespace pictolex
