// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "board/board_layout.h"
#include "controls/form.h"
#include "round/round.h"
#include "rules/board_model.h"

#include <QHash>
#include <QImage>
#include <array>

namespace pictolex {

class CommandButton;
class Label;
class Notice;
class ResultsList;
class Tile;
class WindowTimer;

// The play window: the board of pictures over words (6 by 6 for the game's own words, fewer for
// a shorter list), the clock and the results. A picture goes to a tile by a drag, or by a click
// (a tap, Space or Enter) that picks it and a second click on the tile it goes to.
class GameBoard : public Form {
    Q_OBJECT
public:
    // The board of the round the start screen handed over; it deals as it is first shown.
    GameBoard(const Platform& platform, Round round);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    void Form_MouseDown();
    bool Form_KeyDown(int key);
    void img_DragDrop(int index, Tile& source);
    void img_Click(int index);
    void lbl_Click(int index);
    void Timer1_Timer();
    void Command1_Click();
    void cmdSeeTimes_Click();

    void buildStatusLabels();
    void buildResultsView();
    void buildButtons();
    void buildCells();
    void placeButtons();
    void newRound();
    void showTiles();
    void showPairStates();
    void pick(int cell);
    void coverTiles(bool covered);
    const QImage& picture(const QString& tag);
    void speak(int cell);

    Label* lblTitle;                      // the title, "Pictolex"
    Label* lblScore;                      // "Score = ..."
    Label* lblTime;                       // "Time = ..."
    Label* lblGood;                       // "Very Good! You Finished!"
    Label* lblBestTitle;                  // "新記録＝", over the best time
    Label* lblBest;                       // the best record
    CommandButton* cmdSeeTimes;           // "See All Times"
    CommandButton* Command1;              // "Start Again"
    ResultsList* List1;                   // every record, newest first
    WindowTimer* Timer1;                  // the game clock's tick
    Notice* notice_;                      // what a screen reader is told of a match and the end
    std::array<Tile*, kCells + 1> img{};  // the picture tiles, img(1) to img(N), N up to 36
    std::array<Label*, kCells + 1> lbl{}; // the words, lbl(1) to lbl(N)

    const Round round_;
    BoardModel model_;
    int picked_ = 0; // the cell whose picture is picked, or 0
    GameClock clock_;
    QHash<QString, QImage> pictures_;
};

} // namespace pictolex
