#include "fake_platform.h"
#include "shell/lazy_audio.h"
#include "shell/mm_control.h"
#include "shell/wav_file.h"
#include "start_screen/start_screen.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace pictolex;
using namespace pictolex::testing;

namespace {

QByteArray le16(quint16 v) {
    QByteArray b(2, 0);
    qToLittleEndian(v, b.data());
    return b;
}
QByteArray le32(quint32 v) {
    QByteArray b(4, 0);
    qToLittleEndian(v, b.data());
    return b;
}
QByteArray chunk(const char* id, const QByteArray& body, qint64 declared = -1) {
    QByteArray c = QByteArray(id) + le32(quint32(declared < 0 ? body.size() : declared)) + body;
    if (body.size() % 2)
        c.append('\0');
    return c;
}
QByteArray fmt(quint16 tag, quint16 channels, quint32 rate, quint16 bits, int extraBytes = 0) {
    const quint16 align = quint16(channels * bits / 8);
    QByteArray body =
        le16(tag) + le16(channels) + le32(rate) + le32(rate * align) + le16(align) + le16(bits);
    if (extraBytes) {
        // cbSize, valid bits, channel mask, then the sub-format GUID whose first word is PCM.
        body += le16(22) + le16(bits) + le32(4) + le16(1) + QByteArray(14, '\x10');
    }
    return chunk("fmt ", body);
}
QByteArray riff(const QByteArray& chunks) {
    return QByteArray("RIFF") + le32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}
const QByteArray kSamples(400, '\x11');

} // namespace

class SoundTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parseWav_data();
    void parseWav();
    void playSendsTheWholeRequestSequence();
    void latestRequestWins();
    void unplayableFileStaysSilent();
    void realOutputNeverFailsLoudly_data();
    void realOutputNeverFailsLoudly();
};

void SoundTest::parseWav_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("playable");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("sampleBytes");

    QTest::newRow("16-bit mono") << riff(fmt(1, 1, 22050, 16) + chunk("data", kSamples)) << true
                                 << 22050 << 400;
    QTest::newRow("8-bit stereo") << riff(fmt(1, 2, 11025, 8) + chunk("data", kSamples)) << true
                                  << 11025 << 400;
    QTest::newRow("extensible PCM")
        << riff(fmt(0xFFFE, 1, 44100, 16, 22) + chunk("data", kSamples)) << true << 44100 << 400;
    QTest::newRow("float") << riff(fmt(3, 1, 48000, 32) + chunk("data", kSamples)) << true << 48000
                           << 400;
    QTest::newRow("odd chunk before data is padded")
        << riff(fmt(1, 1, 22050, 16) + chunk("LIST", QByteArray(3, 'x')) + chunk("data", kSamples))
        << true << 22050 << 400;
    QTest::newRow("data cut short plays what is there")
        << riff(fmt(1, 1, 22050, 16) + chunk("data", kSamples.left(99), 100000)) << true << 22050
        << 100;
    QTest::newRow("empty file") << QByteArray() << false << 0 << 0;
    QTest::newRow("not RIFF") << QByteArray("MThd\0\0\0\6junkjunkjunk", 20) << false << 0 << 0;
    QTest::newRow("header only") << riff(QByteArray()) << false << 0 << 0;
    QTest::newRow("data before fmt")
        << riff(chunk("data", kSamples) + fmt(1, 1, 22050, 16)) << false << 0 << 0;
    QTest::newRow("no samples") << riff(fmt(1, 1, 22050, 16) + chunk("data", QByteArray())) << false
                                << 0 << 0;
    QTest::newRow("compressed") << riff(fmt(2, 1, 22050, 4) + chunk("data", kSamples)) << false << 0
                                << 0;
    QTest::newRow("zero channels")
        << riff(fmt(1, 0, 22050, 16) + chunk("data", kSamples)) << false << 0 << 0;
    QTest::newRow("fmt cut short")
        << riff(chunk("fmt ", QByteArray(10, '\1')) + chunk("data", kSamples)) << false << 0 << 0;
    QTest::newRow("chunk size past the end")
        << riff(chunk("junk", QByteArray(8, 'x'), 0xFFFFFFF0)) << false << 0 << 0;
}

void SoundTest::parseWav() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, playable);
    const std::optional<WavData> wav = pictolex::parseWav(bytes);
    QCOMPARE(wav.has_value(), playable);
    if (playable) {
        QTEST(wav->sampleRate, "rate");
        QTEST(int(wav->samples.size()), "sampleBytes");
    }
}

void SoundTest::playSendsTheWholeRequestSequence() {
    TestApp app;
    MMControl& control = frmS().mmControl();
    playSound(frmS(), QStringLiteral("/sounds/traffic signal.wav"));
    QCOMPARE(
        app.soundLog(QStringLiteral("frmS")),
        (QStringList{QStringLiteral("close"), QStringLiteral("open /sounds/traffic signal.wav"),
                     QStringLiteral("play")}));
    QCOMPARE(control.fileName(), QStringLiteral("/sounds/traffic signal.wav"));
    QCOMPARE(control.notify(), false);
    QCOMPARE(control.wait(), true);
    QCOMPARE(control.shareable(), false);
    QCOMPARE(control.deviceType(), QStringLiteral("Waveaudio"));
}

void SoundTest::latestRequestWins() {
    TestApp app;
    playSound(frmS(), QStringLiteral("/a.wav"));
    playSound(frmS(), QStringLiteral("/b.wav"));
    stopSound(frmS());
    // Each request closes what was playing before anything new is opened.
    QCOMPARE(
        app.soundLog(QStringLiteral("frmS")),
        (QStringList{"close", "open /a.wav", "play", "close", "open /b.wav", "play", "close"}));
}

void SoundTest::unplayableFileStaysSilent() {
    TestApp app;
    app.audio.unplayable << QStringLiteral("/missing.wav");
    playSound(frmS(), QStringLiteral("/missing.wav"));
    QCOMPARE(app.soundLog(QStringLiteral("frmS")), (QStringList{"close", "open /missing.wav"}));
}

void SoundTest::realOutputNeverFailsLoudly_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<bool>("module");
    QTest::newRow("missing") << QByteArray() << false << true;
    QTest::newRow("empty") << QByteArray() << true << true;
    QTest::newRow("corrupt") << QByteArray(5000, '\x7f') << true << true;
    const QByteArray good = riff(fmt(1, 1, 22050, 16) + chunk("data", QByteArray(44100, 0)));
    QTest::newRow("good") << good << true << true;
    QTest::newRow("no audio module") << good << true << false;
}

void SoundTest::realOutputNeverFailsLoudly() {
    QFETCH(QByteArray, content);
    QFETCH(bool, exists);
    QFETCH(bool, module);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("word.wav"));
    if (exists) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    const QString here = QCoreApplication::applicationDirPath();
    LazyAudioFactory factory(module ? audioModuleFor(here)
                                    : dir.filePath(QStringLiteral("none.so")));
    if (module)
        QVERIFY2(factory.loaded(), "the audio module did not load");
    factory.prepare();
    const std::unique_ptr<AudioDevice> device = factory.create();
    QElapsedTimer timer;
    timer.start();
    // With no audio device at all on a test machine, even a good file only opens and stays silent.
    for (int i = 0; i < 3; ++i) {
        device->close();
        if (device->open(path))
            device->play();
    }
    device->close();
    QVERIFY2(timer.elapsed() < 2000, "a sound request must never hang the game");
}

QTEST_MAIN(SoundTest)
#include "tst_sound.moc"
