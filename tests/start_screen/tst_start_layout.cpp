#include "fake_platform.h"
#include "shell/command_button.h"
#include "shell/fonts.h"
#include "shell/label.h"
#include "shell/mm_control.h"
#include "shell/picture.h"
#include "shell/window_timer.h"
#include "start_screen/name_box.h"
#include "start_screen/start_screen.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

using namespace pictolex;
using namespace pictolex::testing;

namespace {
const QColor kBlue(0, 0, 255), kPink(255, 128, 255), kNavy(0, 0, 128);
enum Kind { Transparent, Opaque, Picture_, TextBox, Button };
} // namespace

class StartLayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { app = std::make_unique<TestApp>(); }
    void cleanup() { app.reset(); }

    void window();
    void controls_data();
    void controls();
    void timers();
    void tabOrderAndNoDefaultButton();
    void nameBoxKeepsNamesOnOneLine_data();
    void nameBoxKeepsNamesOnOneLine();

private:
    std::unique_ptr<TestApp> app;
};

void StartLayoutTest::window() {
    StartScreen& s = frmS();
    s.Show();
    QCOMPARE(s.windowTitle(), QStringLiteral("Pictolex"));
    QCOMPARE(s.size(), QSize(511, 355));
    QCOMPARE(s.palette().color(QPalette::Window), kBlue);
    QVERIFY(s.autoFillBackground());
    // The sound control is no widget: it can never be seen.
    QVERIFY(s.findChild<MMControl*>(QStringLiteral("MMControl1")));
    QVERIFY(!s.findChild<QWidget*>(QStringLiteral("MMControl1")));
}

void StartLayoutTest::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QRect>("geometry"); // in twips
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("fore");
    QTest::addColumn<QColor>("back");
    QTest::addColumn<int>("alignment");

    const int centre = Qt::AlignHCenter, right = Qt::AlignRight;
    const QColor none;
    auto row = [&](const char* name, Kind kind, QRect twips, const char* text, QString family,
                   int px, bool bold, QColor fore, QColor back, int alignment) {
        QTest::newRow(name) << QString::fromUtf8(name) << int(kind) << twips
                            << QString::fromUtf8(text) << family << px << bold << fore << back
                            << alignment;
    };
    row("Label3", Transparent, {1635, 90, 4035, 1035}, "Pictolex", fonts::kHandwriting, 48, false,
        kPink, none, centre);
    row("Image1", Picture_, {1140, 1470, 480, 480}, "", {}, 0, false, none, none, 0);
    row("Image2", Picture_, {2820, 1470, 480, 480}, "", {}, 0, false, none, none, 0);
    row("Image3", Picture_, {4470, 1470, 480, 480}, "", {}, 0, false, none, none, 0);
    row("Image4", Picture_, {6135, 1470, 480, 480}, "", {}, 0, false, none, none, 0);
    row("lbl1", Opaque, {690, 2310, 1395, 255}, "flag", fonts::kSansSerif, 13, true, kNavy, kPink,
        centre);
    row("lbl2", Opaque, {2355, 2310, 1395, 255}, "banana", fonts::kSansSerif, 13, true, kNavy,
        kPink, centre);
    row("lbl3", Opaque, {4005, 2310, 1395, 255}, "mailbox", fonts::kSansSerif, 13, true, kNavy,
        kPink, centre);
    row("lbl4", Opaque, {5580, 2310, 1395, 255}, "snowflake", fonts::kSansSerif, 13, true, kNavy,
        kPink, centre);
    row("Label4", Transparent, {1980, 3390, 1035, 435}, "Name", fonts::kPopS, 24, false, kPink,
        none, right);
    row("txtName", TextBox, {3180, 3330, 3675, 435}, "", fonts::kGothic, 21, true, none, none, 0);
    row("cmdStart", Button, {5220, 4110, 1635, 495}, "Start", fonts::kPopP, 24, false, none, kPink,
        0);
    row("Label2", Transparent, {705, 4950, 6255, 255}, nullptr, fonts::kGothic, 13, true, kPink,
        none, centre);
}

void StartLayoutTest::controls() {
    QFETCH(QString, name);
    QFETCH(int, kind);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(QString, family);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QFETCH(QColor, fore);
    QFETCH(QColor, back);
    QFETCH(int, alignment);

    StartScreen& s = frmS();
    s.Show();
    QWidget* w = s.findChild<QWidget*>(name);
    QVERIFY(w);
    QCOMPARE(w->geometry(), QRect(geometry.x() / 15, geometry.y() / 15, geometry.width() / 15,
                                  geometry.height() / 15));
    QVERIFY(w->isVisible());
    QVERIFY(w->isEnabled());
    if (kind == Picture_) {
        QCOMPARE(w->focusPolicy(), Qt::NoFocus);
        return;
    }
    // The family asked for is the named one; Qt puts the stand-in behind it, or the pop face's.
    const bool popStandIn =
        (family == fonts::kPopP || family == fonts::kPopS) && w->font().family() != family;
    if (popStandIn)
        QCOMPARE(w->font().weight(), QFont::Black);
    else
        QCOMPARE(w->font().family(), family);
    QCOMPARE(w->font().pixelSize(), pixelSize);
    if (!popStandIn)
        QCOMPARE(w->font().bold(), bold);
    if (auto* label = qobject_cast<Label*>(w)) {
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        if (!text.isNull() || name != QLatin1String("Label2"))
            QCOMPARE(label->caption(), text);
        else
            QVERIFY(!label->caption().isEmpty());
        QCOMPARE(label->foreColor(), fore);
        QCOMPARE(label->isTransparent(), kind == Transparent);
        if (kind == Opaque)
            QCOMPARE(label->palette().color(QPalette::Window), back);
        QVERIFY(label->alignment() & Qt::AlignmentFlag(alignment));
        QVERIFY(label->fontMetrics().horizontalAdvance(label->caption()) <= label->width());
    } else if (auto* button = qobject_cast<CommandButton*>(w)) {
        QCOMPARE(button->caption(), text);
        QCOMPARE(button->faceColor(), back);
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    } else {
        auto* box = qobject_cast<NameBox*>(w);
        QVERIFY(box);
        QCOMPARE(box->text(), text);
        QCOMPARE(box->maxLength(), 25);
    }
}

void StartLayoutTest::timers() {
    StartScreen& s = frmS();
    QCOMPARE(s.Timer1->interval(), 65);
    QVERIFY(s.Timer1->isEnabled());
    QCOMPARE(s.Timer2->interval(), 1000);
    QVERIFY(!s.Timer2->isEnabled());
}

void StartLayoutTest::tabOrderAndNoDefaultButton() {
    StartScreen& s = frmS();
    s.Show();
    QApplication::setActiveWindow(&s);
    QVERIFY(QTest::qWaitForWindowActive(&s));
    QCOMPARE(QApplication::focusWidget(), s.txtName);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), s.cmdStart);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), s.txtName);

    // Enter in the name box does not press "Start".
    QTest::keyClicks(s.txtName, QStringLiteral("Taro"));
    QTest::keyClick(s.txtName, Qt::Key_Return);
    QVERIFY(s.isVisible());
    QVERIFY(s.Timer1->isEnabled());
    QCOMPARE(s.txtName->text(), QStringLiteral("Taro"));
}

void StartLayoutTest::nameBoxKeepsNamesOnOneLine_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "Hana"
                           << ""
                           << "Hana";
    QTest::newRow("26th character refused")
        << QString(26, QLatin1Char('x')) << "" << QString(25, QLatin1Char('x'));
    QTest::newRow("pasted line break") << "Ann"
                                       << "a\r\nb"
                                       << "Annab";
    QTest::newRow("pasted tab and escape") << ""
                                           << "K\tE\x1bN"
                                           << "KEN";
    QTest::newRow("pasted line separator") << "" << QString::fromUtf8("ゆき\u2028こ") << "ゆきこ";
    QTest::newRow("Japanese kept")
        << "" << QString::fromUtf8("たろう") << QString::fromUtf8("たろう");
    QTest::newRow("long paste cut to 25")
        << "" << QString(30, QLatin1Char('y')) << QString(25, QLatin1Char('y'));
}

void StartLayoutTest::nameBoxKeepsNamesOnOneLine() {
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    NameBox& box = *frmS().txtName;
    frmS().Show();
    QTest::keyClicks(&box, typed);
    if (!pasted.isEmpty()) {
        QGuiApplication::clipboard()->setText(pasted);
        box.paste();
    }
    QTEST(box.text(), "expected");
}

QTEST_MAIN(StartLayoutTest)
#include "tst_start_layout.moc"
