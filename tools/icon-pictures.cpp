// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
// icon-pictures FOLDER ICON...: writes, for each icon file, the picture the game shows of it (its
// 32 by 32 image) to FOLDER, as a file of the same name ending in .pixels: its width, height and
// number of colours as 32-bit numbers, its colours (ARGB, 32 bits each), then a byte for each
// pixel, the number of its colour, row after row; numbers in this machine's byte order. Run at
// build time, so that the game reads its pictures with no decoder and no image plugin, and never
// converts an icon's mask itself. An icon of more than 256 colours is refused.
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
            return image.convertToFormat(QImage::Format_ARGB32);
    }
    return {};
}

// Its colours numbered, or an empty image when it has more than 256 (transparent pixels are
// one colour, as the game draws them), or when numbering would change how it shows.
QImage numbered(const QImage& image) {
    QImage indexed(image.size(), QImage::Format_Indexed8);
    QList<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            const QRgb colour = qAlpha(pixel) == 0 ? 0 : pixel;
            qsizetype number = colours.indexOf(colour);
            if (number < 0 && colours.size() == 256)
                return {};
            if (number < 0) {
                number = colours.size();
                colours.append(colour);
            }
            indexed.scanLine(y)[x] = uchar(number);
        }
    }
    indexed.setColorTable(colours);
    const auto shown = [](const QImage& i) {
        return i.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    return shown(indexed) == shown(image) ? indexed : QImage();
}

bool writePixels(const QImage& indexed, const QString& path) {
    const QList<QRgb> colours = indexed.colorTable();
    const std::array<quint32, 3> head{quint32(indexed.width()), quint32(indexed.height()),
                                      quint32(colours.size())};
    QByteArray bytes(reinterpret_cast<const char*>(head.data()), sizeof head);
    bytes.append(reinterpret_cast<const char*>(colours.constData()),
                 colours.size() * qsizetype(sizeof(QRgb)));
    for (int y = 0; y < indexed.height(); ++y)
        bytes.append(reinterpret_cast<const char*>(indexed.constScanLine(y)), indexed.width());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
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
        const QImage image = numbered(shownImage(icon));
        const QString pixels = folder.filePath(QFileInfo(icon).completeBaseName() + ".pixels");
        if (image.isNull() || !writePixels(image, pixels)) {
            std::fprintf(stderr,
                         "icon-pictures: %s has no %dx%d image of 256 colours or fewer, or %s "
                         "cannot be written\n",
                         qPrintable(icon), kShownSize.width(), kShownSize.height(),
                         qPrintable(pixels));
            return 1;
        }
    }
    return 0;
}
