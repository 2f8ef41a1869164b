#pragma once

#include <QtGlobal>

#include <array>
#include <vector>

class EnginePlayer;

// Sums the players into one 16-bit stereo stream. The sum is kept in 32 bits
// and clipped at the end, so loud overlaps saturate instead of wrapping
// around into noise. Runs on the output thread.
class PlayerMixer {
public:
    explicit PlayerMixer(std::vector<EnginePlayer*> players);

    void render(qint16* out, int frames);

    // Clips a 32-bit sum to the 16-bit range.
    static qint16 saturate(qint32 sum);

private:
    static constexpr int kChunkFrames = 1024;

    std::vector<EnginePlayer*> m_players;
    std::array<qint32, kChunkFrames * 2> m_sum {};
};
