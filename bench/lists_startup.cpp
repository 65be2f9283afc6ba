// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Start-up with 20 word lists installed, against none. Two copies of the game are laid out as
// installed, one with 20 lists of 36 photographs (1600 by 1200 pixels) in share/pictolex/lists/
// beside its sounds; bench_startup starts each in turn, the one with lists also with one of
// them remembered as chosen, so that start-up reads and checks it. Prints the medians of the
// times to the start screen mapped, and how much longer the lists make it, as FIGURE lines.
#include "figures.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdio>

using pictolex::bench::median;
using pictolex::bench::printFigure;

namespace {

constexpr int kLists = 20;
constexpr int kWords = 36;
constexpr int kRounds = 6; // of bench_startup for each copy, in turns
constexpr int kRunsPerRound = 5;

bool copyFile(const QString& from, const QString& to) {
    return QDir().mkpath(QFileInfo(to).path()) && QFile::copy(from, to);
}

// The game as installed under `prefix`: the program, its sound output and its sounds.
bool install(const QDir& build, const QString& prefix) {
    bool done = copyFile(build.filePath("bin/pictolex"), prefix + "/bin/pictolex") &&
                copyFile(build.filePath("lib/pictolex/pictolex_audio.so"),
                         prefix + "/lib/pictolex/pictolex_audio.so");
    const QDir sounds(build.filePath("share/pictolex"));
    for (const QString& sound : sounds.entryList({"*.wav"}))
        done = done && copyFile(sounds.filePath(sound), prefix + "/share/pictolex/" + sound);
    return done;
}

// A photograph's fine detail, in a plain pattern.
QImage photograph() {
    QImage photo(1600, 1200, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, qRgb(x * 7 % 256, y * 5 % 256, (x ^ y) % 256));
    return photo;
}

// kLists lists, "list01" and on, of kWords words, each word's picture a link to one photograph.
bool makeLists(const QString& folder, const QString& photo) {
    for (int list = 1; list <= kLists; ++list) {
        const QString dir = folder + QStringLiteral("/list%1/").arg(list, 2, 10, QLatin1Char('0'));
        QStringList words;
        for (int word = 1; word <= kWords; ++word)
            words << QStringLiteral("word %1").arg(word);
        QFile text(dir + "words.txt");
        if (!QDir().mkpath(dir) || !text.open(QIODevice::WriteOnly) ||
            text.write(words.join('\n').toUtf8()) <= 0)
            return false;
        for (const QString& word : words)
            if (!QFile::link(photo, dir + word + ".jpg"))
                return false;
    }
    return true;
}

// Times to mapped, and the game's processor time until then, of the runs without the player's
// folder and with it.
struct Times {
    std::vector<double> plain, own, plainCpu, ownCpu;
};

// bench_startup on `game`, with the player's folder `own` in every other run when given; its
// figures, run by run, from its standard error.
bool measure(const QString& bench, const QString& game, const QString& own, Times& times) {
    QStringList arguments{"--runs", QString::number(kRunsPerRound), "--game", game};
    if (!own.isEmpty())
        arguments << "--own" << own;
    QProcess startup;
    startup.start(bench, arguments);
    if (!startup.waitForFinished(600000) || startup.exitCode() != 0)
        return false;
    static const QRegularExpression run(
        "^run \\d+( with own files)?: ([\\d.]+) ms to mapped \\(([\\d.]+) ms CPU\\)",
        QRegularExpression::MultilineOption);
    for (const QRegularExpressionMatch& m : run.globalMatch(startup.readAllStandardError())) {
        const bool withOwn = !m.captured(1).isEmpty();
        (withOwn ? times.own : times.plain).push_back(m.captured(2).toDouble());
        (withOwn ? times.ownCpu : times.plainCpu).push_back(m.captured(3).toDouble());
    }
    return true;
}

// How much longer the median of `values` is than that of the runs without lists.
void printDifference(const char* name, const std::vector<double>& values,
                     const std::vector<double>& none, const char* target) {
    std::printf("FIGURE\t%s\t%.1f\tms\t%s\tmedians %.1f against %.1f, %zu and %zu runs\n", name,
                median(values) - median(none), target, median(values), median(none), values.size(),
                none.size());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QDir here(QCoreApplication::applicationDirPath());
    const QDir build(here.filePath(".."));
    QTemporaryDir work;
    const QString bare = work.filePath("bare"), listed = work.filePath("listed");
    const QString photo = work.filePath("photo.jpg"), chosen = work.filePath("chosen");
    QFile settings(chosen + "/settings.ini");
    if (!install(build, bare) || !install(build, listed) || !photograph().save(photo, "JPG", 90) ||
        !makeLists(listed + "/share/pictolex/lists", photo) || !QDir().mkpath(chosen) ||
        !settings.open(QIODevice::WriteOnly) || settings.write("[lists]\nchosen=list07\n") <= 0) {
        std::fprintf(stderr, "lists_startup: cannot lay out the game and its lists\n");
        return 1;
    }
    settings.close();
    const QString bench = here.filePath("bench_startup");
    Times none, lists;
    for (int round = 0; round < kRounds; ++round) {
        if (!measure(bench, bare + "/bin/pictolex", {}, none) ||
            !measure(bench, listed + "/bin/pictolex", chosen, lists)) {
            std::fprintf(stderr, "lists_startup: bench_startup failed\n");
            return 1;
        }
    }
    printFigure("from start to window mapped, no lists", none.plain, 1, "ms", "-");
    printFigure("from start to window mapped, 20 lists", lists.plain, 1, "ms", "-");
    printFigure("from start to window mapped, 20 lists, one chosen", lists.own, 1, "ms", "-");
    printDifference("start-up, 20 lists, more than none", lists.plain, none.plain, "<= 20");
    printDifference("start-up, 20 lists and one of 36 photos chosen, more than none", lists.own,
                    none.plain, "-");
    printDifference("CPU time to mapped, 20 lists, more than none", lists.plainCpu, none.plainCpu,
                    "-");
    printDifference("CPU time to mapped, 20 lists and one chosen, more than none", lists.ownCpu,
                    none.plainCpu, "-");
    return 0;
}
