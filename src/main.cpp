// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/application.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    pictolex::prepareProcess();
    QApplication app(argc, argv);
    return pictolex::runGame(app);
}
