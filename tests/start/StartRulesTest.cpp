#include "common/Farbe.h"
#include "start/AutostartCountdown.h"
#include "start/Farbpruefung.h"
#include "start/PasswordFilter.h"
#include "start/StartReport.h"

#include <gtest/gtest.h>

namespace {

qint32 rgb(int r, int g, int b)
{
    return RGBToColor(TypeFarbe { r, g, b });
}

TEST(FarbpruefungTest, TooDarkOnlyWhenAllThreeComponentsAreBelow70)
{
    EXPECT_TRUE(Farbpruefung::zuDunkel(rgb(69, 69, 69)));
    EXPECT_TRUE(Farbpruefung::zuDunkel(rgb(0, 0, 0)));
    EXPECT_FALSE(Farbpruefung::zuDunkel(rgb(70, 0, 0)));
    EXPECT_FALSE(Farbpruefung::zuDunkel(rgb(0, 70, 0)));
    EXPECT_FALSE(Farbpruefung::zuDunkel(rgb(0, 0, 70)));
    EXPECT_FALSE(Farbpruefung::zuDunkel(rgb(0, 255, 255)));
}

TEST(FarbpruefungTest, MessagesNameTheColourOnTwoLines)
{
    EXPECT_EQ(Farbpruefung::meldung(Farbpruefung::Buttonfarbe),
        QStringLiteral("Die Buttonfarbe ist zu dunkel!\nBitte eine andere Farbe wählen."));
    EXPECT_EQ(Farbpruefung::meldung(Farbpruefung::Hintergrundfarbe),
        QStringLiteral("Die Hintergrundfarbe ist zu dunkel!\nBitte eine andere Farbe wählen."));
}

TEST(AutostartCountdownTest, ShowsTheLastTenSecondsAndRunsOutAtForty)
{
    AutostartCountdown countdown;
    for (int i = 1; i < 30; ++i) {
        countdown.tick();
        EXPECT_FALSE(countdown.sichtbar()) << i;
    }
    countdown.tick();
    EXPECT_TRUE(countdown.sichtbar());
    EXPECT_EQ(countdown.text(), QStringLiteral("Autostart in 10 Sekunden"));
    for (int i = 31; i < 39; ++i)
        countdown.tick();
    EXPECT_EQ(countdown.text(), QStringLiteral("Autostart in 2 Sekunden"));
    countdown.tick();
    EXPECT_EQ(countdown.text(), QStringLiteral("Autostart in 1 Sekunde"));
    EXPECT_FALSE(countdown.abgelaufen());
    countdown.tick();
    EXPECT_TRUE(countdown.abgelaufen());
    EXPECT_EQ(countdown.Startzaehler(), 40);
}

TEST(AutostartCountdownTest, ResetStartsTheFortySecondsOver)
{
    AutostartCountdown countdown;
    for (int i = 0; i < 35; ++i)
        countdown.tick();
    countdown.reset();
    EXPECT_EQ(countdown.Startzaehler(), 0);
    EXPECT_FALSE(countdown.sichtbar());
    for (int i = 0; i < 39; ++i)
        countdown.tick();
    EXPECT_FALSE(countdown.abgelaufen());
}

TEST(StartReportTest, CountsSongsWithSingularPluralAndTheZurueckHint)
{
    const StartReport none = StartReport::nachScan(2, QString());
    EXPECT_EQ(none.lblStartmeldung, QStringLiteral("0 Lieder gefunden!"));
    EXPECT_EQ(none.lblStartmeldung2,
        QStringLiteral("Bitte im Kontextmenü (rechte Maustaste) \"Zurück\" anklicken und anschließend einen Ordner "
                       "mit MP3-Dateien angeben!"));
    EXPECT_TRUE(none.nichtsGefunden);
    EXPECT_EQ(none.intervall, 10000);

    const StartReport one = StartReport::nachScan(2, QStringLiteral("Titel"));
    EXPECT_EQ(one.lblStartmeldung, QStringLiteral("1 Lied gefunden!"));
    EXPECT_EQ(one.lblStartmeldung2, QString());
    EXPECT_FALSE(one.nichtsGefunden);
    EXPECT_EQ(one.intervall, 5000);

    const StartReport many = StartReport::nachScan(26, QStringLiteral("Titel"));
    EXPECT_EQ(many.lblStartmeldung, QStringLiteral("25 Lieder gefunden!"));
    EXPECT_EQ(many.intervall, 5000);

    // An archive reduced to its header counts as nothing found as well.
    EXPECT_TRUE(StartReport::nachScan(1, QString()).nichtsGefunden);
}

TEST(PasswordFilterTest, LettersAndBackspaceOnly)
{
    for (QChar c : QStringLiteral("AZaz\b"))
        EXPECT_TRUE(PasswordFilter::erlaubt(c)) << int(c.unicode());
    for (QChar c : QStringLiteral("09 äÖß@\r\t_-"))
        EXPECT_FALSE(PasswordFilter::erlaubt(c)) << int(c.unicode());
    EXPECT_TRUE(PasswordFilter::gueltig(QStringLiteral("GeHeim")));
    EXPECT_TRUE(PasswordFilter::gueltig(QString()));
    EXPECT_FALSE(PasswordFilter::gueltig(QStringLiteral("Geheim1")));
    EXPECT_FALSE(PasswordFilter::gueltig(QStringLiteral("Bär")));
}

} // namespace
