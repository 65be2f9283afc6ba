// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "start_screen/start_screen.h"

#include "controls/command_button.h"
#include "controls/label.h"
#include "controls/picture.h"
#include "controls/window_timer.h"
#include "design/board_design.h"
#include "design/colours.h"
#include "design/fonts.h"
#include "design/units.h"
#include "platform/install_layout.h"
#include "round/round_pictures.h"
#include "rules/demonstration.h"
#include "sound/sound_player.h"
#include "start_screen/list_chooser.h"
#include "start_screen/name_box.h"
#include "word_lists/list_choice.h"
#include "word_lists/list_texts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QScrollArea>
#include <QTimer>
#include <algorithm>
#include <array>

namespace pictolex {

namespace {

constexpr QSize kClientSize{511, 355};
// The room the choice of lists adds below the credit line, in twips.
constexpr int kListRoom = 1890;

Label* wordLabel(QWidget* parent, const char* name, const QString& caption, int left) {
    Label* label = makeLabel(parent, QLatin1String(name), caption, wordFont(),
                             {colors::kNavy, colors::kPink}, Qt::AlignHCenter);
    place(label, left, 2310, 1395, 255);
    return label;
}

Picture* demoPicture(QWidget* parent, const char* name, const QString& word, int left,
                     const QString& userFolder) {
    auto* picture = new Picture(parent);
    picture->setObjectName(QLatin1String(name));
    picture->setImage(wordPicture(word, picturePathFor(builtInList(), word, userFolder)));
    place(picture, left, 1470, 480, 480);
    return picture;
}

Label* transparentLabel(QWidget* parent, const char* name, const QString& caption,
                        const QFont& font, Qt::Alignment alignment) {
    return makeLabel(parent, QLatin1String(name), caption, font, {colors::kPink, QColor()},
                     alignment);
}

} // namespace

StartScreen::StartScreen(const Platform& platform, const QString& askedList)
    : Form(platform), chosen_{builtInList(), {}, {}, {}}, builtIn_(builtInList()) {
    setObjectName(QStringLiteral("frmS"));
    setWindowTitle(QStringLiteral("Pictolex"));
    setFixedSize(kClientSize);
    setBackColor(colors::kBlue);

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
    demoLefts_ = {1140, 2820, 4470, 6135};
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
    Label4->setBuddy(txtName); // a screen reader names the box by it

    cmdStart = new CommandButton(QStringLiteral("Start"), colors::kPink, this);
    cmdStart->setObjectName(QStringLiteral("cmdStart"));
    cmdStart->setFont(namedFont(fonts::kPopP, 18, false));
    place(cmdStart, 5220, 4110, 1635, 495);
    connect(cmdStart, &QPushButton::clicked, this, &StartScreen::cmdStart_Click);
    connect(&reading_, &QFutureWatcherBase::finished, this, &StartScreen::startRound);

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
    cboList = new ListChooser(this);
    cboList->setObjectName(QStringLiteral("cboList"));
    cboList->setFont(namedFont(fonts::kSansSerif, 12, true));
    cboList->addItem(builtInListTitle());
    for (const ListPlace& list : lists_)
        cboList->addItem(list.name);
    place(cboList, 3180, 5430, 3675, 435);
    connect(cboList, &QComboBox::activated, this, &StartScreen::cboList_Click);
    connect(cboList, &ListChooser::opening, this, &StartScreen::lookForLists);
    // However many the findings, they stay in their room, which scrolls.
    auto* findings = new QScrollArea(this);
    findings->setFrameShape(QFrame::NoFrame);
    findings->setWidgetResizable(true);
    findings->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    findings->viewport()->setAutoFillBackground(false);
    place(findings, 705, 5970, 6255, 1140);
    lblFindings = transparentLabel(findings, "lblFindings", QString(),
                                   namedFont(fonts::kSansSerif, 9.75, false), Qt::AlignLeft);
    lblFindings->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblFindings->setWordWrap(true);
    findings->setWidget(lblFindings);
    setTabOrder(txtName, cboList);
    setTabOrder(cboList, cmdStart);
}

// Reads and checks the list offered at `index` of cboList; a list that cannot be played says
// why, and "Start" waits for another choice.
void StartScreen::chooseList(int index) {
    chosenState_ = index == 0 ? QString() : folderState(lists_[index - 1].folder);
    chosen_ = index == 0 ? CheckedList{builtIn_, {}, {}, {}}
                         : checkList(lists_[index - 1], wordFits, wordDrawable);
    QStringList lines;
    for (const Finding& finding : chosen_.findings)
        lines << findingText(finding);
    if (!lines.isEmpty())
        lines.prepend(notPlayableText());
    for (const Finding& note : chosen_.notes)
        lines << findingText(note);
    lblFindings->setCaption(lines.join(QLatin1Char('\n')));

    cmdStart->setEnabled(chosen_.playable());
}

// Looks for the lists again, as a teacher may have added, mended or removed one since: the
// choice shows them as they are now, keeping the list chosen while it is there, checked again
// when it changed. The game's own words are chosen in place of one that is gone.
void StartScreen::lookForLists() {
    const QList<ListPlace> found = findLists(platform().userFolder, rootPath_);
    const auto names = [](const QList<ListPlace>& places) {
        QStringList listed;
        for (const ListPlace& list : places)
            listed << list.name;
        return listed;
    };
    if (names(found) == names(lists_)) { // the chosen list checked again if it changed
        const int chosen = cboList ? cboList->currentIndex() : 0;
        if (chosen > 0 && folderState(lists_[chosen - 1].folder) != chosenState_)
            chooseList(chosen);
        return;
    }
    const QString chosen = cboList && cboList->currentIndex() > 0
                               ? lists_[cboList->currentIndex() - 1].name
                               : QString();
    lists_ = found;
    if (!cboList)
        buildListControls();
    const QSignalBlocker quiet(cboList);
    cboList->clear();
    cboList->addItem(builtInListTitle());
    cboList->addItems(names(lists_));
    const int index = int(names(lists_).indexOf(chosen)) + 1;
    cboList->setCurrentIndex(index);
    if (index == 0)
        chooseList(0);
}

void StartScreen::changeEvent(QEvent* event) {
    Form::changeEvent(event);
    // A teacher who made a list elsewhere comes back to the game: it is looked for.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !rootPath_.isEmpty())
        lookForLists();
}

void StartScreen::cboList_Click(int index) {
    chooseList(index);
    prepareVoice();
    rememberList(platform().userFolder, index == 0 ? QString() : lists_[index - 1].name);
}

// The words to play: the chosen list, or the game's own when it cannot be played.
const WordList& StartScreen::wordList() const {
    return chosen_.playable() ? chosen_.list : builtIn_;
}

void StartScreen::Form_Load() {
    centre();
    rootPath_ = soundFolderFor(QCoreApplication::applicationDirPath());
    // Once the window is up, the voice that says a list's words is made ready, which can take
    // some seconds.
    QTimer::singleShot(1000, this, &StartScreen::prepareVoice);
}

// Gets the desktop's voice ready for the words of the chosen list that have no recording.
void StartScreen::prepareVoice() {
    const WordList& list = wordList();
    if (list.isBuiltIn() || !isVisible())
        return;
    for (const QString& word : list.words)
        soundPlayer().prepare({recordingsFor(list, word, rootPath_, {}), word, list.language});
}

// Centres the window on the screen, frame and all.
void StartScreen::centre() {
    const QSize screen = platform().screen.size();
    const double left = screen.width() / 2.0 - frameGeometry().width() / 2.0;
    const double top = screen.height() / 2.0 - frameGeometry().height() / 2.0;
    move(int(std::lround(left)), int(std::lround(top)));
}

// The window manager frames the window only once it is shown: then it is centred again, by its
// frame.
void StartScreen::moveEvent(QMoveEvent* event) {
    Form::moveEvent(event);
    if (!framed_ && frameGeometry().size() != size()) {
        framed_ = true;
        centre();
    }
}

// "Start" silences the start screen and stops its demonstration at once; the chosen list is
// checked again, as it may have changed since it was chosen, and the round's own pictures are
// read whole before the board shows, so that none of that counts in the child's time.
void StartScreen::cmdStart_Click() {
    if (reading_.isRunning())
        return;
    const int chosen = cboList ? cboList->currentIndex() : 0;
    if (chosen > 0 && folderState(lists_[chosen - 1].folder) != chosenState_) {
        chooseList(chosen);
        if (!chosen_.playable())
            return;
    }
    stopSound(*this);
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
    const QStringList paths = picturePathsFor(wordList(), platform().userFolder);
    if (std::all_of(paths.cbegin(), paths.cend(), [](const QString& p) { return p.isEmpty(); })) {
        startRound();
        return;
    }
    cmdStart->setEnabled(false);
    setCursor(Qt::BusyCursor);
    reading_.setFuture(readPictures(wordList(), platform().userFolder));
}

void StartScreen::startRound() {
    unsetCursor();
    cmdStart->setEnabled(true);
    hide();
    Q_EMIT started(Round{txtName->text(), wordList(), rootPath_, platform().userFolder,
                         shownPictures(wordList(), reading_.future())});
}

void StartScreen::Form_Unload() {
    stopSound(*this);
    Timer1->setEnabled(false);
    Timer2->setEnabled(false);
}

namespace {

// The start screen's controls, as the demonstration sees them.
class StartScreenDemo : public DemoControls {
public:
    StartScreenDemo(std::array<Picture*, 4> pictures, std::array<float, 4>& lefts,
                    std::array<Label*, 4> words, WindowTimer& timer)
        : pictures_(pictures), lefts_(lefts), words_(words), timer_(timer) {}

    float left(int picture) const override { return lefts_[size_t(picture - 1)]; }
    void setLeft(int picture, float twips) override {
        lefts_[size_t(picture - 1)] = twips;
        Picture* shown = pictures_[size_t(picture - 1)];
        shown->move(toPixels(twips), shown->y());
    }
    void bringToFront(int picture) override { pictures_[size_t(picture - 1)]->raise(); }
    void markMatched(int word) override { words_[size_t(word - 1)]->setBackColor(colors::kCyan); }
    void setCaption(int word, const QString& caption) override {
        words_[size_t(word - 1)]->setCaption(caption);
    }
    void stopTicking() override { timer_.setEnabled(false); }

private:
    std::array<Picture*, 4> pictures_;
    std::array<float, 4>& lefts_;
    std::array<Label*, 4> words_;
    WindowTimer& timer_;
};

} // namespace

void StartScreen::Timer1_Timer() {
    StartScreenDemo demo({Image1, Image2, Image3, Image4}, demoLefts_, {lbl1, lbl2, lbl3, lbl4},
                         *Timer1);
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
