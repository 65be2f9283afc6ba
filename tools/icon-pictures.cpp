// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
// icon-pictures FOLDER ICON...: writes, for each icon file, the picture the game shows of it (its
// 32 by 32 image) to FOLDER, as a file of the same name ending in .pixels: its width and height
// as two 32-bit numbers, then its premultiplied ARGB pixels row after row, both in this
// machine's byte order, as the game holds a picture in memory. Run at build time, so that the
// game copies its pictures out of its resources with no decoder, no image plugin and no
// conversion, and never converts an icon's mask itself.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <array>
#include <cstdio>

namespace {

constexpr QSize kShownSize{32, 32};

QImage shownImage(const QString& icon) {
    QImageReader reader(icon);
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        if (const QImage image = reader.read(); image.size() == kShownSize)
            return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }
    return {};
}

bool writePixels(const QImage& image, const QString& path) {
    const std::array<quint32, 2> size{quint32(image.width()), quint32(image.height())};
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(reinterpret_cast<const char*>(size.data()), sizeof size) == sizeof size &&
           file.write(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()) ==
               image.sizeInBytes() &&
           file.flush();
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
        const QString pixels = folder.filePath(QFileInfo(icon).completeBaseName() + ".pixels");
        if (image.isNull() || !writePixels(image, pixels)) {
            std::fprintf(stderr, "icon-pictures: %s has no %dx%d image, or %s cannot be written\n",
                         qPrintable(icon), kShownSize.width(), kShownSize.height(),
                         qPrintable(pixels));
            return 1;
        }
    }
    return 0;
}
