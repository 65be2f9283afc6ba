// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/game_board.h"

#include "board/accessible_text.h"
#include "board/board_layout.h"
#include "board/tile.h"
#include "controls/command_button.h"
#include "controls/fonts.h"
#include "controls/label.h"
#include "controls/notice.h"
#include "controls/units.h"
#include "controls/window_timer.h"
#include "results/results_list.h"
#include "results/results_log.h"
#include "sound/sound_player.h"
#include "windows/windows.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <utility>

namespace pictolex {

namespace {

// A label of the board, its colours written &HBBGGRR; a back colour of kNone leaves it
// transparent.
constexpr quint32 kNone = 0xFFFFFFFF;
Label* boardLabel(QWidget* parent, const QString& name, const QString& caption, const QFont& font,
                  quint32 fore, quint32 back, Qt::Alignment alignment) {
    return makeLabel(parent, name, caption, font, {bgr(fore), back == kNone ? QColor() : bgr(back)},
                     alignment);
}

// A word as the child hears it: its recording, or else the word said in the list's language.
Utterance spoken(const WordList& list, const QString& word, const QString& playerFolder) {
    return {recordingsFor(list, word, frmS().rootPath(), playerFolder), word, list.language};
}

} // namespace

GameBoard::GameBoard(const Platform& platform) : GameBoardForm(platform) {
    setObjectName(QStringLiteral("frmBack"));
    setWindowTitle(QStringLiteral("Pictolex"));
    setBackColor(bgr(colors::kBlue));
    resize(956, 710);
    setWindowState(Qt::WindowMaximized);

    buildStatusLabels();
    buildButtons();
    buildResultsView();
    notice_ = new Notice(this);
    notice_->setObjectName(QStringLiteral("notice"));

    Timer1 = new WindowTimer(1000, true, platform.realTimers, this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &WindowTimer::timeout, this, &GameBoard::Timer1_Timer);
    connect(this, &Form::loaded, this, &GameBoard::Form_Load);
    connect(this, &Form::unloading, this, &GameBoard::Form_Unload);
}

// The captions of the board are what the child reads and learns, so they stay English whatever
// the locale: "Score =", "Time =", "Very Good! You Finished!", "See All Times", "Start Again" and
// the words are never marked for translation. Messages for grown-ups are.
void GameBoard::buildStatusLabels() {
    const QFont status = namedFont(fonts::kSansSerif, 18, true);
    const QFont best = namedFont(fonts::kSansSerif, 13.5, true);
    lblTitle =
        boardLabel(this, "lblTitle", "Pictolex", namedFont(fonts::kHandwriting, 36, true, true),
                   colors::kCyan, kNone, Qt::AlignHCenter);
    lblScore = boardLabel(this, "lblScore", "Score = ", status, colors::kPink, colors::kBlue,
                          Qt::AlignLeft);
    lblTime =
        boardLabel(this, "lblTime", "Time = ", status, colors::kPink, colors::kBlue, Qt::AlignLeft);
    lblGood = boardLabel(this, "lblGood", "Very Good! You Finished!", status, colors::kNavy,
                         colors::kPink, Qt::AlignHCenter);
    lblBestTitle = boardLabel(this, "lblBestTitle", "新記録＝", namedFont(fonts::kGothic, 18, true),
                              colors::kDarkBlue, colors::kCyan, Qt::AlignHCenter);
    lblBest =
        boardLabel(this, "lblBest", "", best, colors::kDarkBlue, colors::kCyan, Qt::AlignLeft);
    lblScore->setAutoSize(true);
    lblTime->setAutoSize(true);
    place(lblTitle, layout::kTitle);
    place(lblScore, layout::kScore);
    place(lblTime, layout::kTime);
    place(lblGood, layout::kGood);
    place(lblBestTitle, layout::kBestTitle);
    place(lblBest, layout::kBest);
    lblGood->hide();
    lblBestTitle->hide();
    lblBest->hide();
}

void GameBoard::buildButtons() {
    const QFont font = namedFont(fonts::kSansSerif, 13.5, true);
    cmdSeeTimes = new CommandButton(QStringLiteral("See All Times"), bgr(colors::kPink), this);
    cmdSeeTimes->setObjectName(QStringLiteral("cmdSeeTimes"));
    cmdSeeTimes->setFont(font);
    place(cmdSeeTimes, layout::kSeeTimes);
    connect(cmdSeeTimes, &QPushButton::clicked, this, &GameBoard::cmdSeeTimes_Click);

    Command1 = new CommandButton(QStringLiteral("Start Again"), bgr(colors::kCyan), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setFont(font);
    place(Command1, layout::kStartAgain);
    connect(Command1, &QPushButton::clicked, this, &GameBoard::Command1_Click);
}

void GameBoard::buildResultsView() {
    List1 = new ResultsList(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setFont(namedFont(fonts::kSansSerif, 13.5, false));
    QPalette p = List1->palette();
    p.setColor(QPalette::Base, bgr(colors::kPalePink));
    p.setColor(QPalette::Text, bgr(colors::kNavy));
    List1->setPalette(p);
    place(List1, layout::kResults);
    List1->hide();
}

// A cell for each word of the list, laid out for their number.
void GameBoard::buildCells(const WordList& list) {
    list_ = list;
    model_ = BoardModel(list.words, list.initialTags);
    const int cells = model_.cellCount();
    for (int i = 1; i <= cells; ++i) {
        auto* tile = new Tile(i, model_.word(i), this);
        tile->placeWithRoom(tileTarget(i, cells), tileRect(i, cells));
        connect(tile, &Tile::dropped, this,
                [this, i](int source) { img_DragDrop(i, *img[size_t(source)]); });
        connect(tile, &Tile::clicked, this, [this, i] { img_Click(i); });
        img[size_t(i)] = tile;

        Label* word = boardLabel(this, QStringLiteral("lbl(%1)").arg(i), model_.word(i), wordFont(),
                                 colors::kNavy, colors::kPink, Qt::AlignHCenter);
        place(word, wordRect(i, cells));
        connect(word, &Label::clicked, this, [this, i] { lbl_Click(i); });
        lbl[size_t(i)] = word;
    }
    // "See All Times" has the focus first; Tab goes on to the list while it shows, the tiles in
    // reading order while it does not, and "Start Again".
    QWidget* previous = List1;
    setTabOrder(cmdSeeTimes, List1);
    for (int i = 1; i <= cells; ++i)
        setTabOrder(std::exchange(previous, img[size_t(i)]), img[size_t(i)]);
    setTabOrder(previous, Command1);
    cmdSeeTimes->setFocus();
}

const QImage& GameBoard::picture(const QString& tag) {
    auto found = pictures_.find(tag);
    if (found == pictures_.end())
        found = pictures_.insert(tag,
                                 wordPicture(tag, picturesFolderFor(list_, platform().userFolder)));
    return *found;
}

void GameBoard::speak(int cell) {
    playSound(*this, spoken(list_, model_.word(cell), platform().userFolder));
}

void GameBoard::showTiles() {
    for (int i = 1; i <= model_.cellCount(); ++i) {
        const QString& tag = model_.tag(i);
        if (img[size_t(i)]->tag() != tag)
            img[size_t(i)]->setContents(tag, picture(tag));
    }
}

void GameBoard::showPairStates() {
    for (int i = 1; i <= model_.cellCount(); ++i) {
        const bool matched = model_.isMatched(i);
        lbl[size_t(i)]->setBackColor(bgr(matched ? colors::kCyan : colors::kPink));
        img[size_t(i)]->setDraggable(!matched);
        const QString name = wordName(model_.word(i), matched);
        if (lbl[size_t(i)]->accessibleName() != name)
            lbl[size_t(i)]->setAccessibleName(name);
    }
}

// Picks the cell's picture, putting down the one picked before; 0 puts it down.
void GameBoard::pick(int cell) {
    if (picked_)
        img[size_t(picked_)]->setPicked(false);
    picked_ = cell;
    if (cell)
        img[size_t(cell)]->setPicked(true);
}

// The results list covers the tiles, which then take neither the focus nor a click.
void GameBoard::coverTiles(bool covered) {
    List1->setVisible(covered);
    for (int i = 1; i <= model_.cellCount(); ++i)
        img[size_t(i)]->setEnabled(!covered);
}

void GameBoard::placeButtons() {
    const int screenWidth = toTwips(platform().screen.size().width());
    const int seeTimesWidth = toTwips(cmdSeeTimes->width());
    const int left = screenWidth - seeTimesWidth - 500;
    const int top = 500;
    cmdSeeTimes->move(toPixels(left), toPixels(top));
    // Both buttons line up on the width of "See All Times".
    Command1->move(toPixels(left), toPixels(toTwips(cmdSeeTimes->height()) + top + 500));
}

void GameBoard::newRound() {
    platform().random.reseedFromTime();
    model_.resetScore();
    clock_.start(platform().clock.monotonicMs());
    lblTime->setCaption(clock_.text());
    lblScore->setCaption(scoreResetText(model_.cellCount()));
    model_.resetTiles();
    model_.shuffle(platform().random);
    pick(0);
    showTiles();
    showPairStates();
}

void GameBoard::Form_Load() {
    buildCells(frmS().wordList());
    for (const QString& word :
         list_.words) // a voice for words with no recording, before the first drop
        soundPlayer().prepare(spoken(list_, word, platform().userFolder));
    List1->raise(); // over the grid
    List1->clear();
    placeButtons();
    newRound();
}

void GameBoard::img_DragDrop(int index, Tile& source) {
    pick(0);
    const bool accepted = model_.drop(index, source.index());
    if (accepted) {
        showTiles();
        speak(index);
    }
    model_.recount();
    showPairStates();
    if (model_.score() > 0)
        lblScore->setCaption(scoreText(model_.score(), model_.cellCount()));
    if (accepted)
        notice_->say(matchNotice(model_.word(index), lblScore->caption()));
}

// A click on a tile with a picture picked drops that picture there; on the picked tile itself
// it puts the picture down. With none picked, an unmatched picture already over its own word
// is dropped on itself, which matches it, and any other unmatched picture is picked.
void GameBoard::img_Click(int index) {
    const int picked = picked_;
    pick(0);
    if (picked && picked != index)
        img_DragDrop(index, *img[size_t(picked)]);
    else if (!picked && model_.inPlace(index) && !model_.isMatched(index))
        img_DragDrop(index, *img[size_t(index)]);
    else if (!picked && !model_.isMatched(index))
        pick(index);
}

// A press on a word or on the board puts a picked picture down.
void GameBoard::Form_MouseDown() {
    pick(0);
}

// Escape puts a picked picture down; the arrow keys take the focus from tile to tile, and stop
// at the edges of the board. Answers whether the key was one of these.
bool GameBoard::Form_KeyDown(int key) {
    const int dx = key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
    const int dy = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
    const auto* tile = qobject_cast<const Tile*>(focusWidget());
    if (key == Qt::Key_Escape)
        pick(0);
    else if (!tile || !(dx || dy))
        return false;
    else if (const int next = tileBeside(tile->index(), dx, dy, model_.cellCount()))
        img[size_t(next)]->setFocus(Qt::OtherFocusReason);
    return true;
}

void GameBoard::mousePressEvent(QMouseEvent* event) {
    Form_MouseDown();
    GameBoardForm::mousePressEvent(event);
}

void GameBoard::keyPressEvent(QKeyEvent* event) {
    if (!Form_KeyDown(event->key()))
        GameBoardForm::keyPressEvent(event);
}

void GameBoard::lbl_Click(int index) {
    if (model_.isMatched(index))
        speak(index);
}

void GameBoard::Timer1_Timer() {
    const bool complete = clock_.tick(platform().clock.monotonicMs(), model_.isComplete());
    lblTime->setCaption(clock_.text());
    if (!complete)
        return;
    lblGood->show();
    lblTitle->hide();
    Timer1->setEnabled(false);
    // The fanfare lets the last word be heard first.
    const QString fanfare = QStringLiteral("good");
    soundPlayer().playNext(
        {recordingsFor(WordList{}, fanfare, frmS().rootPath(), platform().userFolder), {}, {}});
    notice_->say(lblGood->caption());
}

WindowTimer& GameBoard::clockTimer() {
    ensureLoaded();
    return *Timer1;
}

void GameBoard::Command1_Click() {
    List1->clear();
    coverTiles(false);
    Timer1->setEnabled(true);
    lblTitle->show();
    lblScore->show();
    lblTime->show();
    lblBest->hide();
    lblBestTitle->hide();
    lblGood->hide();
    newRound();
}

void GameBoard::cmdSeeTimes_Click() {
    if (List1->isVisible())
        return;
    MessageBoxes& messages = platform().messages;
    const QString title = QStringLiteral("Pictolex");
    if (!model_.isComplete()) {
        messages.show(this, MessageBoxes::Icon::Information, title,
                      QCoreApplication::translate("GameBoard", "Please get a score of %1.")
                          .arg(model_.cellCount()));
        return;
    }
    QLineEdit& name = frmS().nameBox();
    if (name.text().isEmpty())
        name.setText(QStringLiteral("NO NAME"));

    const ResultsLog log(resultsPathFor(list_, platform().userFolder));
    ResultsView view =
        logAndRead(log, name.text(), clock_.elapsedSeconds(), platform().clock.now());
    if (!view.error.isEmpty())
        messages.show(this, MessageBoxes::Icon::Warning, title, view.error);
    // A record that could not be saved leaves the round finished, so the player can try again.
    // One that may have been saved is shown as saved: it is not offered for saving twice.
    if (!view.saved && !view.mayBeSaved)
        return;
    lblBest->setCaption(view.best ? displayText(view.lines.bytes(*view.best)) : QString());
    List1->showNewestFirst(std::move(view.lines));
    coverTiles(true);
    lblScore->hide();
    lblTime->hide();
    lblGood->hide();
    lblBest->show();
    lblBestTitle->show();
}

void GameBoard::Form_Unload() {
    stopSound(*this);
    stopSound(frmS());
    frmS().unload();
    Timer1->setEnabled(false);
}

} // namespace pictolex
