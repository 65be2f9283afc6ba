// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/tile.h"

#include "board/board_layout.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>

namespace pictolex {

namespace {

const QString kTileMime = QStringLiteral("application/x-pictolex-tile");

// The drag names its board by this process and this run, so another program's drag, even
// another Pictolex's, is refused.
QByteArray boardToken() {
    static const QByteArray token = QByteArray::number(QCoreApplication::applicationPid()) + ':' +
                                    QByteArray::number(QDateTime::currentMSecsSinceEpoch());
    return token;
}

} // namespace

Tile::Tile(int index, QWidget* parent) : Picture(parent), index_(index) {
    setObjectName(QStringLiteral("img(%1)").arg(index));
    setAcceptDrops(true);
}

void Tile::setContents(const QString& tag, const QImage& picture) {
    tag_ = tag;
    setImage(picture);
}

QMimeData* Tile::makeMimeData(int index) {
    auto* data = new QMimeData;
    data->setData(kTileMime, boardToken() + ' ' + QByteArray::number(index));
    return data;
}

std::optional<int> Tile::sourceOf(const QMimeData* data) {
    if (!data || !data->hasFormat(kTileMime))
        return std::nullopt;
    const QList<QByteArray> parts = data->data(kTileMime).split(' ');
    if (parts.size() != 2 || parts[0] != boardToken())
        return std::nullopt;
    bool ok = false;
    const int index = parts[1].toInt(&ok);
    if (!ok || index < 1 || index > kCells)
        return std::nullopt;
    return index;
}

void Tile::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !draggable_) {
        Picture::mousePressEvent(event);
        return;
    }
    // The drag starts at once, with no distance to travel first.
    auto* drag = new QDrag(this);
    drag->setMimeData(makeMimeData(index_));
    if (!dragIcon().isNull()) {
        drag->setPixmap(QPixmap::fromImage(dragIcon()));
        const QSizeF half = dragIcon().deviceIndependentSize() / 2;
        drag->setHotSpot(QPoint(qRound(half.width()), qRound(half.height())));
    }
    drag->exec(Qt::MoveAction);
}

void Tile::dragEnterEvent(QDragEnterEvent* event) {
    dragMoveEvent(event);
}

void Tile::dragMoveEvent(QDragMoveEvent* event) {
    if (sourceOf(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void Tile::dropEvent(QDropEvent* event) {
    const std::optional<int> source = sourceOf(event->mimeData());
    if (!source) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    Q_EMIT dropped(*source);
}

} // namespace pictolex
