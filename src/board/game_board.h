// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/picture_drag.h"
#include "board/tile_pictures.h"
#include "controls/form.h"
#include "pictures/player_picture.h"
#include "round/round.h"
#include "rules/board_layout.h"
#include "rules/board_model.h"

#include <QAbstractButton>
#include <QFont>
#include <QFutureWatcher>
#include <QPointer>
#include <vector>

class QTouchEvent;

namespace pictolex {

class CommandButton;
class Label;
class Notice;
class PictureDrag;
class ResultsList;
class Tile;
class WindowTimer;

// The play window: the board of pictures over words (6 by 6 for the game's own words, fewer for
// a shorter list), the clock and the results, the whole of it scaled to fill the window. A
// picture goes to a tile by a drag of the mouse or a finger, or by a click (a tap, Space or
// Enter) that picks it and a second click on the tile it goes to.
class GameBoard : public Form {
    Q_OBJECT
public:
    // The board of the round the start screen handed over; it deals as it is first shown.
    GameBoard(const Platform& platform, Round round);

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    void Form_MouseDown();
    bool Form_KeyDown(int key);
    void img_DragDrop(int index, int source);
    void img_Click(int index);
    void lbl_Click(int index);
    void Timer1_Timer();
    void Command1_Click();
    void cmdSeeTimes_Click();

    void buildStatusLabels();
    void buildResultsView();
    void buildButtons();
    void buildCells();
    void relayout();
    void newRound();
    void recount(int first);
    void showTiles(bool all = false);
    void showPairStates();
    void pick(int cell);
    void putDown();
    void coverTiles(bool covered);
    void speak(int cell);
    void sayResults(const QString& best, qsizetype listed);
    bool touched(QTouchEvent* event);
    void fingerDown(Pointer finger, QPoint at);
    void fingerUp(Pointer finger, QPoint at);
    int cellAt(QPoint onBoard) const;
    int wordAt(QPoint onBoard) const;

    Label* lblTitle;            // the title, "Pictolex"
    Label* lblScore;            // "Score = ..."
    Label* lblTime;             // "Time = ..."
    Label* lblGood;             // "Very Good! You Finished!"
    Label* lblBestTitle;        // "新記録＝", over the best time
    Label* lblBest;             // the best record
    Label* lblListName;         // the name of a teacher's list, over its times
    CommandButton* cmdSeeTimes; // "See All Times"
    CommandButton* Command1;    // "Start Again"
    ResultsList* List1;         // every record, newest first
    WindowTimer* Timer1;        // the game clock's tick
    Notice* notice_;            // what a screen reader is told of a match and the end
    std::vector<Tile*> img{};   // the picture tiles, img(1) to img(N); img[0] is none
    std::vector<Label*> lbl{};  // the words, lbl(1) to lbl(N); lbl[0] is none

    // A part of the board and its font as designed, scaled with the board.
    struct Part {
        QWidget* widget;
        BoardPart place;
        QFont font;
    };
    std::vector<Part> parts_;
    BoardGeometry geometry_;
    PictureDrag* drag_;
    // What each finger pressed, by finger: a word, or a button.
    struct Touch {
        int word = 0;
        QPointer<QAbstractButton> button;
    };
    QHash<int, Touch> touches_;
    bool screenWatched_ = false;

    const Round round_;
    BoardModel model_;
    int picked_ = 0; // the cell whose picture is picked, or 0
    GameClock clock_;
    TilePictures pictures_;
    QFutureWatcher<DecodedPicture> rereading_; // the round's own pictures, on Start Again
};

} // namespace pictolex
