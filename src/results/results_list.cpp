// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/results_list.h"

#include "text/bidi.h"
#include "text/display_columns.h"

#include <QAbstractListModel>

namespace pictolex {

namespace {

constexpr int kDisplayColumns = 300;

class NewestFirst : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void reset(LogLines lines) {
        beginResetModel();
        lines_ = std::move(lines);
        endResetModel();
    }
    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : int(lines_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        return displayText(lines_.text(lines_.size() - 1 - index.row()));
    }

private:
    LogLines lines_;
};

} // namespace

QString displayText(QStringView line) {
    QString shown(QChar(0x200E)); // a left-to-right mark: the row starts at the left
    int columns = 0;
    for (qsizetype next = 0; next < line.size();) {
        const qsizetype at = next;
        columns += nextCharacterColumns(line, next);
        if (isBidiControl(line[at]))
            continue;
        if (columns > kDisplayColumns)
            return shown + QChar(0x2026);
        shown += line.sliced(at, next - at);
    }
    return shown;
}

ResultsList::ResultsList(QWidget* parent) : QListView(parent) {
    setModel(new NewestFirst(this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void ResultsList::clear() {
    static_cast<NewestFirst*>(model())->reset({});
}

void ResultsList::showNewestFirst(LogLines linesOldestFirst) {
    static_cast<NewestFirst*>(model())->reset(std::move(linesOldestFirst));
}

} // namespace pictolex
