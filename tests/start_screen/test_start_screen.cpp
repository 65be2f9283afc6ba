// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/game_board.h"
#include "controls/label.h"
#include "controls/picture.h"
#include "controls/window_timer.h"
#include "fakes.h"
#include "start_screen/name_box.h"
#include "start_screen/start_screen.h"

#include <QClipboard>
#include <QtTest>

using namespace pictolex;
using namespace pictolex::test;

using Lefts = QList<float>; // of the snowflake, flag, banana and mailbox, in twips

static const QStringList kSounds{"flag.wav", "banana.wav", "mailbox.wav", "snowflake.wav"};

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
        QTest::newRow("mailbox arrives at 129")
            << 300 << 0 << false << Lefts{6000, 1100, 2670, 4335} << 4 << 2;
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
        StartScreen& s = app_->startScreen();
        for (int i = 0; i < ticks && s.Timer1->isEnabled(); ++i)
            s.Timer1_Timer();
        QCOMPARE(s.Timer1->isEnabled(), arrived < 4);
        QCOMPARE(s.Timer2->isEnabled(), arrived == 4);
        for (int i = 0; i < secondTicks; ++i)
            s.Timer2_Timer();
        if (start)
            s.cmdStart_Click();
        QTEST((Lefts{s.Image1->left(), s.Image2->left(), s.Image3->left(), s.Image4->left()}),
              "lefts");
        QCOMPARE(s.Image2->x(), qRound(s.Image2->left() / 15));
        const QList<Label*> words{s.lbl1, s.lbl2, s.lbl3, s.lbl4};
        for (int i = 0; i < 4; ++i) {
            const QString word = kSounds[i].chopped(4);
            QCOMPARE(words[i]->caption(), i < arrived ? word.toUpper() : word);
            QCOMPARE(words[i]->backColor(),
                     i < arrived ? QColor(0, 255, 255) : QColor(255, 128, 255));
        }
        // Each word is heard once, and cuts off the one before it; "Start" silences the last.
        QCOMPARE(app_->played("frmS"), kSounds.first(spoken));
        QCOMPARE(app_->requests("frmS").count("close"), spoken + start);
        QCOMPARE(!s.Timer1->isEnabled() && !s.Timer2->isEnabled(), start || secondTicks > 1);
        QCOMPARE(s.isVisible() && !app_->gameBoard().isVisible(), !start);
        for (const QWidget* window : QList<QWidget*>{&frmS(), &frmBack()}) // every caption fits
            for (const Label* label : window->findChildren<Label*>())
                QVERIFY2(label->fontMetrics().horizontalAdvance(label->caption()) <= label->width(),
                         qPrintable(label->caption()));
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
        QTest::keyClicks(app_->startScreen().txtName, typedPastedKept[0]);
        QGuiApplication::clipboard()->setText(typedPastedKept[1]);
        app_->startScreen().txtName->paste();
        QCOMPARE(app_->startScreen().txtName->text(), typedPastedKept[2]);
    }
};

QTEST_MAIN(TestStartScreen)
#include "test_start_screen.moc"
