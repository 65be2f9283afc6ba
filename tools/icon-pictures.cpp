// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
// icon-pictures FOLDER ICON...: writes, for each icon file, the picture the game shows of it (its
// 32 by 32 image) to FOLDER as a PNG of the same name. Run at build time, so that the game reads
// its pictures as PNG, which Qt reads without a plugin, and never converts an icon's mask itself.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <cstdio>

namespace {

constexpr QSize kShownSize{32, 32};

QImage shownImage(const QString& icon) {
    QImageReader reader(icon);
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        if (const QImage image = reader.read(); image.size() == kShownSize)
            return image;
    }
    return {};
}

} // namespace

int main(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: icon-pictures FOLDER ICON...\n");
        return 2;
    }
    const QDir folder(arguments[1]);
    for (const QString& icon : arguments.mid(2)) {
        const QImage image = shownImage(icon);
        const QString png = folder.filePath(QFileInfo(icon).completeBaseName() + ".png");
        if (image.isNull() || !image.save(png, "PNG")) {
            std::fprintf(stderr, "icon-pictures: %s has no %dx%d image, or %s cannot be written\n",
                         qPrintable(icon), kShownSize.width(), kShownSize.height(),
                         qPrintable(png));
            return 1;
        }
    }
    return 0;
}
