#include "../start/StartFakes.h"

#include "mainwindow/Hilfetour.h"

#include <gtest/gtest.h>

namespace {

// Records what the tour shows and hides; a step can be made to fail.
struct Bubble {
    QList<Hilfetour::Blase> gezeigt;
    int versteckt = 0;
    bool sichtbar = false;
    int fehlerBeiSchritt = -1;

    Hilfetour::Anzeige anzeige()
    {
        return { [] { return ziele(); },
            [this](const Hilfetour::Blase& b) {
                if (gezeigt.size() == fehlerBeiSchritt)
                    throw FaultError(5, QStringLiteral("Ungültiger Prozeduraufruf oder ungültiges Argument"));
                EXPECT_FALSE(sichtbar) << "the bubble is hidden between steps";
                gezeigt << b;
                sichtbar = true;
            },
            [this] {
                ++versteckt;
                sichtbar = false;
            } };
    }

    static Hilfetour::Ziele ziele()
    {
        Hilfetour::Ziele z;
        z.archiv = QRect(600, 600, 12000, 4000);
        z.spalte0Breite = 3000;
        z.spalte1Breite = 2000;
        z.Uebernehmen = QRect(13000, 1000, 1000, 800);
        z.FunbuttonArchivNav = { QRect(13000, 2000, 600, 600), QRect(13000, 2800, 600, 400) };
        z.cmdHoch = { QRect(10000, 6000, 800, 600), QRect(10000, 7000, 800, 600) };
        z.cmdLoeschen = QRect(11000, 8000, 1200, 1000);
        return z;
    }
};

class HilfetourTest : public ::testing::Test {
protected:
    ReporterScope scope;
    Bubble bubble;
    Hilfetour tour { bubble.anzeige() };

    void bisZumEnde()
    {
        for (int i = 0; i < Hilfetour::kSchritte && tour.HilfeAktiv(); ++i)
            tour.weiter();
    }
};

TEST_F(HilfetourTest, WalksTheEightControlsInOrderWithTheirTextsAndTimes)
{
    struct Erwartet {
        int pfeil;
        QSize groesse;
        QPoint punkt;
        const char* text;
        int dauer;
    };
    const Erwartet erwartet[] = {
        { 0, { 3600, 2400 }, { 1800, 900 }, "Hier klicken, um nach Titel zu sortieren und Lieder zu suchen.", 4000 },
        { 0, { 3600, 2400 }, { 4600, 900 }, "Hier klicken, um nach Interpret zu sortieren und Lieder zu suchen.",
            3000 },
        { 3, { 3600, 1800 }, { 13500, 1400 }, "Markiertes Lied vom Archiv in die Playliste übernehmen.", 5000 },
        { 1, { 3600, 1800 }, { 13300, 2300 }, "Hier und auf die anderen Pfeile klicken, um hoch oder runter zu gehen.",
            3000 },
        { 1, { 3600, 1800 }, { 13300, 3000 }, "Die Pfeile gedrückt halten, um schneller zu scrollen.", 3000 },
        { 1, { 3000, 1500 }, { 10400, 6300 }, "Zum Umsortieren der Lieder in der Playliste.", 3000 },
        { 1, { 3000, 1500 }, { 10400, 7300 }, "Zum Umsortieren der Lieder in der Playliste.", 3000 },
        { 1, { 2400, 1800 }, { 11600, 8500 }, "Markiertes Lied aus der Playliste löschen.", 5000 },
    };
    tour.cmdFragezeichen_Click();
    for (int i = 0; i < Hilfetour::kSchritte; ++i) {
        ASSERT_EQ(bubble.gezeigt.size(), i + 1);
        const Hilfetour::Blase& b = bubble.gezeigt[i];
        const Erwartet& e = erwartet[i];
        EXPECT_EQ(b.Pfeilposition, e.pfeil) << i;
        EXPECT_EQ(b.groesse, e.groesse) << i;
        EXPECT_EQ(b.punkt, e.punkt) << i;
        EXPECT_EQ(b.text, QString::fromUtf8(e.text)) << i;
        EXPECT_TRUE(tour.wecker().isActive());
        EXPECT_EQ(tour.wecker().interval(), e.dauer) << i;
        EXPECT_TRUE(tour.HilfeAktiv());
        tour.weiter();
    }
    EXPECT_FALSE(tour.HilfeAktiv());
    EXPECT_FALSE(bubble.sichtbar);
    EXPECT_FALSE(tour.wecker().isActive());
    EXPECT_EQ(bubble.gezeigt.size(), Hilfetour::kSchritte);
}

TEST_F(HilfetourTest, SecondPressDuringATourIsIgnoredAndANewTourFollowsTheEnd)
{
    tour.cmdFragezeichen_Click();
    tour.weiter();
    tour.cmdFragezeichen_Click();
    EXPECT_EQ(tour.schritt(), 1);
    EXPECT_EQ(bubble.gezeigt.size(), 2);
    bisZumEnde();
    tour.cmdFragezeichen_Click();
    EXPECT_TRUE(tour.HilfeAktiv());
    EXPECT_EQ(tour.schritt(), 0);
}

TEST_F(HilfetourTest, StopsAtOnceOnCloseAndAtTheNextStepWhenTheProgramEnds)
{
    tour.cmdFragezeichen_Click();
    tour.weiter();
    tour.abbrechen();
    EXPECT_FALSE(tour.HilfeAktiv());
    EXPECT_FALSE(bubble.sichtbar);
    EXPECT_FALSE(tour.wecker().isActive());

    tour.cmdFragezeichen_Click();
    ProgrammEnde = true;
    tour.weiter();
    EXPECT_FALSE(tour.HilfeAktiv());
    EXPECT_FALSE(bubble.sichtbar);
    EXPECT_EQ(bubble.gezeigt.size(), 3) << "no step after the program began to end";
}

TEST_F(HilfetourTest, AFailingStepThatIsLeftEndsTheTourSoHelpWorksAgain)
{
    scope.errors.otherwise = ErrPtnr::ProzedurVerlassen;
    bubble.fehlerBeiSchritt = 2;
    tour.cmdFragezeichen_Click();
    tour.weiter();
    tour.weiter();
    EXPECT_EQ(scope.errors.reports.size(), 1);
    EXPECT_FALSE(tour.HilfeAktiv());
    EXPECT_FALSE(tour.wecker().isActive());
    EXPECT_FALSE(bubble.sichtbar);

    bubble.fehlerBeiSchritt = -1;
    tour.cmdFragezeichen_Click();
    EXPECT_TRUE(tour.HilfeAktiv());
}

} // namespace
