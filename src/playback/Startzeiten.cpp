#include "playback/Startzeiten.h"

#include "common/Clock.h"
#include "common/FlexGrid.h"
#include "errors/Procedure.h"
#include "playback/PlayerControl.h"
#include "playback/Playlistspalte.h"
#include "playback/Ueberblendung.h"
#include "playback/Wiedergabefenster.h"
#include "playback/Wiedergabezustand.h"
#include "playback/Zeittext.h"

Startzeiten::Startzeiten(FlexGrid& playlist, PlayerControl& player, const Clock& clock,
    const Wiedergabezustand& zustand, const Wiedergabefenster& fenster)
    : m_playlist(playlist)
    , m_player(player)
    , m_clock(clock)
    , m_zustand(zustand)
    , m_fenster(fenster)
{
}

void Startzeiten::Uhrzeiten()
{
    Procedure proc("Startzeiten", "void Startzeiten::Uhrzeiten()");
    proc.run([&] {
        const int fadingzeit = m_fenster.optionen().Fadingzeit;
        const QDateTime jetzt = m_clock.now();
        const QDateTime t0 = jetzt.addMSecs(-m_player.GetPosition(m_zustand.AktiverPlayer));
        const QTime t0Zeit = t0.time();
        qint64 summe = 0;
        for (int zeile = 1; zeile < m_playlist.Rows(); ++zeile) {
            // Until the sequencer has started row 1 (its next tick), row 1 starts now.
            const bool gestartet = zeile == 1 && m_zustand.Startzeit.isValid()
                && m_zustand.AktuelleDatei == m_playlist.TextMatrix(1, Playlistspalte::Pfad);
            // Times of day only: local date-time arithmetic per row would cost more than the whole rest.
            const QTime start = gestartet ? m_zustand.Startzeit.time() : t0Zeit.addSecs(int(summe % 86400));
            const QString text = Zeittext::Uhrzeit(start);
            // Most rows keep their time; an unchanged cell need not be announced to the view.
            if (m_playlist.TextMatrix(zeile, Playlistspalte::Start) != text)
                m_playlist.setTextMatrix(zeile, Playlistspalte::Start, text);
            const qint64 dauer = Zeittext::DauerLesen(m_playlist.TextMatrix(zeile, Playlistspalte::Dauer))
                                     .value_or(Zeittext::kUnbekannteDauer);
            summe += Ueberblendung::Startabstand(dauer, fadingzeit);
        }
    });
}
