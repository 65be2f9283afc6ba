// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QTemporaryDir>
#include <functional>

class QWidget;

namespace pictolex::bench {

// A fresh process, as every benchmark starts the game: the game's own program, or, given
// `arguments`, this benchmark again, which plays the game inside itself (playInside) or a part
// of it. It has XDG_DATA_HOME and XDG_RUNTIME_DIR folders of its own, the player's folder in
// them (XDG_DATA_HOME/pictolex) holding hard links to the files under `playerFiles`. The
// samples the benchmark prints again go to bench/run unless `counted` is false; errors always
// come through. When this object goes, the process gets SIGTERM, and SIGKILL after 2 s.
class Game {
public:
    explicit Game(const QString& playerFiles = {}, const QStringList& arguments = {},
                  bool counted = true);
    ~Game();

    // Runs instead the program `name` beside the benchmarks, with `arguments`.
    void runInstead(const QString& name, const QStringList& arguments);
    void start(); // throws std::runtime_error when it cannot
    pid_t pid() const { return pid_t(process_.processId()); }
    bool running();
    void run(); // starts it and waits for its end; throws std::runtime_error unless with 0

private:
    QTemporaryDir data_;
    QTemporaryDir runtime_;
    QProcess process_;
};

// Plays the game inside this program as the game's own program does (runGame), and calls
// `drive` once the start screen shows; the game ends when `drive` returns. Answers the status.
int playInside(int argc, char* argv[], const std::function<void()>& drive);

// The game's window of that object name ("frmS", "frmBack"), played inside this program; null
// when there is none.
QWidget* findWindow(const char* name);
// The same, which must be there.
QWidget& window(const char* name);

// Puts `picture` (hard links to it) in `folder` under each built-in word's name, and for a word
// list, words.txt naming them.
void putPictures(const QString& folder, const QString& picture, bool list);

} // namespace pictolex::bench
