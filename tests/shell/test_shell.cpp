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

using namespace pictolex;
using namespace pictolex::test;

namespace {

// A sound as the game ships it, changed at a place.
QByteArray shipped(qsizetype at = 0, QByteArrayView bytes = {}, qsizetype replacing = 0) {
    const QString folder = soundFolderFor(QCoreApplication::applicationDirPath());
    return readFile(folder + "banana.wav").replace(at, replacing, bytes);
}
QByteArray shippedAt(quint32 sampleRate) {
    QByteArray rate(4, 0);
    qToLittleEndian(sampleRate, rate.data());
    return shipped(24, rate, 4);
}

// A sound output that notes, on the audio thread, what it is asked: "<channel>:<sample rate>"
// for a recording, "<channel>:0" for silence, "<channel>:say <text> in <language>" for words.
// Its prepare() waits for `answer`, as a sound server that does not answer; `called` counts
// the calls as they begin, `looked` the looks at a channel, which sounds while `busy`.
struct Notes {
    QSemaphore answer, called, looked;
    QMutex mutex;
    QStringList done;
    std::atomic<bool> busy = false;
    QStringList taken() {
        const QMutexLocker lock(&mutex);
        return done;
    }
};
struct NotingOutput : SoundOutput {
    Notes& notes;
    explicit NotingOutput(Notes& n) : notes(n) {}
    void note(const QString& what) {
        notes.called.release();
        const QMutexLocker lock(&notes.mutex);
        notes.done << what;
    }
    void prepare() override {
        notes.called.release();
        notes.answer.acquire();
        note("prepare");
    }
    void play(int channel, const std::shared_ptr<const WavData>& sound) override {
        note(QStringLiteral("%1:%2").arg(channel).arg(sound ? sound->sampleRate : 0));
    }
    void speak(int channel, const QString& text, const QString& language) override {
        note(QStringLiteral("%1:say %2 in %3").arg(channel).arg(text, language));
    }
    void prepareVoice(const QString& language) override { note("voice " + language); }
    bool sounding(int) override {
        notes.looked.release();
        return notes.busy;
    }
};

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
        QVERIFY(app.requests("frmS").contains("stop"));
        // A board that was never opened never loads, so it never touches its sound.
        QCOMPARE(app.requests("frmBack").contains("stop"), started);
    }

    // What is heard of a word: its first recording that plays, else the word said in its
    // language, for which a voice is made ready ahead; a sound with no words is silence.
    void whatIsHeard_data() {
        QTest::addColumn<QStringList>("recordings");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("heard");
        QTest::newRow("the player's own first")
            << QStringList{"own", "game"} << "dog" << QStringList{"0:11025"};
        QTest::newRow("an own one that does not play")
            << QStringList{"bad", "game"} << "dog" << QStringList{"0:8000"};
        QTest::newRow("a list's word with no recording")
            << QStringList{"none"} << "sun" << QStringList{"0:say sun in ja", "voice ja"};
        QTest::newRow("the fanfare with none") << QStringList{"none"} << "" << QStringList{"0:0"};
    }
    void whatIsHeard() {
        QFETCH(QStringList, recordings);
        QFETCH(QString, text);
        QFETCH(QStringList, heard);
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("own.wav"), shippedAt(11025)) &&
                writeFile(dir.filePath("game.wav"), shippedAt(8000)) &&
                writeFile(dir.filePath("bad.wav"), shipped(20, "\2", 1)));
        Notes notes;
        AudioThread audio([&] { return std::make_unique<NotingOutput>(notes); });
        for (QString& name : recordings)
            name = dir.filePath(name + ".wav");
        const Utterance word{recordings, text, "ja"};
        audio.prepare(word);
        audio.play(0, word);
        QTRY_COMPARE(notes.taken(), heard);
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

    // A round is timed by the clock that setting the date and time never moves: the system's
    // monotonic clock, as Qt reads it too.
    void roundsAreTimedByTheMonotonicClock() {
        QElapsedTimer monotonic;
        monotonic.start();
        QCOMPARE(monotonic.clockType(), QElapsedTimer::MonotonicClock);
        QVERIFY(qAbs(SystemClock().monotonicMs() - monotonic.msecsSinceReference()) < 1000);
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
    // once, and when it answers, only the latest on each channel is carried out, its recording
    // read then (written after it was asked for). The thread is not waited for at the end while
    // it is stuck.
    void audioThreadNeverHoldsUpTheCaller() {
        QTemporaryDir dir;
        Notes notes;
        AudioThread audio([&] { return std::make_unique<NotingOutput>(notes); });
        const auto file = [&](const char* name) { return Utterance{{dir.filePath(name)}, {}, {}}; };
        audio.prepare();
        QVERIFY(notes.called.tryAcquire(1, 5000));
        for (const char* name : {"a.wav", "b.wav", "c.wav"})
            audio.play(0, file(name));
        audio.play(1, file("a.wav"));
        audio.play(1, {});
        QVERIFY(writeFile(dir.filePath("c.wav"), shippedAt(22050)));
        notes.answer.release();
        QVERIFY(notes.called.tryAcquire(3, 5000));
        audio.prepare();
        QVERIFY(notes.called.tryAcquire(1, 5000) && !audio.finish(std::chrono::milliseconds(20)));
        notes.answer.release();
        QVERIFY(audio.finish(std::chrono::seconds(5)));
        QCOMPARE(notes.taken(), (QStringList{"prepare", "0:22050", "1:0", "prepare"}));
    }

    // The fanfare waits for the word before it to end, but no longer than it was told; a later
    // request drops it.
    void fanfareWaitsForTheWord() {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("word.wav"), shippedAt(8000)) &&
                writeFile(dir.filePath("good.wav"), shippedAt(12000)));
        Notes notes;
        notes.busy = true;
        AudioThread audio([&] { return std::make_unique<NotingOutput>(notes); });
        const Utterance word{{dir.filePath("word.wav")}, {}, {}},
            good{{dir.filePath("good.wav")}, {}, {}};
        audio.play(0, word);
        audio.playNext(0, good, std::chrono::minutes(1));
        QTRY_VERIFY(notes.looked.available() >= 2); // twice: it waits
        QCOMPARE(notes.taken(), QStringList{"0:8000"});
        notes.busy = false;
        QTRY_COMPARE(notes.taken().size(), 2);
        notes.busy = true;
        QElapsedTimer waited;
        waited.start();
        audio.playNext(0, good, std::chrono::milliseconds(50));
        QTRY_COMPARE(notes.taken().size(), 3);
        QVERIFY(waited.elapsed() >= 50);
        notes.looked.acquire(notes.looked.available());
        audio.playNext(0, good, std::chrono::minutes(1));
        QTRY_VERIFY(notes.looked.available() > 0);
        audio.play(0, {});
        QTRY_COMPARE(notes.taken().size(), 4);
        notes.busy = false;
        audio.play(1, {});
        QTRY_COMPARE(notes.taken().size(), 5);
        QVERIFY(audio.finish(std::chrono::seconds(5)));
        QCOMPARE(notes.taken(), (QStringList{"0:8000", "0:12000", "0:12000", "0:0", "1:0"}));
    }
};

QTEST_MAIN(TestShell)
#include "test_shell.moc"
