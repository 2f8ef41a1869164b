#include "playback/PlayerMixer.h"

#include "playback/EnginePlayer.h"

#include <algorithm>

PlayerMixer::PlayerMixer(std::vector<EnginePlayer*> players)
    : m_players(std::move(players))
{
}

void PlayerMixer::render(qint16* out, int frames)
{
    while (frames > 0) {
        const int n = qMin(frames, kChunkFrames);
        std::fill_n(m_sum.begin(), n * 2, 0);
        for (EnginePlayer* player : m_players)
            player->mixInto(m_sum.data(), n);
        std::transform(m_sum.begin(), m_sum.begin() + n * 2, out, saturate);
        out += n * 2;
        frames -= n;
    }
}

qint16 PlayerMixer::saturate(qint32 sum)
{
    return qint16(std::clamp<qint32>(sum, -32768, 32767));
}
