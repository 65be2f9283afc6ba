#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QTemporaryDir>

namespace pictolex::e2e {

// Points this test program at the display that test.sh started. Call before QApplication.
// Answers false when there is none, and the tests then skip.
bool useTestDisplay();
bool haveTestDisplay();

// Real X input and window queries through xdotool.
namespace x {
QString run(const QStringList& args, int timeoutMs = 10000);
QList<qulonglong> visibleWindows(const QString& title);
QRect geometry(qulonglong window);
QPoint pointer();
// The xdotool words that move the pointer to `at` and wait until it is there.
QStringList moveArgs(QPoint at);
void click(QPoint at);
void drag(QPoint from, QPoint to);
// A drag in three parts, to look at the screen while the button is held: press at a point,
// move in steps as a hand would, release where the pointer is.
void press(QPoint at);
void moveTo(QPoint from, QPoint to, int steps = 8);
void release();
void type(const QString& text);
void key(const QString& keys);
QImage screenshot();
QSize screenSize();
} // namespace x

// The real game, started with its own empty data folder.
class Game {
public:
    Game();
    ~Game();

    QProcess& process() { return process_; }
    // Waits for a visible top-level window titled "Pictolex" whose size satisfies the test.
    qulonglong waitForWindow(const std::function<bool(QRect)>& wanted, int timeoutMs = 20000);
    bool waitForExit(int timeoutMs);
    QString dataDir() const { return data_.path(); }

private:
    QTemporaryDir data_;
    QProcess process_;
};

} // namespace pictolex::e2e
