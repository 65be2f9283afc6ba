// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/label.h"
#include "controls/picture.h"
#include "fakes.h"

#include <QClipboard>
#include <QLineEdit>
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
        const WindowTimer& timer1 = control<WindowTimer>(frmS(), "Timer1");
        const WindowTimer& timer2 = control<WindowTimer>(frmS(), "Timer2");
        tick(frmS(), "Timer1", ticks);
        QCOMPARE(timer1.isEnabled(), arrived < 4);
        QCOMPARE(timer2.isEnabled(), arrived == 4);
        tick(frmS(), "Timer2", secondTicks);
        if (start)
            click(frmS(), "cmdStart");
        Lefts lefts;
        for (int i = 1; i <= 4; ++i)
            lefts << control<Picture>(frmS(), QStringLiteral("Image%1").arg(i)).left();
        QTEST(lefts, "lefts");
        QCOMPARE(control(frmS(), "Image2").x(), qRound(lefts[1] / 15));
        for (int i = 0; i < 4; ++i) {
            const Label& word = control<Label>(frmS(), QStringLiteral("lbl%1").arg(i + 1));
            const QString caption = kSounds[i].chopped(4);
            QCOMPARE(word.caption(), i < arrived ? caption.toUpper() : caption);
            QCOMPARE(word.backColor(), i < arrived ? QColor(0, 255, 255) : QColor(255, 128, 255));
        }
        // Each word is heard once, and cuts off the one before it; "Start" silences the last.
        QCOMPARE(app_->played("frmS"), kSounds.first(spoken));
        QCOMPARE(app_->requests("frmS").count("close"), spoken + start);
        QCOMPARE(!timer1.isEnabled() && !timer2.isEnabled(), start || secondTicks > 1);
        QCOMPARE(frmS().isVisible() && !frmBack().isVisible(), !start);
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
        QLineEdit& name = control<QLineEdit>(frmS(), "txtName");
        QTest::keyClicks(&name, typedPastedKept[0]);
        QGuiApplication::clipboard()->setText(typedPastedKept[1]);
        QTest::keySequence(&name, QKeySequence::Paste);
        QCOMPARE(name.text(), typedPastedKept[2]);
    }
};

QTEST_MAIN(TestStartScreen)
#include "test_start_screen.moc"
