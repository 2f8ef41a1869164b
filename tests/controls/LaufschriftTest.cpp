#include "controls/LaufschriftLauf.h"
#include "controls/Textersetzen.h"
#include "controls/ui/ctlLaufschrift.h"
#include "controls/ui/ctlSprechblase.h"
#include "controls/ui/frmButton.h"
#include "support/FakeZeit.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

namespace {

// Well-formed placeholders in any case are the texts fuzz harness's oracle; here what it never builds.
TEST(Textersetzen, KeepsUnknownUnclosedAndOutOfRangePlaceholders)
{
    const std::pair<const char*, const char*> faelle[] = { { "[Hallo]", "[Hallo]" },
        { "Es ist [ZEIT", "Es ist [ZEIT" }, { "[CDN25:00]", "[CDN25:00]" }, { "[[ZEIT]]", "[07:08]" } };
    for (const auto& [text, erwartet] : faelle)
        EXPECT_EQ(Textersetzen(QString::fromUtf8(text), QTime(7, 8)), QString::fromUtf8(erwartet)) << text;
}

TEST(LaufschriftLauf, CopiesCoverTheWidthAtEveryStepAndAnEmptyTextStops)
{
    LaufschriftLauf lauf;
    lauf.setLaufschrifttext(QStringLiteral("Hallo"));
    lauf.setLaufschrifttext(QString());
    EXPECT_FALSE(lauf.laeuft());
    lauf.setGeschwindigkeit(0);
    EXPECT_EQ(lauf.Geschwindigkeit(), 1) << "a timer at 0 ms would spin";
    // At every position the copies of the text cover the whole width.
    for (const auto& [textbreite, flaeche] : { std::pair { 100, 250 }, { 100, 40 }, { 37, 800 } }) {
        LaufschriftLauf kopie;
        kopie.starten();
        for (int i = 0; i < 2 * textbreite; ++i, kopie.schritt(textbreite)) {
            const int kopien = kopie.kopien(textbreite, flaeche);
            EXPECT_TRUE(kopien >= 2 && kopie.position() + kopien * textbreite >= flaeche)
                << textbreite << " " << kopie.position();
        }
    }
}

TEST(frmButton, BubblePointsAtTheMarqueeWhichFitsItsFontRunsOnItsTimerAndKeepsItsLastDrawingWhenStopped)
{
    FakeZeit uhr;
    uhr.start.setTime(QTime(22, 45, 0, 700));
    frmButton fenster(uhr);
    fenster.show();
    ctlLaufschrift& laufschrift = *fenster.ctlLaufschrift1();
    const QRect unten = laufschrift.geometry();
    const ctlSprechblase* blase = fenster.ctlSprechblase1();
    const QPoint spitze = blase->pos() + blase->spitze() * blase->logicalDpiX() / 1440;
    EXPECT_LE((spitze - QPoint(unten.center().x(), unten.bottom() + 1)).manhattanLength(), 3);
    EXPECT_TRUE(fenster.rect().contains(blase->geometry()) && laufschrift.Timer1().isActive());
    EXPECT_LE(QFontMetrics(laufschrift.font()).height(), laufschrift.height());
    // An installed family or the UI font, never a style hint's pick: fontconfig may answer with a dingbat face.
    for (const auto& [schrift, wunsch] :
        { std::pair { blase->font(), "Comic Neue" }, { laufschrift.font(), "DejaVu Sans Mono" } }) {
        const QFont erwartet = QFontDatabase::hasFamily(wunsch) ? QFont(wunsch) : QApplication::font();
        EXPECT_EQ(schrift.family(), erwartet.family());
        EXPECT_EQ(QFontInfo(schrift).family(), QFontInfo(erwartet).family());
    }

    laufschrift.setGeschwindigkeit(40);
    laufschrift.setLaufschrifttext(QStringLiteral("Noch [CDN23:30] - "));
    EXPECT_EQ(laufschrift.Timer1().interval(), 40);
    laufschrift.TimerCallback();
    EXPECT_EQ(std::pair(laufschrift.angezeigt(), laufschrift.lauf().position()),
        std::pair(QStringLiteral("Noch 00:45 - "), 1 - 4));
    laufschrift.setLaufschrifttext(QString());
    EXPECT_TRUE(!laufschrift.Timer1().isActive() && laufschrift.angezeigt() == QStringLiteral("Noch 00:45 - "))
        << "stopped, the last drawing stays";
}

} // namespace
