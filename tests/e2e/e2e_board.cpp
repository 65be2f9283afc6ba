// A whole round on the real board: the pictures are found on the screen by comparing it with the
// tile pictures, and moved with real mouse drags.
#include "board/words.h"
#include "x_session.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImageReader>
#include <QtTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

using namespace pictolex::e2e;
using pictolex::kCells;

namespace {

const QRgb kPink = qRgb(255, 128, 255);
const QRgb kCyan = qRgb(0, 255, 255);

QString word(int cell) {
    const std::string_view w = pictolex::kWords[size_t(cell - 1)];
    return QString::fromLatin1(w.data(), qsizetype(w.size()));
}

int pixels(int twips) {
    return int(std::lround(twips / 15.0));
}

// Where each cell's tile and word stand in the window's client area.
QRect tileRect(int cell) {
    const int row = (cell - 1) / 6, column = (cell - 1) % 6;
    return QRect(pixels(2000 + 2000 * column), pixels(cell == 13 ? 4560 : 1500 + 1500 * row), 32,
                 32);
}

QRect labelRect(int cell) {
    if (cell == 33)
        return QRect(pixels(5580), pixels(9705), pixels(1320), pixels(255));
    const int row = (cell - 1) / 6, column = (cell - 1) % 6;
    return QRect(pixels(1640 + 2000 * column), pixels(2200 + 1500 * row), pixels(1200),
                 pixels(250));
}

const QRect kGoodRect(pixels(5040), pixels(480), pixels(4635), pixels(435));

// The 32 by 32 image of a tile picture as committed, with its opaque pixels listed.
struct Icon {
    QString tag;
    QImage image;
    QList<QPoint> opaque;
};

QList<Icon> loadIcons() {
    const QDir icons(QFileInfo(QStringLiteral(__FILE__)).absolutePath() +
                     QStringLiteral("/../../assets/icons"));
    QList<Icon> result;
    for (int cell = 1; cell <= kCells; ++cell) {
        Icon icon{word(cell), {}, {}};
        QImageReader reader(icons.filePath(icon.tag + QStringLiteral(".ico")));
        for (int i = 0; i < reader.imageCount() && icon.image.isNull(); ++i) {
            reader.jumpToImage(i);
            const QImage image = reader.read();
            if (image.size() == QSize(32, 32))
                icon.image = image.convertToFormat(QImage::Format_ARGB32);
        }
        for (int y = 0; y < icon.image.height(); ++y)
            for (int x = 0; x < icon.image.width(); ++x)
                if (qAlpha(icon.image.pixel(x, y)) > 127)
                    icon.opaque << QPoint(x, y);
        result << icon;
    }
    return result;
}

bool near(QRgb a, QRgb b) {
    return qAbs(qRed(a) - qRed(b)) <= 8 && qAbs(qGreen(a) - qGreen(b)) <= 8 &&
           qAbs(qBlue(a) - qBlue(b)) <= 8;
}

// Whether the screen shows the icon with its top left at `at`: at most 2% of its opaque
// pixels may differ.
bool shows(const QImage& screen, QPoint at, const Icon& icon) {
    if (icon.opaque.isEmpty() || !screen.rect().contains(QRect(at, QSize(32, 32))))
        return false;
    const qsizetype allowed = icon.opaque.size() / 50;
    qsizetype wrong = 0;
    for (const QPoint p : icon.opaque) {
        const QPoint s = at + p;
        const QRgb seen = reinterpret_cast<const QRgb*>(screen.constScanLine(s.y()))[s.x()];
        if (!near(seen, icon.image.pixel(p)) && ++wrong > allowed)
            return false;
    }
    return true;
}

// Where the screen shows the icon with its top left within `radius` pixels of `around`.
std::optional<QPoint> findNear(const QImage& screen, QPoint around, const Icon& icon, int radius) {
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (shows(screen, around + QPoint(dx, dy), icon))
                return around + QPoint(dx, dy);
    return std::nullopt;
}

enum class Mark { Pink, Cyan, Other };

// The colour that fills most of an area.
Mark markOf(const QImage& screen, QRect area) {
    int pink = 0, cyan = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb seen = screen.pixel(x, y);
            pink += near(seen, kPink);
            cyan += near(seen, kCyan);
        }
    const int half = area.width() * area.height() / 2;
    return pink > half ? Mark::Pink : cyan > half ? Mark::Cyan : Mark::Other;
}

// What the screen shows of the board: the picture on each tile, the colour of each word, and
// whether "Very Good! You Finished!" is up.
struct BoardView {
    std::array<QString, kCells + 1> tags;
    std::array<Mark, kCells + 1> marks{};
    bool finished = false;

    bool complete() const {
        for (int cell = 1; cell <= kCells; ++cell)
            if (tags[size_t(cell)].isEmpty())
                return false;
        return true;
    }
    int tileOf(const QString& tag) const {
        for (int cell = 1; cell <= kCells; ++cell)
            if (tags[size_t(cell)] == tag)
                return cell;
        return 0;
    }
    bool inPlace(int cell) const { return tags[size_t(cell)] == word(cell); }
    QString describe() const {
        QStringList cells;
        for (int cell = 1; cell <= kCells; ++cell)
            cells << QStringLiteral("%1:%2%3")
                         .arg(cell)
                         .arg(tags[size_t(cell)].isEmpty() ? QStringLiteral("?")
                                                           : tags[size_t(cell)])
                         .arg(marks[size_t(cell)] == Mark::Cyan   ? QStringLiteral("+")
                              : marks[size_t(cell)] == Mark::Pink ? QString()
                                                                  : QStringLiteral("!"));
        return cells.join(QLatin1Char(' '));
    }
    // The same pictures on the same tiles, and the same words marked.
    bool sameBoard(const BoardView& other) const {
        return tags == other.tags && marks == other.marks;
    }
};

// The view after an accepted drop of `source` on `target`, as the rules have it: the two
// tiles exchange their pictures and every cell whose picture is its word is marked.
BoardView afterDrop(BoardView view, int target, int source) {
    std::swap(view.tags[size_t(target)], view.tags[size_t(source)]);
    for (int cell = 1; cell <= kCells; ++cell)
        view.marks[size_t(cell)] = view.inPlace(cell) ? Mark::Cyan : Mark::Pink;
    return view;
}

} // namespace

class BoardEndToEnd : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void dropOnItsWordMatches();
    void dropOnAnotherWordChangesNothing();
    void wholeRoundEndsVeryGood();

private:
    BoardView read(const QImage& screen) const;
    BoardView readWhenShown();
    bool waitFor(const std::function<bool(const BoardView&)>& wanted, BoardView& seen,
                 int timeoutMs = 3000);
    const Icon& iconOf(const QString& tag) const {
        return *std::find_if(icons_.begin(), icons_.end(),
                             [&](const Icon& icon) { return icon.tag == tag; });
    }
    QPoint centreOf(int cell) const { return origin_ + tileRect(cell).center(); }
    void dragCorrectly(const BoardView& before, int target);

    QList<Icon> icons_;
    std::unique_ptr<Game> game_;
    QPoint origin_;
    QElapsedTimer sinceDrop_;
};

void BoardEndToEnd::initTestCase() {
    if (!haveTestDisplay())
        QSKIP("needs the X display that test.sh starts");
    icons_ = loadIcons();
    for (const Icon& icon : icons_)
        QVERIFY2(icon.opaque.size() > 100, qPrintable(icon.tag));

    game_ = std::make_unique<Game>();
    const qulonglong start =
        game_->waitForWindow([](QRect r) { return r.size() == QSize(511, 355); });
    QVERIFY2(start, "the start screen never appeared");
    x::click(x::geometry(start).topLeft() + QPoint(348 + 54, 274 + 16));
    const qulonglong board = game_->waitForWindow([](QRect r) { return r.width() > 900; });
    QVERIFY2(board, "the board never appeared after Start");
    origin_ = x::geometry(board).topLeft();
    // The pointer rests away from the tiles, beside the buttons.
    x::run(x::moveArgs(origin_ + QPoint(900, 400)));
    const BoardView view = readWhenShown();
    QVERIFY2(view.complete(), qPrintable(view.describe()));
    QVERIFY(!view.finished);
    QStringList tags(view.tags.begin() + 1, view.tags.end());
    tags.sort();
    QStringList words;
    for (int cell = 1; cell <= kCells; ++cell)
        words << word(cell);
    words.sort();
    QCOMPARE(tags, words);
    for (int cell = 1; cell <= kCells; ++cell)
        QVERIFY2(view.marks[size_t(cell)] == Mark::Pink, qPrintable(view.describe()));
}

void BoardEndToEnd::cleanupTestCase() {
    game_.reset();
}

BoardView BoardEndToEnd::read(const QImage& screen) const {
    BoardView view;
    for (int cell = 1; cell <= kCells; ++cell) {
        const QPoint at = origin_ + tileRect(cell).topLeft();
        for (const Icon& icon : icons_)
            if (shows(screen, at, icon)) {
                view.tags[size_t(cell)] = icon.tag;
                break;
            }
        view.marks[size_t(cell)] = markOf(screen, labelRect(cell).translated(origin_));
    }
    view.finished = markOf(screen, kGoodRect.translated(origin_)) == Mark::Pink;
    return view;
}

// The board as it stands once the window manager has placed it and it is painted.
BoardView BoardEndToEnd::readWhenShown() {
    BoardView view;
    waitFor([](const BoardView& v) { return v.complete(); }, view, 10000);
    return view;
}

bool BoardEndToEnd::waitFor(const std::function<bool(const BoardView&)>& wanted, BoardView& seen,
                            int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    do {
        seen = read(x::screenshot());
        if (wanted(seen))
            return true;
    } while (!deadline.hasExpired());
    return false;
}

// Drags the picture of target's word onto target's tile, and checks that exactly the expected
// exchange and marks follow.
void BoardEndToEnd::dragCorrectly(const BoardView& before, int target) {
    const int source = before.tileOf(word(target));
    QVERIFY(source > 0 && source != target);
    const BoardView expected = afterDrop(before, target, source);
    x::drag(centreOf(source), centreOf(target));
    sinceDrop_.start();
    BoardView seen;
    const bool arrived = waitFor([&](const BoardView& v) { return v.sameBoard(expected); }, seen);
    QVERIFY2(arrived, qPrintable(QStringLiteral("drag %1 -> %2\nexpected %3\nseen     %4")
                                     .arg(source)
                                     .arg(target)
                                     .arg(expected.describe(), seen.describe())));
}

void BoardEndToEnd::dropOnItsWordMatches() {
    const BoardView before = read(x::screenshot());
    QVERIFY2(before.complete(), qPrintable(before.describe()));
    int target = 1;
    while (before.inPlace(target))
        ++target;
    dragCorrectly(before, target);
    if (QTest::currentTestFailed())
        return;
    const BoardView after = read(x::screenshot());
    QCOMPARE(after.tags[size_t(target)], word(target));
    QVERIFY(after.marks[size_t(target)] == Mark::Cyan);
}

void BoardEndToEnd::dropOnAnotherWordChangesNothing() {
    const BoardView before = read(x::screenshot());
    QVERIFY2(before.complete(), qPrintable(before.describe()));
    // A picture not yet on its word, dropped on another unmatched word's tile.
    int source = 1;
    while (source <= kCells && before.marks[size_t(source)] != Mark::Pink)
        ++source;
    QVERIFY(source <= kCells);
    int target = 1;
    while (target <= kCells && (target == source || before.marks[size_t(target)] != Mark::Pink ||
                                word(target) == before.tags[size_t(source)]))
        ++target;
    QVERIFY(target <= kCells);

    x::press(centreOf(source));
    x::moveTo(centreOf(source), centreOf(target));
    // While the button is held the dragged picture follows the pointer, over the target tile.
    const Icon& dragged = iconOf(before.tags[size_t(source)]);
    std::optional<QPoint> under;
    const QDeadlineTimer deadline(3000);
    while (!under && !deadline.hasExpired())
        under = findNear(x::screenshot(), origin_ + tileRect(target).topLeft(), dragged, 2);
    x::release();
    QVERIFY2(under, "the dragged picture did not follow the pointer");

    BoardView after;
    const bool unchanged = waitFor([&](const BoardView& v) { return v.sameBoard(before); }, after);
    QVERIFY2(unchanged,
             qPrintable(
                 QStringLiteral("before %1\nafter  %2").arg(before.describe(), after.describe())));
    // A correct drop next: its result shows that the wrong one had changed nothing, since the
    // X input is taken in order.
    int next = 1;
    while (before.marks[size_t(next)] != Mark::Pink)
        ++next;
    dragCorrectly(before, next);
}

void BoardEndToEnd::wholeRoundEndsVeryGood() {
    BoardView view = read(x::screenshot());
    for (int drags = 0; drags < kCells; ++drags) {
        QVERIFY2(view.complete(), qPrintable(view.describe()));
        int target = 1;
        while (target <= kCells && view.marks[size_t(target)] == Mark::Cyan)
            ++target;
        // The last drop may have matched two cells at once, and the clock may already have
        // completed the round.
        if (target > kCells)
            break;
        QVERIFY2(!view.finished, "finished before the last match");
        dragCorrectly(view, target);
        if (QTest::currentTestFailed())
            return;
        view = read(x::screenshot());
    }
    for (int cell = 1; cell <= kCells; ++cell)
        QVERIFY2(view.marks[size_t(cell)] == Mark::Cyan, qPrintable(view.describe()));
    // The clock ticks every second; its next tick completes the round.
    BoardView finished;
    const int left = int(qMax<qint64>(0, 2000 - sinceDrop_.elapsed()));
    QVERIFY2(waitFor([](const BoardView& v) { return v.finished; }, finished, left),
             "\"Very Good! You Finished!\" did not show within 2 s of the last match");
}

int main(int argc, char* argv[]) {
    useTestDisplay();
    QApplication app(argc, argv);
    BoardEndToEnd test;
    return QTest::qExec(&test, argc, argv);
}

#include "e2e_board.moc"
