#include "assets_dir.h"
#include "wave_file.h"

#include <QTest>

#include <algorithm>

using namespace pictolex;
using namespace pictolex::test;

namespace {

constexpr double kSoundBeginsDbfs = -40.0; // quieter than this counts as silence
const QString kFanfare = QStringLiteral("good.wav");

QStringList soundFiles() {
    return assetFiles("sounds", QStringLiteral("*.wav"));
}

WaveFile load(const QString& name) {
    QString error;
    const std::optional<WaveFile> wave = readPcmWave(assetsDir("sounds").filePath(name), &error);
    if (!wave)
        qFatal("%s: %s", qPrintable(name), qPrintable(error));
    return *wave;
}

} // namespace

class TestSounds : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void oneSoundPerWordAndTheFanfare() {
        QStringList words = soundFiles();
        QVERIFY2(words.removeAll(kFanfare) == 1, "good.wav is missing");
        QCOMPARE(words, wordFileNames(QStringLiteral(".wav")));
    }

    void soundFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("shortest");
        QTest::addColumn<double>("longest");
        for (const QString& name : soundFiles()) {
            const bool fanfare = name == kFanfare;
            QTest::newRow(qPrintable(name))
                << name << (fanfare ? 1.0 : 0.3) << (fanfare ? 2.0 : 2.5);
        }
    }
    void soundFile() {
        QFETCH(QString, name);
        QFETCH(double, shortest);
        QFETCH(double, longest);
        QString error;
        const std::optional<WaveFile> wave =
            readPcmWave(assetsDir("sounds").filePath(name), &error);
        QVERIFY2(wave, qPrintable(error));
        QCOMPARE(wave->chunkIds, QByteArray("fmt  data"));
        QVERIFY2(wave->sampleRate >= 22050, qPrintable(QString::number(wave->sampleRate)));
        QVERIFY2(wave->seconds() >= shortest && wave->seconds() <= longest,
                 qPrintable(QString::number(wave->seconds())));
        QVERIFY2(rmsDbfs(wave->samples) > -30.0, "silent");
        QVERIFY2(peakDbfs(wave->samples) <= -1.0, "peaks above -1 dBFS");
        const double begins = firstAbove(*wave, kSoundBeginsDbfs);
        QVERIFY2(begins <= 0.020, qPrintable(QStringLiteral("begins at %1 s").arg(begins)));
        const double trailing = wave->seconds() - lastAbove(*wave, kSoundBeginsDbfs);
        QVERIFY2(trailing <= 0.100, qPrintable(QStringLiteral("%1 s of silence").arg(trailing)));
    }

    void loudnessIsEven() {
        std::vector<double> levels;
        for (const QString& name : soundFiles())
            levels.push_back(rmsDbfs(load(name).samples));
        QCOMPARE(levels.size(), size_t(kCells + 1));
        std::vector<double> sorted = levels;
        std::sort(sorted.begin(), sorted.end());
        const double median = sorted[sorted.size() / 2];
        const QStringList names = soundFiles();
        for (size_t i = 0; i < levels.size(); ++i)
            QVERIFY2(std::abs(levels[i] - median) <= 3.0,
                     qPrintable(QStringLiteral("%1: %2 dBFS, median %3 dBFS")
                                    .arg(names[qsizetype(i)])
                                    .arg(levels[i])
                                    .arg(median)));
    }
};

QTEST_GUILESS_MAIN(TestSounds)
#include "tst_sounds.moc"
