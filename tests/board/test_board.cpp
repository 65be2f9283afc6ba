// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/translations.h"
#include "board/tile.h"
#include "controls/picture.h"
#include "design/board_design.h"
#include "fakes.h"
#include "platform/install_layout.h"
#include "results/results_record.h"
#include "rules/board_model.h"
#include "rules/words.h"
#include "sound/wav_file.h"
#include "word_lists/word_list.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QLineEdit>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QTranslator>
#include <QtTest>
#include <sys/stat.h>

using namespace pictolex;
using namespace pictolex::test;

using Draws = std::deque<float>;
using Cells = QList<int>;
using Drops = QList<QPoint>; // (source, target)
using Tags = QMap<int, QString>;

namespace {

const QColor kPink(255, 128, 255), kCyan(0, 255, 255);
// The EXIF block of a photograph to be turned a quarter to the right to stand upright.
const QByteArray
    kExifTurnedRight("\xFF\xE1\0\x22"
                     "Exif\0\0MM\0*\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0\x06\0\0\0\0\0\0",
                     36);

// The values that make each cell of a board of `cells` draw the partners given for it, and
// itself otherwise (the last cell, the one before). No picture of the built board stands over
// its word, so a cell may draw itself.
Draws deal(std::initializer_list<std::pair<int, Cells>> draws = {}, int cells = kCells) {
    Draws values;
    for (int i = 1; i <= cells; ++i) {
        Cells partners{i == cells ? cells - 1 : i};
        for (const auto& [cell, js] : draws)
            partners = cell == i ? js : partners;
        for (const int j : partners)
            values.push_back((float(j) - 0.5f) / float(cells - 1));
    }
    return values;
}
// Cell 1 draws 11, so tile 1 holds "music" and tile 23 "airplane": each the other's word.
const Draws kCrossed = deal({{1, {11}}});
// Cell 20 draws 12 first, which puts "envelope" over its word: refused, yet left on the board.
const Draws kEnvelopeInPlace = deal({{20, {12, 20}}});

void press(std::initializer_list<Qt::Key> keys) {
    for (const Qt::Key key : keys)
        QTest::keyClick(QApplication::focusWidget(), key);
}

QString accessibleName(QObject& object) {
    return QAccessible::queryAccessibleInterface(&object)->text(QAccessible::Name);
}

// What a screen reader is told: the name of each notification as it shows. Qt raises its
// accessibility events only while a screen reader listens, never offscreen, so this watches the
// show that raises them, and reads the name as a screen reader does.
struct Listener : QObject {
    QStringList heard;
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Show && object->objectName() == "notice")
            heard << accessibleName(*object);
        return false;
    }
} g_screenReader;

} // namespace

class TestBoard : public QObject {
    Q_OBJECT
    QTemporaryDir data_;
    int folders_ = 0; // a player's folder a test, not there yet
    QString folder_;
    std::unique_ptr<TestApp> app_;

    GameBoard& board() const { return app_->board(); }
    StartScreen& startScreen() const { return app_->startScreen(); }
    Label& word(int cell) const {
        return control<Label>(board(), QStringLiteral("lbl(%1)").arg(cell));
    }
    Tile& tile(int cell) const {
        return control<Tile>(board(), QStringLiteral("img(%1)").arg(cell));
    }
    QPoint centre(int cell) const { return tile(cell).geometry().center(); } // on the board
    // The copies of pictures lifted over the board: all its pictures but the tiles.
    int lifted() const {
        return int(board().findChildren<Picture*>(Qt::FindDirectChildrenOnly).size()) - cells();
    }
    int cells() const {
        return int(board().findChildren<Label*>(QRegularExpression("^lbl\\(")).size());
    }
    // A drag of a cell's picture with the mouse, let go at `to` on the board. Every event goes
    // to the tile pressed, as the window system sends them; the drag leaves the tile first.
    void drag(int source, QPoint to) const {
        Tile& from = tile(source);
        QTest::mousePress(&from, Qt::LeftButton);
        QTest::mouseMove(&from, from.mapFrom(&board(), centre(source) + QPoint(0, 40)));
        QTest::mouseMove(&from, from.mapFrom(&board(), to));
        // A draggable picture's copy follows, centred under the pointer, above all the board.
        const auto* copy = qobject_cast<Picture*>(board().children().last());
        QCOMPARE(lifted(), int(from.isDraggable()));
        QVERIFY(!lifted() ||
                (copy && copy->pos() + QPoint(copy->width(), copy->height()) / 2 == to));
        QTest::mouseRelease(&from, Qt::LeftButton, {}, from.mapFrom(&board(), to));
    }
    // The same drag with a finger, through the window as the touch screen sends it. The finger
    // lands 6 pixels off the picture, in the room round it.
    // Another finger may rest on the board, or press another picture while this one moves.
    void touchDrag(int source, int target, const QString& other = {}) const {
        const QPoint off = tile(source).pictureRect().topLeft() - QPoint(6, 6);
        const QPoint resting = other == "resting" ? QPoint(5, 300) : centre(5);
        auto touch = QTest::touchEvent(&board(), touchScreen(), false);
        const auto held = [&](int finger) -> auto& {
            return other.isEmpty() ? touch : touch.stationary(finger);
        };
        touch.press(0, off).commit();
        if (!other.isEmpty())
            touch.stationary(0).press(1, resting).commit();
        held(1).move(0, centre(target)).commit();
        held(1).release(0, centre(target)).commit();
        if (!other.isEmpty())
            touch.release(1, resting).commit();
        QVERIFY(!tile(5).isPicked());
    }
    // A press and release on a tile, the pointer having drifted on the way.
    void drift(int cell, int pixels) const {
        QTest::mousePress(&tile(cell), Qt::LeftButton);
        QTest::mouseMove(&tile(cell), tile(cell).rect().center() + QPoint(0, pixels));
        QTest::mouseRelease(&tile(cell), Qt::LeftButton, {}, tile(cell).rect().center());
    }
    static QPointingDevice* touchScreen() {
        static QPointingDevice* const screen = QTest::createTouchDevice();
        return screen;
    }
    // The board's window at a size, as the player or the window manager makes it.
    void showAt(QSize size) const {
        board().setWindowState(Qt::WindowNoState);
        board().resize(size);
    }
    void tap(int cell) const { QTest::mouseClick(&tile(cell), Qt::LeftButton); }
    void finishRound() const {
        for (int cell = 1; cell <= cells(); ++cell)
            for (int source = 1; source <= cells(); ++source)
                if (word(cell).backColor() == kPink && tile(source).tag() == word(cell).caption())
                    drag(source, centre(cell));
        tick(board(), "Timer1");
    }
    QString caption(const char* label) const { return control<Label>(board(), label).caption(); }
    QString listed(int row) const { // a row of the results list; none past its end
        const QAbstractItemModel& rows = *control<QAbstractItemView>(board(), "List1").model();
        return rows.index(row, 0).data().toString();
    }
    QStringList shown() const {
        QStringList names;
        for (const QWidget* w :
             board().findChildren<QWidget*>(QRegularExpression("^lbl[A-Z]|^List1")))
            if (w->isVisible())
                names << w->objectName();
        return names;
    }
    void startGame(const Draws& draws) {
        app_->values = draws;
        startScreen().show();
        click(startScreen(), "cmdStart");
        board().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&board()));
        app_->sounds.clear();
    }

private Q_SLOTS:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        qApp->installEventFilter(&g_screenReader);
    }
    void init() {
        folder_ = data_.filePath(QStringLiteral("pictolex%1/").arg(++folders_));
        app_ = std::make_unique<TestApp>(folder_);
    }
    void cleanup() { app_.reset(); }

    void everyWordHasAPictureAndASound() {
        const QString sounds = soundFolderFor(QCoreApplication::applicationDirPath());
        QList<QImage> pictures;
        for (const std::string_view name : kWords) {
            const QString w = QString::fromLatin1(name);
            QVERIFY2(parseWav(readFile(sounds + w + ".wav")), qPrintable(w));
            const QImage picture = iconImage(w);
            QVERIFY2(picture.size() == QSize(32, 32) && !pictures.contains(picture), qPrintable(w));
            QVERIFY2(largePicture(w).size() == QSize(128, 128), qPrintable(w));
            pictures << picture;
        }
        QVERIFY(QFile::exists(sounds + "good.wav"));
    }

    void shuffleInItsExactOrder_data() {
        QTest::addColumn<Draws>("draws");
        QTest::addColumn<Tags>("changed"); // tiles that differ from the built board
        QTest::newRow("a refused draw stays on the board")
            << kEnvelopeInPlace << Tags{{12, "envelope"}, {20, "sailboat"}};
        // Cell 1 draws 23 and gets "airplane": refused. Drawing itself it keeps it: refused
        // again. Drawing 2 moves "airplane" on, and is taken.
        QTest::newRow("draws again until both cells are free")
            << deal({{1, {23, 1, 2}}}) << Tags{{1, "ear"}, {2, "airplane"}, {23, "clock"}};
    }
    void shuffleInItsExactOrder() {
        QFETCH(Draws, draws);
        QFETCH(Tags, changed);
        FakeMachine random;
        random.values = draws;
        BoardModel model;
        model.shuffle(random);
        changed.insert(Tags{{35, "dog"}, {36, "banana"}}); // cell 36 drew 35 in every row
        for (int i = 1; i <= kCells; ++i)
            QCOMPARE(model.tag(i), changed.value(i, QString::fromLatin1(kInitialTags[i - 1])));
    }

    // Drops, and then a click on the last target's word. A match speaks the word, and so does a
    // click on a matched word.
    void drops_data() {
        QTest::addColumn<QString>("by");
        QTest::addColumn<Draws>("draws");
        QTest::addColumn<Drops>("drops");
        QTest::addColumn<Cells>("matched");
        QTest::newRow("on its word") << "mouse" << deal() << Drops{{36, 2}} << Cells{2};
        QTest::newRow("on another word") << "mouse" << deal() << Drops{{36, 3}} << Cells{};
        QTest::newRow("on itself") << "mouse" << deal() << Drops{{36, 36}} << Cells{};
        QTest::newRow("a word with a blank") << "mouse" << deal() << Drops{{4, 17}} << Cells{17};
        QTest::newRow("the picture it displaces lands on its word too")
            << "mouse" << kCrossed << Drops{{1, 23}} << Cells{1, 23};
        QTest::newRow("the first drop marks what the deal left in place")
            << "mouse" << kEnvelopeInPlace << Drops{{36, 3}} << Cells{12};
        QTest::newRow("a picture on its word dropped on itself first")
            << "mouse" << kEnvelopeInPlace << Drops{{12, 12}} << Cells{12};
        QTest::newRow("a matched word takes no more drops")
            << "mouse" << deal() << Drops{{36, 2}, {2, 2}} << Cells{2};
        QTest::newRow("by touch") << "touch" << deal() << Drops{{4, 17}} << Cells{17};
        QTest::newRow("by touch, another finger resting on the board")
            << "touch, resting" << deal() << Drops{{4, 17}} << Cells{17};
        QTest::newRow("by touch, another finger's press on a picture ignored")
            << "touch, pressing img(5)" << deal() << Drops{{4, 17}} << Cells{17};
        QTest::newRow("a tap that drifts a quarter of a tile picks")
            << "tap, drifting 12" << deal() << Drops{{4, 17}} << Cells{17};
        QTest::newRow("further, it is a drop on itself, which picks nothing")
            << "tap, drifting 13" << deal() << Drops{{4, 17}} << Cells{};
        QTest::newRow("a tap on a picture over its word matches it")
            << "tap, drifting 0" << kEnvelopeInPlace << Drops{{12, 12}} << Cells{12};
    }
    void drops() {
        QFETCH(QString, by);
        QFETCH(Draws, draws);
        QFETCH(Drops, drops);
        QFETCH(Cells, matched);
        startGame(draws);
        for (const QPoint d : drops) {
            if (by.startsWith("touch"))
                touchDrag(d.x(), d.y(), by.section(", ", 1));
            else if (by.startsWith("tap"))
                drift(d.x(), by.section(' ', -1).toInt()), tap(d.y());
            else
                drag(d.x(), centre(d.y()));
        }
        const int last = drops.last().y();
        QTest::mouseClick(&word(last), Qt::LeftButton);
        QCOMPARE(caption("lblScore"), matched.isEmpty()
                                          ? QStringLiteral("Score = 0 / 36")
                                          : QStringLiteral("Score =  %1 / 36").arg(matched.size()));
        const QString heard = word(last).caption() + ".wav";
        QCOMPARE(app_->played("frmBack"),
                 matched.contains(last) ? (QStringList{heard, heard}) : QStringList());
        for (int i = 1; i <= kCells; ++i) {
            QCOMPARE(word(i).backColor(), matched.contains(i) ? kCyan : kPink);
            QCOMPARE(tile(i).isDraggable(), !matched.contains(i));
            QCOMPARE(tile(i).image(), iconImage(tile(i).tag())); // pictures go with their words
        }
    }

    // A drag let go off the tiles, and the ways to put a picked picture down. A drag let go off
    // the tiles is no drop: nothing is exchanged, heard or recounted (the envelope the deal left
    // on its word stays unmarked). A tap that picks is a drop on itself, and recounts: the
    // envelope is marked. Putting the picture down changes nothing more, no copy stays on the
    // board, and the next tap, on the banana's word, picks rather than places.
    void nothingChanges_data() {
        QTest::addColumn<QString>("gesture");
        QTest::newRow("a drag let go on the board") << "drag";
        QTest::newRow("a drag let go on a word") << "drag onto lbl(2)";
        QTest::newRow("Escape") << "Escape";
        QTest::newRow("a second tap") << "img(36)";
        QTest::newRow("a tap on a word") << "lbl(5)";
        QTest::newRow("a tap on the board") << "frmBack";
    }
    void nothingChanges() {
        QFETCH(QString, gesture);
        startGame(kEnvelopeInPlace);
        const bool dragged = gesture.startsWith("drag");
        if (dragged)
            drag(36, gesture.size() > 4 ? word(2).geometry().center() : QPoint(5, 300));
        else
            tap(36);
        QVERIFY(tile(36).isPicked() != dragged &&
                word(12).backColor() == (dragged ? kPink : kCyan));
        if (gesture == "Escape")
            press({Qt::Key_Escape});
        else if (!dragged)
            QTest::mouseClick(gesture == "frmBack" ? &board() : &control(board(), gesture),
                              Qt::LeftButton, {}, QPoint(5, 5));
        tap(2);
        QVERIFY(tile(2).isPicked() && !tile(36).isPicked() && !lifted());
        QVERIFY(app_->sounds.isEmpty());
        QCOMPARE(caption("lblScore"), "Score =  1 / 36");
    }

    // Whatever breaks off a drag puts the picture back: the copy goes at once, and letting go
    // over the picture's own word afterwards neither places it nor says it.
    void interruptedDrags_data() {
        QTest::addColumn<bool>("byFinger");
        QTest::addColumn<QString>("interruption");
        QTest::newRow("a message box") << false << "Return on See All Times";
        QTest::newRow("Start Again") << false << "Start Again";
        QTest::newRow("the window hidden") << false << "hidden";
        QTest::newRow("a finger's tap elsewhere") << false << "a finger on img(5)";
        QTest::newRow("a touch the system cancels") << true << "cancelled";
        QTest::newRow("a press of the mouse") << true << "the mouse on frmBack";
        QTest::newRow("another finger on Start Again") << true << "a finger on Command1";
    }
    void interruptedDrags() {
        QFETCH(bool, byFinger);
        QFETCH(QString, interruption);
        startGame(deal());
        const QPoint over = centre(2); // where the banana of tile 36 goes
        auto touch = QTest::touchEvent(&board(), touchScreen(), false);
        if (byFinger) {
            touch.press(1, centre(36)).commit();
            touch.move(1, over).commit();
        } else {
            QTest::mousePress(&tile(36), Qt::LeftButton);
            QTest::mouseMove(&tile(36), tile(36).mapFrom(&board(), over));
        }
        QCOMPARE(lifted(), 1);
        if (interruption.startsWith("Return"))
            press({Qt::Key_Return});
        else if (interruption == "Start Again")
            click(board(), "Command1");
        else if (interruption == "hidden")
            board().hide();
        else if (interruption == "cancelled")
            QApplication::sendEvent(
                &board(), std::make_unique<QTouchEvent>(QEvent::TouchCancel, touchScreen()).get());
        else if (interruption.startsWith("a finger")) {
            const QWidget& pressed = control(board(), interruption.section(' ', -1));
            const QPoint on = pressed.geometry().bottomRight() - QPoint(4, 4); // clear of words
            (byFinger ? touch.stationary(1) : touch).press(2, on).commit();
            (byFinger ? touch.stationary(1) : touch).release(2, on).commit();
        } else
            QTest::mouseClick(&board(), Qt::LeftButton, {}, QPoint(5, 300));
        QTRY_COMPARE_WITH_TIMEOUT(lifted(), 0, 1000); // a button pressed by a key takes a moment
        board().show();
        if (byFinger)
            touch.release(1, over).commit();
        else
            QTest::mouseRelease(&tile(36), Qt::LeftButton, {}, tile(36).mapFrom(&board(), over));
        QVERIFY(!lifted() && app_->played("frmBack").isEmpty() && word(2).backColor() == kPink);
        QCOMPARE(tile(5).isPicked(), interruption.endsWith("img(5)")); // the tap did its work
        QCOMPARE(app_->messages.size(), int(interruption.startsWith("Return")));
    }

    // A player at the keys. Tab from "See All Times" reaches the first tile, the arrows stop at
    // the edges of the board (up and left of the first, right and down of the last), Enter picks,
    // a held Enter keeps it picked, and Space places; Tab goes through every tile, matched or
    // not, in reading order, and from the last on to "Start Again". A tile is a button named by
    // its picture and word, described by its word's state, which the word tells too.
    void keys() {
        startGame(deal());
        QCOMPARE(QAccessible::queryAccessibleInterface(&tile(36))->role(), QAccessible::Button);
        press({Qt::Key_Tab, Qt::Key_Up, Qt::Key_Left, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right,
               Qt::Key_Return});
        QCOMPARE(accessibleName(tile(4)), "light bulb, on the word bicycle, picked up");
        QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true); // repeats
        QApplication::sendEvent(&tile(4), &held);
        QVERIFY(tile(4).isPicked());
        QCOMPARE(QAccessible::queryAccessibleInterface(&tile(4))->text(QAccessible::Description),
                 "not matched");
        press({Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Space});
        QVERIFY(word(17).backColor() == kCyan && !tile(4).isPicked());
        QCOMPARE(app_->played("frmBack"), QStringList{"light bulb.wav"});
        QCOMPARE(accessibleName(tile(17)), "light bulb, on the word light bulb");
        const QAccessibleInterface& heard = *QAccessible::queryAccessibleInterface(&tile(17));
        QCOMPARE(heard.text(QAccessible::Description), "matched");
        QCOMPARE(accessibleName(control(board(), "lblScore")), "Score =  1 / 36");
        press({Qt::Key_Left}); // Tab goes on from 16, through the matched 17, in reading order
        for (int i = 17; i <= kCells; ++i) {
            press({Qt::Key_Tab});
            QCOMPARE(QApplication::focusWidget(), &tile(i));
        }
        press({Qt::Key_Right, Qt::Key_Down, Qt::Key_Tab});
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
        press({Qt::Key_F11});
        QVERIFY(board().windowState() & Qt::WindowFullScreen);
    }

    // Everything a child sees change is told to a screen reader, each thing in its turn however
    // soon the next follows, and nothing twice.
    void screenReaderHears_data() {
        QTest::addColumn<Draws>("draws");
        QTest::addColumn<QString>("moves");
        QTest::addColumn<QStringList>("heard");
        QTest::newRow("picked up, put down")
            << deal() << "tap 4, Escape"
            << QStringList{"light bulb, picked up", "light bulb, put down"};
        QTest::newRow("a match") << deal() << "drag 4 17"
                                 << QStringList{"light bulb. Score =  1 / 36"};
        QTest::newRow("two words matched at once")
            << kCrossed << "drag 1 23" << QStringList{"music and airplane. Score =  2 / 36"};
        QTest::newRow("a wrong move, and what the deal left in place")
            << kEnvelopeInPlace << "drag 36 3"
            << QStringList{"banana does not go on bell", "envelope. Score =  1 / 36"};
        QTest::newRow("Start Again")
            << deal() << "Start Again" << QStringList{"New round. Score = 0 / 36"};
        QTest::newRow("the last match, the end and the times")
            << deal() << "finish, See All Times"
            << QStringList{"trash can and umbrella. Score =  36 / 36", "Very Good! You Finished!",
                           "The best time: 0:00:00, NO NAME. Times listed: 1."};
    }
    void screenReaderHears() {
        QFETCH(Draws, draws);
        QFETCH(QString, moves);
        QFETCH(QStringList, heard);
        startGame(draws);
        g_screenReader.heard.clear();
        for (const QString& move : moves.split(", ")) {
            const QStringList w = move.split(' ');
            if (w[0] == "tap")
                tap(w[1].toInt());
            else if (w[0] == "drag")
                drag(w[1].toInt(), centre(w[2].toInt()));
            else if (w[0] == "finish")
                finishRound();
            else if (w[0] == "Escape")
                press({Qt::Key_Escape});
            else
                click(board(), w[0] == "See" ? "cmdSeeTimes" : "Command1");
        }
        // The last message waits while those before it have their turns.
        QCOMPARE(g_screenReader.heard.endsWith(heard.last()), heard.size() == 1);
        tick(board(), "noticeTimer", 100);
        QCOMPARE(g_screenReader.heard.mid(g_screenReader.heard.size() - heard.size()), heard);
        QVERIFY(moves.startsWith("finish") || g_screenReader.heard.size() == heard.size());
        for (const QWidget* said : board().findChildren<QWidget*>("notice"))
            QVERIFY(!said->isVisible()); // never read again
    }

    // The player's own pictures stand in for the game's, shown whole at 32 by 32 and turned as
    // the camera was; one that cannot be read whole, and soon, leaves the game's own, silently.
    // The rules go by the words, whatever the pictures.
    void playersOwnPictures() {
        QTest::failOnWarning(QRegularExpression("."));
        const QDir own(folder_);
        QImage photo(800, 600, QImage::Format_RGB32), exact(32, 32, QImage::Format_ARGB32);
        QImage huge(2000, 2001, QImage::Format_Mono); // too many pixels to decode in time
        photo.fill(Qt::red);
        exact.fill(Qt::transparent);
        huge.fill(0);
        exact.setPixel(3, 5, qRgb(1, 2, 3));
        QVERIFY(own.mkpath(".") && photo.save(own.filePath("banana.jpg")));
        QFile turned(own.filePath("banana.jpg")); // taken with the camera on its side
        const QByteArray jpeg = turned.open(QIODevice::ReadWrite) ? turned.readAll() : "";
        QVERIFY(turned.seek(2) && turned.write(kExifTurnedRight + jpeg.mid(2)) && turned.flush());
        QVERIFY(huge.save(own.filePath("mailbox.png")));
        QVERIFY(exact.save(own.filePath("dog.png")) && photo.save(own.filePath("moon.jpg")));
        QVERIFY(QFile::resize(own.filePath("moon.jpg"), 6000));                    // cut short
        QVERIFY(::mkfifo(QFile::encodeName(own.filePath("flag.png")), 0600) == 0); // no writer
        QVERIFY(QFile(own.filePath("ear.png")).open(QIODevice::WriteOnly));        // not a picture
        app_ = std::make_unique<TestApp>(folder_); // the game starts with them there
        startGame(deal());
        const QImage banana = tile(36).image();
        QCOMPARE(banana.size(), QSize(32, 32));
        QVERIFY(qRed(banana.pixel(16, 16)) > 240 && qAlpha(banana.pixel(1, 16)) == 0);
        QCOMPARE(tile(35).image().convertToFormat(QImage::Format_ARGB32), exact);
        for (const int cell : {2, 19, 26, 29}) // ear, mailbox, flag, moon
            QCOMPARE(tile(cell).image(), iconImage(tile(cell).tag()));
        QCOMPARE(control<Picture>(startScreen(), "Image3").image(),
                 banana); // the demonstration's too
        drag(36, centre(2));
        QVERIFY(tile(2).image() == banana && word(2).backColor() == kCyan);
    }

    // However long the round's own pictures take to read after "Start", the child's time starts
    // as the board shows: here the reading waits while ten seconds pass.
    void timeStartsWithTheBoard() {
        QImage photo(64, 64, QImage::Format_RGB32);
        photo.fill(Qt::red);
        QVERIFY(QDir().mkpath(folder_) && photo.save(folder_ + "banana.png"));
        app_ = std::make_unique<TestApp>(folder_);
        QThreadPool& pool = *QThreadPool::globalInstance();
        QSemaphore held;
        for (int i = 0; i < pool.maxThreadCount(); ++i)
            pool.start([&held] { held.acquire(); });
        startScreen().show();
        click(startScreen(), "cmdStart");
        app_->pass(10);
        QVERIFY(!app_->windows.board());
        held.release(pool.maxThreadCount());
        tick(board(), "Timer1");
        QCOMPARE(caption("lblTime"), QStringLiteral("Time = 0:00:00"));
    }

    void newRound_data() {
        QTest::addColumn<bool>("finished");
        QTest::addColumn<bool>("seenTimes");
        QTest::newRow("in the middle of a round") << false << false;
        QTest::newRow("after the round") << true << false;
        QTest::newRow("after See All Times") << true << true;
    }
    void newRound() {
        QFETCH(bool, finished);
        QFETCH(bool, seenTimes);
        startGame(deal());
        app_->pass(25 * 3600 + 187); // the round takes time before it ends or is left
        tick(board(), "Timer1");
        QCOMPARE(caption("lblTime"), QStringLiteral("Time = 25:03:07"));
        app_->pass(7);
        finished ? finishRound() : drag(36, centre(2));
        if (finished) { // the clock stops at the last tick before the last match
            QCOMPARE(caption("lblScore") + caption("lblTime"),
                     QStringLiteral("Score =  36 / 36Time = 25:03:07"));
            QCOMPARE(shown(), (QStringList{"lblScore", "lblTime", "lblGood"}));
            QVERIFY(!control<WindowTimer>(board(), "Timer1").isEnabled());
            QCOMPARE(app_->played("frmBack").filter("good"), QStringList{"good.wav"});
        }
        if (seenTimes)
            click(board(), "cmdSeeTimes");
        app_->pass(600);
        app_->values = deal();
        click(board(), "Command1");
        QCOMPARE(app_->reseeds, 2); // as the board opened, and now
        QCOMPARE(caption("lblScore") + caption("lblTime"),
                 QStringLiteral("Score = 0 / 36Time = 0:00:00"));
        QCOMPARE(shown(), (QStringList{"lblTitle", "lblScore", "lblTime"}));
        QVERIFY(listed(0).isNull() && control<WindowTimer>(board(), "Timer1").isEnabled());
        for (int i = 1; i <= kCells; ++i)
            QVERIFY(word(i).backColor() == kPink && tile(i).isDraggable());
        press({Qt::Key_Tab, Qt::Key_Tab}); // from "Start Again", on to the first tile, uncovered
        QCOMPARE(QApplication::focusWidget(), &tile(1));
        // Both buttons 500 twips from the right edge, lined up on "See All Times".
        showAt({1024, 710});
        QCOMPARE(control(board(), "cmdSeeTimes").pos(), QPoint(900, 33));
        QCOMPARE(control(board(), "Command1").pos(), QPoint(900, 130));
        app_->time = app_->time.addSecs(3600); // the date and time set on an hour: no time passed
        app_->pass(5);                         // the clock counts from this round's start
        tick(board(), "Timer1");
        QCOMPARE(caption("lblTime"), QStringLiteral("Time = 0:00:05"));
    }

    // Refused before the end; after it, a time that cannot be saved leaves the round finished
    // to try again; then the record is logged once, the list shows newest first, and the best.
    void seeAllTimes() {
        startGame(deal());
        click(board(), "cmdSeeTimes");
        app_->pass(83);
        app_->time =
            app_->time.addSecs(-3600); // set back an hour: the record's date alone shows it
        tick(board(), "Timer1");
        finishRound();
        QVERIFY(writeFile(folder_.chopped(1), {})); // a file where the folder goes
        click(board(), "cmdSeeTimes");
        QCOMPARE(app_->messages.size(), 2);
        QCOMPARE(app_->messages[0], QStringLiteral("0|Pictolex|Please get a score of 36."));
        QVERIFY(app_->messages[1].startsWith(QLatin1String("1|Pictolex|Your time could not")));
        QCOMPARE(shown(), (QStringList{"lblScore", "lblTime", "lblGood"}));

        // The best of the older lines is the older of two equal times; an hour counts; the time
        // in a name is no time; a line cut short after its time, or with 60 seconds or 13 hour
        // digits, holds no record. The log ends in a torn line.
        const auto at = [](const char* name, qint64 seconds) {
            return formatRecord(name, seconds, QDateTime(QDate(2024, 4, 1), QTime(8, 0)));
        };
        const QString best = at("Time = 0:00:02", 70);
        const QStringList older(
            {QString(), QStringLiteral("notes"), at("Z", 3605), at("Time = 0:00:01", 3000), best,
             at("AMY", 70), "X Time = 0:00:60 2024/4/1", "X Time = 0000000000000:00:05 2024/4/1",
             QStringLiteral("X Time = 0:00:07")});
        const QByteArray bytes = older.join("\r\n").toUtf8();
        QVERIFY(QFile::remove(folder_.chopped(1)) && writeFile(folder_ + "results.txt", bytes));
        click(board(), "cmdSeeTimes");
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("List1"));
        click(board(), "cmdSeeTimes"); // which takes the focus, and does nothing more
        QCOMPARE(app_->messages.size(), 2);
        const QString mine = "NO NAME" + QString(34, ' ') + "Time = 0:01:23" + QString(14, ' ') +
                             "2024/05/01 8:01:23";
        // Newest first, empty lines left out; each row starts with a left-to-right mark.
        QVERIFY(listed(8) == "\u200enotes" && listed(9).isNull());
        QCOMPARE(listed(0), u'\u200e' + mine);
        QCOMPARE(caption("lblBest"), u'\u200e' + best);
        QCOMPARE(shown(), (QStringList{"lblBestTitle", "lblBest", "List1"}));
        press({Qt::Key_Tab, Qt::Key_Tab}); // the list, and over the tiles it covers
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
        QCOMPARE(QFile(folder_ + "results.txt").size(), bytes.size() + 2 + mine.size() + 2);
    }

    // A teacher's list: its words on a grid of their number, dealt as the game's own are from
    // each tile holding the next word; whole in any script; heard from the list's own recordings
    // or else said, never in another voice; complete at its number; its times in a log of its own.
    void teachersLists_data() {
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<Draws>("draws");
        QTest::addColumn<Tags>("dealt");
        QTest::newRow("four words in Japanese, 2 by 2") // cell 4 draws 2
            << QStringList{"たいよう", "くも", "あめ", "ゆき"} << deal({{4, {2}}}, 4)
            << Tags{{1, "くも"}, {2, "たいよう"}, {3, "ゆき"}, {4, "あめ"}};
        // Cell 5 draws 4 and gets "umbrella": refused, yet left; then 3, with 0.5.
        QTest::newRow("five words, a short last row")
            << QStringList{"sun", "cloud", "rain", "snow", "umbrella"} << deal({}, 5)
            << Tags{{3, "umbrella"}, {4, "sun"}, {5, "snow"}};
        // Cell 36 draws 35 and gets "umbrella": refused, yet left; then 18, with 0.5.
        QTest::newRow("36 words, as the game's own stand")
            << builtInWords() << deal()
            << Tags{{1, "banana"}, {18, "umbrella"}, {35, "airplane"}, {36, "lock"}};
    }
    void teachersLists() {
        QFETCH(QStringList, words);
        QFETCH(Draws, draws);
        QFETCH(Tags, dealt);
        const QString list = folder_ + "lists/mine/";
        QVERIFY(QDir().mkpath(list) && writeFile(list + "words.txt", words.join('\n').toUtf8()));
        const QStringList pictures = QDir(PICTOLEX_EXAMPLE_LIST).entryList({"*.png"});
        for (qsizetype i = 0; i < words.size(); ++i)
            QVERIFY(QFile::copy(PICTOLEX_EXAMPLE_LIST + pictures[i % pictures.size()],
                                list + words[i] + ".png"));
        // The first word has a recording; the player's one of the second is not the list's.
        QVERIFY(writeFile(list + words[0] + ".wav", {}) &&
                writeFile(folder_ + words[1] + ".wav", {}));
        app_.reset();
        app_ = std::make_unique<TestApp>(folder_, "mine");
        startGame(draws);
        QCOMPARE(cells(), words.size());
        for (auto [cell, tag] : dealt.asKeyValueRange())
            QCOMPARE(tile(cell).tag(), tag);
        // Every row, a short last one too, centred under the first.
        for (int first = 1, last = 1, top = 0; first <= cells(); first = ++last) {
            while (last < cells() && word(last + 1).y() == word(first).y())
                ++last;
            const int middle = tile(first).geometry().left() + tile(last).geometry().right();
            QVERIFY(qAbs(middle - (top ? top : top = middle)) <= 1);
        }
        QCOMPARE(caption("lblScore"), QStringLiteral("Score = 0 / %1").arg(words.size()));
        QCOMPARE(unfitCaption(board()), QString()); // no missing letters, nothing cut off
        click(board(), "cmdSeeTimes");
        finishRound();
        click(board(), "cmdSeeTimes");
        const QString early = QStringLiteral("0|Pictolex|Please get a score of %1.");
        QCOMPARE(app_->messages, QStringList{early.arg(words.size())});
        QVERIFY(readFile(list + "results.txt").startsWith("NO NAME"));
        QVERIFY(listed(0).contains("NO NAME") && listed(1).isNull());
        QVERIFY(caption("lblListName") == "mine" && shown().contains("lblListName"));
        QVERIFY(!QFile::exists(folder_ + "results.txt"));
        const QStringList asked = app_->sounds.filter(QRegularExpression("^frmBack:.*play "));
        const QStringList said = asked.filter(QRegularExpression("play say .* in en$"));
        QCOMPARE(asked.filter("play " + list).size() + said.size(), asked.size() - 1);
        QVERIFY(!said.isEmpty() && asked.last().endsWith("/good.wav"));
    }

    // At the size it was designed for, the board stands exactly as designed: every control in
    // its place, in its font (tests/board/design_geometry.txt: name, left, top, width, height
    // and font's pixels, 0 for none).
    void designSize() {
        startGame(deal());
        showAt({956, 710});
        const QByteArray design = readFile(PICTOLEX_TESTS "board/design_geometry.txt");
        for (const QByteArray& line : design.split('\n')) {
            const QList<QByteArray> f = line.split(' ');
            if (f.size() != 6)
                continue;
            const QWidget& w = control(board(), QString::fromLatin1(f[0]));
            QCOMPARE(w.geometry(), QRect(f[1].toInt(), f[2].toInt(), f[3].toInt(), f[4].toInt()));
            QVERIFY(f[5].toInt() < 0 || w.font().pixelSize() == f[5].toInt());
        }
    }

    // On larger screens everything grows alike to fill the window, the blue board round it:
    // targets large enough for a child's finger, pictures drawn afresh at their size, every word
    // whole, and nothing over anything else.
    void fillsTheScreen_data() {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<int>("target"); // the least, in pixels
        QTest::newRow("a laptop") << QSize(1280, 760) << 50;
        QTest::newRow("full HD") << QSize(1920, 1040) << 64;
        QTest::newRow("4K") << QSize(3840, 2100) << 128;
    }
    void fillsTheScreen() {
        QFETCH(QSize, window);
        QFETCH(int, target);
        startGame(deal());
        showAt(window);
        QRect all;
        for (QWidget* w : board().findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            all |= w->isVisible() ? w->geometry() : QRect();
        QVERIFY(QRect(QPoint(), window).contains(all));
        QVERIFY(all.height() > window.height() * 9 / 10);
        for (int i = 1; i <= kCells; ++i) {
            QVERIFY(tile(i).width() >= target && tile(i).height() >= target);
            QVERIFY(!tile(i).geometry().intersects(word(i).geometry()));
            QVERIFY(i == 1 || !tile(i).geometry().intersects(tile(i - 1).geometry()));
            QVERIFY(i == 1 || !word(i).geometry().intersects(word(i - 1).geometry()));
        }
        const QImage shown = tile(36).image(); // drawn afresh from the large picture
        QCOMPARE(shown.size(), tile(36).pictureRect().size() * shown.devicePixelRatio());
        QVERIFY(shown != iconImage(tile(36).tag())
                             .scaled(shown.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
        QCOMPARE(unfitCaption(board()), QString());
    }

    // Any number of words, on the game's board or one of 7 by 7, is laid out by the same rule:
    // the cells apart, each word under its picture, and every cell within reach of the arrows,
    // which never fail to go up or down while there is a row there.
    void anyBoard_data() {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("words");
        for (int words = kFewestWords; words <= kCells; ++words)
            QTest::addRow("%d words", words) << kColumns << words;
        QTest::newRow("7 by 7") << 7 << 49;
    }
    void anyBoard() {
        QFETCH(int, columns);
        QFETCH(int, words);
        BoardDesign design = boardDesign();
        if (columns != design.columns) // a board of another size, with no exceptions
            design = BoardDesign{design.size,
                                 columns,
                                 columns,
                                 design.firstPicture,
                                 design.pitch,
                                 design.widestPitch,
                                 design.touchMargin,
                                 design.wordOffset,
                                 design.word,
                                 design.gridMargin,
                                 {},
                                 {},
                                 design.parts};
        const BoardGeometry g = layBoard(design, words, design.size);
        QCOMPARE(g.cells.size(), words);
        QSet<int> reached{1};
        QList<int> next{1};
        while (!next.isEmpty()) {
            const int cell = next.takeFirst();
            const CellPlaces& c = g.cell(cell);
            QVERIFY(g.area.contains(c.target) && g.area.contains(c.word));
            QVERIFY(c.word.top() > c.picture.bottom() &&
                    qAbs(c.word.center().x() - c.picture.center().x()) < 1);
            for (int other = 1; other < cell; ++other)
                QVERIFY(!c.target.intersects(g.cell(other).target) &&
                        !c.word.intersects(g.cell(other).word));
            for (const Step step : {Step::Left, Step::Right, Step::Up, Step::Down}) {
                const int to = cellBeside(g, cell, step);
                const int row = c.row + (step == Step::Up ? -1 : step == Step::Down ? 1 : 0);
                QVERIFY(to || (step == Step::Up && row < 0) ||
                        (step == Step::Down && row > g.cells.last().row) || step == Step::Left ||
                        step == Step::Right);
                if (to && !reached.contains(to))
                    reached << to, next << to;
            }
        }
        QCOMPARE(reached.size(), words);
    }

    // A teacher who reads Japanese reads why a time was not saved in Japanese, while what the
    // child reads stays English, and the record keeps its bytes.
    void grownUpsReadTheirLanguage() {
        installTranslations(*qApp, QLocale(QLocale::Japanese, QLocale::Japan));
        startGame(deal());
        finishRound();
        QVERIFY(writeFile(folder_.chopped(1), {})); // a file where the folder goes
        click(board(), "cmdSeeTimes");
        QCOMPARE(app_->messages.last(), "1|Pictolex|フォルダー " + folder_.chopped(1) +
                                            " があるべき場所にファイルがあるため、"
                                            "タイムを保存できませんでした。");
        QVERIFY(QFile::remove(folder_.chopped(1)));
        click(board(), "cmdSeeTimes");
        QCOMPARE(caption("lblBest") + caption("lblScore") + caption("lblGood"),
                 u'\u200e' + formatRecord("NO NAME", 0, app_->time) +
                     "Score =  36 / 36Very Good! You Finished!");
        QFile log(folder_ + "results.txt");
        QVERIFY(log.open(QIODevice::ReadOnly));
        QCOMPARE(log.readAll(), (formatRecord("NO NAME", 0, app_->time) + "\r\n").toUtf8());
        for (QTranslator* translator : qApp->findChildren<QTranslator*>())
            QCoreApplication::removeTranslator(translator);
    }
};

QTEST_MAIN(TestBoard)
#include "test_board.moc"
