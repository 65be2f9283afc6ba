// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Start-up with the player's own folder full: a photograph of 1600 by 1200 pixels for each of
// the 36 words and a recording for each of the 37 sounds, against the folder empty, in
// alternate runs of bench_startup --own. Prints bench_startup's FIGURE lines.
#include "rules/words.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QDir here(QCoreApplication::applicationDirPath());
    const QDir sounds(here.filePath(QStringLiteral("../share/pictolex")));
    QTemporaryDir own;
    QImage photo(1600, 1200, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y) // a photograph's fine detail, in a plain pattern
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, qRgb(x * 7 % 256, y * 5 % 256, (x ^ y) % 256));
    for (const std::string_view word : pictolex::kWords) {
        const QString name = QString::fromLatin1(word);
        if (!photo.save(own.filePath(name + QStringLiteral(".jpg")), "JPG", 90) ||
            !QFile::copy(sounds.filePath(name + QStringLiteral(".wav")),
                         own.filePath(name + QStringLiteral(".wav")))) {
            std::fprintf(stderr, "own_files: cannot make the files of %s\n", qPrintable(name));
            return 1;
        }
    }
    QFile::copy(sounds.filePath(QStringLiteral("good.wav")),
                own.filePath(QStringLiteral("good.wav")));
    QProcess startup;
    startup.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    startup.start(here.filePath(QStringLiteral("bench_startup")),
                  {QStringLiteral("--own"), own.path()});
    if (!startup.waitForFinished(600000) || startup.exitCode() != 0)
        return 1;
    std::fputs(startup.readAllStandardOutput().constData(), stdout);
    return 0;
}
