// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/list_report.h"
#include "app/translations.h"
#include "controls/picture.h"
#include "fakes.h"
#include "word_lists/list_shelf.h"
#include "word_lists/list_texts.h"

#include <QClipboard>
#include <QComboBox>
#include <QImageWriter>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTranslator>
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

// A WAVE file of 16-bit PCM samples, mono, that the game plays.
QByteArray wav() {
    return QByteArray::fromHex("52494646"
                               "2c000000"
                               "57415645"
                               "666d7420"
                               "10000000"
                               "01000100"
                               "803e0000"
                               "007d0000"
                               "02001000"
                               "64617461"
                               "08000000") +
           QByteArray(8, '\1');
}

// A colour profile whose only tag is too short, which Qt warns about and passes over, in a JPEG.
QByteArray jpegWithProfile(const QImage& image) {
    const QByteArray icc = QByteArray::fromHex("0000009800000000021000006d6e74725247422058595a20") +
                           QByteArray(12, '\0') + "acsp" + QByteArray(88, '\0') +
                           QByteArray::fromHex("000000017258595a0000009000000004") +
                           QByteArray(8, '\0');
    const QByteArray marker = "ICC_PROFILE" + QByteArray::fromHex("000101") + icc;
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    image.save(&buffer, "JPG");
    const auto length = char(marker.size() + 2); // under 256
    return jpeg.insert(2, QByteArray::fromHex("ffe200") + length + marker);
}

// Spoils files of a list, each as its first character says, in turn: '-' takes it away, '!' makes
// it an MP3, '|' a pipe with no writer, '+' a picture of too many pixels to show quickly, '~' cuts
// it to a third, '=' renames it to the name after ':'. '*', '^' and '&' write <word>.jpg in place
// of <word>.png: the same picture, a progressive photograph of 5000 by 4000, or the picture with a
// colour profile that Qt warns about; '>' writes a recording.
bool spoil(const QString& folder, const QString& hows) {
    for (const QString& how : hows.split(' ', Qt::SkipEmptyParts)) {
        const QString path = folder + how.mid(1).section(':', 0, 0);
        const QString png = path.chopped(4) + ".png";
        QImage large(2000, 2001, QImage::Format_Mono), photo(5000, 4000, QImage::Format_RGB32);
        large.fill(0);
        photo.fill(Qt::darkGreen);
        QImageWriter progressive(path, "JPG");
        progressive.setProgressiveScanWrite(true);
        const QByteArray bytes = readFile(QString("*^&").contains(how[0]) ? png : path);
        QFile::remove(QString("*^&").contains(how[0]) ? png : path);
        const bool done =
            how[0] == '-' || (how[0] == '!' && writeFile(path, "ID3\3\0\0\0\0\0\0")) ||
            (how[0] == '|' && ::mkfifo(QFile::encodeName(path), 0600) == 0) ||
            (how[0] == '+' && large.save(path, "PNG")) ||
            (how[0] == '~' && writeFile(path, bytes.first(bytes.size() / 3))) ||
            (how[0] == '=' && writeFile(folder + how.section(':', 1), bytes)) ||
            (how[0] == '*' && QImage::fromData(bytes).save(path, "JPG")) ||
            (how[0] == '^' && progressive.write(photo)) ||
            (how[0] == '&' && writeFile(path, jpegWithProfile(QImage::fromData(bytes)))) ||
            (how[0] == '>' && writeFile(path, wav()));
        if (!done)
            return false;
    }
    return true;
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
        app_->startScreen().show();
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
        const WindowTimer& timer1 = control<WindowTimer>(app_->startScreen(), "Timer1");
        const WindowTimer& timer2 = control<WindowTimer>(app_->startScreen(), "Timer2");
        tick(app_->startScreen(), "Timer1", ticks);
        QCOMPARE(timer1.isEnabled(), arrived < 4);
        QCOMPARE(timer2.isEnabled(), arrived == 4);
        tick(app_->startScreen(), "Timer2", secondTicks);
        if (start)
            click(app_->startScreen(), "cmdStart");
        QFETCH(Lefts, lefts);
        for (int i = 0; i < 4; ++i) {
            const QWidget& picture =
                control(app_->startScreen(), QStringLiteral("Image%1").arg(i + 1));
            QCOMPARE(picture.x(), qRound(lefts[i] / 15));
            const Label& word =
                control<Label>(app_->startScreen(), QStringLiteral("lbl%1").arg(i + 1));
            const QString caption = kSounds[i].chopped(4);
            QCOMPARE(word.caption(), i < arrived ? caption.toUpper() : caption);
            QCOMPARE(word.backColor(), i < arrived ? QColor(0, 255, 255) : QColor(255, 128, 255));
        }
        // Each word is heard once, and cuts off the one before it; "Start" silences the last.
        QCOMPARE(app_->played("frmS"), kSounds.first(spoken));
        QCOMPARE(app_->requests("frmS").count("stop"), int(start));
        QCOMPARE(!timer1.isEnabled() && !timer2.isEnabled(), start || secondTicks > 1);
        QCOMPARE(app_->startScreen().isVisible(), !start);
        QCOMPARE(app_->windows.board() != nullptr, start);
        QCOMPARE(unfitCaption(app_->startScreen()), QString());
        QCOMPARE(start ? unfitCaption(app_->board()) : QString(), QString());
    }

    // With lists, their choice stands below the other controls, which keep their places; the
    // one chosen is remembered for the next start; --list chooses for one start only.
    void choiceOfList() {
        const QList<QRect> before = places(app_->startScreen());
        QVERIFY(!app_->startScreen().findChild<QComboBox*>() &&
                app_->startScreen().size() == QSize(511, 355));
        QTemporaryDir data;
        const QString folder = data.path() + "/";
        copyExampleListTo(folder + "lists/weather/");
        copyExampleListTo(folder + "lists/animals/");
        const auto startWith = [&](const QString& asked) {
            app_.reset();
            app_ = std::make_unique<TestApp>(folder, asked);
            app_->startScreen().show();
            return &control<QComboBox>(app_->startScreen(), "cboList");
        };
        QComboBox* box = startWith({});
        QCOMPARE(QStringList({box->itemText(0), box->itemText(2)}).join('|'),
                 builtInListTitle() + "|weather");
        QVERIFY(box->count() == 3 && box->currentIndex() == 0 &&
                unfitCaption(app_->startScreen()).isEmpty());
        QCOMPARE(places(app_->startScreen()).first(before.size()), before);
        QTest::keyClick(box, Qt::Key_Down); // as a player chooses
        QTest::keyClick(box, Qt::Key_Down);
        QCOMPARE(startWith({})->currentText(), "weather");
        QCOMPARE(startWith("animals")->currentText(), "animals");
        QCOMPARE(startWith("nosuch")->currentIndex(), 0);
        QCOMPARE(control<Label>(app_->startScreen(), "lblFindings").caption(),
                 "There is no word list called “nosuch”.");
        box = startWith({});
        QCOMPARE(box->currentText(), "weather");
        QVERIFY(QFile::rename(folder + "lists/weather/sun.png", folder + "sun.png"));
        click(app_->startScreen(), "cmdStart"); // checked again: a picture went since
        QVERIFY(!app_->windows.board() && !control(app_->startScreen(), "cmdStart").isEnabled());
        QVERIFY(QFile::rename(folder + "sun.png", folder + "lists/weather/sun.png"));
        QTest::keyClick(box, Qt::Key_F4); // the choice opens: looked for afresh, checked again
        click(app_->startScreen(), "cmdStart");
        QCOMPARE(app_->board().findChildren<Label*>(QRegularExpression("^lbl\\(")).size(), 6);
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
        // The chosen list removed, its times stay behind: that folder is no list, and the game's
        // own words are chosen.
        QVERIFY(QDir(folder + "shared").removeRecursively() &&
                QFile::remove(folder + "settings.ini"));
        QVERIFY(QDir(folder + "lists/animals").removeRecursively() &&
                writeFile(folder + "lists/animals/results.txt", "Hanako 0:00:31\r\n") &&
                writeFile(folder + "settings.ini", "[lists]\nchosen=animals\n"));
        box = startWith({});
        QVERIFY(box->currentIndex() == 0 && box->findText("animals") == -1);
        QVERIFY(control(app_->startScreen(), "cmdStart").isEnabled());
        copyExampleListTo(folder + "lists/birds/"); // made while the game is open
        QTest::keyClick(box, Qt::Key_F4);           // the choice opens: looked for afresh
        QCOMPARE(box->itemText(1), "birds");
    }

    // What keeps a list from being played is said on the start screen and by --check-list,
    // alike, in the reader's language (rows "ja: "), whatever the list's name; the game's own
    // words can still be chosen and played.
    void listsThatCannotBePlayedSayWhy_data() {
        QTest::addColumn<QByteArray>("words"); // of words.txt; none: no words.txt
        QTest::addColumn<QString>("spoilt");   // files of the list, spoilt as spoil() says
        QTest::addColumn<QString>("said");     // by --check-list, at its end when it ends a line
        const QByteArray four = "sun\ncloud\nrain\nsnow\n";
        const QString silent = "Silent, with no recording and no voice on this computer for ";
        QTest::newRow("BOM, CR LF, notes, blanks, no recordings")
            << QByteArray(
                   "\xEF\xBB\xBF# weather\r\n sun \r\n\r\ncloud\r\n# Language: ja\nrain\r\nsnow")
            << QString()
            << "“50%1 mine” can be played: 4 words.\n" + silent +
                   "Japanese (ja): “sun”, “cloud”, “rain”, “snow”.\n";
        QTest::newRow("no words.txt")
            << QByteArray() << QString() << "There is no words.txt in the list's folder.\n";
        QTest::newRow("words.txt misnamed")
            << four << "=words.txt:Words.TXT"
            << "but there is “Words.TXT”: rename it to words.txt.\n";
        QTest::newRow("three words") << QByteArray("sun\ncloud\nrain") << QString()
                                     << "too few words (3): a list has 4 to 36.\n";
        QTest::newRow("37 words") << four.repeated(9) + "rain" << QString()
                                  << "too many words (37)";
        QTest::newRow("twice as a reader sees them, invisible characters")
            << four + "caf\xC3\xA9\nSun\ncafe\xCC\x81\n\xE2\x80\xAE"
                      "cat\nsnow\xE2\x80\x8B"
            << QString()
            << "Listed more than once: “Sun”, “café”.\nA word may not hold a /, a control "
               "character or an invisible one: “<U+202E>cat”, “snow<U+200B>”.";
        QTest::newRow("a slash, a tab") << four + "cloud/rain\nsnow\tfall" << QString()
                                        << "invisible one: “cloud/rain”, “snow␉fall”.";
        QTest::newRow("too wide, where a long word fits in a short list")
            << four + "hot air balloon\nsupercalifragilisticexpialidocious" << QString()
            << "Too long to fit under its picture: “supercalifragilisticexpialidocious” "
               "(“supercalifragilisticexpi” is the most that fits).\nNo picture";
        QTest::newRow("a picture missing, a near miss")
            << four << "=cloud.png:cloud.png.png"
            << "(the word and .png, .jpg or .jpeg): “cloud”.\nFound “cloud.png.png” for “cloud”";
        QTest::newRow("a picture that is none") << four << "!rain.png"
                                                << "The picture cannot be read: “rain.png”.\n";
        QTest::newRow("a picture that is a pipe") << four << "|rain.png"
                                                  << "The picture cannot be read: “rain.png”.\n";
        QTest::newRow("pictures cut short") << four << "~rain.png *cloud.jpg ~cloud.jpg"
                                            << "damaged or cut short: “cloud.jpg”, “rain.png”.\n";
        QTest::newRow("words.txt a pipe") << four << "|words.txt"
                                          << "words.txt cannot be read.\n";
        QTest::newRow("a picture too large") << four << "+snow.png"
                                             << "Too large to show quickly: “snow.png”.\n";
        QTest::newRow("a progressive photograph") << four << "^snow.jpg"
                                                  << "Too large to show quickly: “snow.jpg”.\n";
        QTest::newRow("capitals, .jpeg, decomposed, a colour profile, an MP3")
            << QByteArray("caf\xC3\xA9\nsun\nrain\nsnow\n")
            << "=cloud.png:cafe\xCC\x81.JPEG &sun.jpg "
               "=sun.jpg:Sun.JPG >Rain.WAV !snow.wav"
            << "“snow.wav” is MP3, not WAVE.\n" + silent + "English (en): “café”, “sun”, “snow”.\n";
        QTest::newRow("not UTF-8") << four + "caf\xE9" << QString()
                                   << "Line 5 of words.txt is not UTF-8 text: save the file";
        QTest::newRow("ja: UTF-16")
            << QByteArray("\xFF\xFEs\0u\0n\0\r\0\n\0") << QString()
            << "words.txt は UTF-16 のテキストです。UTF-8 で保存してください。\n";
    }
    void listsThatCannotBePlayedSayWhy() {
        QFETCH(QByteArray, words);
        QFETCH(QString, spoilt);
        QFETCH(QString, said);
        if (QByteArray(QTest::currentDataTag()).startsWith("ja: "))
            installTranslations(*qApp, QLocale(QLocale::Japanese, QLocale::Japan));
        QTemporaryDir data;
        const QString folder = data.path() + "/", list = folder + "lists/50%1 mine/";
        copyExampleListTo(list);
        QVERIFY(words.isNull() ? QFile::remove(list + "words.txt")
                               : writeFile(list + "words.txt", words));
        QVERIFY(spoil(list, spoilt));
        QString report;
        QTextStream out(&report);
        const bool playable = reportList(list, out) == 0;
        QVERIFY2(said.endsWith('\n') ? report.endsWith(said) : report.contains(said),
                 qPrintable(report));
        app_.reset();
        app_ = std::make_unique<TestApp>(folder, "50%1 mine");
        app_->startScreen().show();
        QCOMPARE(control<Label>(app_->startScreen(), "lblFindings").caption(),
                 playable ? report.section('\n', 1, -3)
                          : notPlayableText() + '\n' + report.trimmed());
        QCOMPARE(control(app_->startScreen(), "cmdStart").isEnabled(), playable);
        QCOMPARE(said.contains("can be played") || said.contains("Silent"), playable);
        for (QTranslator* translator : qApp->findChildren<QTranslator*>())
            QCoreApplication::removeTranslator(translator);
        QTest::keyClick(&control(app_->startScreen(), "cboList"),
                        Qt::Key_Up); // the game's own words
        click(app_->startScreen(), "cmdStart");
        QCOMPARE(control<Label>(app_->board(), "lbl(36)").caption(), "umbrella");
    }

    // Each control shows in the installed face that stands in for its font, none of which is
    // installed under its own name.
    void controlsShowInTheirFaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("face");
        QTest::addColumn<bool>("black"); // the pop face is heavy by nature, and so its stand-in
        QTest::newRow("title, handwriting")
            << QString("Label3") << QString("Dancing Script") << false;
        QTest::newRow("credit line, Japanese gothic")
            << QString("Label2") << QString("IPAPGothic") << false;
        QTest::newRow("Name, pop") << QString("Label4") << QString("M PLUS 1") << true;
        QTest::newRow("name box, Japanese gothic")
            << QString("txtName") << QString("IPAPGothic") << false;
        QTest::newRow("Start, pop") << QString("cmdStart") << QString("M PLUS 1") << true;
        QTest::newRow("a word, sans-serif")
            << QString("lbl1") << QString("Liberation Sans") << false;
    }
    void controlsShowInTheirFaces() {
        QFETCH(QString, name);
        const QFontInfo shown(control(app_->startScreen(), name).font());
        QTEST(shown.family(), "face");
        QTEST(shown.weight() == QFont::Black, "black");
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
        QLineEdit& name = control<QLineEdit>(app_->startScreen(), "txtName");
        QTest::keyClicks(&name, typedPastedKept[0]);
        QGuiApplication::clipboard()->setText(typedPastedKept[1]);
        QTest::keySequence(&name, QKeySequence::Paste);
        QCOMPARE(name.text(), typedPastedKept[2]);
    }
};

QTEST_MAIN(TestStartScreen)
#include "test_start_screen.moc"
