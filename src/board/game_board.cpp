#include "board/game_board.h"

#include "shell/app_context.h"
#include "shell/mm_control.h"
#include "shell/units.h"
#include "shell/window_timer.h"
#include "start_screen/start_screen.h"

namespace pictolex {

GameBoard::GameBoard(AppContext& context) : Form(context) {
    setObjectName(QStringLiteral("frmBack"));
    setWindowTitle(QStringLiteral("Pictolex"));
    QPalette p = palette();
    p.setColor(QPalette::Window, bgr(colors::kBlue));
    setPalette(p);
    setAutoFillBackground(true);
    resize(956, 710);
    setWindowState(Qt::WindowMaximized);

    Timer1 = new WindowTimer(1000, true, context.platform().realTimers, this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &WindowTimer::Timer, this, &GameBoard::Timer1_Timer);
}

void GameBoard::Form_Load() {}

void GameBoard::Timer1_Timer() {}

void GameBoard::Form_Unload() {
    stopSound(*this);
    stopSound(frmS());
    frmS().Unload();
    Timer1->setEnabled(false);
    Unload();
}

} // namespace pictolex
