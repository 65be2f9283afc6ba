// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/translations.h"
#include "board/board_layout.h"
#include "board/tile.h"
#include "controls/picture.h"
#include "controls/units.h"
#include "fakes.h"
#include "results/results_record.h"
#include "rules/board_model.h"
#include "rules/words.h"
#include "sound/wav_file.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>
#include <sys/stat.h>

using namespace pictolex;
using namespace pictolex::test;

using Draws = std::deque<float>;
using Cells = QList<int>;
using Drops = QList<QPoint>; // (source, target)
using Tags = QMap<int, QString>;
using Places = QMap<QString, QRect>; // controls' places in pixels

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

// What a screen reader is told: each notification's name as it appears. Qt raises its events
// only while a screen reader listens, never offscreen, so this watches the show that raises them.
struct Listener : QObject {
    QStringList heard;
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Show && object->objectName() == "notice")
            heard << accessibleName(*object);
        return false;
    }
};

} // namespace

class TestBoard : public QObject {
    Q_OBJECT
    QTemporaryDir data_;
    int folders_ = 0; // a player's folder a test, not there yet
    QString folder_;
    std::unique_ptr<TestApp> app_;

    Label& word(int cell) const {
        return control<Label>(frmBack(), QStringLiteral("lbl(%1)").arg(cell));
    }
    Tile& tile(int cell) const {
        return control<Tile>(frmBack(), QStringLiteral("img(%1)").arg(cell));
    }
    QPoint centre(int cell) const { return tile(cell).geometry().center(); } // on the board
    // The copies of pictures lifted over the board: all its pictures but the tiles.
    int lifted() const {
        return int(frmBack().findChildren<Picture*>(Qt::FindDirectChildrenOnly).size()) - cells();
    }
    int cells() const {
        return int(frmBack().findChildren<Label*>(QRegularExpression("^lbl\\(")).size());
    }
    // A drag of a cell's picture with the mouse, let go at `to` on the board. Every event goes
    // to the tile pressed, as the window system sends them; the drag leaves the tile first.
    void drag(int source, QPoint to) const {
        Tile& from = tile(source);
        QTest::mousePress(&from, Qt::LeftButton);
        QTest::mouseMove(&from, from.mapFrom(&frmBack(), centre(source) + QPoint(0, 40)));
        QTest::mouseMove(&from, from.mapFrom(&frmBack(), to));
        // A draggable picture's copy follows, centred under the pointer, above all the board.
        const auto* copy = qobject_cast<Picture*>(frmBack().children().last());
        QCOMPARE(lifted(), int(from.isDraggable()));
        QVERIFY(!lifted() || (copy && copy->pos() + QPoint(16, 16) == to));
        QTest::mouseRelease(&from, Qt::LeftButton, {}, from.mapFrom(&frmBack(), to));
    }
    // The same drag with a finger, through the window as the touch screen sends it. The finger
    // lands 6 pixels off the picture, in the room round it.
    void touchDrag(int source, int target) const {
        static QPointingDevice* const screen = QTest::createTouchDevice();
        const QRect picture = tileRect(source);
        const QPoint off = QPoint(toPixels(picture.x()), toPixels(picture.y())) - QPoint(6, 6);
        QTest::touchEvent(&frmBack(), screen).press(0, off);
        QTest::touchEvent(&frmBack(), screen).move(0, centre(target));
        QTest::touchEvent(&frmBack(), screen).release(0, centre(target));
    }
    void tap(int cell) const { QTest::mouseClick(&tile(cell), Qt::LeftButton); }
    void finishRound() const {
        for (int cell = 1; cell <= cells(); ++cell)
            for (int source = 1; source <= cells(); ++source)
                if (word(cell).backColor() == kPink && tile(source).tag() == word(cell).caption())
                    drag(source, centre(cell));
        tick(frmBack(), "Timer1");
    }
    QString caption(const char* label) const { return control<Label>(frmBack(), label).caption(); }
    QString listed(int row) const { // a row of the results list; none past its end
        const QAbstractItemModel& rows = *control<QAbstractItemView>(frmBack(), "List1").model();
        return rows.index(row, 0).data().toString();
    }
    QStringList shown() const {
        QStringList names;
        for (const QWidget* w :
             frmBack().findChildren<QWidget*>(QRegularExpression("^lbl[A-Z]|^List1")))
            if (w->isVisible())
                names << w->objectName();
        return names;
    }
    void startGame(const Draws& draws) {
        app_->values = draws;
        frmS().show();
        click(frmS(), "cmdStart");
        frmBack().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&frmBack()));
        app_->sounds.clear();
    }

private Q_SLOTS:
    void init() {
        folder_ = data_.filePath(QStringLiteral("pictolex%1/").arg(++folders_));
        app_ = std::make_unique<TestApp>(folder_);
    }
    void cleanup() { app_.reset(); }

    void everyWordHasAPictureAndASound() {
        QList<QImage> pictures;
        for (const std::string_view name : kWords) {
            const QString w = QString::fromLatin1(name);
            QVERIFY2(parseWav(readFile(frmS().rootPath() + w + ".wav")), qPrintable(w));
            const QImage picture = iconImage(w);
            QVERIFY2(picture.size() == QSize(32, 32) && !pictures.contains(picture), qPrintable(w));
            pictures << picture;
        }
        QVERIFY(QFile::exists(frmS().rootPath() + "good.wav"));
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
        QTest::newRow("a tap on a picture over its word matches it")
            << "tap" << kEnvelopeInPlace << Drops{{12, 12}} << Cells{12};
    }
    void drops() {
        QFETCH(QString, by);
        QFETCH(Draws, draws);
        QFETCH(Drops, drops);
        QFETCH(Cells, matched);
        startGame(draws);
        for (const QPoint d : drops)
            by == "touch" ? touchDrag(d.x(), d.y())
            : by == "tap" ? tap(d.x())
                          : drag(d.x(), centre(d.y()));
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

    // A drag let go off the tiles, and the ways to put a picked picture down: nothing is
    // exchanged, heard or recounted (the envelope the deal left on its word stays unmarked), no
    // copy stays on the board, and the next tap, on the banana's word, picks rather than places.
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
        if (gesture.startsWith("drag"))
            drag(36, gesture.size() > 4 ? word(2).geometry().center() : QPoint(5, 300));
        else
            tap(36);
        QVERIFY(tile(36).isPicked() != gesture.startsWith("drag"));
        if (gesture == "Escape")
            press({Qt::Key_Escape});
        else if (!gesture.startsWith("drag"))
            QTest::mouseClick(gesture == "frmBack" ? &frmBack() : &control(frmBack(), gesture),
                              Qt::LeftButton, {}, QPoint(5, 5));
        tap(2);
        QVERIFY(tile(2).isPicked() && !tile(36).isPicked() && !lifted());
        QVERIFY(app_->sounds.isEmpty() && word(12).backColor() == kPink);
        QCOMPARE(caption("lblScore"), QStringLiteral("Score = 0 / 36"));
    }

    // A player at the keys, heard by a screen reader. Tab from "See All Times" reaches the first
    // tile, the arrows stop at the edges of the board (up and left of the first, right and down
    // of the last), Enter picks and Space places; Tab goes through every tile, matched or not, in
    // reading order, and from the last on to "Start Again". A tile is a button named by its
    // picture and word, a word by its state, and each match and the end are said.
    void keysAndScreenReader() {
        startGame(deal());
        Listener screenReader;
        qApp->installEventFilter(&screenReader);
        QCOMPARE(QAccessible::queryAccessibleInterface(&tile(36))->role(), QAccessible::Button);
        QCOMPARE(QAccessible::queryAccessibleInterface(&control(frmBack(), "notice"))->role(),
                 QAccessible::Notification); // which a screen reader speaks as it appears
        press({Qt::Key_Tab, Qt::Key_Up, Qt::Key_Left, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right,
               Qt::Key_Return});
        QCOMPARE(accessibleName(tile(4)), "light bulb, on the word bicycle, picked up");
        QCOMPARE(accessibleName(word(17)), "light bulb, not matched");
        press({Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Space});
        QVERIFY(word(17).backColor() == kCyan && !tile(4).isPicked());
        QCOMPARE(app_->played("frmBack"), QStringList{"light bulb.wav"});
        QCOMPARE(accessibleName(tile(17)), "light bulb, on the word light bulb");
        QCOMPARE(accessibleName(word(17)), "light bulb, matched");
        QCOMPARE(accessibleName(control(frmBack(), "lblScore")), "Score =  1 / 36");
        press({Qt::Key_Left}); // Tab goes on from 16, through the matched 17, in reading order
        for (int i = 17; i <= kCells; ++i) {
            press({Qt::Key_Tab});
            QCOMPARE(QApplication::focusWidget(), &tile(i));
        }
        press({Qt::Key_Right, Qt::Key_Down, Qt::Key_Tab});
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
        finishRound();
        const QStringList& heard = screenReader.heard;
        QCOMPARE(heard.first(), QStringLiteral("light bulb. Score =  1 / 36"));
        QVERIFY(heard.size() > 2 && heard[heard.size() - 2].endsWith(". Score =  36 / 36"));
        QCOMPARE(heard.last(), QStringLiteral("Very Good! You Finished!"));
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
        startGame(deal());
        const QImage banana = tile(36).image();
        QCOMPARE(banana.size(), QSize(32, 32));
        QVERIFY(qRed(banana.pixel(16, 16)) > 240 && qAlpha(banana.pixel(1, 16)) == 0);
        QCOMPARE(tile(35).image().convertToFormat(QImage::Format_ARGB32), exact);
        for (const int cell : {2, 19, 26, 29}) // ear, mailbox, flag, moon
            QCOMPARE(tile(cell).image(), iconImage(tile(cell).tag()));
        QCOMPARE(control<Picture>(frmS(), "Image3").image(), banana); // the demonstration's too
        drag(36, centre(2));
        QVERIFY(tile(2).image() == banana && word(2).backColor() == kCyan);
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
        app_->screen = QSize(1024, 768);
        startGame(deal());
        app_->pass(25 * 3600 + 187); // the round takes time before it ends or is left
        tick(frmBack(), "Timer1");
        QCOMPARE(caption("lblTime"), QStringLiteral("Time = 25:03:07"));
        app_->pass(7);
        finished ? finishRound() : drag(36, centre(2));
        if (finished) { // the clock stops at the last tick before the last match
            QCOMPARE(caption("lblScore") + caption("lblTime"),
                     QStringLiteral("Score =  36 / 36Time = 25:03:07"));
            QCOMPARE(shown(), (QStringList{"lblScore", "lblTime", "lblGood"}));
            QVERIFY(!control<WindowTimer>(frmBack(), "Timer1").isEnabled());
            QCOMPARE(app_->played("frmBack").filter("good"), QStringList{"good.wav"});
        }
        if (seenTimes)
            click(frmBack(), "cmdSeeTimes");
        app_->pass(600);
        app_->values = deal();
        click(frmBack(), "Command1");
        QCOMPARE(app_->reseeds, 2); // as the board opened, and now
        QCOMPARE(caption("lblScore") + caption("lblTime"),
                 QStringLiteral("Score = 0 / 36Time = 0:00:00"));
        QCOMPARE(shown(), (QStringList{"lblTitle", "lblScore", "lblTime"}));
        QVERIFY(listed(0).isNull() && control<WindowTimer>(frmBack(), "Timer1").isEnabled());
        for (int i = 1; i <= kCells; ++i)
            QVERIFY(word(i).backColor() == kPink && tile(i).isDraggable() && tile(i).isEnabled());
        // Both buttons 500 twips from the screen's right edge, lined up on "See All Times".
        QCOMPARE(control(frmBack(), "cmdSeeTimes").pos(), QPoint(900, 33));
        QCOMPARE(control(frmBack(), "Command1").pos(), QPoint(900, 130));
        app_->time = app_->time.addSecs(3600); // the date and time set on an hour: no time passed
        app_->pass(5);                         // the clock counts from this round's start
        tick(frmBack(), "Timer1");
        QCOMPARE(caption("lblTime"), QStringLiteral("Time = 0:00:05"));
    }

    // Refused before the end; after it, a time that cannot be saved leaves the round finished
    // to try again; then the record is logged once, the list shows newest first, and the best.
    void seeAllTimes() {
        startGame(deal());
        click(frmBack(), "cmdSeeTimes");
        QVERIFY(control<QLineEdit>(frmS(), "txtName").text().isEmpty());
        app_->pass(83);
        app_->time =
            app_->time.addSecs(-3600); // set back an hour: the record's date alone shows it
        tick(frmBack(), "Timer1");
        finishRound();
        QVERIFY(writeFile(folder_.chopped(1), {})); // a file where the folder goes
        click(frmBack(), "cmdSeeTimes");
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
        click(frmBack(), "cmdSeeTimes");
        click(frmBack(), "cmdSeeTimes");
        QCOMPARE(app_->messages.size(), 2);
        QCOMPARE(control<QLineEdit>(frmS(), "txtName").text(), QStringLiteral("NO NAME"));
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
        QTest::addColumn<Places>("places");
        QTest::newRow("four words in Japanese, 2 by 2 in the middle") // cell 4 draws 2
            << QStringList{"たいよう", "くも", "あめ", "ゆき"} << deal({{4, {2}}}, 4)
            << Tags{{1, "くも"}, {2, "たいよう"}, {3, "ゆき"}, {4, "あめ"}}
            << Places{{"img(1)", {392, 292, 48, 48}}, {"lbl(4)", {509, 447, 80, 17}}};
        // Cell 36 draws 35 and gets "umbrella": refused, yet left; then 18, with 0.5.
        QTest::newRow("36 words, as the game's own stand")
            << builtInWords() << deal()
            << Tags{{1, "banana"}, {18, "umbrella"}, {35, "airplane"}, {36, "lock"}}
            << Places{{"img(13)", {125, 296, 48, 48}}, {"lbl(33)", {372, 647, 88, 17}}};
    }
    void teachersLists() {
        QFETCH(QStringList, words);
        QFETCH(Draws, draws);
        QFETCH(Tags, dealt);
        QFETCH(Places, places);
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
        for (auto [name, rect] : places.asKeyValueRange())
            QCOMPARE(control(frmBack(), name).geometry(), rect);
        QCOMPARE(caption("lblScore"), QStringLiteral("Score = 0 / %1").arg(words.size()));
        QCOMPARE(unfitCaption(frmBack()), QString()); // no missing letters, nothing cut off
        click(frmBack(), "cmdSeeTimes");
        finishRound();
        click(frmBack(), "cmdSeeTimes");
        const QString early = QStringLiteral("0|Pictolex|Please get a score of %1.");
        QCOMPARE(app_->messages, QStringList{early.arg(words.size())});
        QVERIFY(readFile(list + "results.txt").startsWith("NO NAME"));
        QVERIFY(listed(0).contains("NO NAME") && listed(1).isNull());
        QVERIFY(!QFile::exists(folder_ + "results.txt"));
        const QStringList asked = app_->sounds.filter(QRegularExpression("^frmBack:.*play "));
        const QStringList said = asked.filter(QRegularExpression("play say .* in en$"));
        QCOMPARE(asked.filter("play " + list).size() + said.size(), asked.size() - 1);
        QVERIFY(!said.isEmpty() && asked.last().endsWith("/good.wav"));
    }

    // A teacher who reads Japanese reads why a time was not saved in Japanese, while what the
    // child reads stays English, and the record keeps its bytes.
    void grownUpsReadTheirLanguage() {
        installTranslations(*qApp, QLocale(QLocale::Japanese, QLocale::Japan));
        startGame(deal());
        finishRound();
        QVERIFY(writeFile(folder_.chopped(1), {})); // a file where the folder goes
        click(frmBack(), "cmdSeeTimes");
        QCOMPARE(app_->messages.last(), "1|Pictolex|フォルダー " + folder_.chopped(1) +
                                            " があるべき場所にファイルがあるため、"
                                            "タイムを保存できませんでした。");
        QVERIFY(QFile::remove(folder_.chopped(1)));
        click(frmBack(), "cmdSeeTimes");
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
