// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "results/results_list.h"

#include "text/bidi.h"
#include "text/display_columns.h"

#include <QAbstractListModel>

namespace pictolex {

namespace {

constexpr int kDisplayColumns = 300;
// Enough bytes for the characters of kDisplayColumns columns and one more, even when each is
// four bytes long and the last is cut in two.
constexpr qsizetype kDisplayBytes = 4 * (kDisplayColumns + 2);

// The rows are handed to the view a batch at a time, more as it scrolls to the last: a view
// lays out every row it has, which for millions of rows takes seconds and tens of megabytes.
class NewestFirst : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void reset(LogLines lines) {
        beginResetModel();
        lines_ = std::move(lines);
        rows_ = std::min(lines_.size(), kBatch);
        endResetModel();
    }
    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() ? 0 : int(rows_);
    }
    bool canFetchMore(const QModelIndex& parent) const override {
        return !parent.isValid() && rows_ < lines_.size();
    }
    void fetchMore(const QModelIndex& parent) override {
        if (!canFetchMore(parent))
            return;
        const qsizetype more = std::min(lines_.size() - rows_, kBatch);
        beginInsertRows({}, int(rows_), int(rows_ + more - 1));
        rows_ += more;
        endInsertRows();
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        return displayText(lines_.bytes(lines_.size() - 1 - index.row()));
    }

private:
    static constexpr qsizetype kBatch = 250000;
    LogLines lines_;
    qsizetype rows_ = 0; // handed to the view so far
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

QString displayText(QByteArrayView line) {
    QString text;
    decodeLogLineStart(line, kDisplayBytes, text);
    return displayText(text);
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
    // The newest is the current row: the arrow keys go on from it, row by row.
    setCurrentIndex(model()->index(0, 0));
}

} // namespace pictolex
