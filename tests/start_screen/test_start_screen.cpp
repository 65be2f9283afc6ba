// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/list_report.h"
#include "controls/picture.h"
#include "fakes.h"
#include "word_lists/list_shelf.h"
#include "word_lists/list_texts.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

using namespace pictolex;
using namespace pictolex::test;

using Lefts = QList<float>; // of the snowflake, flag, banana and mailbox, in twips

static const QStringList kSounds{"flag.wav", "banana.wav", "mailbox.wav", "snowflake.wav"};

namespace {

void copyExampleListTo(const QString& folder) {
    QDir().mkpath(folder);
    for (const QString& file : QDir(PICTOLEX_EXAMPLE_LIST).entryList(QDir::Files))
        QFile::copy(PICTOLEX_EXAMPLE_LIST + file, folder + file);
}

// Spoils a file of a list, as its first character says: '-' takes it away, '!' makes it no
// picture, '|' a pipe with no writer, '+' a picture of too many pixels to show quickly.
bool spoil(const QString& folder, const QString& how) {
    const QString path = folder + how.mid(1);
    QImage large(2000, 2001, QImage::Format_Mono);
    large.fill(0);
    if (how.isEmpty() || !QFile::remove(path))
        return how.isEmpty();
    return how[0] == '-' || (how[0] == '!' && writeFile(path, "GIF89a")) ||
           (how[0] == '|' && ::mkfifo(QFile::encodeName(path), 0600) == 0) ||
           (how[0] == '+' && large.save(path, "PNG"));
}

// Where each control stands, in the order the controls were made.
QList<QRect> places(const QWidget& window) {
    QList<QRect> found;
    for (const QWidget* control : window.findChildren<QWidget*>())
        found << control->geometry();
    return found;
}

} // namespace

class TestStartScreen : public QObject {
    Q_OBJECT
    std::unique_ptr<TestApp> app_;

private Q_SLOTS:
    void init() {
        app_ = std::make_unique<TestApp>();
        frmS().show();
    }
    void cleanup() { app_.reset(); }

    void demonstration_data() {
        QTest::addColumn<int>("ticks");       // of the first timer, which stops itself
        QTest::addColumn<int>("secondTicks"); // of the second, which speaks the last words
        QTest::addColumn<bool>("start");
        QTest::addColumn<Lefts>("lefts");
        QTest::addColumn<int>("arrived"); // words turned capital and cyan
        QTest::addColumn<int>("spoken");
        QTest::newRow("banana arrives at 85, the flag resting at 1100")
            << 85 << 0 << false << Lefts{4300, 1100, 2710, 6095} << 2 << 2;
        QTest::newRow("the last two words")
            << 129 << 40000 << false << Lefts{6000, 1100, 2670, 4335} << 4 << 4;
        QTest::newRow("Start while the flag is heard")
            << 42 << 0 << true << Lefts{2700, 1140, 4430, 6135} << 1 << 1;
        QTest::newRow("Start between the last two words")
            << 129 << 1 << true << Lefts{6000, 1100, 2670, 4335} << 4 << 3;
    }
    void demonstration() {
        QFETCH(int, ticks);
        QFETCH(int, secondTicks);
        QFETCH(bool, start);
        QFETCH(int, arrived);
        QFETCH(int, spoken);
        const WindowTimer& timer1 = control<WindowTimer>(frmS(), "Timer1");
        const WindowTimer& timer2 = control<WindowTimer>(frmS(), "Timer2");
        tick(frmS(), "Timer1", ticks);
        QCOMPARE(timer1.isEnabled(), arrived < 4);
        QCOMPARE(timer2.isEnabled(), arrived == 4);
        tick(frmS(), "Timer2", secondTicks);
        if (start)
            click(frmS(), "cmdStart");
        Lefts lefts;
        for (int i = 0; i < 4; ++i) {
            lefts << control<Picture>(frmS(), QStringLiteral("Image%1").arg(i + 1)).left();
            const Label& word = control<Label>(frmS(), QStringLiteral("lbl%1").arg(i + 1));
            const QString caption = kSounds[i].chopped(4);
            QCOMPARE(word.caption(), i < arrived ? caption.toUpper() : caption);
            QCOMPARE(word.backColor(), i < arrived ? QColor(0, 255, 255) : QColor(255, 128, 255));
        }
        QTEST(lefts, "lefts");
        QCOMPARE(control(frmS(), "Image2").x(), qRound(lefts[1] / 15));
        // Each word is heard once, and cuts off the one before it; "Start" silences the last.
        QCOMPARE(app_->played("frmS"), kSounds.first(spoken));
        QCOMPARE(app_->requests("frmS").count("stop"), int(start));
        QCOMPARE(!timer1.isEnabled() && !timer2.isEnabled(), start || secondTicks > 1);
        QCOMPARE(frmS().isVisible() && !frmBack().isVisible(), !start);
        QCOMPARE(unfitCaption(frmS()) + unfitCaption(frmBack()), QString());
    }

    // With lists, their choice stands below the other controls, which keep their places; the
    // one chosen is remembered for the next start; --list chooses for one start only.
    void choiceOfList() {
        const QList<QRect> before = places(frmS());
        QVERIFY(!frmS().findChild<QComboBox*>() && frmS().size() == QSize(511, 355));
        QTemporaryDir data;
        const QString folder = data.path() + "/";
        copyExampleListTo(folder + "lists/weather/");
        copyExampleListTo(folder + "lists/animals/");
        const auto startWith = [&](const QString& asked) {
            app_.reset();
            app_ = std::make_unique<TestApp>(folder, asked);
            frmS().show();
            return &control<QComboBox>(frmS(), "cboList");
        };
        QComboBox* box = startWith({});
        QCOMPARE(QStringList({box->itemText(0), box->itemText(2)}).join('|'),
                 builtInListTitle() + "|weather");
        QVERIFY(box->count() == 3 && box->currentIndex() == 0 && unfitCaption(frmS()).isEmpty());
        QCOMPARE(places(frmS()).first(before.size()), before);
        QTest::keyClick(box, Qt::Key_Down); // as a player chooses
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(startWith({})->currentText(), "weather");
        QCOMPARE(startWith("animals")->currentText(), "animals");
        QCOMPARE(startWith("nosuch")->currentIndex(), 0);
        QCOMPARE(control<Label>(frmS(), "lblFindings").caption(),
                 "There is no word list called “nosuch”.");
        QCOMPARE(startWith({})->currentText(), "weather");
        click(frmS(), "cmdStart");
        QCOMPARE(frmBack().findChildren<Label*>(QRegularExpression("^lbl\\(")).size(), 6);
        QVERIFY(spoil(folder, "|settings.ini")); // neither read nor written over
        box = startWith({});
        QCOMPARE(box->currentIndex(), 0);
        QTest::keyClick(box, Qt::Key_Down);
        QVERIFY(!QFileInfo(folder + "settings.ini").isFile());
        // Lists for everyone: a player's of the same name comes first, but not the folder
        // that only holds the player's times of a shared list.
        copyExampleListTo(folder + "shared/lists/weather/");
        copyExampleListTo(folder + "shared/lists/animals/");
        QVERIFY(QFile::remove(folder + "lists/animals/words.txt"));
        const QList<ListPlace> found = findLists(folder, folder + "shared/");
        QCOMPARE(found.size(), 2);
        QCOMPARE(found[0].folder + found[1].folder,
                 folder + "shared/lists/animals/" + folder + "lists/weather/");
    }

    // What keeps a list from being played is said on the start screen and by --check-list,
    // alike; the game's own words can still be chosen and played.
    void listsThatCannotBePlayedSayWhy_data() {
        QTest::addColumn<QByteArray>("words"); // of words.txt; none: no words.txt
        QTest::addColumn<QString>("spoilt");   // a file of the list, spoilt as spoil() says
        QTest::addColumn<QString>("said");     // by --check-list
        const QByteArray four = "sun\ncloud\nrain\nsnow\n";
        QTest::newRow("BOM, CR LF, notes, blanks, no recordings")
            << QByteArray("\xEF\xBB\xBF# weather\r\n sun \r\n\r\ncloud\r\nrain\r\nsnow")
            << QString()
            << "“mine” can be played: 4 words.\nSilent, with no recording: “sun”, “cloud”, “rain”, "
               "“snow”.\n";
        QTest::newRow("no words.txt")
            << QByteArray() << QString() << "There is no words.txt in the list's folder.\n";
        QTest::newRow("three words") << QByteArray("sun\ncloud\nrain") << QString()
                                     << "too few words (3): a list has 4 to 36.\n";
        QTest::newRow("37 words") << four.repeated(9) + "rain" << QString()
                                  << "too many words (37)";
        QTest::newRow("a slash, a tab") << four + "cloud/rain\nsnow\tfall" << QString()
                                        << "control character: “cloud/rain”, “snow␉fall”.\n";
        QTest::newRow("too wide") << four + "supercalifragilistic" << QString()
                                  << "Too long to fit under its picture: “supercalifragilistic”.";
        QTest::newRow("a picture missing") << four << "-cloud.png"
                                           << "No picture (the word and .png or .jpg): “cloud”.\n";
        QTest::newRow("a picture that is none") << four << "!rain.png"
                                                << "The picture cannot be read: “rain.png”.\n";
        QTest::newRow("a picture that is a pipe") << four << "|rain.png"
                                                  << "The picture cannot be read: “rain.png”.\n";
        QTest::newRow("words.txt a pipe") << four << "|words.txt"
                                          << "words.txt cannot be read.\n";
        QTest::newRow("a picture too large") << four << "+snow.png"
                                             << "(at most 4 million pixels): “snow.png”.\n";
        QTest::newRow("not UTF-8") << four + "caf\xE9" << QString()
                                   << "Line 5 of words.txt is not UTF-8 text: save the file";
    }
    void listsThatCannotBePlayedSayWhy() {
        QFETCH(QByteArray, words);
        QFETCH(QString, spoilt);
        QFETCH(QString, said);
        QTemporaryDir data;
        const QString folder = data.path() + "/", list = folder + "lists/mine/";
        copyExampleListTo(list);
        QVERIFY(words.isNull() ? QFile::remove(list + "words.txt")
                               : writeFile(list + "words.txt", words));
        QVERIFY(spoil(list, spoilt));
        QString report;
        QTextStream out(&report);
        const bool playable = reportList(list, out) == 0;
        QVERIFY2(report.contains(said), qPrintable(report));
        app_.reset();
        app_ = std::make_unique<TestApp>(folder, "mine");
        frmS().show();
        QCOMPARE(control<Label>(frmS(), "lblFindings").caption(),
                 playable ? QString() : notPlayableText() + '\n' + report.trimmed());
        QCOMPARE(control(frmS(), "cmdStart").isEnabled(), playable);
        QCOMPARE(said.contains("can be played"), playable);
        QTest::keyClick(&control(frmS(), "cboList"), Qt::Key_Up); // the game's own words
        click(frmS(), "cmdStart");
        QCOMPARE(control<Label>(frmBack(), "lbl(36)").caption(), "umbrella");
    }

    void nameBoxKeepsNamesOnOneLine_data() {
        QTest::addColumn<QStringList>("typedPastedKept");
        QTest::newRow("26th character refused")
            << QStringList{QString(26, 'x'), "", QString(25, 'x')};
        QTest::newRow("line break") << QStringList{"Ann", "a\r\nb", "Annab"};
        QTest::newRow("line separator") << QStringList{"", "ゆき\u2028こ", "ゆきこ"};
        QTest::newRow("controls of direction")
            << QStringList{"", "\u202eTA\u2066RO\u2069\u200f", "TARO"};
        QTest::newRow("no half character at the limit")
            << QStringList{QString(24, 'a'), "\U0001F600", QString(24, 'a')};
    }
    void nameBoxKeepsNamesOnOneLine() {
        QFETCH(QStringList, typedPastedKept);
        QLineEdit& name = control<QLineEdit>(frmS(), "txtName");
        QTest::keyClicks(&name, typedPastedKept[0]);
        QGuiApplication::clipboard()->setText(typedPastedKept[1]);
        QTest::keySequence(&name, QKeySequence::Paste);
        QCOMPARE(name.text(), typedPastedKept[2]);
    }
};

QTEST_MAIN(TestStartScreen)
#include "test_start_screen.moc"
