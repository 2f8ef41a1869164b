#include "mainwindow/ui/HilfeUndSpiel.h"

#include "common/FlexGrid.h"
#include "common/Twips.h"
#include "common/ui/FlexGridView.h"
#include "controls/ui/ctlSprechblase.h"
#include "controls/ui/Funbutton.h"
#include "errors/Procedure.h"
#include "game/ui/frmTicTacToe.h"
#include "mainwindow/ui/frmMain.h"
#include "start/ui/frmStart.h"

HilfeUndSpiel::HilfeUndSpiel(frmMain& fenster, const frmStart& start)
    : m_fenster(fenster)
    , m_start(start)
    , m_ctlSprechblase1(new ctlSprechblase(&fenster))
    , m_spiel(new frmTicTacToe(&fenster))
    , m_tour(Hilfetour::Anzeige { [this] { return ziele(); }, [this](const Hilfetour::Blase& b) { zeigen(b); },
                 [this] { m_ctlSprechblase1->hide(); } },
          this)
{
    m_ctlSprechblase1->setObjectName(QStringLiteral("ctlSprechblase1"));
    m_ctlSprechblase1->hide();
}

void HilfeUndSpiel::cmdFragezeichen_Click()
{
    m_tour.cmdFragezeichen_Click();
}

void HilfeUndSpiel::cmdSmilie_MouseUp(int Button, int Shift, int X, int Y)
{
    Procedure proc("HilfeUndSpiel", "void HilfeUndSpiel::cmdSmilie_MouseUp(int Button, int Shift, int X, int Y)",
        { { "Button", Button }, { "Shift", Shift }, { "X", X }, { "Y", Y } });
    proc.run([&] {
        const StartSettings optionen = m_start.werte();
        if (!optionen.Spiel)
            return;
        m_spiel->setFarben(optionen.Hintergrundfarbe, optionen.Farbe);
        m_spiel->oeffnen();
    });
}

void HilfeUndSpiel::schliessen()
{
    m_tour.abbrechen();
    m_spiel->close();
}

Hilfetour::Ziele HilfeUndSpiel::ziele() const
{
    const double dpi = m_fenster.logicalDpiX();
    const auto twips = [dpi](const QRect& r) { return pixelsToTwips(r, dpi); };
    const auto* archiv = m_fenster.findChild<FlexGridView*>(QStringLiteral("MSFlexGridView1"));
    Hilfetour::Ziele z;
    z.archiv = twips(archiv->geometry());
    z.spalte0Breite = m_fenster.Archiv().ColWidth(0);
    z.spalte1Breite = m_fenster.Archiv().ColWidth(1);
    z.Uebernehmen = twips(m_fenster.Uebernehmen().geometry());
    z.FunbuttonArchivNav
        = { twips(m_fenster.FunbuttonArchivNav(0).geometry()), twips(m_fenster.FunbuttonArchivNav(1).geometry()) };
    z.cmdHoch = { twips(m_fenster.cmdHoch(0).geometry()), twips(m_fenster.cmdHoch(1).geometry()) };
    z.cmdLoeschen = twips(m_fenster.cmdLoeschen().geometry());
    return z;
}

void HilfeUndSpiel::zeigen(const Hilfetour::Blase& blase)
{
    ctlSprechblase& b = *m_ctlSprechblase1;
    const double dpi = m_fenster.logicalDpiX();
    b.resize(twipsToPixels(blase.groesse.width(), dpi), twipsToPixels(blase.groesse.height(), dpi));
    b.setPfeilposition(blase.Pfeilposition);
    b.setPunktX(blase.punkt.x());
    b.setPunktY(blase.punkt.y());
    // Near the window's edge the bubble would leave the screen and cut its text: it slides back
    // inside, and its tip leaves the point by that much.
    const QSize platz = m_fenster.size() - b.size();
    b.move(qBound(0, b.x(), platz.width()), qBound(0, b.y(), platz.height()));
    b.setTextMy(blase.text);
    b.show();
    b.raise();
}
