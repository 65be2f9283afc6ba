#pragma once

#include "shell/form.h"

namespace pictolex {

class WindowTimer;

// The play window: the 6 by 6 board of pictures over words.
class GameBoard : public Form {
    Q_OBJECT
public:
    explicit GameBoard(AppContext& context);

    void Timer1_Timer();

    WindowTimer* Timer1;

protected:
    void Form_Load() override;
    void Form_Unload() override;
};

} // namespace pictolex
