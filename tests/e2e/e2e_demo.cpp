#include "x_session.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFontMetrics>
#include <QImageReader>
#include <QThread>
#include <QtTest>

using namespace pictolex::e2e;

namespace {

QImage icon(const QString& name) {
    QImageReader reader(QStringLiteral(PICTOLEX_ASSETS_DIR "/icons/%1.ico").arg(name));
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        const QImage image = reader.read();
        if (image.size() == QSize(32, 32))
            return image.convertToFormat(QImage::Format_ARGB32);
    }
    return {};
}

// How far the screen differs from the icon at `at`, over the icon's opaque pixels (0 is exact).
double difference(const QImage& screen, const QImage& picture, QPoint at) {
    double total = 0;
    int counted = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            if (qAlpha(p) < 255)
                continue;
            const QRgb s = screen.pixel(at + QPoint(x, y));
            total +=
                qAbs(qRed(p) - qRed(s)) + qAbs(qGreen(p) - qGreen(s)) + qAbs(qBlue(p) - qBlue(s));
            ++counted;
        }
    return counted ? total / counted : 1e9;
}

// The width of the navy text inside a label's rectangle.
int textExtent(const QImage& screen, QRect label) {
    int left = label.right(), right = label.left();
    for (int y = label.top(); y <= label.bottom(); ++y)
        for (int x = label.left(); x <= label.right(); ++x) {
            const QRgb s = screen.pixel(x, y);
            if (qBlue(s) < 200 && qRed(s) < 90 && qGreen(s) < 90) {
                left = qMin(left, x);
                right = qMax(right, x);
            }
        }
    return right >= left ? right - left + 1 : 0;
}

struct Word {
    const char* picture;
    int pictureLeft; // px from the client's left edge, at rest
    int labelLeft;
    const char* upper;
    const char* lower;
};
const Word kWords[] = {{"snowflake", 400, 372, "SNOWFLAKE", "snowflake"},
                       {"flag", 73, 46, "FLAG", "flag"},
                       {"banana", 178, 157, "BANANA", "banana"},
                       {"mailbox", 289, 267, "MAILBOX", "mailbox"}};

} // namespace

class DemoEndToEnd : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        if (!haveTestDisplay())
            QSKIP("needs the X display that test.sh starts");
    }
    void picturesRestOnTheirWordsInCyanCapitals();
};

void DemoEndToEnd::picturesRestOnTheirWordsInCyanCapitals() {
    Game game;
    const qulonglong window =
        game.waitForWindow([](QRect r) { return r.size() == QSize(511, 355); });
    QVERIFY(window);
    const QPoint origin = x::geometry(window).topLeft();

    // The demonstration takes 129 ticks of 65 ms, about 8.4 s; the screen is read until it
    // shows the end, for 15 s at most, to allow for a slow machine.
    QDeadlineTimer deadline(15000);
    QStringList wrong;
    do {
        const QImage screen = x::screenshot();
        wrong.clear();
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(13);
        font.setBold(true);
        const QFontMetrics metrics(font);
        for (const Word& w : kWords) {
            const QImage picture = icon(QLatin1String(w.picture));
            QVERIFY(!picture.isNull());
            if (difference(screen, picture, origin + QPoint(w.pictureLeft, 98)) > 20)
                wrong << QStringLiteral("%1 not at rest").arg(QLatin1String(w.picture));
            const QRect label(origin + QPoint(w.labelLeft, 154), QSize(93, 17));
            if (screen.pixel(label.topLeft() + QPoint(2, 2)) != qRgb(0, 255, 255))
                wrong << QStringLiteral("%1 not cyan").arg(QLatin1String(w.lower));
            const int extent = textExtent(screen, label);
            const int upper = metrics.boundingRect(QLatin1String(w.upper)).width();
            if (qAbs(extent - upper) > 3)
                wrong << QStringLiteral("%1: text %2 px wide, capitals %3")
                             .arg(QLatin1String(w.lower))
                             .arg(extent)
                             .arg(upper);
        }
        if (wrong.isEmpty())
            break;
        QThread::msleep(500);
    } while (!deadline.hasExpired());
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
}

int main(int argc, char* argv[]) {
    useTestDisplay();
    QApplication app(argc, argv);
    DemoEndToEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "e2e_demo.moc"
