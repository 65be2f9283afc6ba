#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace pictolex {

// A mono 16-bit PCM WAVE file as the sound player needs it: a RIFF header, a 16-byte "fmt "
// chunk with format tag 1, and a "data" chunk.
struct WaveFile {
    int sampleRate = 0;
    std::vector<qint16> samples;
    QByteArray chunkIds; // every chunk's id in file order, e.g. "fmt data"

    double seconds() const { return double(samples.size()) / sampleRate; }
};

// Reads and checks a WAVE file; on failure returns nothing and says why in *error.
std::optional<WaveFile> readPcmWave(const QString& path, QString* error);

// Loudness figures of a block of samples, in dB relative to full scale.
double peakDbfs(const std::vector<qint16>& samples);
double rmsDbfs(const std::vector<qint16>& samples);

// The time of the first and of the last sample at or above the level, in seconds.
double firstAbove(const WaveFile& wave, double dbfs);
double lastAbove(const WaveFile& wave, double dbfs);

} // namespace pictolex
