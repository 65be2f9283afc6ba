// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/picture.h"

#include <memory>
#include <optional>

namespace pictolex {

// A picture tile of the board, with room round its picture to be touched. A press of the mouse,
// a finger or a pen on a draggable tile lifts a copy of its picture at once, centred under the
// pointer, and the copy follows it above the whole board; let go over a tile, that tile takes
// the drop, and anywhere else nothing happens. A press and release that moves less than the
// drag distance is a click, and so are Space and Enter while the tile has the focus. It takes
// the focus from the keyboard only, and shows it, and whether it is picked, with a frame.
class Tile : public Picture {
    Q_OBJECT
public:
    // The tile of cell `index`, over `word`.
    Tile(int index, QString word, QWidget* parent);

    int index() const { return index_; }
    QString tag() const { return tag_; }
    void setContents(const QString& tag, const QImage& picture);
    bool isDraggable() const { return draggable_; }
    void setDraggable(bool draggable) { draggable_ = draggable; }
    bool isPicked() const { return picked_; }
    void setPicked(bool picked);
    // Puts the tile over `target` and its picture at `picture`, both in twips.
    void placeWithRoom(const QRect& target, const QRect& picture);

Q_SIGNALS:
    void clicked();
    // A tile of this board, given by its index, was dropped here.
    void dropped(int sourceIndex);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void follow(QPoint pointer);
    Tile* tileAt(QPoint pointer) const;
    void rename();

    int index_;
    QString word_;
    QString tag_;
    bool draggable_ = true;
    bool picked_ = false;
    QPoint pictureAt_;                // the picture's top left in the tile
    std::optional<QPoint> pressedAt_; // while the button is down
    bool moved_ = false;              // past the drag distance since the press
    // The lifted copy, a child of the board; the tile that lifted it puts it away.
    std::unique_ptr<Picture> lifted_;
};

} // namespace pictolex
