#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QtGlobal>

#include <vector>

// Real MP3 songs for the audio tests: sine tones synthesised here and
// encoded by the lame command-line encoder into a temporary folder.
class ToneFiles {
public:
    struct Tone {
        double frequency = 440;
        double seconds = 2;
        int sampleRate = 44100;
        int channels = 2;
        double amplitude = 0.5;
        double secondFrequency = 0; // when set, the second half sounds at this frequency
    };

    ToneFiles();
    // Path of the encoded file; lameOptions e.g. {"-b", "128"} or {"-V", "5", "-t"}.
    QString encode(const QString& name, const Tone& tone, const QStringList& lameOptions = { "-b", "128" });
    // A file with these raw bytes.
    QString write(const QString& name, const QByteArray& bytes);
    QString path(const QString& name) const { return m_dir.filePath(name); }
    // The bytes of a file written or encoded before.
    QByteArray bytes(const QString& name) const;

private:
    QTemporaryDir m_dir;
};

// The relative strength of one frequency in a stretch of interleaved stereo
// (left channel), by a Goertzel filter: amplitude of that sine component,
// 0..1 of full scale.
double toneLevel(const qint16* stereo, int frames, double frequency, int sampleRate);

// The largest jump between neighbouring samples of the left channel: a click
// where sound starts or stops without a ramp.
int largestStep(const std::vector<qint16>& stereo);

// The whole of a raw 16-bit stereo file (what SDL's disk driver writes).
std::vector<qint16> readRawStereo(const QString& path);
