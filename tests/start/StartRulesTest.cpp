#include "common/Farbe.h"
#include "start/Farbpruefung.h"
#include "start/StartReport.h"

#include <gtest/gtest.h>

// The countdown, the colour messages and the password filter are checked through the start window.
namespace {

TEST(FarbpruefungTest, TooDarkOnlyWhenAllThreeComponentsAreBelow70)
{
    EXPECT_TRUE(Farbpruefung::zuDunkel(RGBToColor({ 69, 69, 69 })));
    EXPECT_TRUE(Farbpruefung::zuDunkel(RGBToColor({ 0, 0, 0 })));
    for (const qint32 hell : { RGBToColor({ 70, 0, 0 }), RGBToColor({ 0, 70, 0 }), RGBToColor({ 0, 0, 70 }) })
        EXPECT_FALSE(Farbpruefung::zuDunkel(hell)) << hell;
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
    // An archive reduced to its header counts as nothing found as well.
    EXPECT_TRUE(StartReport::nachScan(1, QString()).nichtsGefunden);

    for (const auto& [zeilen, text] :
        { std::pair { 2, "1 Lied gefunden!" }, std::pair { 26, "25 Lieder gefunden!" } }) {
        const StartReport found = StartReport::nachScan(zeilen, QStringLiteral("Titel"));
        EXPECT_EQ(found.lblStartmeldung, QString::fromUtf8(text));
        EXPECT_EQ(found.lblStartmeldung2, QString());
        EXPECT_FALSE(found.nichtsGefunden);
        EXPECT_EQ(found.intervall, 5000);
    }
}

} // namespace
