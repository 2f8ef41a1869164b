#include "start/StartReport.h"

#include <gtest/gtest.h>

// The countdown, the colour rule and the password filter are checked through the start window.
namespace {

TEST(StartReportTest, CountsSongsWithSingularPluralAndTheZurueckHint)
{
    const QString hinweis = QStringLiteral("Bitte im Kontextmenü (rechte Maustaste) \"Zurück\" anklicken und "
                                           "anschließend einen Ordner mit MP3-Dateien angeben!");
    // Grid rows, a title in row 1; both messages, nothing found, interval.
    const std::tuple<int, const char*, std::tuple<QString, QString, bool, int>> faelle[] = {
        { 2, "", { "0 Lieder gefunden!", hinweis, true, 10000 } },
        { 1, "", { "0 Lieder gefunden!", hinweis, true, 10000 } }, // the header alone
        { 2, "Titel", { "1 Lied gefunden!", "", false, 5000 } },
        { 26, "Titel", { "25 Lieder gefunden!", "", false, 5000 } },
    };
    for (const auto& [zeilen, titel, erwartet] : faelle) {
        const StartReport r = StartReport::nachScan(zeilen, QString::fromUtf8(titel));
        EXPECT_EQ(std::tuple(r.lblStartmeldung, r.lblStartmeldung2, r.nichtsGefunden, r.intervall), erwartet) << zeilen;
    }
}

} // namespace
