#include "results/results_list.h"

#include <QStringListModel>

#include <algorithm>

namespace pictolex {

ResultsList::ResultsList(QWidget* parent) : QListView(parent), lines(new QStringListModel(this)) {
    setObjectName(QStringLiteral("List1"));
    setModel(lines);
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void ResultsList::clear() {
    lines->setStringList({});
}

void ResultsList::showNewestFirst(const QStringList& linesOldestFirst) {
    QStringList newestFirst(linesOldestFirst.crbegin(), linesOldestFirst.crend());
    lines->setStringList(std::move(newestFirst));
}

int ResultsList::count() const {
    return lines->rowCount();
}

QString ResultsList::item(int row) const {
    return lines->index(row).data().toString();
}

} // namespace pictolex
