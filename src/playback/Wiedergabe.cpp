#include "playback/Wiedergabe.h"

#include "common/FlexGrid.h"
#include "errors/Procedure.h"
#include "playback/Playlistspalte.h"
#include "playback/Wiedergabefenster.h"

Wiedergabe::Wiedergabe(Teile teile, Sequenzer::Zufallsquelle zufall, Dauermessung::Laengenmesser messer,
    PlaylistDatei datei, QString lautheitsdatei)
    : m_teile(teile)
    , m_datei(std::move(datei))
    , m_lautheit(std::move(lautheitsdatei))
    , m_zeitbalken(teile.player, teile.MSFlexGrid2)
    , m_startzeiten(teile.MSFlexGrid2, teile.player, teile.clock, m_zustand, teile.fenster)
    , m_sequenzer({ teile.MSFlexGrid1, teile.MSFlexGrid2, teile.player, teile.clock, teile.fenster, m_startzeiten,
                      m_zeitbalken, m_zustand, m_lautheit },
          std::move(zufall), [this] { m_playliste.Uebernehmen_Click(); })
    , m_playliste(
          { teile.MSFlexGrid1, teile.MSFlexGrid2, teile.player, teile.fenster, m_startzeiten, m_sequenzer, m_lautheit })
    , m_dauermessung(teile.MSFlexGrid1, std::move(messer))
    , m_autospeicherung(teile.MSFlexGrid2, [this] { m_datei.PlaylistSpeichern(m_teile.MSFlexGrid2); })
{
}

void Wiedergabe::PlaylistSpeichern()
{
    Procedure proc("Wiedergabe", "void Wiedergabe::PlaylistSpeichern()");
    proc.run([&] { m_datei.PlaylistSpeichern(m_teile.MSFlexGrid2); });
}

void Wiedergabe::PlaylistEinlesen()
{
    Procedure proc("Wiedergabe", "void Wiedergabe::PlaylistEinlesen()");
    if (m_gelesen)
        return;
    m_gelesen = true;
    // A bad line ends reading; unless the operator leaves here, the rows before it get headers and start times.
    // A repeat reads the file from its start, so the rows of the failed attempt go first.
    FlexGrid& playlist = m_teile.MSFlexGrid2;
    const int vorher = playlist.Rows();
    if (!proc.run([&] {
            playlist.setRows(vorher);
            m_datei.PlaylistEinlesen(playlist);
        }))
        return;
    proc.run([&] { m_teile.fenster.TabellenBeschriften(); }) && proc.run([&] { m_startzeiten.Uhrzeiten(); })
        && proc.run([&] { LautheitVormerken(); });
}

void Wiedergabe::LautheitVormerken()
{
    if (!m_teile.fenster.optionen().Lautheit)
        return;
    const FlexGrid& playlist = m_teile.MSFlexGrid2;
    for (int zeile = 1; zeile < playlist.Rows(); ++zeile)
        m_lautheit.vormerken(playlist.TextMatrix(zeile, Playlistspalte::Pfad));
}
