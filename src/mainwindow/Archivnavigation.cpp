#include "mainwindow/Archivnavigation.h"

#include "common/FlexGrid.h"
#include "library/Archiv.h"
#include "library/Archivsortierung.h"

#include <algorithm>

namespace Archivnavigation {

namespace {

constexpr int kEnter = 13;
constexpr int kLeertaste = 32;
constexpr int kHoch = 38;
constexpr int kRechts = 39;
constexpr int kRunter = 40;
constexpr int kLinkeMaus = 1;
constexpr int kRechteMaus = 2;

void hoch(FlexGrid& grid, int k, bool archiv)
{
    if (grid.Row() < 2)
        return;
    const int row = grid.Row() - 1;
    grid.selectRow(row);
    if (row - grid.TopRow() >= k)
        return;
    if (row - k + 1 >= 1)
        grid.setTopRow(row - k + 1);
    else if (archiv && grid.TopRow() >= 2)
        grid.setTopRow(grid.TopRow() - 1);
}

void runter(FlexGrid& grid, int k, bool archiv)
{
    if (grid.Row() >= grid.Rows() - 1)
        return;
    const int row = grid.Row() + 1;
    grid.selectRow(row);
    if (row - grid.TopRow() + 1 < k)
        return;
    if (archiv)
        grid.setTopRow(row - k + 1);
    else if (row - k + 1 >= 1)
        grid.setTopRow(std::min(row - k + 1, grid.Rows() - 1));
}

} // namespace

int Haltabstand(int index, int Scrollabstand)
{
    return istArchivpfeil(index) ? Scrollabstand : std::max(1, Scrollabstand - 1);
}

bool schritt(FlexGrid& grid, int index, int Scrollabstand)
{
    const int vorher = grid.Row();
    const int k = Haltabstand(index, Scrollabstand);
    if (index == ArchivHoch || index == PlaylistHoch)
        hoch(grid, k, istArchivpfeil(index));
    else
        runter(grid, k, istArchivpfeil(index));
    return grid.Row() != vorher;
}

Tastenaktion archivTaste(int KeyCode, bool uebernehmenAktiv, bool liedGewaehlt, bool playlistVoll)
{
    if (KeyCode == kEnter)
        return Tastenaktion::TagEditor;
    if (!uebernehmenAktiv)
        return Tastenaktion::Keine;
    if (KeyCode == kLeertaste)
        return liedGewaehlt && !playlistVoll ? Tastenaktion::SofortSpielen : Tastenaktion::Keine;
    if (KeyCode == kRechts)
        return Tastenaktion::Uebernehmen;
    return Tastenaktion::Keine;
}

void sichtKorrektur(FlexGrid& archiv, int KeyCode)
{
    const int row = archiv.Row();
    if (KeyCode == kHoch && row < archiv.TopRow()) {
        if (row > 1 && !archiv.RowIsVisible(row - 1))
            archiv.setTopRow(archiv.TopRow() - 1);
        else if (row <= 1 && archiv.Rows() > 1)
            archiv.setTopRow(1);
    } else if (KeyCode == kRunter && row + 1 > archiv.TopRow()) {
        if (row + 1 <= archiv.Rows() - 1 && !archiv.RowIsVisible(row + 1))
            archiv.setTopRow(archiv.TopRow() + 1);
        else if (row == archiv.Rows() - 1)
            archiv.setTopRow(archiv.Rows() - 1);
    }
}

bool doppelklickUebernimmt(bool optionDoppelklick, int MouseRow, bool uebernehmenAktiv)
{
    return optionDoppelklick && MouseRow >= 1 && uebernehmenAktiv;
}

Mausaktion mausDown(int Button, int MouseRow, int MouseCol, bool optionRechteMaus)
{
    Mausaktion aktion;
    aktion.kontextmenue = Button == kRechteMaus && !optionRechteMaus;
    if (Button == kLinkeMaus && MouseRow == 0 && MouseCol >= Archiv::Titel && MouseCol <= Archiv::Dauer) {
        aktion.sortierspalte = MouseCol;
        aktion.tastatur = MouseCol != Archiv::Dauer;
    }
    aktion.auswahlZurueck = MouseCol >= Archiv::Dauer;
    return aktion;
}

void auswahlZurueck(FlexGrid& archiv, int ArchivZeile)
{
    if (Archivsortierung::istLiedzeile(archiv, ArchivZeile))
        archiv.selectRow(ArchivZeile);
}

} // namespace Archivnavigation
