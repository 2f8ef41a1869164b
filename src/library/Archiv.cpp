#include "library/Archiv.h"

#include "common/FlexGrid.h"
#include "common/Helpers.h"
#include "errors/Procedure.h"
#include "library/modMP3Tags.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr int kSichtbareSpalten = 4;
constexpr double kSchwelleSchriftgroesse = 12.0;
constexpr int kReserveKlein = 800;
constexpr int kReserveGross = 1200;
// The text margins of a cell on both sides, in pixels: the views keep the style's margin, 3 px in common styles.
constexpr int kTextraender = 8;

// A cell text as the playlist file can hold it: ";" separates its fields
// and a line break its lines (an ID3v1 title may hold the byte 0x0A).
QString zelltext(const QString& text)
{
    QString result = OhneSemikolon(text);
    return result.replace(QLatin1Char('\r'), QLatin1Char('_')).replace(QLatin1Char('\n'), QLatin1Char('_'));
}

// The platform's rounding to a whole number: halves to even.
int runden(double wert)
{
    return int(std::nearbyint(wert));
}

// The width that column 3's header and the longest duration need at the grid's font, in twips.
int noetigeBreite(const FlexGrid& grid)
{
    const std::pair<bool, QString> texte[]
        = { { true, QStringLiteral("Dauer") }, { true, QStringLiteral("Start") }, { false, QStringLiteral("000:00") } };
    qreal breiteste = 0;
    for (const auto& [fett, text] : texte)
        breiteste = std::max(breiteste, QFontMetricsF(grid.cellFont(fett)).horizontalAdvance(text));
    // Font metrics without a device measure at the primary screen's resolution.
    const QScreen* bildschirm = QGuiApplication::primaryScreen();
    const qreal dpi = bildschirm ? bildschirm->logicalDotsPerInchX() : 96.0;
    return int(std::ceil((breiteste + kTextraender) * 1440 / dpi));
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
    // The key would double a row's tag texts; the grid reads it from them.
    if (m_archiv.Cols() > Sortierschluessel)
        m_archiv.setJoinedCol(Sortierschluessel, Interpret, Titel);
}

// Registers nothing with the error reporter: it runs once per song during a
// scan, where a registration would cost more than reading the tag, and its
// callers' procedures guard it.
void Archiv::EineZeileInsArchiv(const QString& Datei, int optYRow)
{
    zeileSchreiben(Datei, modMP3Tags::GetSongTags(Datei, m_id3v2), optYRow, true);
}

SongTags Archiv::LiedLesen(const QString& Datei, const Dateiende& ende) const
{
    return modMP3Tags::GetSongTags(Datei, ende, m_id3v2);
}

void Archiv::LiedAnfuegen(const QString& Datei, const SongTags& tags)
{
    zeileSchreiben(Datei, tags, 0, false);
}

bool Archiv::PfadDarstellbar(const QString& Datei)
{
    return !Datei.contains(QLatin1Char(';'));
}

void Archiv::zeileSchreiben(const QString& Datei, const SongTags& tags, int optYRow, bool waehlen)
{
    if (!PfadDarstellbar(Datei))
        return;
    const QString titel = zelltext(tags.titel.isEmpty() ? QStringLiteral("Unbekannt") : tags.titel);
    const QString interpret = zelltext(tags.interpret);
    const int zeile = optYRow != 0 ? optYRow : neueZeile();
    // Every move of the current row updates the buttons and the view: a scan
    // leaves it on the first song.
    if (waehlen || m_archiv.Row() < m_archiv.FixedRows())
        m_archiv.setRow(zeile);
    // One write for the whole row: a scan adds a row per song.
    m_archiv.setRowTexts(zeile, { titel, interpret, zelltext(tags.genre), m_archiv.TextMatrix(zeile, Dauer), Datei });
}

int Archiv::neueZeile()
{
    // An emptied grid keeps one empty row 1; the first song takes its place.
    if (m_archiv.Rows() == 2 && m_archiv.TextView(1, Titel).isEmpty())
        m_archiv.RemoveItem(1);
    // Empty until the row is written in one go: one allocation per song.
    m_archiv.AddItem(QString());
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
        // Wider than the fixed reserve only where the texts would be cut at this font size.
        const int reserve = std::max(Reserve(m_archiv.FontSize()), noetigeBreite(m_archiv));
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
