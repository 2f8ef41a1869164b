#include "mainwindow/Einfaerbung.h"

#include "common/Farbe.h"
#include "controls/Funbuttonbilder.h"

namespace {

constexpr int kHellAb = 120;

} // namespace

QColor Einfaerbung::farbe(qint32 wert)
{
    const TypeFarbe f = ColorToRGB(wert);
    return QColor(f.R, f.G, f.B);
}

QColor Einfaerbung::Beschriftungsfarbe(qint32 Hintergrund)
{
    const TypeFarbe f = ColorToRGB(Hintergrund);
    const bool hell = f.R >= kHellAb || f.G >= kHellAb || f.B >= kHellAb;
    return hell ? QColor(0, 0, 0) : QColor(255, 255, 255);
}

Einfaerbung Einfaerbung::fuer(qint32 Hintergrund, qint32 Vordergrund, qint32 Buttonfarbe, qint32 Hintergrundfarbe)
{
    // The buttons' shadow colour as their preparation on this background gives it, also before the first one.
    const QColor S = farbe(Funbuttonbilder::Schattenfarbe(Hintergrund));
    Einfaerbung e;
    for (FlexGrid::Colours* grid : { &e.archiv, &e.playlist }) {
        grid->backBkg = S;
        grid->foreSel = S;
        grid->backSel = farbe(Buttonfarbe);
        grid->foreFixed = S;
        grid->backFixed = farbe(Buttonfarbe);
        grid->back = farbe(Hintergrund);
        grid->fore = farbe(Vordergrund);
    }
    e.frame1 = farbe(Hintergrundfarbe);
    e.meldungen = farbe(Buttonfarbe);
    e.fenster = farbe(Hintergrund);
    e.balken = farbe(Vordergrund);
    e.beschriftungen = Beschriftungsfarbe(Hintergrund);
    return e;
}
