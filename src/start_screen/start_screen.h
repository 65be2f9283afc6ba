#pragma once

#include "shell/form.h"

namespace pictolex {

class CommandButton;
class Label;
class NameBox;
class Picture;
class WindowTimer;

// The first window: the title, the demonstration, the name box and "Start".
class StartScreen : public Form {
    Q_OBJECT
public:
    explicit StartScreen(AppContext& context);

    // The folder of the installed sounds, with a trailing '/'.
    QString rootPath();
    // The player's name box.
    NameBox& nameBox();

    void cmdStart_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void lbl1_Change();
    void lbl2_Change();
    void lbl3_Change();

    int timer2Ticks() const { return timer2Ticks_; }

    Label* Label3;
    Picture* Image1;
    Picture* Image2;
    Picture* Image3;
    Picture* Image4;
    Label* lbl1;
    Label* lbl2;
    Label* lbl3;
    Label* lbl4;
    Label* Label4;
    NameBox* txtName;
    CommandButton* cmdStart;
    Label* Label2;
    WindowTimer* Timer1;
    WindowTimer* Timer2;

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    void buildTitleAndCredit();
    void buildDemonstration();
    void buildNameAndStart();

    QString rootPath_;
    int timer2Ticks_ = 0;
};

// The sounds folder for a program in <prefix>/bin: <prefix>/share/pictolex/.
QString soundFolderFor(const QString& executableDir);

} // namespace pictolex
