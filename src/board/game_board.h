#pragma once

#include "board/board_model.h"
#include "board/game_clock.h"
#include "shell/form.h"

#include <QHash>
#include <QImage>
#include <array>

namespace pictolex {

class CommandButton;
class Label;
class ResultsList;
class Tile;
class WindowTimer;

// The play window: the 6 by 6 board of pictures over words, the clock and the results.
class GameBoard : public Form {
    Q_OBJECT
public:
    explicit GameBoard(AppContext& context);

    void img_DragDrop(int index, Tile& source);
    void lbl_Click(int index);
    void Timer1_Timer();
    void Command1_Click();
    void cmdSeeTimes_Click();

    int score() const { return model_.score(); }
    const BoardModel& model() const { return model_; }
    const GameClock& clock() const { return clock_; }

    Label* lblTitle;
    Label* lblScore;
    Label* lblTime;
    Label* lblGood;
    Label* lblBestTitle;
    Label* lblBest;
    CommandButton* cmdSeeTimes;
    CommandButton* Command1;
    ResultsList* List1;
    WindowTimer* Timer1;
    std::array<Tile*, 37> img{};
    std::array<Label*, 37> lbl{};

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    void buildStatusLabels();
    void buildResultsView();
    void buildButtons();
    void buildCells();
    void buildSpareCell();
    void placeButtons();
    void newRound();
    void showTiles();
    void showPairStates();
    const QImage& picture(const QString& tag);
    QString soundOf(int cell);

    BoardModel model_;
    GameClock clock_;
    QHash<QString, QImage> pictures_;
};

} // namespace pictolex
