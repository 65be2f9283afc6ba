// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "start_screen/start_screen.h"

#include "controls/command_button.h"
#include "controls/fonts.h"
#include "controls/label.h"
#include "controls/picture.h"
#include "controls/units.h"
#include "controls/window_timer.h"
#include "platform/install_layout.h"
#include "rules/demonstration.h"
#include "start_screen/name_box.h"
#include "windows/windows.h"
#include "word_lists/list_choice.h"
#include "word_lists/list_texts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <array>

namespace pictolex {

namespace {

constexpr QSize kClientSize{511, 355};
// The room the choice of lists adds below the credit line, in twips.
constexpr int kListRoom = 1890;

Label* wordLabel(QWidget* parent, const char* name, const QString& caption, int left) {
    Label* label = makeLabel(parent, QLatin1String(name), caption, wordFont(),
                             {bgr(colors::kNavy), bgr(colors::kPink)}, Qt::AlignHCenter);
    place(label, left, 2310, 1395, 255);
    return label;
}

Picture* demoPicture(QWidget* parent, const char* name, const QString& word, int left,
                     const QString& userFolder) {
    auto* picture = new Picture(parent);
    picture->setObjectName(QLatin1String(name));
    picture->setImage(wordPicture(word, userFolder));
    picture->placeTwips(QRect(left, 1470, 480, 480));
    return picture;
}

Label* transparentLabel(QWidget* parent, const char* name, const QString& caption,
                        const QFont& font, Qt::Alignment alignment) {
    return makeLabel(parent, QLatin1String(name), caption, font, {bgr(colors::kPink), QColor()},
                     alignment);
}

} // namespace

StartScreen::StartScreen(const Platform& platform, const QString& askedList)
    : StartScreenForm(platform), chosen_{builtInList(), {}, {}}, builtIn_(builtInList()) {
    setObjectName(QStringLiteral("frmS"));
    setWindowTitle(QStringLiteral("Pictolex"));
    setFixedSize(kClientSize);
    setBackColor(bgr(colors::kBlue));

    buildTitleAndCredit();
    buildDemonstration();
    buildNameAndStart();
    buildListChoice(askedList);

    const bool real = platform.realTimers;
    Timer1 = new WindowTimer(65, true, real, this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer2 = new WindowTimer(1000, false, real, this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    connect(Timer1, &WindowTimer::timeout, this, &StartScreen::Timer1_Timer);
    connect(Timer2, &WindowTimer::timeout, this, &StartScreen::Timer2_Timer);
    connect(this, &Form::loaded, this, &StartScreen::Form_Load);
    connect(this, &Form::unloading, this, &StartScreen::Form_Unload);
}

// The demonstration's words, "Name" and "Start" are for the child and stay English whatever the
// locale; the credit line and the choice of lists are for grown-ups and are translated.
void StartScreen::buildTitleAndCredit() {
    Label3 = transparentLabel(this, "Label3", QStringLiteral("Pictolex"),
                              namedFont(fonts::kHandwriting, 36, false), Qt::AlignHCenter);
    place(Label3, 1635, 90, 4035, 1035);
    Label2 =
        transparentLabel(this, "Label2",
                         QCoreApplication::translate(
                             "StartScreen", "A word game for young learners, by the Pictolex team"),
                         namedFont(fonts::kGothic, 9.75, true), Qt::AlignHCenter);
    place(Label2, 705, 4950, 6255, 255);
}

void StartScreen::buildDemonstration() {
    const QString& folder = platform().userFolder;
    Image1 = demoPicture(this, "Image1", QStringLiteral("snowflake"), 1140, folder);
    Image2 = demoPicture(this, "Image2", QStringLiteral("flag"), 2820, folder);
    Image3 = demoPicture(this, "Image3", QStringLiteral("banana"), 4470, folder);
    Image4 = demoPicture(this, "Image4", QStringLiteral("mailbox"), 6135, folder);
    lbl1 = wordLabel(this, "lbl1", QStringLiteral("flag"), 690);
    lbl2 = wordLabel(this, "lbl2", QStringLiteral("banana"), 2355);
    lbl3 = wordLabel(this, "lbl3", QStringLiteral("mailbox"), 4005);
    lbl4 = wordLabel(this, "lbl4", QStringLiteral("snowflake"), 5580);
    connect(lbl1, &Label::changed, this, &StartScreen::lbl1_Change);
    connect(lbl2, &Label::changed, this, &StartScreen::lbl2_Change);
    connect(lbl3, &Label::changed, this, &StartScreen::lbl3_Change);
}

void StartScreen::buildNameAndStart() {
    Label4 = transparentLabel(this, "Label4", QStringLiteral("Name"),
                              namedFont(fonts::kPopS, 18, false), Qt::AlignRight);
    place(Label4, 1980, 3390, 1035, 435);

    txtName = new NameBox(this);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setFont(namedFont(fonts::kGothic, 15.75, true));
    place(txtName, 3180, 3330, 3675, 435);

    cmdStart = new CommandButton(QStringLiteral("Start"), bgr(colors::kPink), this);
    cmdStart->setObjectName(QStringLiteral("cmdStart"));
    cmdStart->setFont(namedFont(fonts::kPopP, 18, false));
    place(cmdStart, 5220, 4110, 1635, 495);
    connect(cmdStart, &QPushButton::clicked, this, &StartScreen::cmdStart_Click);

    setTabOrder(txtName, cmdStart);
    txtName->setFocus();
}

void StartScreen::buildListChoice(const QString& askedList) {
    const QString& folder = platform().userFolder;
    lists_ = findLists(folder, soundFolderFor(QCoreApplication::applicationDirPath()));
    const QString wanted = askedList.isEmpty() ? rememberedList(folder) : askedList;
    int index = 0; // in cboList: the game's own words, unless the list wanted is there
    for (int i = 0; i < lists_.size(); ++i)
        index = lists_[i].name == wanted ? i + 1 : index;
    const bool missing = !askedList.isEmpty() && index == 0;
    if (missing)
        qWarning("%s", qPrintable(noSuchListText(askedList)));
    if (lists_.isEmpty())
        return;
    buildListControls();
    cboList->setCurrentIndex(index);
    chooseList(index);
    if (missing)
        lblFindings->setCaption(noSuchListText(askedList));
}

// The choice of lists, in a row of its own below the credit line, like the name's row.
void StartScreen::buildListControls() {
    setFixedSize(kClientSize + QSize(0, toPixels(kListRoom)));
    lblList = transparentLabel(this, "lblList", QCoreApplication::translate("StartScreen", "Words"),
                               namedFont(fonts::kPopS, 18, false), Qt::AlignRight);
    place(lblList, 1380, 5490, 1635, 435);
    cboList = new QComboBox(this);
    cboList->setObjectName(QStringLiteral("cboList"));
    cboList->setFont(namedFont(fonts::kSansSerif, 12, true));
    cboList->addItem(builtInListTitle());
    for (const ListPlace& list : lists_)
        cboList->addItem(list.name);
    place(cboList, 3180, 5430, 3675, 435);
    connect(cboList, &QComboBox::activated, this, &StartScreen::cboList_Click);
    lblFindings = transparentLabel(this, "lblFindings", QString(),
                                   namedFont(fonts::kSansSerif, 9.75, false), Qt::AlignLeft);
    lblFindings->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblFindings->setWordWrap(true);
    place(lblFindings, 705, 5970, 6255, 1140);
    setTabOrder(txtName, cboList);
    setTabOrder(cboList, cmdStart);
}

// Reads and checks the list offered at `index` of cboList; a list that cannot be played says
// why, and "Start" waits for another choice.
void StartScreen::chooseList(int index) {
    chosen_ = index == 0 ? CheckedList{builtIn_, {}, {}} : checkList(lists_[index - 1], wordWidth);
    QStringList lines;
    for (const Finding& finding : chosen_.findings)
        lines << findingText(finding);
    if (!lines.isEmpty())
        lines.prepend(notPlayableText());
    lblFindings->setCaption(lines.join(QLatin1Char('\n')));
    lblFindings->setToolTip(lblFindings->caption()); // whole, should it not fit

    cmdStart->setEnabled(chosen_.playable());
}

void StartScreen::cboList_Click(int index) {
    chooseList(index);
    rememberList(platform().userFolder, index == 0 ? QString() : lists_[index - 1].name);
}

const WordList& StartScreen::wordList() {
    ensureLoaded();
    return chosen_.playable() ? chosen_.list : builtIn_;
}

QString StartScreen::rootPath() {
    ensureLoaded();
    return rootPath_;
}

QLineEdit& StartScreen::nameBox() {
    ensureLoaded();
    return *txtName;
}

void StartScreen::Form_Load() {
    const QSize screen = platform().screen.size();
    const double left = screen.width() / 2.0 - frameGeometry().width() / 2.0;
    const double top = screen.height() / 2.0 - frameGeometry().height() / 2.0;
    move(int(std::lround(left)), int(std::lround(top)));
    rootPath_ = soundFolderFor(QCoreApplication::applicationDirPath());
}

void StartScreen::cmdStart_Click() {
    stopSound(*this);
    hide();
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    frmBack().show();
    frmBack().clockTimer().setEnabled(true);
}

void StartScreen::Form_Unload() {
    stopSound(*this);
    unloadGameBoard();
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
}

namespace {

// The start screen's controls, as the demonstration sees them.
class StartScreenDemo : public DemoControls {
public:
    StartScreenDemo(std::array<Picture*, 4> pictures, std::array<Label*, 4> words,
                    WindowTimer& timer)
        : pictures_(pictures), words_(words), timer_(timer) {}

    float left(int picture) const override { return pictures_[size_t(picture - 1)]->left(); }
    void setLeft(int picture, float twips) override {
        pictures_[size_t(picture - 1)]->setLeft(twips);
    }
    void bringToFront(int picture) override { pictures_[size_t(picture - 1)]->raise(); }
    void markMatched(int word) override {
        words_[size_t(word - 1)]->setBackColor(bgr(colors::kCyan));
    }
    void setCaption(int word, const QString& caption) override {
        words_[size_t(word - 1)]->setCaption(caption);
    }
    void stopTicking() override { timer_.setEnabled(false); }

private:
    std::array<Picture*, 4> pictures_;
    std::array<Label*, 4> words_;
    WindowTimer& timer_;
};

} // namespace

void StartScreen::Timer1_Timer() {
    StartScreenDemo demo({Image1, Image2, Image3, Image4}, {lbl1, lbl2, lbl3, lbl4}, *Timer1);
    demonstrationTick(demo);
}

void StartScreen::Timer2_Timer() {
    switch (lateWordTick(timer2Ticks_)) {
    case LateWord::Mailbox:
        say(QStringLiteral("mailbox"));
        break;
    case LateWord::Snowflake:
        say(QStringLiteral("snowflake"));
        // Nothing is left to say: the timer rests from now on.
        Timer2->setEnabled(false);
        break;
    case LateWord::None:
        break;
    }
}

void StartScreen::say(const QString& word) {
    playSound(*this, {recordingsFor(builtIn_, word, rootPath_, platform().userFolder), word,
                      builtIn_.language});
}

void StartScreen::lbl1_Change() {
    say(QStringLiteral("flag"));
}
void StartScreen::lbl2_Change() {
    say(QStringLiteral("banana"));
}
void StartScreen::lbl3_Change() {
    Timer2->setEnabled(true);
}

} // namespace pictolex
