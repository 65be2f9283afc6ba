// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/game_board.h"

#include "board/accessible_text.h"
#include "board/picture_drag.h"
#include "board/tile.h"
#include "controls/command_button.h"
#include "controls/label.h"
#include "controls/notice.h"
#include "controls/window_timer.h"
#include "design/board_design.h"
#include "design/colours.h"
#include "design/fonts.h"
#include "results/results_list.h"
#include "results/results_log.h"
#include "results/results_record.h"
#include "round/round_pictures.h"
#include "sound/sound_player.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTouchEvent>
#include <QWindow>
#include <utility>

namespace pictolex {

namespace {

// A label of the board; a back colour that is not valid leaves it transparent.
Label* boardLabel(QWidget* parent, const char* name, const QString& caption, const QColor& fore,
                  const QColor& back, Qt::Alignment alignment) {
    return makeLabel(parent, QLatin1String(name), caption, QFont(), {fore, back}, alignment);
}

// The mouse, or a pen, as it moves a picture; fingers have their device and their own ids.
const Pointer kMouse{nullptr, -1};

} // namespace

GameBoard::GameBoard(const Platform& platform, Round round)
    : Form(platform), round_(std::move(round)) {
    pictures_.setOwn(round_.pictures);
    setObjectName(QStringLiteral("frmBack"));
    setWindowTitle(QStringLiteral("Pictolex"));
    setBackColor(colors::kBlue);
    setAttribute(Qt::WA_AcceptTouchEvents);
    resize(snapped(QRectF(QPointF(), boardDesign().size)).size());
    setWindowState(Qt::WindowMaximized);

    buildStatusLabels();
    buildButtons();
    buildResultsView();
    notice_ = new Notice(this, platform.realTimers);
    notice_->setObjectName(QStringLiteral("notices"));
    drag_ = new PictureDrag({this, [this](QPoint at) { return cellAt(at); },
                             [this](int cell) { return img[size_t(cell)]->isDraggable(); },
                             [this](int cell) -> Picture& { return *img[size_t(cell)]; }});
    drag_->setParent(this);
    connect(drag_, &PictureDrag::tapped, this, &GameBoard::img_Click);
    connect(drag_, &PictureDrag::dropped, this,
            [this](int source, int target) { img_DragDrop(target, source); });

    Timer1 = new WindowTimer(1000, true, platform.realTimers, this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &WindowTimer::timeout, this, &GameBoard::Timer1_Timer);
    connect(&rereading_, &QFutureWatcherBase::finished, this, [this] {
        pictures_.setOwn(shownPictures(round_.list, rereading_.future()));
        showTiles(true);
    });
    connect(this, &Form::loaded, this, &GameBoard::Form_Load);
    connect(this, &Form::unloading, this, &GameBoard::Form_Unload);
}

// The captions of the board are what the child reads and learns, so they stay English whatever
// the locale: "Score =", "Time =", "Very Good! You Finished!", "See All Times", "Start Again" and
// the words are never marked for translation. Messages for grown-ups are.
void GameBoard::buildStatusLabels() {
    const QFont status = namedFont(fonts::kSansSerif, 18, true);
    lblTitle = boardLabel(this, "lblTitle", "Pictolex", colors::kCyan, {}, Qt::AlignHCenter);
    lblScore =
        boardLabel(this, "lblScore", "Score = ", colors::kPink, colors::kBlue, Qt::AlignLeft);
    lblTime = boardLabel(this, "lblTime", "Time = ", colors::kPink, colors::kBlue, Qt::AlignLeft);
    lblGood = boardLabel(this, "lblGood", "Very Good! You Finished!", colors::kNavy, colors::kPink,
                         Qt::AlignHCenter);
    lblBestTitle = boardLabel(this, "lblBestTitle", "新記録＝", colors::kDarkBlue, colors::kCyan,
                              Qt::AlignHCenter);
    lblBest = boardLabel(this, "lblBest", "", colors::kDarkBlue, colors::kCyan, Qt::AlignLeft);
    // Over the times of a teacher's list, where the title stood: the list's name.
    lblListName =
        boardLabel(this, "lblListName", round_.list.name, colors::kCyan, {}, Qt::AlignHCenter);
    lblScore->setAutoSize(true);
    lblTime->setAutoSize(true);
    parts_ = {{lblTitle, BoardPart::Title, namedFont(fonts::kHandwriting, 36, true, true)},
              {lblScore, BoardPart::Score, status},
              {lblTime, BoardPart::Time, status},
              {lblGood, BoardPart::Good, status},
              {lblBestTitle, BoardPart::BestTitle, namedFont(fonts::kGothic, 18, true)},
              {lblBest, BoardPart::Best, namedFont(fonts::kSansSerif, 13.5, true)},
              {lblListName, BoardPart::Title, status}};
    lblGood->hide();
    lblBestTitle->hide();
    lblBest->hide();
    lblListName->hide();
}

void GameBoard::buildButtons() {
    const QFont font = namedFont(fonts::kSansSerif, 13.5, true);
    cmdSeeTimes = new CommandButton(QStringLiteral("See All Times"), colors::kPink, this);
    cmdSeeTimes->setObjectName(QStringLiteral("cmdSeeTimes"));
    connect(cmdSeeTimes, &QPushButton::clicked, this, &GameBoard::cmdSeeTimes_Click);
    Command1 = new CommandButton(QStringLiteral("Start Again"), colors::kCyan, this);
    Command1->setObjectName(QStringLiteral("Command1"));
    connect(Command1, &QPushButton::clicked, this, &GameBoard::Command1_Click);
    parts_.push_back({cmdSeeTimes, BoardPart::SeeTimes, font});
    parts_.push_back({Command1, BoardPart::StartAgain, font});
}

void GameBoard::buildResultsView() {
    List1 = new ResultsList(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setAccessibleName(resultsListName());
    QPalette p = List1->palette();
    p.setColor(QPalette::Base, colors::kPalePink);
    p.setColor(QPalette::Text, colors::kNavy);
    List1->setPalette(p);
    List1->hide();
    parts_.push_back({List1, BoardPart::Results, namedFont(fonts::kSansSerif, 13.5, false)});
}

// A cell for each word of the list.
void GameBoard::buildCells() {
    model_ = BoardModel(round_.list.words, round_.list.initialTags);
    const int cells = model_.cellCount();
    img.assign(size_t(cells) + 1, nullptr);
    lbl.assign(size_t(cells) + 1, nullptr);
    for (int i = 1; i <= cells; ++i) {
        auto* tile = new Tile(i, model_.word(i), this);
        connect(tile, &Tile::clicked, this, [this, i] { img_Click(i); });
        img[size_t(i)] = tile;
        Label* word = makeLabel(this, QStringLiteral("lbl(%1)").arg(i), model_.word(i), QFont(),
                                {colors::kNavy, colors::kPink}, Qt::AlignHCenter);
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

// Places everything for the window's size, the whole design scaled alike, and shows the pictures
// at their new size.
void GameBoard::relayout() {
    if (img.empty())
        return;
    geometry_ = layBoard(boardDesign(), model_.cellCount(), QSizeF(size()));
    const double scale = geometry_.scale;
    for (const Part& part : parts_) {
        part.widget->setFont(scaledFont(part.font, scale));
        part.widget->setGeometry(snapped(geometry_.part(part.place)));
    }
    lblScore->fitWidth();
    lblTime->fitWidth();
    const QFont words = scaledFont(wordFont(), scale);
    for (int i = 1; i <= model_.cellCount(); ++i) {
        const CellPlaces& cell = geometry_.cell(i);
        img[size_t(i)]->placeWithRoom(snapped(cell.target), snapped(cell.picture));
        lbl[size_t(i)]->setFont(words);
        lbl[size_t(i)]->setGeometry(snapped(cell.word));
    }
    if (pictures_.setSize(snapped(geometry_.cell(1).picture).width(), devicePixelRatioF()))
        showTiles(true);
}

void GameBoard::speak(int cell) {
    playSound(*this, round_.said(model_.word(cell)));
}

void GameBoard::showTiles(bool all) {
    for (int i = 1; i <= model_.cellCount(); ++i) {
        const QString& tag = model_.tag(i);
        if (all || img[size_t(i)]->tag() != tag)
            img[size_t(i)]->setContents(tag, pictures_.picture(tag));
    }
}

// Each word's colour, and whether its tile can be dragged, which a screen reader hears from the
// tile.
void GameBoard::showPairStates() {
    for (int i = 1; i <= model_.cellCount(); ++i) {
        const bool matched = model_.isMatched(i);
        lbl[size_t(i)]->setBackColor(matched ? colors::kCyan : colors::kPink);
        img[size_t(i)]->setDraggable(!matched);
    }
}

// Puts a picked picture down, and says so.
void GameBoard::putDown() {
    if (!picked_)
        return;
    notice_->say(putDownNotice(model_.tag(picked_)));
    pick(0);
}

// Picks the cell's picture, putting down the one picked before; 0 puts it down.
void GameBoard::pick(int cell) {
    if (picked_)
        img[size_t(picked_)]->setPicked(false);
    picked_ = cell;
    if (cell)
        img[size_t(cell)]->setPicked(true);
}

// The results list covers the tiles, which then take neither the focus nor a press. (Turning
// them off and on would tell a screen reader of every one, more than it takes at once.)
void GameBoard::coverTiles(bool covered) {
    List1->setVisible(covered);
    for (int i = 1; i <= model_.cellCount(); ++i)
        img[size_t(i)]->setFocusPolicy(covered ? Qt::NoFocus : Qt::TabFocus);
}

int GameBoard::cellAt(QPoint onBoard) const {
    for (int i = 1; i <= model_.cellCount() && !List1->isVisible(); ++i)
        if (img[size_t(i)]->geometry().contains(onBoard))
            return i;
    return 0;
}

int GameBoard::wordAt(QPoint onBoard) const {
    for (int i = 1; i <= model_.cellCount(); ++i)
        if (lbl[size_t(i)]->isVisible() && lbl[size_t(i)]->geometry().contains(onBoard))
            return i;
    return 0;
}

void GameBoard::newRound() {
    drag_->cancel();
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
    buildCells();
    // A voice made ready for the words with no recording, before the first drop.
    for (const QString& word : round_.list.words)
        soundPlayer().prepare(round_.said(word));
    List1->raise(); // over the grid
    List1->clear();
    relayout();
    newRound();
}

// The board recounted after a drop or a tap: every picture over its own word is matched, and
// the score follows once there is one. A screen reader hears the words matched now, `first`
// first, with the score.
void GameBoard::recount(int first) {
    QStringList matched;
    for (int i = 1; i <= model_.cellCount(); ++i)
        if (!model_.isMatched(i) && model_.inPlace(i))
            i == first ? matched.prepend(model_.word(i)) : matched.append(model_.word(i));
    model_.recount();
    showPairStates();
    if (model_.score() > 0)
        lblScore->setCaption(scoreText(model_.score(), model_.cellCount()));
    if (!matched.isEmpty())
        notice_->say(matchNotice(matched, lblScore->caption()));
}

void GameBoard::img_DragDrop(int index, int source) {
    pick(0);
    const QString picture = model_.tag(source);
    const bool accepted = model_.drop(index, source);
    if (accepted) {
        showTiles();
        speak(index);
    } else if (source != index) {
        notice_->say(wrongNotice(picture, model_.word(index)));
    }
    recount(index);
}

// A click on a tile with a picture picked drops that picture there; on the picked tile itself
// it puts the picture down. With none picked, it is a drop of the picture on itself: one
// already over its own word is matched, any other unmatched one is picked.
void GameBoard::img_Click(int index) {
    if (picked_ == index) {
        putDown();
    } else if (picked_) {
        img_DragDrop(index, picked_);
    } else if (model_.inPlace(index) && !model_.isMatched(index)) {
        img_DragDrop(index, index);
    } else if (!model_.isMatched(index)) {
        recount(0);
        pick(index);
        notice_->say(pickedNotice(model_.tag(index)));
    }
}

// A press on a word or on the board puts a picked picture down.
void GameBoard::Form_MouseDown() {
    putDown();
}

// Escape puts a picked picture down; the arrow keys take the focus from tile to tile and stop at
// the edges of the board; F11 fills the screen, or gives it back. Answers whether the key was
// one of these.
bool GameBoard::Form_KeyDown(int key) {
    const auto* tile = qobject_cast<const Tile*>(focusWidget());
    const std::pair<int, Step> arrows[] = {{Qt::Key_Left, Step::Left},
                                           {Qt::Key_Right, Step::Right},
                                           {Qt::Key_Up, Step::Up},
                                           {Qt::Key_Down, Step::Down}};
    if (key == Qt::Key_Escape) {
        putDown();
        return true;
    }
    if (key == Qt::Key_F11) {
        setWindowState(windowState() ^ Qt::WindowFullScreen);
        return true;
    }
    for (const auto& [arrow, step] : arrows) {
        if (key != arrow || !tile)
            continue;
        if (const int next = cellBeside(geometry_, tile->index(), step))
            img[size_t(next)]->setFocus(Qt::OtherFocusReason);
        return true;
    }
    return false;
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
    soundPlayer().playNext(round_.gameSound(QStringLiteral("good")));
    notice_->say(lblGood->caption());
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
    lblListName->hide();
    lblGood->hide();
    newRound();
    notice_->say(newRoundNotice(lblScore->caption()));
    // The round's own pictures read again, as a teacher may have mended one; they show as soon
    // as they are read.
    rereading_.setFuture(readPictures(round_.list, round_.playerFolder));
}

void GameBoard::cmdSeeTimes_Click() {
    drag_->cancel(); // a message may come up
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
    const ResultsLog log(round_.resultsPath());
    ResultsView view =
        logAndRead(log, round_.loggedName(), clock_.elapsedSeconds(), platform().clock.now());
    if (!view.error.isEmpty())
        messages.show(this, MessageBoxes::Icon::Warning, title, view.error);
    // A record that could not be saved leaves the round finished, so the player can try again.
    // One that may have been saved is shown as saved: it is not offered for saving twice.
    if (!view.saved && !view.mayBeSaved)
        return;
    lblBest->setCaption(view.best ? displayText(view.lines.bytes(*view.best)) : QString());
    const qsizetype listed = view.lines.size();
    List1->showNewestFirst(std::move(view.lines));
    coverTiles(true);
    lblScore->hide();
    lblTime->hide();
    lblGood->hide();
    lblBest->show();
    lblBestTitle->show();
    lblListName->setVisible(!round_.list.isBuiltIn());
    List1->setFocus(); // its newest row current, read as the focus comes to it
    sayResults(lblBest->caption(), listed);
}

// The list's name, the best time and who took it, and how many times are listed.
void GameBoard::sayResults(const QString& best, qsizetype listed) {
    const std::optional<qint64> seconds = parseRecordTime(QStringView(best));
    const QString name = best.left(best.lastIndexOf(kTimeLabel)).remove(QChar(0x200E)).trimmed();
    notice_->say(resultsNotice(round_.list.name, seconds ? formatElapsed(*seconds) : QString(),
                               name, listed));
}

void GameBoard::Form_Unload() {
    drag_->cancel();
    stopSound(*this);
    Timer1->setEnabled(false);
}

// Presses of the mouse (or a pen) on the board, its tiles and its words all come here; those of
// fingers come as touches.
void GameBoard::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton &&
        event->pointingDevice()->type() != QInputDevice::DeviceType::TouchScreen &&
        !drag_->press(kMouse, event->position().toPoint()))
        Form_MouseDown();
}

void GameBoard::mouseMoveEvent(QMouseEvent* event) {
    drag_->move(kMouse, event->position().toPoint());
}

void GameBoard::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        drag_->release(kMouse, event->position().toPoint());
}

// Each finger plays on its own: one moves a picture, another resting on the board hinders
// nothing. A touch that the system cancels puts the picture back. A touch that begins on a
// button or on the results list is left to them, as a click.
bool GameBoard::touched(QTouchEvent* event) {
    if (event->type() == QEvent::TouchCancel) {
        drag_->cancel();
        for (const Touch& touch : std::as_const(touches_))
            if (touch.button)
                touch.button->setDown(false);
        touches_.clear();
        return true;
    }
    const QWidget* under =
        event->points().isEmpty() ? nullptr : childAt(event->points().first().position().toPoint());
    if (event->type() == QEvent::TouchBegin && under &&
        (qobject_cast<const QAbstractButton*>(under) || List1->isAncestorOf(under)))
        return false;
    for (const QEventPoint& point : event->points()) {
        const Pointer finger{event->device(), point.id()};
        const QPoint at = point.position().toPoint();
        if (point.state() == QEventPoint::Pressed)
            fingerDown(finger, at);
        else if (point.state() == QEventPoint::Updated)
            drag_->move(finger, at);
        else if (point.state() == QEventPoint::Released)
            fingerUp(finger, at);
    }
    event->accept();
    return true;
}

// A finger pressed on a picture begins a tap or a drag; on a button, it presses the button, as
// it would with no other finger on the board; on a word or the board, it puts a picked picture
// down.
void GameBoard::fingerDown(Pointer finger, QPoint at) {
    auto* button = qobject_cast<QAbstractButton*>(childAt(at));
    if (button && button->isEnabled()) {
        button->setDown(true);
        touches_.insert(finger.id, {0, button});
    } else if (!drag_->press(finger, at)) {
        Form_MouseDown();
        touches_.insert(finger.id, {wordAt(at), nullptr});
    }
}

// A finger lifted ends its tap or drag; lifted where it pressed, it clicks a word or a button.
void GameBoard::fingerUp(Pointer finger, QPoint at) {
    drag_->release(finger, at);
    const Touch touch = touches_.take(finger.id);
    if (touch.word && touch.word == wordAt(at))
        lbl_Click(touch.word);
    if (!touch.button)
        return;
    touch.button->setDown(false);
    // Queued, as "See All Times" may show a message, which waits for its answer.
    if (touch.button->rect().contains(touch.button->mapFrom(this, at)))
        QMetaObject::invokeMethod(touch.button, &QAbstractButton::click, Qt::QueuedConnection);
}

bool GameBoard::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        return touched(static_cast<QTouchEvent*>(event));
    case QEvent::WindowDeactivate:
        drag_->cancel(); // a message box, or another window, took the pointer
        break;
    default:
        break;
    }
    return Form::event(event);
}

void GameBoard::keyPressEvent(QKeyEvent* event) {
    if (!Form_KeyDown(event->key()))
        Form::keyPressEvent(event);
}

void GameBoard::resizeEvent(QResizeEvent* event) {
    Form::resizeEvent(event);
    relayout();
}

void GameBoard::showEvent(QShowEvent* event) {
    Form::showEvent(event);
    // A screen of another density wants the pictures drawn afresh.
    if (QWindow* window = windowHandle(); window && !screenWatched_) {
        screenWatched_ = true;
        connect(window, &QWindow::screenChanged, this, &GameBoard::relayout);
    }
}

void GameBoard::hideEvent(QHideEvent* event) {
    drag_->cancel();
    Form::hideEvent(event);
}

} // namespace pictolex
