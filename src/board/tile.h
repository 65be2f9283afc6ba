// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/picture.h"

namespace pictolex {

// A picture tile of the board, with room round its picture to be touched: the board takes the
// presses of the mouse, a finger or a pen on it. Space and Enter click it while it has the
// focus, which it takes from the keyboard only and shows, with a dotted frame; a picked picture
// has a yellow frame.
class Tile : public Picture {
    Q_OBJECT
public:
    // The tile of cell `index`, over `word`.
    Tile(int index, QString word, QWidget* parent);

    int index() const { return index_; }
    const QString& word() const { return word_; }
    const QString& tag() const { return tag_; }
    void setContents(const QString& tag, const QImage& picture);
    bool isDraggable() const { return draggable_; }
    void setDraggable(bool draggable) { draggable_ = draggable; }
    bool isPicked() const { return picked_; }
    void setPicked(bool picked);
    // Puts the tile over `target` and its picture at `picture`, both on the board.
    void placeWithRoom(const QRect& target, const QRect& picture);
    // Where its picture shows, on the board.
    QRect pictureRect() const { return picture_.translated(pos()); }

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int index_;
    QString word_;
    QString tag_;
    bool draggable_ = true;
    bool picked_ = false;
    QRect picture_; // in the tile
};

} // namespace pictolex
