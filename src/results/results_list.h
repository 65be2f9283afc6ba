// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListView>
#include <QStringList>

class QStringListModel;

namespace pictolex {

// The list of logged results, newest at the top. It is filled in one go from a model, so a
// log of many thousand lines shows at once instead of laying the list out line by line.
class ResultsList : public QListView {
    Q_OBJECT

public:
    explicit ResultsList(QWidget* parent = nullptr);

    void clear();
    // Shows the lines in the opposite order: the last (newest) line at the top.
    void showNewestFirst(const QStringList& linesOldestFirst);

private:
    QStringListModel* lines_; // owned as a child
};

} // namespace pictolex
