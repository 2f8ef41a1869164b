#include "start/StartReport.h"

#include <gtest/gtest.h>

// The countdown, the colour rule and the password filter are checked through the start window, the plural there too.
namespace {

TEST(StartReportTest, OneSongIsSingularAndNoneAddsTheZurueckHint)
{
    // Grid rows, a title in row 1; the first message, the hint shown, nothing found.
    const std::tuple<int, const char*, std::tuple<QString, bool, bool>> faelle[] = {
        { 1, "", { "0 Lieder gefunden!", true, true } }, // the header alone
        { 2, "", { "0 Lieder gefunden!", true, true } },
        { 2, "Titel", { "1 Lied gefunden!", false, false } },
    };
    for (const auto& [zeilen, titel, erwartet] : faelle) {
        const StartReport r = StartReport::nachScan(zeilen, QString::fromUtf8(titel));
        EXPECT_EQ(std::tuple(r.lblStartmeldung, !r.lblStartmeldung2.isEmpty(), r.nichtsGefunden), erwartet) << zeilen;
    }
}

} // namespace
