#include "../start/StartFakes.h"

#include "mainwindow/Hilfetour.h"

#include <gtest/gtest.h>

namespace {

// The bubble only counts its steps; the third one fails.
class HilfetourTest : public ::testing::Test {
protected:
    // No step on show, no bubble, no timer left.
    bool beendet() const { return !tour.HilfeAktiv() && !sichtbar && !tour.wecker().isActive(); }

    ReporterScope scope;
    int gezeigt = 0;
    int fehlerBeiSchritt = 2;
    bool sichtbar = false;
    Hilfetour tour { { [] { return Hilfetour::Ziele {}; },
        [this](const Hilfetour::Blase&) {
            if (gezeigt == fehlerBeiSchritt)
                throw FaultError(5, QStringLiteral("Ungültiger Prozeduraufruf oder ungültiges Argument"));
            EXPECT_FALSE(sichtbar) << "the bubble is hidden between steps";
            ++gezeigt;
            sichtbar = true;
        },
        [this] { sichtbar = false; } } };
};

TEST_F(HilfetourTest, EndsAtOnceOnAFailedStepAndWhenTheProgramEnds)
{
    scope.errors.otherwise = ErrPtnr::ProzedurVerlassen;
    tour.cmdFragezeichen_Click();
    tour.weiter();
    tour.weiter();
    EXPECT_TRUE(scope.errors.reports.size() == 1 && beendet());

    fehlerBeiSchritt = -1;
    tour.cmdFragezeichen_Click();
    EXPECT_EQ(tour.schritt(), 0) << "help works again after a failed step";
    ProgrammEnde = true;
    tour.weiter();
    EXPECT_TRUE(beendet());
    EXPECT_EQ(gezeigt, 3) << "no step after the program began to end";
}

} // namespace
