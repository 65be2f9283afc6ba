// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/results_list.h"

#include <QStringListModel>

#include <algorithm>

namespace pictolex {

ResultsList::ResultsList(QWidget* parent) : QListView(parent), lines_(new QStringListModel(this)) {
    setObjectName(QStringLiteral("List1"));
    setModel(lines_);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void ResultsList::clear() {
    lines_->setStringList({});
}

void ResultsList::showNewestFirst(const QStringList& linesOldestFirst) {
    QStringList newestFirst(linesOldestFirst.crbegin(), linesOldestFirst.crend());
    lines_->setStringList(std::move(newestFirst));
}

} // namespace pictolex
