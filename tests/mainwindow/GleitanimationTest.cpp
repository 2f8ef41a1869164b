#include "mainwindow/ui/Gleitanimation.h"
#include "common/ProgrammEnde.h"
#include "mainwindow/Gleitschritte.h"

#include <QLineEdit>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

using Lage = Gleitschritte::Lage;

TEST(GleitschritteTest, TheGiveUpSinksBelowEvenASmallWindow)
{
    // The keyboard's target lies above where it came from, so the give-up must move it down.
    const QSize tastatur(15090, 5160), klein(9000, 6000);
    const Gleitschritte ein = Gleitschritte::einblenden(klein, tastatur, 3000);
    Lage oben = ein.start();
    for (int i = 0; i < Gleitschritte::kSchritte; ++i)
        oben = ein.nach(oben);
    const Gleitschritte aus = Gleitschritte::ausblenden(klein, tastatur, 3000, oben);
    Lage unten = aus.start();
    for (int i = 0; i < Gleitschritte::kSchritte; ++i) {
        const Lage vorher = unten;
        unten = aus.nach(unten);
        EXPECT_TRUE(unten.tastaturTop > vorher.tastaturTop && unten.feldLeft > vorher.feldLeft) << i;
    }
    EXPECT_EQ(unten.tastaturTop, 6000);
}

TEST(GleitanimationTest, ANewSlideOrProgramEndStopsTheRunningOneWhereItStands)
{
    QWidget fenster;
    QLineEdit feld(&fenster);
    QWidget tastatur(&fenster);
    Gleitanimation animation;
    QSignalSpy fertig(&animation, &Gleitanimation::fertig);
    const QSize fenstergroesse(15360, 11520), tastaturgroesse(15090, 5160);
    animation.starten(Gleitschritte::einblenden(fenstergroesse, tastaturgroesse, 3000), &tastatur, &feld);
    animation.schritt();
    animation.schritt();
    const Lage halb = animation.lage();
    animation.starten(Gleitschritte::ausblenden(fenstergroesse, tastaturgroesse, 3000, halb), &tastatur, &feld);
    ProgrammEnde = true;
    animation.schritt();
    ProgrammEnde = false;
    EXPECT_EQ(std::tuple(animation.laeuft(), animation.lage(), fertig.count()), std::tuple(false, halb, 0));
}

} // namespace
