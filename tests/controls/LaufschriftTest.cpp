#include "common/Clock.h"
#include "controls/LaufschriftLauf.h"
#include "controls/Textersetzen.h"
#include "controls/ui/ctlLaufschrift.h"
#include "controls/ui/ctlSprechblase.h"
#include "controls/ui/frmButton.h"

#include <gtest/gtest.h>
#include <QFontMetrics>

namespace {

struct Ersetzung {
    const char* text;
    QTime jetzt;
    const char* erwartet;
};

class TextersetzenTest : public ::testing::TestWithParam<Ersetzung> { };

INSTANTIATE_TEST_SUITE_P(Platzhalter, TextersetzenTest,
    ::testing::Values(
        // Countdown in minutes: later today, and a time passed counts towards tomorrow.
        Ersetzung { "Noch [CDN23:30] bis Feierabend", QTime(22, 45, 10), "Noch 00:45 bis Feierabend" },
        Ersetzung { "[CDN23:30]", QTime(23, 45), "23:45" }, Ersetzung { "[CDN23:30]", QTime(23, 30, 59), "00:00" },
        // Countdown in seconds, letter case does not matter.
        Ersetzung { "x[cds00:00]y", QTime(23, 59, 30), "x30y" },
        // The clock, its colon blank in the first half of a second, every occurrence.
        Ersetzung { "[ZEIT] und [zeit]", QTime(12, 34, 56, 700), "12:34 und 12:34" },
        Ersetzung { "[ZEIT]", QTime(12, 34, 56, 200), "12 34" },
        Ersetzung { "[ZeitS]", QTime(12, 34, 56, 200), "12:34 56" },
        Ersetzung { "[ZEITS]", QTime(12, 34, 56, 500), "12:34:56" },
        // Anything else stays, and the scan ends.
        Ersetzung { "[Hallo]", QTime(12, 0), "[Hallo]" }, Ersetzung { "Es ist [ZEIT", QTime(12, 0), "Es ist [ZEIT" },
        Ersetzung { "[CDN25:00]", QTime(12, 0), "[CDN25:00]" },
        Ersetzung { "[CDN23:30 bis]", QTime(12, 0), "[CDN23:30 bis]" },
        // A countdown replaces exactly its own form.
        Ersetzung { "[CDN13:00]] Ende", QTime(12, 0), "01:00] Ende" },
        Ersetzung { "[[ZEIT]]", QTime(7, 8), "[07:08]" }));

TEST_P(TextersetzenTest, FillsKnownPlaceholdersAndKeepsTheRest)
{
    const Ersetzung e = GetParam();
    EXPECT_EQ(Textersetzen(QString::fromUtf8(e.text), e.jetzt), QString::fromUtf8(e.erwartet));
}

TEST(LaufschriftLauf, StepsFourPixelsStartsOverAfterOneTextWidthAndStopsOnAnEmptyText)
{
    LaufschriftLauf lauf;
    lauf.setLaufschrifttext(QStringLiteral("Hallo"));
    ASSERT_EQ(lauf.position(), 1);
    for (int i = 0; i < 25; ++i)
        lauf.schritt(100);
    EXPECT_EQ(lauf.position(), -99);
    lauf.schritt(100);
    EXPECT_EQ(lauf.position(), 1);
    lauf.setLaufschrifttext(QString());
    EXPECT_FALSE(lauf.laeuft());
    for (const auto& [wert, erwartet] : { std::pair<qint64, int> { 0, 1 }, { 40, 40 }, { 40000, 32767 } }) {
        lauf.setGeschwindigkeit(wert);
        EXPECT_EQ(lauf.Geschwindigkeit(), erwartet) << wert;
    }
}

TEST(LaufschriftLauf, CopiesCoverTheWholeWidthAtEveryPosition)
{
    for (const auto& [textbreite, flaeche] : { std::pair { 100, 250 }, { 100, 40 }, { 37, 800 } }) {
        LaufschriftLauf lauf;
        lauf.starten();
        for (int i = 0; i < 2 * textbreite; ++i) {
            const int kopien = lauf.kopien(textbreite, flaeche);
            EXPECT_GE(kopien, 2);
            EXPECT_GE(lauf.position() + kopien * textbreite, flaeche) << textbreite << " " << lauf.position();
            lauf.schritt(textbreite);
        }
    }
}

class FesteUhr : public Clock {
public:
    QDateTime jetzt { QDate(2024, 5, 1), QTime(22, 45, 0, 700) };
    QDateTime now() const override { return jetzt; }
    qint64 milliseconds() const override { return jetzt.toMSecsSinceEpoch(); }
};

TEST(ctlLaufschrift, RunsOnItsTimerAndKeepsTheLastDrawingWhenStopped)
{
    FesteUhr uhr;
    ctlLaufschrift laufschrift(uhr);
    laufschrift.resize(300, 30);
    laufschrift.setGeschwindigkeit(40);
    laufschrift.setLaufschrifttext(QStringLiteral("Noch [CDN23:30] - "));
    EXPECT_TRUE(laufschrift.Timer1().isActive());
    EXPECT_EQ(laufschrift.Timer1().interval(), 40);

    laufschrift.TimerCallback();
    EXPECT_EQ(laufschrift.angezeigt(), QStringLiteral("Noch 00:45 - "));
    EXPECT_EQ(laufschrift.lauf().position(), 1 - 4);

    laufschrift.setLaufschrifttext(QString());
    EXPECT_FALSE(laufschrift.Timer1().isActive());
    EXPECT_EQ(laufschrift.angezeigt(), QStringLiteral("Noch 00:45 - "));
}

TEST(ctlLaufschrift, FontFitsTheHeight)
{
    FesteUhr uhr;
    ctlLaufschrift laufschrift(uhr);
    laufschrift.resize(300, 40);
    laufschrift.show();
    QFont groesser = laufschrift.font();
    groesser.setPointSize(groesser.pointSize() + 1);
    EXPECT_LE(QFontMetrics(laufschrift.font()).height(), 40);
    EXPECT_GT(QFontMetrics(groesser).height(), 40);
}

TEST(frmButton, BubblePointsAtTheMarquee)
{
    FesteUhr uhr;
    frmButton fenster(uhr);
    fenster.show();
    const QRect laufschrift = fenster.ctlLaufschrift1()->geometry();
    const ctlSprechblase* blase = fenster.ctlSprechblase1();
    const QPoint spitze = blase->pos() + blase->spitze() * blase->logicalDpiX() / 1440;
    EXPECT_LE(qAbs(spitze.y() - (laufschrift.bottom() + 1)), 1);
    EXPECT_LE(qAbs(spitze.x() - laufschrift.center().x()), 2);
    EXPECT_TRUE(fenster.rect().contains(blase->geometry()));
    EXPECT_TRUE(fenster.ctlLaufschrift1()->Timer1().isActive());
}

} // namespace
