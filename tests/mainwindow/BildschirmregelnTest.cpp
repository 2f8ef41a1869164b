#include "common/Farbe.h"
#include "mainwindow/Einfaerbung.h"
#include "mainwindow/Hauptlayout.h"
#include "mainwindow/Scrollabstand.h"

#include <gtest/gtest.h>

namespace {

TEST(HauptlayoutTest, PlacesEveryButtonByTheTableInTwips)
{
    // 1024 x 768 pixels at 96 dpi.
    const Hauptlayout l = Hauptlayout::fuer(15360, 11520, QSize(7800, 2400), QSize(1200, 300));
    EXPECT_EQ(l.FunbuttonArchivNav[0], QRect(14460, 600, 840, 1200));
    EXPECT_EQ(l.FunbuttonArchivNav[1], QRect(14460, 4260, 840, 1200)) << "bottom on the archive's bottom";
    EXPECT_EQ(l.cmdHoch[0], QRect(11340, 5760, 900, 1020));
    EXPECT_EQ(l.cmdHoch[1].topLeft(), QPoint(11340, 6780));
    EXPECT_EQ(l.cmdLoeschen.topLeft(), QPoint(11340, 7800));
    EXPECT_EQ(l.Schloss.topLeft(), QPoint(11340, 8820));
    EXPECT_EQ(l.FunbuttonArchivNav[2].topLeft(), QPoint(12540, 6060));
    EXPECT_EQ(l.FunbuttonArchivNav[3].topLeft(), QPoint(12540, 8820));
    EXPECT_EQ(l.Uebernehmen, QRect(13740, 5760, 1260, 1260));
    EXPECT_EQ(l.cmdSmilie.top(), 5760 + 1260 + 180);
    EXPECT_EQ(l.cmdFragezeichen.top(), l.cmdSmilie.top() + 1020 + 300);
    EXPECT_EQ(l.BalkenTop, 10110 + 600 - 30);
    EXPECT_EQ(l.Label2, QRect(15360 - 600 - 1200, l.BalkenTop, 1200, 300));

    // 1920 x 1080: the grids grow, the buttons follow their edges.
    const Hauptlayout gross = Hauptlayout::fuer(28800, 16200, QSize(7800, 2400), QSize(1200, 300));
    EXPECT_EQ(gross.FunbuttonArchivNav[1], QRect(27900, 6600, 840, 1200));
    EXPECT_EQ(gross.FunbuttonArchivNav[3].topLeft(), QPoint(25980, 14700 - 1200));
}

TEST(ScrollabstandTest, HalfTheVisibleRowsCountingAtMostTwenty)
{
    struct Fall {
        int rows;
        int sichtbar;
        int erwartet;
    };
    const Fall faelle[] = {
        { 100, 23, 10 }, // only rows 1 to 20 count
        { 100, 7, 3 },
        { 1, 20, 5 }, // empty archive
        { 2, 20, 5 }, // one song
        { 100, 1, 5 }, // one row visible
        { 100, 0, 5 },
        { 3, 20, 1 }, // two songs, both visible
        { 6, 3, 1 },
    };
    for (const Fall& fall : faelle)
        EXPECT_EQ(Scrollabstand(fall.rows, fall.sichtbar), fall.erwartet) << fall.rows << " rows, " << fall.sichtbar;
}

TEST(EinfaerbungTest, CaptionsAreBlackOnALightBackgroundAndWhiteOnADarkOne)
{
    const std::pair<TypeFarbe, QColor> faelle[] = {
        { { 119, 119, 119 }, Qt::white },
        { { 120, 0, 0 }, Qt::black },
        { { 0, 120, 0 }, Qt::black },
        { { 0, 0, 255 }, Qt::black },
        { { 0, 0, 0 }, Qt::white },
    };
    for (const auto& [hintergrund, erwartet] : faelle)
        EXPECT_EQ(Einfaerbung::Beschriftungsfarbe(RGBToColor(hintergrund)), erwartet)
            << hintergrund.R << "," << hintergrund.G << "," << hintergrund.B;
}

TEST(EinfaerbungTest, GridsShowButtonColouredHeadersWithShadowTextOnTheWindowBackground)
{
    const qint32 blau = RGBToColor({ 0, 0, 255 });
    const qint32 cyan = RGBToColor({ 0, 255, 255 });
    const qint32 gelb = RGBToColor({ 255, 255, 0 });
    const qint32 grau = RGBToColor({ 90, 90, 90 });
    const Einfaerbung e = Einfaerbung::fuer(blau, cyan, gelb, grau);
    const QColor schatten(0, 0, 102);
    for (const FlexGrid::Colours& grid : { e.archiv, e.playlist }) {
        EXPECT_EQ(grid.back, QColor(0, 0, 255));
        EXPECT_EQ(grid.fore, QColor(0, 255, 255));
        EXPECT_EQ(grid.backFixed, QColor(255, 255, 0));
        EXPECT_EQ(grid.backSel, QColor(255, 255, 0));
        EXPECT_EQ(grid.foreFixed, schatten);
        EXPECT_EQ(grid.foreSel, schatten);
        EXPECT_EQ(grid.backBkg, schatten);
    }
    EXPECT_EQ(e.frame1, QColor(90, 90, 90));
    EXPECT_EQ(e.meldungen, QColor(255, 255, 0));
}

} // namespace
