#include "ToneFiles.h"

#include "support/Mp3Frames.h"

#include <QFile>
#include <QProcess>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <stdexcept>

ToneFiles::ToneFiles()
{
    if (!m_dir.isValid())
        throw std::runtime_error("no temporary folder");
}

QString ToneFiles::encode(const QString& name, const Tone& tone, const QStringList& lameOptions)
{
    const int frames = int(tone.seconds * tone.sampleRate);
    QByteArray pcm(qsizetype(frames) * tone.channels * 2, '\0');
    auto* samples = reinterpret_cast<qint16*>(pcm.data());
    double phase = 0;
    for (int i = 0; i < frames; ++i) {
        const double frequency = tone.secondFrequency > 0 && i >= frames / 2 ? tone.secondFrequency : tone.frequency;
        const double value = tone.amplitude * 32767 * std::sin(phase);
        phase += 2 * std::numbers::pi * frequency / tone.sampleRate;
        for (int c = 0; c < tone.channels; ++c)
            samples[i * tone.channels + c] = qint16(std::lround(value));
    }
    const QString raw = write(name + QStringLiteral(".raw"), pcm);
    const QString mp3 = path(name);
    QStringList args { "--quiet", "-r", "--signed", "--little-endian", "--bitwidth", "16", "-s",
        QString::number(tone.sampleRate / 1000.0), "-m", tone.channels == 1 ? "m" : "j" };
    args += lameOptions;
    args += { raw, mp3 };
    QProcess lame;
    lame.start(QStringLiteral("lame"), args);
    if (!lame.waitForFinished(60000) || lame.exitCode() != 0)
        throw std::runtime_error("lame failed: " + lame.readAllStandardError().toStdString());
    return mp3;
}

QString ToneFiles::write(const QString& name, const QByteArray& bytes)
{
    if (!Mp3Frames::writeFile(path(name), bytes))
        throw std::runtime_error("cannot write test file");
    return path(name);
}

QByteArray ToneFiles::bytes(const QString& name) const
{
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

double toneLevel(const qint16* stereo, int frames, double frequency, int sampleRate)
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
    return frames > 0 ? 2 * std::sqrt(qMax(0.0, power)) / frames : 0;
}

int largestStep(const std::vector<qint16>& stereo)
{
    int largest = 0;
    for (std::size_t i = 2; i < stereo.size(); i += 2)
        largest = std::max(largest, std::abs(stereo[i] - stereo[i - 2]));
    return largest;
}

std::vector<qint16> readRawStereo(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    std::vector<qint16> samples(std::size_t(bytes.size()) / 4 * 2);
    std::memcpy(samples.data(), bytes.constData(), samples.size() * 2);
    return samples;
}
