// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// From choosing a list of 36 photographs (1600 by 1200 pixels) on the start screen to the board
// shown: the list read and checked as it is chosen, then "Start": the board built for it, its
// 36 pictures read and fitted, and its window exposed, on the display the benchmark is given
// (or the offscreen platform without one). Each run has windows of its own, made afresh; a
// warm-up run comes first and is not counted. Prints the medians as FIGURE lines.
#include "app/application.h"
#include "figures.h"
#include "platform/system_services.h"
#include "windows/app_context.h"
#include "windows/windows.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWindow>

#include <cstdio>

using namespace pictolex;

namespace {

constexpr int kRuns = 10;
constexpr int kWords = 36;

class SilentAudio : public AudioFactory {
    struct Silent : AudioDevice {
        bool open(const QString&) override { return true; }
        void play() override {}
        void close() override {}
    };

public:
    std::unique_ptr<AudioDevice> create() override { return std::make_unique<Silent>(); }
};

// The player's folder with the list "photos": kWords words, each with a photograph of its own.
bool makeList(const QString& playerFolder) {
    const QString list = playerFolder + "lists/photos/";
    QStringList words;
    QImage photo(1600, 1200, QImage::Format_RGB32);
    for (int word = 1; word <= kWords; ++word) {
        words << QStringLiteral("photo %1").arg(word);
        for (int y = 0; y < photo.height(); ++y) // a photograph's fine detail, in a plain pattern
            for (int x = 0; x < photo.width(); ++x)
                photo.setPixel(x, y, qRgb(x * 7 % 256, (y * 5 + word) % 256, (x ^ y) % 256));
        if (!QDir().mkpath(list) || !photo.save(list + words.last() + ".jpg", "JPG", 90))
            return false;
    }
    QFile text(list + "words.txt");
    return text.open(QIODevice::WriteOnly) && text.write(words.join('\n').toUtf8()) > 0;
}

void waitUntilExposed(QWidget& window) {
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    QApplication::processEvents();
}

struct Times {
    std::vector<double> whole, choosing;
};

void measureOnce(const QString& playerFolder, Times* times) {
    QFile::remove(playerFolder + "settings.ini"); // nothing chosen yet
    SystemClock clock;
    SystemRandom random;
    SystemScreen screen;
    SilentAudio audio;
    SystemMessageBoxes messages;
    AppContext context(Platform{clock, random, screen, audio, messages, playerFolder, false},
                       gameWindows(), [] {});
    frmS().show();
    waitUntilExposed(frmS());
    auto* box = frmS().findChild<QComboBox*>("cboList");
    auto* start = frmS().findChild<QPushButton*>("cmdStart");
    QElapsedTimer timer;
    timer.start();
    box->setCurrentIndex(1);
    Q_EMIT box->activated(1);
    const qint64 chosen = timer.nsecsElapsed();
    start->click();
    waitUntilExposed(frmBack());
    const qint64 shown = timer.nsecsElapsed();
    if (times) {
        times->whole.push_back(double(shown) / 1e6);
        times->choosing.push_back(double(chosen) / 1e6);
        std::fprintf(stderr, "chosen in %.1f ms, board shown after %.1f ms\n", double(chosen) / 1e6,
                     double(shown) / 1e6);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir player;
    const QString folder = player.path() + '/';
    if (!makeList(folder)) {
        std::fprintf(stderr, "list_board: cannot make the list of photographs\n");
        return 1;
    }
    std::fprintf(stderr, "platform %s\n", qPrintable(QApplication::platformName()));
    measureOnce(folder, nullptr);
    Times times;
    for (int run = 0; run < kRuns; ++run)
        measureOnce(folder, &times);
    bench::printFigure("from choosing a list of 36 photos to the board shown", times.whole, 1, "ms",
                       "-");
    bench::printFigure("choosing a list of 36 photos (read and checked)", times.choosing, 1, "ms",
                       "-");
    return 0;
}
