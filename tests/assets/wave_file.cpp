#include "wave_file.h"

#include "shell/wav_file.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace pictolex {

namespace {

constexpr double kFullScale = 32768.0;

quint32 le32(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 le16(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

std::optional<WaveFile> fail(QString* error, const QString& why) {
    *error = why;
    return std::nullopt;
}

} // namespace

std::optional<WaveFile> readPcmWave(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, file.errorString());
    const QByteArray bytes = file.readAll();
    // The plainest header there is: RIFF, WAVE, a 16-byte fmt chunk of 16-bit mono PCM, and
    // the data chunk right after it, up to the end of the file.
    if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE" ||
        le32(bytes, 4) != quint32(bytes.size() - 8))
        return fail(error, QStringLiteral("no RIFF WAVE header of the file's size"));
    if (bytes.mid(12, 4) != "fmt " || le32(bytes, 16) != 16 || bytes.mid(36, 4) != "data" ||
        le32(bytes, 40) != quint32(bytes.size() - 44))
        return fail(error, QStringLiteral("chunks other than a 16-byte fmt and the data"));
    if (le16(bytes, 20) != 1 || le16(bytes, 22) != 1 || le16(bytes, 34) != 16)
        return fail(error, QStringLiteral("not 16-bit mono PCM"));
    // The samples as the game itself reads them.
    const std::optional<WavData> wav = parseWav(bytes);
    if (!wav || wav->sample != WavData::Sample::Int16)
        return fail(error, QStringLiteral("the game cannot read it"));
    WaveFile wave;
    wave.sampleRate = wav->sampleRate;
    wave.chunkIds = "fmt  data";
    wave.samples.resize(size_t(wav->samples.size() / 2));
    for (size_t i = 0; i < wave.samples.size(); ++i)
        wave.samples[i] = qint16(le16(wav->samples, qsizetype(2 * i)));
    return wave;
}

double peakDbfs(const std::vector<qint16>& samples) {
    int peak = 0;
    for (const qint16 s : samples)
        peak = std::max(peak, std::abs(int(s)));
    return 20.0 * std::log10(std::max(peak, 1) / kFullScale);
}

double rmsDbfs(const std::vector<qint16>& samples) {
    double sum = 0.0;
    for (const qint16 s : samples)
        sum += double(s) * double(s);
    const double mean = samples.empty() ? 0.0 : sum / double(samples.size());
    return 10.0 * std::log10(std::max(mean, 1.0) / (kFullScale * kFullScale));
}

double firstAbove(const WaveFile& wave, double dbfs) {
    const double level = kFullScale * std::pow(10.0, dbfs / 20.0);
    const auto it = std::find_if(wave.samples.begin(), wave.samples.end(),
                                 [level](qint16 s) { return std::abs(int(s)) >= level; });
    return double(it - wave.samples.begin()) / wave.sampleRate;
}

double lastAbove(const WaveFile& wave, double dbfs) {
    const double level = kFullScale * std::pow(10.0, dbfs / 20.0);
    const auto it = std::find_if(wave.samples.rbegin(), wave.samples.rend(),
                                 [level](qint16 s) { return std::abs(int(s)) >= level; });
    return double(wave.samples.rend() - it) / wave.sampleRate;
}

} // namespace pictolex
