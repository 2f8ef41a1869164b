#include "mainwindow/ui/Gleitanimation.h"
#include "common/ProgrammEnde.h"
#include "common/Twips.h"
#include "mainwindow/Gleitschritte.h"

#include <QLineEdit>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

using Lage = Gleitschritte::Lage;

TEST(GleitschritteTest, SlideInEndsCentredAtTheTargetAndTheGiveUpSinksBelowTheWindow)
{
    // 1024 x 768 pixels; the search keyboard 15090 x 5160 twips; the field 3000 twips wide.
    const QSize fenster(15360, 11520), tastatur(15090, 5160);
    const Gleitschritte ein = Gleitschritte::einblenden(fenster, tastatur, 3000);
    Lage lage = ein.start();
    EXPECT_EQ(lage, (Lage { 135, 11520, -3000 }));
    for (int i = 0; i < Gleitschritte::kSchritte; ++i)
        lage = ein.nach(lage);
    // Ends 300 twips above the bottom, the field centred.
    EXPECT_EQ(lage, (Lage { 135, 11520 - 5160 - 300, 15360 / 2 - 3000 / 2 }));

    // A small window: the give-up still moves the keyboard down, back to where it came from.
    const QSize klein(9000, 6000);
    const Gleitschritte ein2 = Gleitschritte::einblenden(klein, tastatur, 3000);
    Lage oben = ein2.start();
    for (int i = 0; i < Gleitschritte::kSchritte; ++i)
        oben = ein2.nach(oben);
    const Gleitschritte aus = Gleitschritte::ausblenden(klein, tastatur, 3000, oben);
    Lage unten = aus.start();
    for (int i = 0; i < Gleitschritte::kSchritte; ++i) {
        const Lage vorher = unten;
        unten = aus.nach(unten);
        EXPECT_TRUE(unten.tastaturTop > vorher.tastaturTop && unten.feldLeft > vorher.feldLeft) << i;
    }
    EXPECT_EQ(unten.tastaturTop, 6000);
}

class GleitanimationTest : public ::testing::Test {
protected:
    GleitanimationTest()
    {
        fenster.resize(1024, 768);
        feld.resize(200, 30);
        tastatur.resize(1006, 344);
        tastatur.hide();
        feld.hide();
    }
    ~GleitanimationTest() override { ProgrammEnde = false; }

    Gleitschritte plan() const
    {
        return Gleitschritte::einblenden(QSize(15360, 11520), QSize(15090, 5160), pixelsToTwips(200));
    }

    QWidget fenster;
    QLineEdit feld { &fenster };
    QWidget tastatur { &fenster };
    Gleitanimation animation;
};

TEST_F(GleitanimationTest, TenStepsThenFinishedOnceAndAGiveUpHidesBoth)
{
    QSignalSpy fertig(&animation, &Gleitanimation::fertig);
    animation.starten(plan(), &tastatur, &feld);
    EXPECT_TRUE(tastatur.isVisibleTo(&fenster));
    for (int i = 0; i < 12; ++i)
        animation.schritt();
    EXPECT_EQ(std::tuple(animation.laeuft(), fertig.count(), tastatur.y(), feld.x()),
        std::tuple(false, 1, twipsToPixels(11520 - 5460), twipsToPixels(-3000 + 10 * 918)));

    animation.starten(
        Gleitschritte::ausblenden(QSize(15360, 11520), QSize(15090, 5160), 3000, animation.lage()), &tastatur, &feld);
    for (int i = 0; i < 10; ++i)
        animation.schritt();
    EXPECT_EQ(fertig.count(), 2);
    EXPECT_FALSE(tastatur.isVisibleTo(&fenster) || feld.isVisibleTo(&fenster));
}

TEST_F(GleitanimationTest, ANewSlideOrProgramEndStopsTheRunningOneWhereItStands)
{
    QSignalSpy fertig(&animation, &Gleitanimation::fertig);
    animation.starten(plan(), &tastatur, &feld);
    animation.schritt();
    animation.schritt();
    const Lage halb = animation.lage();
    animation.starten(Gleitschritte::ausblenden(QSize(15360, 11520), QSize(15090, 5160), 3000, halb), &tastatur, &feld);
    EXPECT_EQ(animation.lage(), halb);
    ProgrammEnde = true;
    animation.schritt();
    EXPECT_EQ(std::tuple(animation.laeuft(), animation.lage(), fertig.count()), std::tuple(false, halb, 0));
}

} // namespace
