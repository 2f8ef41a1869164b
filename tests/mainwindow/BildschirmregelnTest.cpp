#include "common/Farbe.h"
#include "mainwindow/Einfaerbung.h"
#include "mainwindow/Hauptlayout.h"
#include "mainwindow/Scrollabstand.h"

#include <gtest/gtest.h>

namespace {

TEST(HauptlayoutTest, PlacesGridsFrameAndButtonsByTheTableInTwips)
{
    // 1024 x 768 pixels at 96 dpi.
    const Hauptlayout l = Hauptlayout::fuer(15360, 11520, QSize(7800, 2400), QSize(1200, 300));
    // The lower arrow's bottom lies on the archive's bottom.
    EXPECT_EQ(QList<QRect>({ l.archiv, l.playlist, l.frame1, l.FunbuttonArchivNav[0], l.FunbuttonArchivNav[1],
                  l.Uebernehmen, l.Label2 }),
        QList<QRect>({ QRect(600, 600, 13560, 4860), QRect(600, 5760, 10440, 4260), QRect(3780, 4560, 7800, 2400),
            QRect(14460, 600, 840, 1200), QRect(14460, 4260, 840, 1200), QRect(13740, 5760, 1260, 1260),
            QRect(15360 - 600 - 1200, 10110 + 600 - 30, 1200, 300) }));

    const Hauptlayout winzig = Hauptlayout::fuer(1000, 1000, QSize(7800, 2400));
    EXPECT_TRUE(winzig.archiv.width() == 0 && winzig.playlist.height() == 0) << "empty grids, not negative ones";
}

TEST(ScrollabstandTest, HalfTheVisibleRowsCountingAtMostTwenty)
{
    // Grid rows, visible rows; the distance.
    const std::tuple<int, int, int> faelle[] = {
        { 100, 23, 10 }, // only rows 1 to 20 count
        { 100, 7, 3 }, { 2, 20, 5 }, // one song
        { 100, 1, 5 }, // one row visible
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
