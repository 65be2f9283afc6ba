#include "assets_dir.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QTest>
#include <QtEndian>

using namespace pictolex;
using namespace pictolex::test;

using Sizes = QList<int>;

namespace {

const QString kProgramIcon = QStringLiteral("pictolex.ico");
const QString kSpareIcon = toQString(kSpareTag) + QStringLiteral(".ico");

QStringList iconFiles() {
    return assetFiles("icons", QStringLiteral("*.ico"));
}

// Why the file's images are not all uncompressed 4-bit palette bitmaps, or an empty string.
QString notSixteenColourBitmaps(const QByteArray& bytes) {
    const auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(bytes.data() + at); };
    const auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(bytes.data() + at); };
    if (bytes.size() < 6 || u16(0) != 0 || u16(2) != 1)
        return QStringLiteral("no icon directory");
    for (int i = 0; i < u16(4); ++i) {
        const qsizetype entry = 6 + 16 * i;
        if (bytes.size() < entry + 16)
            return QStringLiteral("truncated directory");
        const quint32 offset = u32(entry + 12);
        if (quint8(bytes[entry + 2]) != 16 || u16(entry + 6) != 4 || offset + 40 > bytes.size())
            return QStringLiteral("entry %1 is not 16 colours at 4 bits").arg(i);
        if (u32(offset) != 40 || u16(offset + 14) != 4 || u32(offset + 16) != 0)
            return QStringLiteral("image %1 is not an uncompressed 4-bit bitmap").arg(i);
    }
    return {};
}

int coloursOf(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                colours.insert(image.pixel(x, y));
    return int(colours.size());
}

double opaqueShare(const QImage& image) {
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            opaque += qAlpha(image.pixel(x, y)) == 255 ? 1 : 0;
    return double(opaque) / (image.width() * image.height());
}

} // namespace

class TestIcons : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void oneIconPerWordAndTheTwoOthers() {
        QStringList words = iconFiles();
        QVERIFY2(words.removeAll(kProgramIcon) == 1, "program icon missing");
        QVERIFY2(words.removeAll(kSpareIcon) == 1, "spare tile's icon missing");
        QCOMPARE(words, wordFileNames(QStringLiteral(".ico")));
    }

    void icon_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Sizes>("sizes");
        for (const std::string_view word : kWords) {
            const QString name = toQString(word) + QStringLiteral(".ico");
            QTest::newRow(qPrintable(name))
                << name << (word == "mailbox" ? Sizes{32} : Sizes{16, 32});
        }
        QTest::newRow("spare tile") << kSpareIcon << Sizes{32};
        QTest::newRow("program") << kProgramIcon << Sizes{16, 32};
    }
    void icon() {
        QFETCH(QString, name);
        QFETCH(Sizes, sizes);
        const QString path = assetsDir("icons").filePath(name);
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
        const QString format = notSixteenColourBitmaps(file.readAll());
        QVERIFY2(format.isEmpty(), qPrintable(format));

        QImageReader reader(path, "ico");
        QCOMPARE(reader.imageCount(), sizes.size());
        Sizes found;
        for (int i = 0; i < reader.imageCount(); ++i) {
            QVERIFY(reader.jumpToImage(i));
            const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
            QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
            QCOMPARE(image.width(), image.height());
            found << image.width();
            QVERIFY2(coloursOf(image) <= 16, qPrintable(QString::number(coloursOf(image))));
            const int last = image.width() - 1;
            for (const QPoint corner :
                 {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
                QCOMPARE(qAlpha(image.pixel(corner)), 0);
            QVERIFY2(opaqueShare(image) >= 0.2, "the picture hardly covers its square");
        }
        std::sort(found.begin(), found.end());
        QCOMPARE(found, sizes);
    }

    void desktopIcon_data() {
        QTest::addColumn<int>("size");
        QTest::newRow("16") << 16;
        QTest::newRow("32") << 32;
    }
    void desktopIcon() {
        QFETCH(int, size);
        const QString path = QStringLiteral("hicolor/%1x%1/apps/pictolex.png").arg(size);
        const QImage image(assetsDir("icons").filePath(path));
        QVERIFY2(!image.isNull(), qPrintable(path));
        QCOMPARE(image.size(), QSize(size, size));
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    }
};

QTEST_GUILESS_MAIN(TestIcons)
#include "tst_icons.moc"
