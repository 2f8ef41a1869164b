#include "playback/Playliste.h"

#include "common/FlexGrid.h"
#include "errors/Procedure.h"
#include "library/Archiv.h"
#include "playback/Lautheitsausgleich.h"
#include "playback/Maustasten.h"
#include "playback/PlayerControl.h"
#include "playback/Playlistspalte.h"
#include "playback/Sequenzer.h"
#include "playback/Startzeiten.h"
#include "playback/Wiedergabefenster.h"
#include "playback/Zeittext.h"

#include <array>

namespace {

constexpr int kEnter = 13;
constexpr int kRechts = 2;
// Rows the playlist keeps in view above a moved or appended row.
constexpr int kSichtbareZeilen = 5;

} // namespace

Playliste::Playliste(Teile teile)
    : m_teile(teile)
{
}

QString Playliste::Begrenzungstext(int anzahl)
{
    return QStringLiteral("Begrenzung auf %1%2").arg(anzahl).arg(anzahl == 1 ? " Lied!" : " Lieder!");
}

void Playliste::Uebernehmen_Click()
{
    Procedure proc("Playliste", "void Playliste::Uebernehmen_Click()");
    bool auf = false;
    if (!proc.run([&] {
            auf = m_teile.fenster.schlossAuf();
            m_teile.fenster.setUebernehmenEnabled(auf);
        })
        || !auf)
        return;
    proc.run([&] { uebernehmen(); }) && proc.run([&] { m_teile.fenster.EnableButtons(); });
}

void Playliste::uebernehmen()
{
    FlexGrid& archiv = m_teile.archiv;
    FlexGrid& playlist = m_teile.playlist;
    if (archiv.Rows() - 1 < 1 || archiv.Row() < 1)
        return;
    if (voll()) {
        m_teile.fenster.Meldung(Begrenzungstext(m_teile.fenster.optionen().Anzahl));
        return;
    }
    const int quelle = archiv.Row();
    const QString titel = archiv.TextMatrix(quelle, Archiv::Titel);
    if (titel.isEmpty())
        return;
    const QString pfad = archiv.TextMatrix(quelle, Archiv::Pfad);
    int ziel = 0;
    for (int zeile = playlist.Rows() - 1; zeile >= 1 && ziel == 0; --zeile) {
        if (playlist.TextMatrix(zeile, Playlistspalte::Pfad) == pfad)
            ziel = zeile;
    }
    if (ziel == 0) {
        const QString dauer = archiv.TextMatrix(quelle, Archiv::Dauer);
        playlist.AddItem(titel);
        ziel = playlist.Rows() - 1;
        playlist.setRowTexts(ziel,
            { titel, archiv.TextMatrix(quelle, Archiv::Interpret), archiv.TextMatrix(quelle, Archiv::Genre),
                QStringLiteral("??:??"), pfad, dauer.isEmpty() ? Zeittext::kUnbekannt : dauer });
        if (m_teile.fenster.optionen().Lautheit)
            m_teile.lautheit.vormerken(pfad);
    } else {
        m_teile.fenster.Meldung(QStringLiteral("Bereits in Playliste vorhanden!"));
    }
    playlist.selectRow(ziel);
    playlist.setTopRow(ziel);
    m_teile.startzeiten.Uhrzeiten();
}

bool Playliste::voll() const
{
    const int anzahl = m_teile.fenster.optionen().Anzahl;
    return anzahl > 0 && m_teile.playlist.Rows() - 1 >= anzahl;
}

void Playliste::Loeschen()
{
    Procedure proc("Playliste", "void Playliste::Loeschen()");
    Wiedergabezustand& zustand = m_teile.sequenzer.zustand();
    if (!proc.run([&] {
            if (m_teile.playlist.Rows() > 1 && zeileLoeschen())
                m_teile.fenster.playlistFokus();
        }))
        return;
    if (!proc.run([&] {
            if (m_teile.playlist.Rows() > 1)
                return;
            // The song of the last row was still playing.
            m_teile.player.StopMP3(zustand.AktiverPlayer);
            m_teile.player.OpenMP3(zustand.AktiverPlayer, QString());
            zustand.AktuelleZeile = 0;
            zustand.AktuelleDatei.clear();
        }))
        return;
    m_teile.sequenzer.Naechstes();
    proc.run([&] { m_teile.fenster.EnableButtons(); }) && proc.run([&] { m_teile.startzeiten.Uhrzeiten(); });
}

bool Playliste::zeileLoeschen()
{
    FlexGrid& playlist = m_teile.playlist;
    const int zeile = playlist.Row();
    if (playlist.TextMatrix(zeile, Playlistspalte::Titel).isEmpty())
        return false;
    if (playlist.Rows() < 3)
        playlist.setRows(1);
    else if (zeile > 0)
        playlist.RemoveItem(zeile);
    if (playlist.Rows() - kSichtbareZeilen >= 0)
        playlist.setTopRow(playlist.Rows() - (kSichtbareZeilen - 1));
    else if (playlist.Rows() > 1)
        playlist.setTopRow(1);
    // Reset before anything else runs, or a tick would start the removed song again.
    Wiedergabezustand& zustand = m_teile.sequenzer.zustand();
    if (zeile == zustand.AktuelleZeile) {
        zustand.AktuelleZeile = 0;
        zustand.AktuelleDatei.clear();
    }
    return true;
}

void Playliste::cmdHoch_Click(int Index)
{
    Procedure proc("Playliste", "void Playliste::cmdHoch_Click(int Index)", { { "Index", Index } });
    proc.run([&] {
        const FlexGrid& playlist = m_teile.playlist;
        if (!m_teile.fenster.cmdHochEnabled(Index) || playlist.Rows() <= 1
            || playlist.TextMatrix(playlist.Row(), playlist.Col()).isEmpty())
            return;
        verschieben(Index);
        m_teile.fenster.playlistFokus();
        m_teile.startzeiten.Uhrzeiten();
    });
}

void Playliste::verschieben(int Index)
{
    FlexGrid& playlist = m_teile.playlist;
    const int zeile = playlist.Row();
    const bool hoch = Index == 0;
    if (hoch ? zeile < 3 : (zeile < 2 || zeile >= playlist.Rows() - 1))
        return;
    QStringList zellen;
    for (int spalte = 0; spalte < Playlistspalte::kAnzahl; ++spalte)
        zellen << playlist.TextMatrix(zeile, spalte);
    const int ziel = hoch ? zeile - 1 : zeile + 1;
    playlist.RemoveItem(zeile);
    playlist.AddItem(zellen.first(), ziel);
    playlist.setRowTexts(ziel, zellen);
    playlist.selectRow(ziel);
    if (hoch)
        playlist.setTopRow(ziel >= kSichtbareZeilen ? ziel - (kSichtbareZeilen - 1) : 1);
    else if (ziel - playlist.TopRow() + 1 >= kSichtbareZeilen)
        playlist.setTopRow(ziel - (kSichtbareZeilen - 1));
}

void Playliste::cmdLoeschen_MouseDown(int Button, int Shift, int X, int Y)
{
    Procedure proc("Playliste", "void Playliste::cmdLoeschen_MouseDown(int Button, int Shift, int X, int Y)",
        { { "Button", Button }, { "Shift", Shift }, { "X", X }, { "Y", Y } });
    const Wiedergabeoptionen optionen = m_teile.fenster.optionen();
    switch (Maustasten::entscheiden(Maustasten::Knopf::Loeschen, Button, optionen.Muelleimer, optionen.RechteMaus)) {
    case Maustasten::Aktion::Ausfuehren:
        if (m_teile.fenster.cmdLoeschenEnabled())
            Loeschen();
        break;
    case Maustasten::Aktion::LoeschenSperren:
        proc.run([&] { m_teile.fenster.setCmdLoeschenEnabled(false); });
        break;
    case Maustasten::Aktion::Nichts:
        break;
    }
}

void Playliste::cmdHoch_MouseDown(
    int Index, int Button, [[maybe_unused]] int Shift, [[maybe_unused]] int X, [[maybe_unused]] int Y)
{
    const Wiedergabeoptionen optionen = m_teile.fenster.optionen();
    if (Maustasten::entscheiden(Maustasten::Knopf::Verschieben, Button, optionen.Muelleimer, optionen.RechteMaus)
            == Maustasten::Aktion::Ausfuehren
        && m_teile.fenster.cmdHochEnabled(Index))
        cmdHoch_Click(Index);
}

void Playliste::cmdHoch_ClickDisabled([[maybe_unused]] int Index)
{
    m_teile.fenster.playlistFokus();
}

void Playliste::MSFlexGrid2_SelChange()
{
    m_teile.playlist.setRowSel(m_teile.playlist.Row());
}

void Playliste::MSFlexGrid2_Validate()
{
    Procedure proc("Playliste", "void Playliste::MSFlexGrid2_Validate()");
    proc.run([&] { m_teile.fenster.EnableButtons(); });
}

bool Playliste::MSFlexGrid2_KeyDown(int KeyCode, int Shift)
{
    Procedure proc("Playliste", "bool Playliste::MSFlexGrid2_KeyDown(int KeyCode, int Shift)",
        { { "KeyCode", KeyCode }, { "Shift", Shift } });
    if (KeyCode != kEnter)
        return false;
    MSFlexGrid2_DblClick();
    return true;
}

void Playliste::MSFlexGrid2_MouseDown(int Button, int Shift, int X, int Y)
{
    Procedure proc("Playliste", "void Playliste::MSFlexGrid2_MouseDown(int Button, int Shift, int X, int Y)",
        { { "Button", Button }, { "Shift", Shift }, { "X", X }, { "Y", Y } });
    proc.run([&] {
        if (Button == kRechts && !m_teile.fenster.optionen().RechteMaus)
            m_teile.fenster.KontextmenueZeigen();
    });
}

void Playliste::MSFlexGrid2_DblClick()
{
    // Showing the song is a convenience: whatever goes wrong is ignored.
    try {
        zeigeImArchiv();
    } catch (...) {
    }
}

void Playliste::zeigeImArchiv()
{
    FlexGrid& archiv = m_teile.archiv;
    const FlexGrid& playlist = m_teile.playlist;
    const QString pfad = playlist.TextMatrix(playlist.Row(), Playlistspalte::Pfad);
    // Where the archive's selection stands on screen, so the found song takes its place.
    const int abstand = m_teile.fenster.ArchivZeile() - archiv.TopRow();
    m_teile.fenster.ArchivSortieren(Archiv::Interpret);
    for (int zeile = 1; zeile < archiv.Rows(); ++zeile) {
        if (archiv.TextMatrix(zeile, Archiv::Pfad) != pfad)
            continue;
        archiv.selectRow(zeile);
        if (zeile - abstand > 0 && zeile - abstand < archiv.Rows())
            archiv.setTopRow(zeile - abstand);
        else if (zeile >= 1 && zeile < abstand)
            archiv.setTopRow(zeile);
        m_teile.fenster.setArchivZeile(zeile);
        break;
    }
    m_teile.fenster.archivFokus();
}
