// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/picture_drag.h"

#include "controls/picture.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace pictolex {

PictureDrag::PictureDrag(Board board) : board_(std::move(board)) {}

PictureDrag::~PictureDrag() = default;

bool PictureDrag::press(Pointer pointer, QPoint at) {
    const int cell = board_.cellAt(at);
    if (isMoving() && pointer.device == pointer_.device && pointer.id != pointer_.id)
        return cell != 0; // another finger, while one moves a picture
    cancel();             // the same pointer pressed again, or another one
    if (!cell)
        return false;
    pointer_ = pointer;
    source_ = cell;
    pressedAt_ = at;
    drift_ = 0;
    if (board_.draggable(cell)) {
        const Picture& tile = board_.tile(cell);
        lifted_ = std::make_unique<Picture>(board_.widget);
        lifted_->setImage(tile.image());
        lifted_->resize(tile.image().deviceIndependentSize().toSize());
        lifted_->setAttribute(Qt::WA_TransparentForMouseEvents);
        follow(at);
        lifted_->raise();
        lifted_->show();
    }
    return true;
}

void PictureDrag::move(Pointer pointer, QPoint at) {
    if (!isMoving() || pointer != pointer_)
        return;
    drift_ = std::max(drift_, std::hypot(at.x() - pressedAt_.x(), at.y() - pressedAt_.y()));
    if (lifted_)
        follow(at);
}

// The copy keeps its middle under the pointer. Moving it repaints only where it was and where it
// goes.
void PictureDrag::follow(QPoint at) {
    const QSize half = lifted_->size() / 2;
    lifted_->move(at - QPoint(half.width(), half.height()));
}

void PictureDrag::release(Pointer pointer, QPoint at) {
    if (!isMoving() || pointer != pointer_)
        return;
    move(pointer, at);
    const int source = std::exchange(source_, 0);
    const bool lifted = lifted_ != nullptr;
    lifted_.reset();
    const int target = board_.cellAt(at);
    const double tapRoom = board_.tile(source).width() / 4.0;
    if (target == source && drift_ <= tapRoom)
        Q_EMIT tapped(source);
    else if (target && lifted)
        Q_EMIT dropped(source, target);
}

void PictureDrag::cancel() {
    source_ = 0;
    lifted_.reset();
}

} // namespace pictolex
