// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes.h"
#include "shell/lazy_audio.h"
#include "shell/mm_control.h"
#include "shell/sound_cache.h"
#include "shell/wav_file.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace pictolex;
using namespace pictolex::test;

namespace {

QByteArray le(quint32 value, int bytes) {
    QByteArray b(4, 0);
    qToLittleEndian(value, b.data());
    return b.left(bytes);
}
QByteArray chunk(const char* id, const QByteArray& body, quint32 declared = 0) {
    const QByteArray c = id + le(declared ? declared : quint32(body.size()), 4) + body;
    return body.size() % 2 ? c + '\0' : c;
}
// A WAVE file of 16-bit samples at 22050 Hz; an extensible header (tag 0xFFFE) names PCM.
QByteArray wav(quint32 tag, quint32 channels, const QByteArray& data, quint32 declared = 0) {
    QByteArray format = le(tag, 2) + le(channels, 2) + le(22050, 4) + le(44100 * channels, 4) +
                        le(2 * channels, 2) + le(16, 2);
    if (tag == 0xFFFE)
        format += le(22, 2) + le(16, 2) + le(4, 4) + le(1, 2) + QByteArray(14, '\x10');
    const QByteArray chunks = chunk("fmt ", format) + chunk("data", data, declared);
    return "RIFF" + le(quint32(4 + chunks.size()), 4) + "WAVE" + chunks;
}
const QByteArray kSamples(400, '\x11');

} // namespace

class TestShell : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void closingEitherWindowEndsTheProgram_data() {
        QTest::addColumn<bool>("started");
        QTest::addColumn<bool>("closeBoard");
        QTest::newRow("the start screen, before Start") << false << false;
        QTest::newRow("the board") << true << true;
        QTest::newRow("the hidden start screen, from outside") << true << false;
    }
    void closingEitherWindowEndsTheProgram() {
        QFETCH(bool, started);
        QFETCH(bool, closeBoard);
        TestApp app;
        frmS().show();
        if (started)
            startScreen().cmdStart_Click();
        app.sounds.clear();
        QVERIFY(closeBoard ? frmBack().close() : frmS().close());
        QVERIFY(!frmS().isLoaded() && !frmBack().isLoaded() && !frmBack().isVisible());
        QCOMPARE(app.quits, 1);
        QVERIFY(app.requests("frmS").contains("close"));
        // A board that was never opened never loads, so it never touches its sound.
        QCOMPARE(app.requests("frmBack").contains("close"), started);
    }

    void loadsOnceCentredOnTheScreen() {
        TestApp app;
        // Reading its state loads the start screen, and its load centres it.
        QVERIFY(frmS().rootPath().endsWith(QLatin1String("/share/pictolex/")));
        QCOMPARE(frmS().pos(), QPoint(385, 335)); // (1280 - 511) / 2, (1024 - 355) / 2, rounded
        frmS().move(0, 0);
        frmS().show();
        QCOMPARE(frmS().pos(), QPoint(0, 0));
    }

    // The latest request wins; a sound of the player's own comes first, if it plays.
    void soundRequests() {
        QTemporaryDir own;
        TestApp app;
        app.userFolder = own.path() + '/';
        QVERIFY(QFile(own.filePath("dog.wav")).open(QIODevice::WriteOnly));
        QVERIFY(QFile(own.filePath("cat.wav")).open(QIODevice::WriteOnly));
        app.unplayable << own.filePath("cat.wav") << "/sounds/cow.wav";
        for (const char* word : {"traffic signal", "dog", "cat", "cow"})
            playSound(frmS(), QStringLiteral("/sounds/%1.wav").arg(word));
        stopSound(frmS());
        const QString mine = "open " + app.userFolder;
        QCOMPARE(app.sounds.replaceInStrings("frmS:", ""),
                 (QStringList{"close", "open /sounds/traffic signal.wav", "play", "close",
                              mine + "dog.wav", "play", "close", mine + "cat.wav",
                              "open /sounds/cat.wav", "play", "close", "open /sounds/cow.wav",
                              "close"}));
    }

    void parseWav_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("sampleBytes"); // -1: not playable
        QTest::newRow("PCM") << wav(1, 1, kSamples) << 400;
        QTest::newRow("extensible PCM") << wav(0xFFFE, 2, kSamples) << 400;
        QTest::newRow("data cut short") << wav(1, 1, kSamples.left(99), 99999) << 100;
        QTest::newRow("odd chunk first")
            << wav(1, 1, kSamples).insert(36, chunk("LIST", "abc")) << 400;
        QTest::newRow("compressed") << wav(2, 1, kSamples) << -1;
        QTest::newRow("no channels") << wav(1, 0, kSamples) << -1;
        QTest::newRow("chunk past the end")
            << wav(1, 1, kSamples).insert(36, chunk("junk", "1234", 0xFFFFFFF0)) << -1;
    }
    void parseWav() {
        QFETCH(QByteArray, bytes);
        const std::optional<WavData> sound = pictolex::parseWav(bytes);
        QTEST(sound ? int(sound->samples.size()) : -1, "sampleBytes");
    }

    // Sounds are kept up to a budget, the least lately played dropped first: a dropped one is
    // read anew from the disk, a kept one is not, unless the file was replaced.
    void soundCacheKeepsToItsBudget() {
        QTemporaryDir dir;
        const auto write = [&](const char* name, char sample) { // the same size and time
            QFile file(dir.filePath(name));
            return file.open(QIODevice::WriteOnly) &&
                   file.write(wav(1, 1, QByteArray(400000, sample))) &&
                   file.setFileTime(QDateTime(QDate(2024, 5, 1), QTime(9, 0)),
                                    QFile::FileModificationTime);
        };
        SoundCache cache(1 << 20);
        for (const char* name : {"a.wav", "b.wav", "c.wav"})
            QVERIFY(write(name, 1) && cache.load(dir.filePath(name)));
        QVERIFY(write("a.wav", 2) && write("c.wav", 2));
        QCOMPARE(cache.load(dir.filePath("a.wav"))->samples[0], '\x02');
        QCOMPARE(cache.load(dir.filePath("c.wav"))->samples[0], '\x01');
        QVERIFY(QFile::resize(dir.filePath("c.wav"), 100000));
        QCOMPARE(cache.load(dir.filePath("c.wav"))->samples.size(), 100000 - 44);
    }

    // With no sound device at all, a sound of any kind, or no sound module, stays silent, is
    // quick, and says nothing on the terminal.
    void realOutputStaysSilentAndQuiet_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("module");
        QTest::newRow("missing") << QByteArray() << true;
        QTest::newRow("good") << wav(1, 1, QByteArray(44100, 0)) << true;
        QTest::newRow("no audio module") << wav(1, 1, QByteArray(44100, 0)) << false;
    }
    void realOutputStaysSilentAndQuiet() {
        QFETCH(QByteArray, content);
        QFETCH(bool, module);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("word.wav")));
        QVERIFY(content.isEmpty() || (file.open(QIODevice::WriteOnly) && file.write(content)));
        file.close();
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        LazyAudioFactory factory(module ? audioModuleFor(QCoreApplication::applicationDirPath())
                                        : dir.filePath(QStringLiteral("none.so")));
        QCOMPARE(factory.loaded() != nullptr, module);
        factory.prepare();
        const std::unique_ptr<AudioDevice> device = factory.create();
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < 3; ++i)
            if (device->open(file.fileName()))
                device->play();
        device->close();
        QVERIFY2(timer.elapsed() < 2000, "a sound must never hang the game");
    }
};

QTEST_MAIN(TestShell)
#include "test_shell.moc"
