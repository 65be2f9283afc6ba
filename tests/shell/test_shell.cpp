// SPDX-FileCopyrightText: 2026 The Pictolex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/form.h"
#include "fakes.h"
#include "platform/install_layout.h"
#include "platform/system_services.h"
#include "sound/audio_thread.h"
#include "sound/sound_cache.h"
#include "sound/wav_file.h"

#include <QTemporaryDir>
#include <QtTest>
#include <ctime>

using namespace pictolex;
using namespace pictolex::test;

namespace {

// A sound as the game ships it, changed at a place.
QByteArray shipped(qsizetype at = 0, QByteArrayView bytes = {}, qsizetype replacing = 0) {
    const QString folder = soundFolderFor(QCoreApplication::applicationDirPath());
    return readFile(folder + "banana.wav").replace(at, replacing, bytes);
}

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
        app.startScreen().show();
        if (started)
            click(app.startScreen(), "cmdStart");
        app.sounds.clear();
        QVERIFY(closeBoard ? app.board().close() : app.startScreen().close());
        QCOMPARE(app.windows.board() != nullptr, started); // no board built to close
        QVERIFY(!app.startScreen().isLoaded() &&
                (!started || (!app.board().isLoaded() && !app.board().isVisible())));
        QCOMPARE(app.quits, 1);
        QVERIFY(app.requests("frmS").contains("close"));
        // A board that was never opened never loads, so it never touches its sound.
        QCOMPARE(app.requests("frmBack").contains("close"), started);
    }

    // The latest request wins; a sound of the player's own comes first, if it plays.
    void soundRequests() {
        QTemporaryDir own;
        TestApp app(own.path() + '/');
        QVERIFY(writeFile(own.filePath("dog.wav"), {}) && writeFile(own.filePath("cat.wav"), {}));
        app.unplayable << own.filePath("cat.wav") << "/sounds/cow.wav";
        for (const char* word : {"traffic signal", "dog", "cat", "cow"})
            playSound(app.startScreen(), QStringLiteral("/sounds/%1.wav").arg(word));
        stopSound(app.startScreen());
        const QString mine = "open " + own.path() + '/';
        QCOMPARE(app.sounds.replaceInStrings("frmS:", ""),
                 (QStringList{"close", "open /sounds/traffic signal.wav", "play", "close",
                              mine + "dog.wav", "play", "close", mine + "cat.wav",
                              "open /sounds/cat.wav", "play", "close", "open /sounds/cow.wav",
                              "close"}));
    }

    void parseWav_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("sampleBytes");  // -1: not playable
        QTest::addColumn<QByteArray>("first"); // the first sample's bytes, as played
        const qsizetype size = shipped().size();
        const QByteArray first = shipped().mid(44, 2);
        QTest::newRow("as shipped") << shipped() << int(size - 44) << first;
        QTest::newRow("cut short") << shipped().left(1001) << 956 << first;
        QTest::newRow("an odd chunk first")
            << shipped(36, {"LIST\3\0\0\0abc", 12}) << int(size - 44) << first;
        QTest::newRow("compressed") << shipped(20, "\2", 1) << -1 << QByteArray();
        QTest::newRow("no channels") << shipped(22, QByteArray(1, 0), 1) << -1 << QByteArray();
        QTest::newRow("a chunk past the end")
            << shipped(36, "junk\xF0\xFF\xFF\xFF") << -1 << QByteArray();
        QTest::newRow("32-bit float") << shipped(20, "\3", 1).replace(34, 1, "\x20")
                                      << int((size - 44) / 4 * 4) << shipped().mid(44, 4);
        // No sound output takes 24 bits: they play as 32, with a low byte of 0.
        QTest::newRow("24-bit") << shipped(34, "\x18", 1).replace(44, 3, "\1\2\3")
                                << int((size - 44) / 3 * 4) << QByteArray("\0\1\2\3", 4);
    }
    void parseWav() {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, first);
        const std::optional<WavData> sound = pictolex::parseWav(bytes);
        QTEST(sound ? int(sound->samples.size()) : -1, "sampleBytes");
        QCOMPARE(sound ? sound->samples.left(first.size()) : QByteArray(), first);
    }

    // Sounds are kept up to a budget, the least lately played dropped first: a dropped one is
    // read anew from the disk, a kept one is not, unless the file was replaced.
    void soundCacheKeepsToItsBudget() {
        QTemporaryDir dir;
        const auto write = [&](const char* name, char sample) { // the same size and time
            QFile file(dir.filePath(name));
            return file.open(QIODevice::WriteOnly) && file.write(shipped(44, {&sample, 1}, 1)) &&
                   file.setFileTime(QDateTime(QDate(2024, 5, 1), QTime(9, 0)),
                                    QFile::FileModificationTime);
        };
        SoundCache cache(shipped().size() * 5 / 2); // room for two
        for (const char* name : {"a.wav", "b.wav", "c.wav"})
            QVERIFY(write(name, 1) && cache.load(dir.filePath(name)));
        QVERIFY(write("a.wav", 2) && write("c.wav", 2));
        QCOMPARE(cache.load(dir.filePath("a.wav"))->samples[0], '\x02');
        QCOMPARE(cache.load(dir.filePath("c.wav"))->samples[0], '\x01');
        QVERIFY(QFile::resize(dir.filePath("c.wav"), 1044));
        QCOMPARE(cache.load(dir.filePath("c.wav"))->samples.size(), 1000);
        // A file of the kernel's says it is empty, and holds gigabytes: it is read no further
        // than a sound can go.
        QVERIFY(QFile::link("/proc/self/pagemap", dir.filePath("d.wav")));
        QVERIFY(!cache.load(dir.filePath("d.wav")));
    }

    // A round is timed by the clock that setting the date and time never moves.
    void roundsAreTimedByTheMonotonicClock() {
        timespec now{};
        QVERIFY(::clock_gettime(CLOCK_MONOTONIC, &now) == 0);
        QVERIFY(qAbs(SystemClock().monotonicMs() - (now.tv_sec * 1000 + now.tv_nsec / 1000000)) <
                1000);
    }

    // The player's folder, as the XDG base directory rules have it: a relative XDG_DATA_HOME
    // counts as none, and without a home there is no folder rather than one at the root.
    void playerFolder_data() {
        QTest::addColumn<QStringList>("dataHomeHomeFolder");
        const QString mine = "/home/ann/.local/share/pictolex/";
        QTest::newRow("XDG_DATA_HOME") << QStringList{"/data/", "/home/ann", "/data/pictolex/"};
        QTest::newRow("a relative one") << QStringList{"~/.local/share", "/home/ann", mine};
        QTest::newRow("none") << QStringList{"", "/home/ann/", mine};
        QTest::newRow("no home") << QStringList{"", "", ""};
        QTest::newRow("a relative home") << QStringList{"", "ann", ""};
        QTest::newRow("no home, XDG_DATA_HOME") << QStringList{"/data", "", "/data/pictolex/"};
    }
    void playerFolder() {
        QFETCH(QStringList, dataHomeHomeFolder);
        const QStringList& row = dataHomeHomeFolder;
        QCOMPARE(pictolex::playerFolder(row[0], row[1]), row[2]);
    }

    // A sound server that does not answer holds up the audio thread alone: requests return at
    // once, and when it answers, only the latest on each channel is carried out. The thread
    // is not waited for at the end while it is stuck.
    void audioThreadNeverHoldsUpTheCaller() {
        struct Output : SoundOutput {
            QSemaphore &answer, &called; // the server's answer; each call as it begins
            QStringList& done;
            Output(QSemaphore& a, QSemaphore& c, QStringList& d) : answer(a), called(c), done(d) {}
            void prepare() override {
                called.release();
                answer.acquire();
                done << "prepare";
            }
            void play(int channel, const std::shared_ptr<const WavData>& sound) override {
                called.release();
                done << QStringLiteral("%1:%2").arg(channel).arg(sound ? sound->sampleRate : 0);
            }
        };
        QSemaphore answer, called;
        QStringList done;
        AudioThread audio([&] { return std::make_unique<Output>(answer, called, done); });
        const auto sound = [](int rate) {
            return std::make_shared<WavData>(WavData{rate, 1, {}, {}});
        };
        audio.prepare();
        QVERIFY(called.tryAcquire(1, 5000));
        for (const int rate : {8000, 11025, 0, 22050})
            audio.play(0, rate ? sound(rate) : nullptr);
        audio.play(1, sound(44100));
        audio.play(1, nullptr);
        answer.release();
        QVERIFY(called.tryAcquire(2, 5000));
        audio.prepare();
        QVERIFY(called.tryAcquire(1, 5000) && !audio.finish(std::chrono::milliseconds(20)));
        answer.release();
        QVERIFY(audio.finish(std::chrono::seconds(5)));
        QCOMPARE(done, (QStringList{"prepare", "0:22050", "1:0", "prepare"}));
    }
};

QTEST_MAIN(TestShell)
#include "test_shell.moc"
