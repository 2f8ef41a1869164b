#include "mainwindow/Hauptlayout.h"

#include "common/Helpers.h"

namespace {

QRect unter(const QRect& oben, QSize groesse, int abstand = 0)
{
    return QRect(QPoint(oben.left(), oben.top() + oben.height() + abstand), groesse);
}

// Centred in the stripe from links to the window's right edge, so that no
// window width lets it meet the playlist's arrows.
int mittig(int links, int W, int breite)
{
    return links + (W - links - breite) / 2;
}

} // namespace

Hauptlayout Hauptlayout::fuer(int W, int H, QSize frame1Groesse, QSize label2Groesse)
{
    Hauptlayout l;
    l.txtSortierung = QRect(QPoint(W / 2 - kTxtSortierungGroesse.width() / 2, 60), kTxtSortierungGroesse);
    l.frame1 = QRect(QPoint(W / 2 - frame1Groesse.width() / 2, H / 2 - frame1Groesse.height() / 2), frame1Groesse);
    // The space right of the grids belongs to their arrow and playlist buttons.
    l.archiv = QRect(kRand, kRand, Max(0, W - 1800), Max(0, H / 2 - 900));
    l.playlist = QRect(kRand, l.archiv.top() + l.archiv.height() + 300, Max(0, W - 4920), Max(0, H / 2 - 1500));

    const int archivPfeile = l.archiv.left() + l.archiv.width() + 300;
    l.FunbuttonArchivNav[0] = QRect(QPoint(archivPfeile, l.archiv.top()), kNavGroesse);
    l.FunbuttonArchivNav[1]
        = QRect(QPoint(archivPfeile, l.archiv.top() + l.archiv.height() - kNavGroesse.height()), kNavGroesse);

    const int spalte = l.playlist.left() + l.playlist.width() + 300;
    l.cmdHoch[0] = QRect(QPoint(spalte, l.playlist.top()), kSpaltenGroesse);
    l.cmdHoch[1] = unter(l.cmdHoch[0], kSpaltenGroesse);
    l.cmdLoeschen = unter(l.cmdHoch[1], kSpaltenGroesse);
    l.Schloss = unter(l.cmdLoeschen, kSpaltenGroesse);

    const int playlistPfeile = spalte + kSpaltenGroesse.width() + 300;
    l.FunbuttonArchivNav[2] = QRect(QPoint(playlistPfeile, l.playlist.top() + 300), kNavGroesse);
    l.FunbuttonArchivNav[3]
        = QRect(QPoint(playlistPfeile, l.playlist.top() + l.playlist.height() - kNavGroesse.height()), kNavGroesse);

    const int rest = playlistPfeile + kNavGroesse.width();
    l.Uebernehmen = QRect(QPoint(mittig(rest, W, kUebernehmenGroesse.width()), l.playlist.top()), kUebernehmenGroesse);
    l.cmdSmilie = unter(l.Uebernehmen, kRundGroesse, 180);
    l.cmdSmilie.moveLeft(mittig(rest, W, kRundGroesse.width()));
    l.cmdFragezeichen = unter(l.cmdSmilie, kRundGroesse, 300);

    l.PositionsgrafikTop = l.playlist.top() + l.playlist.height() + 90;
    l.BalkenTop = l.PositionsgrafikTop + kPositionsgrafikGroesse.height() - 30;
    l.Label2 = QRect(QPoint(W - kRand - label2Groesse.width(), l.BalkenTop), label2Groesse);
    return l;
}
