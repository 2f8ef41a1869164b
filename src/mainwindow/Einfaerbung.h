#pragma once

#include "common/FlexGrid.h"

#include <QColor>

// The main window's colours from the operator's two: the grids show their
// text in the button colour on the window background, their headers and
// selected row in the button colour with text in the buttons' shadow colour;
// captions are black on a light background and white on a dark one.
// Colours are 0x00BBGGRR.
struct Einfaerbung {
    FlexGrid::Colours archiv;
    FlexGrid::Colours playlist;
    QColor fenster;
    QColor frame1;
    QColor meldungen;
    QColor beschriftungen;
    QColor balken;

    // Hintergrund and Vordergrund colour the window and the grids' cells;
    // Buttonfarbe and Hintergrundfarbe are the start window's fields, which
    // colour headers, selection and the message frame.
    static Einfaerbung fuer(qint32 Hintergrund, qint32 Vordergrund, qint32 Buttonfarbe, qint32 Hintergrundfarbe);
    // Black when any component reaches 120, otherwise white.
    static QColor Beschriftungsfarbe(qint32 Hintergrund);
};
