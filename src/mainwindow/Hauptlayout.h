#pragma once

#include <QRect>
#include <QSize>

#include <array>

// Where the main window's controls go, in twips, for the window's inner size
// W x H: the archive in the upper half with its two arrows at its right edge;
// the narrower playlist below it, then a column of move, delete and lock
// buttons and the playlist's arrows; the take-over, game and help buttons in
// the space that is left; the time bar under the playlist; the message frame
// centred. The buttons keep their design size.
struct Hauptlayout {
    static constexpr int kRand = 600;
    static constexpr QSize kNavGroesse { 840, 1200 };
    static constexpr QSize kSpaltenGroesse { 900, 1020 };
    static constexpr QSize kUebernehmenGroesse { 1260, 1260 };
    static constexpr QSize kRundGroesse { 1020, 1020 };
    static constexpr QSize kPositionsgrafikGroesse { 600, 600 };
    static constexpr QSize kTxtSortierungGroesse { 3000, 420 };
    static constexpr int kBalkenHoehe = 300;

    QRect txtSortierung;
    QRect frame1;
    QRect archiv;
    QRect playlist;
    // 0 and 1 page the archive, 2 and 3 the playlist.
    std::array<QRect, 4> FunbuttonArchivNav;
    QRect Uebernehmen;
    QRect cmdSmilie;
    QRect cmdFragezeichen;
    std::array<QRect, 2> cmdHoch;
    QRect cmdLoeschen;
    QRect Schloss;
    // The time display moves the note along the bar and sizes the bar; only their tops are laid out here.
    int PositionsgrafikTop = 0;
    int BalkenTop = 0;
    QRect Label2;

    static Hauptlayout fuer(int W, int H, QSize frame1Groesse, QSize label2Groesse = {});
};
