#include "../start/StartFakes.h"

#include "mainwindow/Hilfetour.h"

#include <gtest/gtest.h>

namespace {

// Records what the tour shows; a step can be made to fail.
struct Bubble {
    QList<Hilfetour::Blase> gezeigt;
    bool sichtbar = false;
    int fehlerBeiSchritt = -1;

    Hilfetour::Anzeige anzeige()
    {
        // Where the bubble points is checked on the screen.
        return { [] { return Hilfetour::Ziele {}; },
            [this](const Hilfetour::Blase& b) {
                if (gezeigt.size() == fehlerBeiSchritt)
                    throw FaultError(5, QStringLiteral("Ungültiger Prozeduraufruf oder ungültiges Argument"));
                EXPECT_FALSE(sichtbar) << "the bubble is hidden between steps";
                gezeigt << b;
                sichtbar = true;
            },
            [this] { sichtbar = false; } };
    }
};

class HilfetourTest : public ::testing::Test {
protected:
    // No step on show, no bubble, no timer left.
    bool beendet() const { return !tour.HilfeAktiv() && !bubble.sichtbar && !tour.wecker().isActive(); }

    ReporterScope scope;
    Bubble bubble;
    Hilfetour tour { bubble.anzeige() };
};

TEST_F(HilfetourTest, EndsAtOnceOnAFailedStepAndWhenTheProgramEnds)
{
    scope.errors.otherwise = ErrPtnr::ProzedurVerlassen;
    bubble.fehlerBeiSchritt = 2;
    tour.cmdFragezeichen_Click();
    tour.weiter();
    tour.weiter();
    EXPECT_TRUE(scope.errors.reports.size() == 1 && beendet());

    bubble.fehlerBeiSchritt = -1;
    tour.cmdFragezeichen_Click();
    EXPECT_EQ(tour.schritt(), 0) << "help works again after a failed step";
    ProgrammEnde = true;
    tour.weiter();
    EXPECT_TRUE(beendet());
    EXPECT_EQ(bubble.gezeigt.size(), 3) << "no step after the program began to end";
}

} // namespace
