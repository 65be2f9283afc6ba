// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/words.h"
#include "shell/picture.h"
#include "shell/wav_file.h"
#include "start_screen/start_screen.h"

#include <QSet>
#include <QTest>

using namespace pictolex;

// Every word has a picture of its own and a sound the game can play, where the game looks for
// them; so has the end of a round.
class TestAssets : public QObject {
    Q_OBJECT
    QSet<QByteArray> pictures_;

private Q_SLOTS:
    void everyWordHasAPictureAndASound_data() {
        QTest::addColumn<QString>("word");
        for (const std::string_view word : kWords)
            QTest::newRow(word.data()) << QString::fromLatin1(word);
        QTest::newRow("the fanfare") << "good";
    }
    void everyWordHasAPictureAndASound() {
        QFETCH(QString, word);
        QFile file(soundFolderFor(QCoreApplication::applicationDirPath()) + word + ".wav");
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const std::optional<WavData> sound = parseWav(file.readAll());
        QVERIFY(sound && sound->sample == WavData::Sample::Int16);
        const double seconds =
            double(sound->samples.size()) / (2 * sound->channels * sound->sampleRate);
        QVERIFY2(seconds > 0.3 && seconds < 2.5, qPrintable(QString::number(seconds)));
        if (word == QLatin1String("good"))
            return;
        const QImage picture = iconImage(word);
        QCOMPARE(picture.size(), QSize(32, 32));
        const QByteArray bits(reinterpret_cast<const char*>(picture.constBits()),
                              picture.sizeInBytes());
        QVERIFY2(!pictures_.contains(bits), "the same picture as another word");
        pictures_.insert(bits);
    }
};

QTEST_MAIN(TestAssets)
#include "test_assets.moc"
