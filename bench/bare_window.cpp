// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
// bare_window WIDTH HEIGHT: an empty Qt window of that size and nothing else, the yardstick of
// bench_startup.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    const QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(argc > 2 ? QString::fromLocal8Bit(argv[1]).toInt() : 640,
                        argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 480);
    window.show();
    return QApplication::exec();
}
