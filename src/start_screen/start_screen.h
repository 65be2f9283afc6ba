// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/form.h"
#include "pictures/player_picture.h"
#include "round/round.h"
#include "word_lists/list_check.h"

#include <QFutureWatcher>
#include <array>

namespace pictolex {

class CommandButton;
class ListChooser;
class Label;
class NameBox;
class Picture;
class WindowTimer;

// The first window: the title, the demonstration, the name box and "Start"; and below them,
// when there are lists of words, the choice of list.
class StartScreen : public Form {
    Q_OBJECT
public:
    // `askedList` names the list to start with, in place of the one last chosen.
    explicit StartScreen(const Platform& platform, const QString& askedList = {});

protected:
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

Q_SIGNALS:
    // "Start" was pressed: the start screen is hidden and silent, and hands over the round.
    void started(const Round& round);

private:
    void Form_Load();
    void Form_Unload();
    void centre();
    void cmdStart_Click();
    void startRound();
    void Timer1_Timer();
    void Timer2_Timer();
    // A word of the demonstration, heard as the board has it heard.
    void say(const QString& word);
    void lbl1_Change();
    void lbl2_Change();
    void lbl3_Change();
    void cboList_Click(int index);

    void buildTitleAndCredit();
    void buildDemonstration();
    void buildNameAndStart();
    void buildListChoice(const QString& askedList);
    void buildListControls();
    void chooseList(int index);
    void lookForLists();
    void prepareVoice();
    const WordList& wordList() const;

    Label* Label3;           // the title
    Picture* Image1;         // the snowflake
    Picture* Image2;         // the flag
    Picture* Image3;         // the banana
    Picture* Image4;         // the mailbox
    Label* lbl1;             // "flag"
    Label* lbl2;             // "banana"
    Label* lbl3;             // "mailbox"
    Label* lbl4;             // "snowflake"
    Label* Label4;           // "Name"
    NameBox* txtName;        // the player's name
    CommandButton* cmdStart; // "Start"
    Label* Label2;           // the credit line
    WindowTimer* Timer1;     // a step of the demonstration
    WindowTimer* Timer2;     // the last two words of the demonstration
    // Only when there are lists:
    Label* lblList = nullptr;       // "Words", before the choice
    ListChooser* cboList = nullptr; // the game's own words, then each list by name
    Label* lblFindings = nullptr;   // why the chosen list cannot be played

    QList<ListPlace> lists_; // as cboList offers them, after the game's own words
    CheckedList chosen_;
    QString chosenState_; // what the chosen list's folder held as it was checked
    WordList builtIn_;
    QString rootPath_;
    int timer2Ticks_ = 0;
    QFutureWatcher<DecodedPicture> reading_; // the round's own pictures, after "Start"
    bool framed_ = false;                    // centred by the frame the window manager put round it
    // The pictures' left edges in twips, exactly as the demonstration sets them.
    std::array<float, 4> demoLefts_{};
};

} // namespace pictolex
