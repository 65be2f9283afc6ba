// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/tile.h"

#include "board/accessible_text.h"
#include "controls/accessible_role.h"
#include "controls/units.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace pictolex {

namespace {

// The marks, clear on the blue board: a picked picture is framed in yellow, close round it;
// the focus is a dotted white frame round the whole tile.
const QPen kPickedPen(Qt::yellow, 3);
const QPen kFocusPen(Qt::white, 2, Qt::DotLine);

} // namespace

Tile::Tile(int index, QString word, QWidget* parent)
    : Picture(parent), index_(index), word_(std::move(word)) {
    installAccessibleRole<Tile, QAccessible::Button>(); // a button to a screen reader: it is chosen
    setObjectName(QStringLiteral("img(%1)").arg(index));
    setFocusPolicy(Qt::TabFocus);
}

void Tile::setContents(const QString& tag, const QImage& picture) {
    tag_ = tag;
    setImage(picture);
    rename();
}

void Tile::setPicked(bool picked) {
    if (picked_ == picked)
        return;
    picked_ = picked;
    update();
    rename();
}

void Tile::rename() {
    setAccessibleName(tileName(tag_, word_, picked_));
}

void Tile::placeWithRoom(const QRect& target, const QRect& picture) {
    place(this, target);
    pictureAt_ = QPoint(toPixels(picture.x()) - toPixels(target.x()),
                        toPixels(picture.y()) - toPixels(target.y()));
}

void Tile::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect picture(pictureAt_, image().deviceIndependentSize().toSize());
    painter.drawImage(picture, image());
    if (picked_) {
        painter.setPen(kPickedPen);
        painter.drawRect(QRectF(picture).marginsAdded(QMarginsF(3, 3, 3, 3)));
    }
    if (hasFocus()) {
        painter.setPen(kFocusPen);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void Tile::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        Picture::mousePressEvent(event);
        return;
    }
    pressedAt_ = event->position().toPoint();
    moved_ = false;
    if (!draggable_)
        return;
    lifted_ = std::make_unique<Picture>(parentWidget());
    lifted_->setImage(image());
    lifted_->resize(image().deviceIndependentSize().toSize());
    lifted_->setAttribute(Qt::WA_TransparentForMouseEvents);
    follow(*pressedAt_);
    lifted_->raise();
    lifted_->show();
}

void Tile::mouseMoveEvent(QMouseEvent* event) {
    if (!pressedAt_)
        return;
    const QPoint pointer = event->position().toPoint();
    moved_ =
        moved_ || (pointer - *pressedAt_).manhattanLength() >= QApplication::startDragDistance();
    if (lifted_)
        follow(pointer);
}

// The copy keeps its middle under the pointer. Moving it repaints only where it was and where
// it goes.
void Tile::follow(QPoint pointer) {
    const QSizeF half = lifted_->image().deviceIndependentSize() / 2;
    lifted_->move(mapToParent(pointer) - QPoint(qRound(half.width()), qRound(half.height())));
}

void Tile::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressedAt_) {
        Picture::mouseReleaseEvent(event);
        return;
    }
    pressedAt_.reset();
    const bool lifted = lifted_ != nullptr;
    lifted_.reset();
    if (!moved_)
        Q_EMIT clicked();
    else if (Tile* target = lifted ? tileAt(event->position().toPoint()) : nullptr)
        Q_EMIT target->dropped(index_);
}

Tile* Tile::tileAt(QPoint pointer) const {
    const QPoint onBoard = mapToParent(pointer);
    for (Tile* tile : parentWidget()->findChildren<Tile*>(Qt::FindDirectChildrenOnly))
        if (tile->geometry().contains(onBoard))
            return tile;
    return nullptr;
}

void Tile::keyPressEvent(QKeyEvent* event) {
    const bool choose = event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                        event->key() == Qt::Key_Enter;
    if (choose && !(event->modifiers() & ~Qt::KeypadModifier)) {
        if (!event->isAutoRepeat())
            Q_EMIT clicked();
        return;
    }
    Picture::keyPressEvent(event);
}

} // namespace pictolex
