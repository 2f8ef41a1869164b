#include "mainwindow/Einfaerbung.h"

#include "common/Farbe.h"
#include "controls/Funbuttonbilder.h"

namespace {

constexpr int kHellAb = 120;

} // namespace

QColor Einfaerbung::Beschriftungsfarbe(qint32 Hintergrund)
{
    const TypeFarbe f = ColorToRGB(Hintergrund);
    const bool hell = f.R >= kHellAb || f.G >= kHellAb || f.B >= kHellAb;
    return hell ? QColor(0, 0, 0) : QColor(255, 255, 255);
}

Einfaerbung Einfaerbung::fuer(qint32 Hintergrund, qint32 Vordergrund, qint32 Buttonfarbe, qint32 Hintergrundfarbe)
{
    // The buttons' shadow colour as their preparation on this background gives it, also before the first one.
    const QColor S = zuQColor(Funbuttonbilder::Schattenfarbe(Hintergrund));
    Einfaerbung e;
    for (FlexGrid::Colours* grid : { &e.archiv, &e.playlist }) {
        grid->backBkg = S;
        grid->foreSel = S;
        grid->backSel = zuQColor(Buttonfarbe);
        grid->foreFixed = S;
        grid->backFixed = zuQColor(Buttonfarbe);
        grid->back = zuQColor(Hintergrund);
        grid->fore = zuQColor(Vordergrund);
    }
    e.frame1 = zuQColor(Hintergrundfarbe);
    e.meldungen = zuQColor(Buttonfarbe);
    e.fenster = zuQColor(Hintergrund);
    e.balken = zuQColor(Vordergrund);
    e.beschriftungen = Beschriftungsfarbe(Hintergrund);
    return e;
}
