#include "board/game_board.h"

#include "board/board_layout.h"
#include "board/tile.h"
#include "results/results_list.h"
#include "results/results_log.h"
#include "results/see_all_times.h"
#include "shell/app_context.h"
#include "shell/command_button.h"
#include "shell/fonts.h"
#include "shell/label.h"
#include "shell/mm_control.h"
#include "shell/units.h"
#include "shell/window_timer.h"
#include "start_screen/name_box.h"
#include "start_screen/start_screen.h"

namespace pictolex {

namespace {

Label* statusLabel(QWidget* parent, const char* name, const QString& caption, const QFont& font,
                   quint32 back, quint32 fore, Qt::Alignment alignment) {
    return makeLabel(parent, QLatin1String(name), caption, font, bgr(fore), bgr(back), alignment);
}

} // namespace

GameBoard::GameBoard(AppContext& context) : Form(context) {
    setObjectName(QStringLiteral("frmBack"));
    setWindowTitle(QStringLiteral("Pictolex"));
    setBackColor(bgr(colors::kBlue));
    resize(956, 710);
    setWindowState(Qt::WindowMaximized);

    buildCells();
    buildSpareCell();
    buildStatusLabels();
    buildButtons();
    buildResultsView();

    Timer1 = new WindowTimer(1000, true, context.platform().realTimers, this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &WindowTimer::Timer, this, &GameBoard::Timer1_Timer);
}

void GameBoard::buildStatusLabels() {
    const QFont status = namedFont(fonts::kSansSerif, 18, true);
    lblTitle = statusLabel(this, "lblTitle", QStringLiteral("Pictolex"),
                           namedFont(fonts::kHandwriting, 36, true, true), colors::kBlue,
                           colors::kCyan, Qt::AlignHCenter);
    lblTitle->setTransparent(true);
    place(lblTitle, layout::kTitle);
    lblScore = statusLabel(this, "lblScore", QStringLiteral("Score = "), status, colors::kBlue,
                           colors::kPink, Qt::AlignLeft);
    lblScore->setAutoSize(true);
    place(lblScore, layout::kScore);
    lblTime = statusLabel(this, "lblTime", QStringLiteral("Time = "), status, colors::kBlue,
                          colors::kPink, Qt::AlignLeft);
    lblTime->setAutoSize(true);
    place(lblTime, layout::kTime);
    lblGood = statusLabel(this, "lblGood", QStringLiteral("Very Good! You Finished!"), status,
                          colors::kPink, colors::kNavy, Qt::AlignHCenter);
    place(lblGood, layout::kGood);
    lblGood->hide();
    lblBestTitle = statusLabel(this, "lblBestTitle", QStringLiteral("新記録＝"),
                               namedFont(fonts::kGothic, 18, true), colors::kCyan,
                               colors::kDarkBlue, Qt::AlignHCenter);
    place(lblBestTitle, layout::kBestTitle);
    lblBestTitle->hide();
    lblBest = statusLabel(this, "lblBest", QString(), namedFont(fonts::kSansSerif, 13.5, true),
                          colors::kCyan, colors::kDarkBlue, Qt::AlignLeft);
    place(lblBest, layout::kBest);
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

    // Only the buttons and the shown list take the focus; "See All Times" has it first.
    setTabOrder(cmdSeeTimes, List1);
    setTabOrder(List1, Command1);
    cmdSeeTimes->setFocus();
}

void GameBoard::buildCells() {
    const QFont wordFont = namedFont(fonts::kSansSerif, 9.75, true);
    for (int i = 1; i <= kCells; ++i) {
        auto* tile = new Tile(i, this);
        tile->placeTwips(tileRect(i));
        connect(tile, &Tile::DragDrop, this,
                [this, tile](int source) { img_DragDrop(tile->index(), *img[size_t(source)]); });
        img[size_t(i)] = tile;

        Label* word = statusLabel(this, "", BoardModel::word(i), wordFont, colors::kPink,
                                  colors::kNavy, Qt::AlignHCenter);
        word->setObjectName(QStringLiteral("lbl(%1)").arg(i));
        place(word, wordRect(i));
        connect(word, &Label::Click, this, [this, i] { lbl_Click(i); });
        lbl[size_t(i)] = word;
    }
}

void GameBoard::buildSpareCell() {
    img[0] = new Tile(0, this);
    img[0]->placeTwips(layout::kSpareTile);
    img[0]->hide();
    lbl[0] = statusLabel(this, "lbl(0)", QString(), namedFont(fonts::kGothic, 15.75, true),
                         colors::kBlue, 0x000000, Qt::AlignHCenter);
    lbl[0]->setTransparent(true);
    place(lbl[0], layout::kSpareWord);
    lbl[0]->hide();
    showTiles();
}

const QImage& GameBoard::picture(const QString& tag) {
    auto found = pictures_.find(tag);
    if (found == pictures_.end())
        found = pictures_.insert(tag, iconImage(tag));
    return *found;
}

QString GameBoard::soundOf(int cell) {
    return frmS().rootPath() + BoardModel::word(cell) + QStringLiteral(".wav");
}

void GameBoard::showTiles() {
    for (int i = 0; i <= kCells; ++i) {
        const QString& tag = model_.tag(i);
        if (img[size_t(i)]->tag() != tag)
            img[size_t(i)]->setContents(tag, picture(tag));
    }
}

void GameBoard::showPairStates() {
    for (int i = 1; i <= kCells; ++i) {
        const bool matched = model_.isMatched(i);
        lbl[size_t(i)]->setBackColor(bgr(matched ? colors::kCyan : colors::kPink));
        img[size_t(i)]->setDragMode(matched ? 0 : 1);
    }
}

void GameBoard::placeButtons() {
    const int screenWidth = toTwips(context_.platform().screen.size().width());
    const int seeTimesWidth = toTwips(cmdSeeTimes->width());
    const int left = screenWidth - seeTimesWidth - 500;
    const int top = 500;
    cmdSeeTimes->move(toPixels(left), toPixels(top));
    // Both buttons line up on the width of "See All Times".
    Command1->move(toPixels(left), toPixels(toTwips(cmdSeeTimes->height()) + top + 500));
}

void GameBoard::newRound() {
    context_.platform().random.reseedFromTime();
    model_.resetScore();
    lblTime->setCaption(kClockReset);
    lblScore->setCaption(kScoreReset);
    clock_.start(context_.platform().clock.now());
    model_.resetTiles();
    model_.shuffle(context_.platform().random);
    showTiles();
    showPairStates();
}

void GameBoard::Form_Load() {
    List1->clear();
    placeButtons();
    newRound();
}

void GameBoard::img_DragDrop(int index, Tile& source) {
    if (model_.drop(index, source.index())) {
        showTiles();
        playSound(*this, soundOf(index));
    }
    model_.recount();
    showPairStates();
    if (model_.score() > 0)
        lblScore->setCaption(scoreText(model_.score()));
}

void GameBoard::lbl_Click(int index) {
    if (model_.isMatched(index))
        playSound(*this, soundOf(index));
}

void GameBoard::Timer1_Timer() {
    const bool complete = clock_.tick(context_.platform().clock.now(), model_.score());
    lblTime->setCaption(clock_.text());
    if (!complete)
        return;
    lblGood->show();
    lblTitle->hide();
    Timer1->setEnabled(false);
    playSound(*this, frmS().rootPath() + QStringLiteral("good.wav"));
}

void GameBoard::Command1_Click() {
    List1->clear();
    List1->hide();
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
    MessageBoxes& messages = context_.platform().messages;
    const QString title = QStringLiteral("Pictolex");
    if (model_.score() < kCells) {
        messages.show(this, MessageBoxes::Icon::Information, title,
                      QStringLiteral("Please get a score of 36."));
        return;
    }
    NameBox& name = frmS().nameBox();
    if (name.text().isEmpty())
        name.setText(QStringLiteral("NO NAME"));

    const ResultsView view = logAndRead(ResultsLog(ResultsLog::defaultPath()), name.text(),
                                        clock_.elapsedSeconds(), context_.platform().clock.now());
    if (!view.error.isEmpty())
        messages.show(this, MessageBoxes::Icon::Warning, title, view.error);
    // A record that could not be saved leaves the round finished, so the player can try again.
    if (!view.saved)
        return;
    List1->showNewestFirst(view.lines);
    List1->show();
    lblScore->hide();
    lblTime->hide();
    lblGood->hide();
    lblBest->setCaption(view.best ? view.lines[*view.best] : QString());
    lblBest->show();
    lblBestTitle->show();
}

void GameBoard::Form_Unload() {
    stopSound(*this);
    stopSound(frmS());
    frmS().Unload();
    Timer1->setEnabled(false);
    Unload();
}

} // namespace pictolex
