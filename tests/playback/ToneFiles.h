#pragma once

#include "support/Mp3Frames.h"

#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <stdexcept>
#include <vector>

// Real MP3 songs for the audio tests: sine tones encoded by the lame command-line encoder.
class ToneFiles {
public:
    struct Tone {
        double frequency = 440;
        double seconds = 2;
        int sampleRate = 44100;
        int channels = 2;
        double amplitude = 0.5;
    };

    // Path of the encoded file; lameOptions e.g. {"-b", "128"} or {"-V", "5", "-t"}.
    QString encode(const QString& name, const Tone& tone, const QStringList& lameOptions = { "-b", "128" })
    {
        const int frames = int(tone.seconds * tone.sampleRate);
        std::vector<qint16> pcm(std::size_t(frames) * tone.channels);
        for (int i = 0; i < frames; ++i) {
            const double value
                = tone.amplitude * 32767 * std::sin(2 * std::numbers::pi * tone.frequency * i / tone.sampleRate);
            std::fill_n(pcm.begin() + i * tone.channels, tone.channels, qint16(std::lround(value)));
        }
        const QString raw
            = write(name + ".raw", QByteArray(reinterpret_cast<const char*>(pcm.data()), qsizetype(pcm.size() * 2)));
        const QStringList arguments { "--quiet", "-r", "--signed", "--little-endian", "--bitwidth", "16", "-s",
            QString::number(tone.sampleRate / 1000.0), "-m", tone.channels == 1 ? "m" : "j" };
        if (QProcess::execute("lame", arguments + lameOptions + QStringList { raw, path(name) }) != 0)
            throw std::runtime_error("lame failed on " + name.toStdString());
        return path(name);
    }
    QString write(const QString& name, const QByteArray& bytes)
    {
        if (!Mp3Frames::writeFile(path(name), bytes))
            throw std::runtime_error("cannot write test file");
        return path(name);
    }
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QByteArray bytes(const QString& name) const { return Mp3Frames::readFile(path(name)); }

private:
    QTemporaryDir m_dir;
};

// The amplitude (0..1 of full scale) of one frequency in the left channel, by a Goertzel filter.
inline double toneLevel(const qint16* stereo, int frames, double frequency, int sampleRate)
{
    const double coefficient = 2 * std::cos(2 * std::numbers::pi * frequency / sampleRate);
    double previous = 0;
    double beforePrevious = 0;
    for (int i = 0; i < frames; ++i) {
        const double current = stereo[2 * i] / 32768.0 + coefficient * previous - beforePrevious;
        beforePrevious = previous;
        previous = current;
    }
    const double power
        = previous * previous + beforePrevious * beforePrevious - coefficient * previous * beforePrevious;
    return frames > 0 ? 2 * std::sqrt(std::max(0.0, power)) / frames : 0;
}

// The largest jump between neighbouring left samples: a click where sound starts or stops without a ramp.
inline int largestStep(const std::vector<qint16>& stereo)
{
    int largest = 0;
    for (std::size_t i = 2; i < stereo.size(); i += 2)
        largest = std::max(largest, std::abs(stereo[i] - stereo[i - 2]));
    return largest;
}

// What SDL's disk driver wrote: 16-bit stereo frames.
inline std::vector<qint16> readRawStereo(const QString& path)
{
    const QByteArray bytes = Mp3Frames::readFile(path);
    std::vector<qint16> samples(std::size_t(bytes.size()) / 4 * 2);
    std::memcpy(samples.data(), bytes.constData(), samples.size() * 2);
    return samples;
}
