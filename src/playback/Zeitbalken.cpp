#include "playback/Zeitbalken.h"

#include "common/FlexGrid.h"
#include "playback/PlayerControl.h"
#include "playback/Playlistspalte.h"
#include "playback/Zeittext.h"

namespace {

// Short songs show only their length: a title would not fit on the bar.
constexpr qint64 kOhneTitelBis = 60;

} // namespace

Zeitbalken::Zeitbalken(PlayerControl& player, const FlexGrid& playlist, QObject* parent)
    : QObject(parent)
    , m_player(player)
    , m_playlist(playlist)
{
}

void Zeitbalken::aktualisieren(int AktiverPlayer, qint64 Liedlaenge)
{
    Balkenzustand neu = m_zustand;
    neu.BalkenLaenge = Liedlaenge;
    const int status = m_player.GetStatus(AktiverPlayer);
    neu.Blinken = status == PlayerControl::Paused;
    if (status == PlayerControl::Playing) {
        neu.Balkentext = QLatin1Char(' ') + Zeittext::Dauer(Liedlaenge);
        if (Liedlaenge > kOhneTitelBis && m_playlist.Rows() > 1)
            neu.Balkentext += QStringLiteral("   ") + m_playlist.TextMatrix(1, Playlistspalte::Titel);
        neu.Noteposition = double(m_player.GetPosition(AktiverPlayer)) / 1000.0;
    } else if (status != PlayerControl::Paused) {
        // Bar and text stay while paused; an idle player puts the note back to the start.
        neu.Noteposition = 0;
        neu.Balkentext.clear();
    }
    if (neu == m_zustand)
        return;
    m_zustand = neu;
    emit geaendert(m_zustand);
}
