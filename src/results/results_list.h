// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "results/log_text.h"

#include <QListView>

namespace pictolex {

// How a line of the log shows, in the list and as the best record: left to right whatever
// script a name is in, since a record is a row of columns, so without the characters that
// would turn it round; and cut with "…" past a few hundred columns, beyond any real record.
QString displayText(QStringView line);
// The same for a line of the log as read: only its start, enough for the columns shown, is
// decoded, so a line of many megabytes shows at once.
QString displayText(QByteArrayView line);

// The list of logged results, newest at the top. Only the rows in sight are decoded, each only
// as far as it shows, and older rows are added as the list is scrolled down to them, so that a
// log of a million records shows at once.
class ResultsList : public QListView {
    Q_OBJECT

public:
    explicit ResultsList(QWidget* parent = nullptr);

    void clear();
    // Shows the lines in the opposite order: the last (newest) line at the top, and current.
    void showNewestFirst(LogLines linesOldestFirst);
};

} // namespace pictolex
