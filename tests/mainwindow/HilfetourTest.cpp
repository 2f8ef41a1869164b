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
        const Hilfetour::Ziele z { QRect(600, 600, 12000, 4000), 3000, 2000, QRect(13000, 1000, 1000, 800),
            { QRect(13000, 2000, 600, 600), QRect(13000, 2800, 600, 400) },
            { QRect(10000, 6000, 800, 600), QRect(10000, 7000, 800, 600) }, QRect(11000, 8000, 1200, 1000) };
        return { [z] { return z; },
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

TEST_F(HilfetourTest, WalksTheEightControlsInOrderAndAPressDuringTheTourIsIgnored)
{
    const std::pair<Hilfetour::Blase, int> erwartet[] = {
        { { 0, { 3600, 2400 }, { 1800, 900 }, "Hier klicken, um nach Titel zu sortieren und Lieder zu suchen." },
            4000 },
        { { 0, { 3600, 2400 }, { 4600, 900 }, "Hier klicken, um nach Interpret zu sortieren und Lieder zu suchen." },
            3000 },
        { { 3, { 3600, 1800 }, { 13500, 1400 }, "Markiertes Lied vom Archiv in die Playliste übernehmen." }, 5000 },
        { { 1, { 3600, 1800 }, { 13300, 2300 },
              "Hier und auf die anderen Pfeile klicken, um hoch oder runter zu gehen." },
            3000 },
        { { 1, { 3600, 1800 }, { 13300, 3000 }, "Die Pfeile gedrückt halten, um schneller zu scrollen." }, 3000 },
        { { 1, { 3000, 1500 }, { 10400, 6300 }, "Zum Umsortieren der Lieder in der Playliste." }, 3000 },
        { { 1, { 3000, 1500 }, { 10400, 7300 }, "Zum Umsortieren der Lieder in der Playliste." }, 3000 },
        { { 1, { 2400, 1800 }, { 11600, 8500 }, "Markiertes Lied aus der Playliste löschen." }, 5000 },
    };
    tour.cmdFragezeichen_Click();
    for (int i = 0; i < Hilfetour::kSchritte; ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(bubble.gezeigt.size(), i + 1);
        const Hilfetour::Blase& b = bubble.gezeigt[i];
        const auto& [e, dauer] = erwartet[i];
        EXPECT_EQ(
            std::tuple(b.Pfeilposition, b.groesse, b.punkt, b.text, tour.wecker().isActive(), tour.wecker().interval()),
            std::tuple(e.Pfeilposition, e.groesse, e.punkt, e.text, true, dauer));
        tour.cmdFragezeichen_Click();
        tour.weiter();
    }
    EXPECT_TRUE(beendet());
    tour.cmdFragezeichen_Click();
    EXPECT_EQ(tour.schritt(), 0) << "a new tour after the end";
}

TEST_F(HilfetourTest, EndsAtOnceOnAFailedStepOnCloseAndWhenTheProgramEnds)
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
    tour.abbrechen();
    EXPECT_TRUE(beendet());

    tour.cmdFragezeichen_Click();
    ProgrammEnde = true;
    tour.weiter();
    EXPECT_TRUE(beendet());
    EXPECT_EQ(bubble.gezeigt.size(), 4) << "no step after the program began to end";
}

} // namespace
