// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/picture.h"

#include <optional>

class QMimeData;

namespace pictolex {

// A picture tile of the board. Pressing the mouse on a draggable tile starts a drag at once,
// with the tile's drag icon under the pointer. Only drags from this board's own tiles can be
// dropped on it.
class Tile : public Picture {
    Q_OBJECT
public:
    Tile(int index, QWidget* parent);

    int index() const { return index_; }
    QString tag() const { return tag_; }
    void setContents(const QString& tag, const QImage& picture);
    const QImage& dragIcon() const { return image(); }
    bool isDraggable() const { return draggable_; }
    void setDraggable(bool draggable) { draggable_ = draggable; }

    // The drag's data: which tile of which board it came from.
    static QMimeData* makeMimeData(int index);
    static std::optional<int> sourceOf(const QMimeData* data);

Q_SIGNALS:
    // A tile of this board, given by its index, was dropped here.
    void dropped(int sourceIndex);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    int index_;
    QString tag_;
    bool draggable_ = true;
};

} // namespace pictolex
