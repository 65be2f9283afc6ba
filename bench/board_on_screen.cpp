// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_on_screen.h"

#include "board/board_layout.h"
#include "controls/picture.h"
#include "controls/units.h"
#include "rules/words.h"

#include <stdexcept>
#include <thread>

namespace pictolex::bench {

namespace {

constexpr auto kPatience = std::chrono::seconds(20);
constexpr xcb_keysym_t kTab = 0xff09, kReturn = 0xff0d;

void pause(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

bool near(QRgb a, QRgb b) {
    return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b)) <= 24;
}

// Whether `screen` shows `picture` at `at`, but for 2 % of its opaque pixels.
bool showsPicture(const QImage& screen, QPoint at, const QImage& picture) {
    int opaque = 0, wrong = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qAlpha(picture.pixel(x, y)) > 127 && ++opaque)
                wrong += !near(screen.pixel(at + QPoint(x, y)), picture.pixel(x, y));
    return wrong * 50 <= opaque;
}

} // namespace

BoardOnScreen::BoardOnScreen(XDisplay& x) : x_(x) {
    const Instant deadline = std::chrono::steady_clock::now() + kPatience;
    const auto running = [this] { return game_.running(); };
    x_.discardEvents();
    game_.start();
    const auto start = x_.waitForMap(game_.pid(), deadline, running);
    if (!start)
        throw std::runtime_error("the start screen did not show");
    while (!x_.hasFocus(start->window) && std::chrono::steady_clock::now() < deadline)
        pause(10);
    x_.discardEvents();
    x_.key(kTab);
    x_.key(kReturn);
    const auto board = x_.waitForMap(game_.pid(), deadline, running);
    if (!board)
        throw std::runtime_error("the board did not show after Tab and Return");
    window_ = board->window;
}

QPoint BoardOnScreen::onScreen(QPoint twips) const {
    return x_.origin(window_) + QPoint(toPixels(twips.x()), toPixels(twips.y()));
}

bool BoardOnScreen::shows(const QRect& twips, QRgb colour) {
    const QImage pixel = x_.grab(QRect(onScreen(twips.topLeft()) + QPoint(3, 3), QSize(1, 1)));
    return !pixel.isNull() && near(pixel.pixel(0, 0), colour);
}

std::array<QString, kCells + 1> BoardOnScreen::tiles() {
    std::array<QImage, kCells + 1> pictures;
    for (int cell = 1; cell <= kCells; ++cell)
        pictures[size_t(cell)] = iconImage(builtInWords()[cell - 1]);
    const Instant deadline = std::chrono::steady_clock::now() + kPatience;
    while (std::chrono::steady_clock::now() < deadline) {
        const QRect grid(onScreen(tileRect(1).topLeft()), onScreen(tileRect(kCells).bottomRight()));
        const QImage screen = x_.grab(grid);
        std::array<QString, kCells + 1> found;
        int seen = 0;
        for (int tile = 1; tile <= kCells && !screen.isNull(); ++tile) {
            const QPoint at = onScreen(tileRect(tile).topLeft()) - grid.topLeft();
            for (int cell = 1; cell <= kCells && found[size_t(tile)].isEmpty(); ++cell)
                if (showsPicture(screen, at, pictures[size_t(cell)]) && ++seen)
                    found[size_t(tile)] = builtInWords()[cell - 1];
        }
        if (seen == kCells)
            return found;
        pause(50);
    }
    throw std::runtime_error("the board did not show all its pictures");
}

void BoardOnScreen::dragOnto(int from, int to) {
    const QPoint a = onScreen(tileRect(from).center()), b = onScreen(tileRect(to).center());
    x_.moveTo(a);
    pause(30);
    x_.press();
    for (int step = 1; step <= 6; ++step) {
        pause(30);
        x_.moveTo(a + (b - a) * step / 6);
    }
    pause(100);
}

} // namespace pictolex::bench
