#include "mainwindow/Hauptlayout.h"

#include "common/Helpers.h"

Hauptlayout Hauptlayout::fuer(int W, int H, QSize frame1Groesse)
{
    Hauptlayout layout;
    // The space right of the grids belongs to their arrow and playlist buttons.
    layout.archiv = QRect(kRand, kRand, Max(0, W - 1800), Max(0, H / 2 - 900));
    layout.playlist
        = QRect(kRand, layout.archiv.top() + layout.archiv.height() + 300, Max(0, W - 4920), Max(0, H / 2 - 1500));
    layout.frame1 = QRect(QPoint(W / 2 - frame1Groesse.width() / 2, H / 2 - frame1Groesse.height() / 2), frame1Groesse);
    return layout;
}
