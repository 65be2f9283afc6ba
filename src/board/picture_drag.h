// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>
#include <functional>
#include <memory>

class QInputDevice;
class QWidget;

namespace pictolex {

class Picture;

// What presses on a picture: the mouse, or one finger on a touch screen.
struct Pointer {
    const QInputDevice* device = nullptr;
    int id = 0; // the finger's, for a touch screen
    bool operator==(const Pointer&) const = default;
};

// One picture moved at a time, by one pointer. A press on a cell's tile lifts a copy of a
// draggable picture, centred under the pointer, above the whole board. Let go on the tile where
// it began, having drifted no more than a quarter of a tile, it is a tap; let go on another
// tile, or on the same one after a longer way, a drop there; anywhere else, nothing. While one
// picture moves, other fingers' presses on pictures are ignored; a press of another pointer, or
// anything that cancels the move, puts the picture back, and nothing happens. No copy is ever
// left behind.
class PictureDrag : public QObject {
    Q_OBJECT
public:
    struct Board {
        QWidget* widget;                    // holds the tiles and the lifted copy
        std::function<int(QPoint)> cellAt;  // whose tile takes a point; 0 for none
        std::function<bool(int)> draggable; // whether a cell's picture can be lifted
        std::function<Picture&(int)> tile;  // a cell's tile
    };
    explicit PictureDrag(Board board);
    ~PictureDrag() override;

    bool isMoving() const { return source_ != 0; }
    // A press at `at` on the board. Answers whether it was on a tile, and so taken.
    bool press(Pointer pointer, QPoint at);
    void move(Pointer pointer, QPoint at);
    void release(Pointer pointer, QPoint at);
    // Puts a moving picture back: no tap, no drop.
    void cancel();

Q_SIGNALS:
    void tapped(int cell);
    void dropped(int source, int target);

private:
    void follow(QPoint at);

    Board board_;
    Pointer pointer_;
    int source_ = 0; // the cell pressed, while a press lasts
    QPoint pressedAt_;
    double drift_ = 0; // the farthest the pointer went from where it pressed
    std::unique_ptr<Picture> lifted_;
};

} // namespace pictolex
