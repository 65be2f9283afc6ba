#include "wave_file.h"

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

// Checks the 16-byte format chunk: PCM, one channel, 16 bits, consistent rates.
bool plainPcmFormat(const QByteArray& fmt, WaveFile& wave, QString* error) {
    if (fmt.size() != 16) {
        *error = QStringLiteral("fmt chunk of %1 bytes, not 16").arg(fmt.size());
        return false;
    }
    const quint16 tag = le16(fmt, 0);
    const quint16 channels = le16(fmt, 2);
    wave.sampleRate = int(le32(fmt, 4));
    const quint32 byteRate = le32(fmt, 8);
    const quint16 blockAlign = le16(fmt, 12);
    const quint16 bits = le16(fmt, 14);
    if (tag != 1 || channels != 1 || bits != 16 || blockAlign != 2 ||
        byteRate != quint32(wave.sampleRate) * 2 || wave.sampleRate <= 0) {
        *error = QStringLiteral("not 16-bit mono PCM: tag %1, %2 channels, %3 bits, %4 Hz")
                     .arg(tag)
                     .arg(channels)
                     .arg(bits)
                     .arg(wave.sampleRate);
        return false;
    }
    return true;
}

} // namespace

std::optional<WaveFile> readPcmWave(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, file.errorString());
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return fail(error, QStringLiteral("no RIFF WAVE header"));
    if (le32(bytes, 4) != quint32(bytes.size() - 8))
        return fail(error, QStringLiteral("RIFF size does not match the file size"));
    WaveFile wave;
    bool haveFormat = false;
    for (qsizetype at = 12; at < bytes.size();) {
        if (bytes.size() - at < 8)
            return fail(error, QStringLiteral("truncated chunk header"));
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = le32(bytes, at + 4);
        if (size > bytes.size() - at - 8)
            return fail(error, QStringLiteral("chunk %1 runs past the end").arg(id));
        const QByteArray body = bytes.mid(at + 8, size);
        wave.chunkIds += (wave.chunkIds.isEmpty() ? "" : " ") + id;
        if (id == "fmt ") {
            if (!plainPcmFormat(body, wave, error))
                return std::nullopt;
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return fail(error, QStringLiteral("data before fmt"));
            wave.samples.resize(size_t(size / 2));
            for (size_t i = 0; i < wave.samples.size(); ++i)
                wave.samples[i] = qint16(le16(body, qsizetype(2 * i)));
        }
        at += 8 + size + (size & 1);
    }
    if (!haveFormat || !wave.chunkIds.contains("data"))
        return fail(error, QStringLiteral("fmt or data chunk missing"));
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
