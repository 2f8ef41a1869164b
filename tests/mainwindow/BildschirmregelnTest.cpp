#include "common/Farbe.h"
#include "mainwindow/Einfaerbung.h"
#include "mainwindow/Hauptlayout.h"
#include "mainwindow/Scrollabstand.h"

#include <gtest/gtest.h>

namespace {

// The layout from 1024 x 768 up and white captions on a dark background are checked on the window
// (frmMainTest), the keep-distance of a full screen in the flows (JukeboxAblaufTest).
TEST(BildschirmregelnTest, EdgesOfLayoutKeepDistanceAndCaptionColour)
{
    const Hauptlayout winzig = Hauptlayout::fuer(1000, 1000, QSize(7800, 2400));
    EXPECT_TRUE(winzig.archiv.width() == 0 && winzig.playlist.height() == 0) << "empty grids, not negative ones";
    EXPECT_EQ(std::tuple(Scrollabstand(100, 23), Scrollabstand(2, 20), Scrollabstand(3, 20)), std::tuple(10, 5, 1))
        << "only rows 1 to 20 count; one song; two songs, both visible";
    EXPECT_EQ(Einfaerbung::Beschriftungsfarbe(RGBToColor({ 120, 0, 0 })), QColor(Qt::black));
}

} // namespace
