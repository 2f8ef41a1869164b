#include "library/Archiv.h"

#include "common/FlexGrid.h"
#include "common/Helpers.h"
#include "errors/Procedure.h"
#include "library/modMP3Tags.h"

#include <QFile>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSichtbareSpalten = 4;
constexpr double kSchwelleSchriftgroesse = 12.0;
constexpr int kReserveKlein = 800;
constexpr int kReserveGross = 1200;

// The platform's rounding to a whole number: halves to even.
int runden(double wert)
{
    return int(std::nearbyint(wert));
}

} // namespace

int Archiv::Reserve(double schriftgroesse)
{
    return schriftgroesse > kSchwelleSchriftgroesse ? kReserveGross : kReserveKlein;
}

Archiv::Archiv(FlexGrid& MSFlexGrid1, FlexGrid& MSFlexGrid2)
    : m_archiv(MSFlexGrid1)
    , m_playlist(MSFlexGrid2)
{
}

// Registers nothing with the error reporter: it runs once per song during a
// scan, where a registration would cost more than reading the tag, and its
// callers' procedures guard it.
void Archiv::EineZeileInsArchiv(const QString& Datei, int optYRow)
{
    zeileSchreiben(Datei, modMP3Tags::GetSongTags(Datei), optYRow);
}

void Archiv::EineZeileInsArchiv(QFile& Datei)
{
    zeileSchreiben(Datei.fileName(), modMP3Tags::GetSongTags(Datei), 0);
}

bool Archiv::PfadDarstellbar(const QString& Datei)
{
    return !Datei.contains(QLatin1Char(';')) && !Datei.contains(QLatin1Char('\n'))
        && !Datei.contains(QLatin1Char('\r'));
}

void Archiv::zeileSchreiben(const QString& Datei, const SongTags& tags, int optYRow)
{
    if (!PfadDarstellbar(Datei))
        return;
    const QString titel = OhneSemikolon(tags.titel.isEmpty() ? QStringLiteral("Unbekannt") : tags.titel);
    const QString interpret = OhneSemikolon(tags.interpret);
    const int zeile = optYRow != 0 ? optYRow : neueZeile(titel);
    m_archiv.setRow(zeile);
    // One write for the whole row: a scan adds a row per song.
    m_archiv.setRowTexts(zeile,
        { titel, interpret, OhneSemikolon(tags.genre), m_archiv.TextMatrix(zeile, Dauer), Datei, interpret + titel });
}

int Archiv::neueZeile(const QString& titel)
{
    m_archiv.AddItem(titel);
    // An emptied grid keeps one empty row 1; the first song takes its place.
    if (m_archiv.Rows() < 4 && m_archiv.TextMatrix(1, Titel).isEmpty()) {
        m_archiv.RemoveItem(1);
    }
    return m_archiv.Rows() - 1;
}

void Archiv::TabellenBeschriften(bool NurPlaylist)
{
    Procedure proc("Archiv", "void Archiv::TabellenBeschriften(bool NurPlaylist)", { { "NurPlaylist", NurPlaylist } });
    proc.run([&] {
        if (!NurPlaylist)
            beschriften(m_archiv, QStringLiteral("Dauer"));
        beschriften(m_playlist, QStringLiteral("Start"));
    });
}

void Archiv::beschriften(FlexGrid& grid, const QString& spalte3)
{
    for (int spalte = 0; spalte < kSichtbareSpalten; ++spalte)
        grid.setColAlignment(spalte, Qt::AlignLeft | Qt::AlignVCenter);
    Spaltenbreite();
    const QString koepfe[kSichtbareSpalten]
        = { QStringLiteral("Titel"), QStringLiteral("Interpret"), QStringLiteral("Genre"), spalte3 };
    grid.setRow(0);
    for (int spalte = 0; spalte < kSichtbareSpalten; ++spalte) {
        grid.setTextMatrix(0, spalte, koepfe[spalte]);
        grid.setCol(spalte);
        grid.setCellFontBold(true);
    }
    if (grid.Rows() > 1)
        grid.selectRow(1);
}

void Archiv::TabelleLeeren(FlexGrid& FlexGrid)
{
    Procedure proc("Archiv", "void Archiv::TabelleLeeren(FlexGrid& FlexGrid)");
    proc.run([&] {
        FlexGrid.Clear();
        FlexGrid.setRows(2);
        TabellenBeschriften(false);
        FlexGrid.setFixedRows(1);
    });
}

void Archiv::Spaltenbreite()
{
    Procedure proc("Archiv", "void Archiv::Spaltenbreite()");
    proc.run([&] {
        const int reserve = Reserve(m_archiv.FontSize());
        breitenSetzen(m_archiv, reserve);
        breitenSetzen(m_playlist, reserve);
    });
}

void Archiv::breitenSetzen(FlexGrid& grid, int reserve)
{
    const double rest = std::max(0, grid.Width() - reserve);
    grid.setColWidth(Titel, runden(rest * 4 / 10));
    grid.setColWidth(Interpret, runden(rest * 4 / 10));
    grid.setColWidth(Genre, runden(rest * 2 / 10));
    grid.setColWidth(Dauer, reserve);
}
