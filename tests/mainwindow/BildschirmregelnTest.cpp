#include "common/Farbe.h"
#include "mainwindow/Einfaerbung.h"
#include "mainwindow/Hauptlayout.h"
#include "mainwindow/Scrollabstand.h"

#include <gtest/gtest.h>

namespace {

// That nothing overlaps from 1024 x 768 up is checked on the window (TouchbuttonsTest).
TEST(HauptlayoutTest, ATinyWindowGivesEmptyGridsNotNegativeOnes)
{
    const Hauptlayout winzig = Hauptlayout::fuer(1000, 1000, QSize(7800, 2400));
    EXPECT_TRUE(winzig.archiv.width() == 0 && winzig.playlist.height() == 0);
}

TEST(ScrollabstandTest, HalfTheVisibleRowsCountingAtMostTwenty)
{
    // Grid rows, visible rows; the distance.
    const std::tuple<int, int, int> faelle[] = {
        { 100, 23, 10 }, // only rows 1 to 20 count
        { 2, 20, 5 }, // one song
        { 3, 20, 1 }, // two songs, both visible
    };
    for (const auto& [rows, sichtbar, erwartet] : faelle)
        EXPECT_EQ(Scrollabstand(rows, sichtbar), erwartet) << rows << " rows, " << sichtbar;
}

TEST(EinfaerbungTest, CaptionsAreBlackOnALightBackgroundAndWhiteOnADarkOne)
{
    const std::pair<TypeFarbe, QColor> faelle[]
        = { { { 119, 119, 119 }, Qt::white }, { { 120, 0, 0 }, Qt::black }, { { 0, 0, 255 }, Qt::black } };
    for (const auto& [hintergrund, erwartet] : faelle)
        EXPECT_EQ(Einfaerbung::Beschriftungsfarbe(RGBToColor(hintergrund)), erwartet)
            << hintergrund.R << "," << hintergrund.G << "," << hintergrund.B;
}

} // namespace
