#pragma once

#include <QRect>
#include <QSize>

// Where the main window's grids and message frame go, in twips, for the
// window's inner size W x H: the archive in the upper half, the narrower
// playlist below it, the message frame centred.
struct Hauptlayout {
    static constexpr int kRand = 600;

    QRect archiv;
    QRect playlist;
    QRect frame1;

    static Hauptlayout fuer(int W, int H, QSize frame1Groesse);
};
