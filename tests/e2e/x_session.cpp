#include "x_session.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <QtTest>

namespace pictolex::e2e {

bool useTestDisplay() {
    const QByteArray display = qgetenv("PICTOLEX_E2E_DISPLAY");
    if (display.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return false;
    }
    qputenv("DISPLAY", display);
    qputenv("QT_QPA_PLATFORM", "xcb");
    return true;
}

bool haveTestDisplay() {
    return !qgetenv("PICTOLEX_E2E_DISPLAY").isEmpty();
}

namespace x {

QString run(const QStringList& args, int timeoutMs) {
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), args);
    if (!xdotool.waitForFinished(timeoutMs)) {
        xdotool.kill();
        xdotool.waitForFinished();
        return {};
    }
    return QString::fromUtf8(xdotool.readAllStandardOutput()).trimmed();
}

QList<qulonglong> visibleWindows(const QString& title) {
    QList<qulonglong> windows;
    const QString out =
        run({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
             QLatin1Char('^') + title + QLatin1Char('$')});
    for (const QString& line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        windows << line.toULongLong();
    return windows;
}

QRect geometry(qulonglong window) {
    // xwininfo gives the client area on the screen, whatever frame the window manager adds.
    QProcess xwininfo;
    xwininfo.start(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window)});
    xwininfo.waitForFinished(5000);
    QHash<QString, int> values;
    for (const QString& line : QString::fromUtf8(xwininfo.readAllStandardOutput()).split('\n')) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon > 0)
            values.insert(line.left(colon).trimmed(), line.mid(colon + 1).trimmed().toInt());
    }
    return QRect(values.value(QStringLiteral("Absolute upper-left X")),
                 values.value(QStringLiteral("Absolute upper-left Y")),
                 values.value(QStringLiteral("Width")), values.value(QStringLiteral("Height")));
}

QPoint pointer() {
    QHash<QString, int> values;
    for (const QString& line : run({QStringLiteral("getmouselocation"), QStringLiteral("--shell")})
                                   .split(QLatin1Char('\n'))) {
        const QStringList pair = line.split(QLatin1Char('='));
        if (pair.size() == 2)
            values.insert(pair[0], pair[1].toInt());
    }
    return QPoint(values.value(QStringLiteral("X"), -1), values.value(QStringLiteral("Y"), -1));
}

QStringList moveArgs(QPoint at) {
    // xdotool's --sync waits for the pointer to move, for ever when it is already there.
    QStringList args{QStringLiteral("mousemove")};
    if (pointer() != at)
        args << QStringLiteral("--sync");
    return args << QString::number(at.x()) << QString::number(at.y());
}

void click(QPoint at) {
    run(moveArgs(at) << QStringLiteral("click") << QStringLiteral("1"));
}

void drag(QPoint from, QPoint to) {
    QStringList args = moveArgs(from) << QStringLiteral("mousedown") << QStringLiteral("1");
    // A few steps on the way, as a hand would make, so the drag sees the pointer move.
    for (int step = 1; step <= 8; ++step) {
        const QPoint p = from + (to - from) * step / 8;
        args << QStringLiteral("sleep") << QStringLiteral("0.03") << QStringLiteral("mousemove")
             << QString::number(p.x()) << QString::number(p.y());
    }
    args << QStringLiteral("sleep") << QStringLiteral("0.1") << QStringLiteral("mouseup")
         << QStringLiteral("1");
    run(args);
}

void press(QPoint at) {
    run(moveArgs(at) << QStringLiteral("mousedown") << QStringLiteral("1"));
}

void moveTo(QPoint from, QPoint to, int steps) {
    QStringList args;
    for (int step = 1; step <= steps; ++step) {
        const QPoint p = from + (to - from) * step / steps;
        args << QStringLiteral("sleep") << QStringLiteral("0.03") << QStringLiteral("mousemove")
             << QString::number(p.x()) << QString::number(p.y());
    }
    args << QStringLiteral("sleep") << QStringLiteral("0.1");
    run(args);
}

void release() {
    run({QStringLiteral("mouseup"), QStringLiteral("1")});
}

void type(const QString& text) {
    run({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), text});
}

void key(const QString& keys) {
    run({QStringLiteral("key"), keys});
}

QImage screenshot() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32)
                  : QImage();
}

QSize screenSize() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize();
}

} // namespace x

Game::Game() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), QString::fromLocal8Bit(qgetenv("PICTOLEX_E2E_DISPLAY")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), data_.path());
    process_.setProcessEnvironment(env);
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(QStringLiteral(PICTOLEX_BINARY), QStringList());
    process_.waitForStarted();
}

Game::~Game() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished();
    }
}

namespace {

// The window manager may still be placing a window that has just been mapped: wait until its
// place stays the same for a moment, so that clicks land where they are meant to.
bool settled(qulonglong window, const QDeadlineTimer& deadline) {
    QRect last = x::geometry(window);
    while (!deadline.hasExpired()) {
        QThread::msleep(150);
        const QRect now = x::geometry(window);
        if (now == last)
            return true;
        last = now;
    }
    return false;
}

} // namespace

qulonglong Game::waitForWindow(const std::function<bool(QRect)>& wanted, int timeoutMs) {
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired() && process_.state() == QProcess::Running) {
        for (qulonglong window : x::visibleWindows(QStringLiteral("Pictolex")))
            if (wanted(x::geometry(window)) && settled(window, deadline))
                return window;
        QThread::msleep(50);
    }
    return 0;
}

bool Game::waitForExit(int timeoutMs) {
    return process_.waitForFinished(timeoutMs);
}

} // namespace pictolex::e2e
