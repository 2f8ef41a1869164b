#include "playback/Lautheitsmessung.h"

#include "platform/AudioOutput.h"
#include "playback/Mp3Decoder.h"

#include <ebur128.h>

#include <stdexcept>
#include <vector>

namespace {

constexpr int kBlockFrames = 4096;

double dezibel(double amplitude)
{
    return 20.0 * std::log10(amplitude);
}

} // namespace

struct Lautheitsmessung::Zustand {
    Zustand()
        : state(ebur128_init(AudioOutput::kChannels, AudioOutput::kSampleRate, EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK))
    {
        if (!state)
            throw std::bad_alloc();
    }
    ~Zustand() { ebur128_destroy(&state); }
    Zustand(const Zustand&) = delete;
    Zustand& operator=(const Zustand&) = delete;

    ebur128_state* state;
};

Lautheitsmessung::Lautheitsmessung()
    : m_zustand(std::make_unique<Zustand>())
{
}

Lautheitsmessung::~Lautheitsmessung() = default;

void Lautheitsmessung::hinzufuegen(const qint16* stereo, int frames)
{
    if (frames > 0)
        ebur128_add_frames_short(m_zustand->state, stereo, std::size_t(frames));
}

Lautheitswerte Lautheitsmessung::ergebnis() const
{
    Lautheitswerte werte;
    double lufs = -HUGE_VAL;
    if (ebur128_loudness_global(m_zustand->state, &lufs) == EBUR128_SUCCESS)
        werte.lufs = lufs;
    double spitze = 0;
    for (unsigned kanal = 0; kanal < unsigned(AudioOutput::kChannels); ++kanal) {
        double wert = 0;
        if (ebur128_true_peak(m_zustand->state, kanal, &wert) == EBUR128_SUCCESS)
            spitze = std::max(spitze, wert);
    }
    werte.spitzeDbtp = dezibel(spitze);
    return werte;
}

std::optional<Lautheitswerte> Lautheitsmessung::datei(const QString& path, const std::atomic<bool>& abbruch)
{
    const std::unique_ptr<Mp3Decoder> decoder = Mp3Decoder::open(path);
    if (!decoder)
        return std::nullopt;
    Lautheitsmessung messung;
    std::vector<qint16> block(std::size_t(kBlockFrames) * AudioOutput::kChannels);
    for (;;) {
        if (abbruch.load(std::memory_order_relaxed))
            return std::nullopt;
        const int frames = decoder->read(block.data(), kBlockFrames);
        messung.hinzufuegen(block.data(), frames);
        if (frames < kBlockFrames)
            return messung.ergebnis();
    }
}
