#include "common/Farbe.h"
#include "mainwindow/Einfaerbung.h"
#include "mainwindow/Hauptlayout.h"
#include "mainwindow/Scrollabstand.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<std::pair<const char*, QRect>> knoepfe(const Hauptlayout& l, QSize label2)
{
    return {
        { "archiv", l.archiv },
        { "playlist", l.playlist },
        { "Nav0", l.FunbuttonArchivNav[0] },
        { "Nav1", l.FunbuttonArchivNav[1] },
        { "Nav2", l.FunbuttonArchivNav[2] },
        { "Nav3", l.FunbuttonArchivNav[3] },
        { "Uebernehmen", l.Uebernehmen },
        { "cmdSmilie", l.cmdSmilie },
        { "cmdFragezeichen", l.cmdFragezeichen },
        { "cmdHoch0", l.cmdHoch[0] },
        { "cmdHoch1", l.cmdHoch[1] },
        { "cmdLoeschen", l.cmdLoeschen },
        { "Schloss", l.Schloss },
        { "Zeitleiste",
            QRect(0, l.PositionsgrafikTop, 1, l.BalkenTop + Hauptlayout::kBalkenHoehe - l.PositionsgrafikTop) },
        { "Label2", QRect(l.Label2.topLeft(), label2) },
    };
}

TEST(HauptlayoutTest, PlacesEveryButtonByTheTableInTwips)
{
    // 1024 x 768 pixels at 96 dpi.
    const Hauptlayout l = Hauptlayout::fuer(15360, 11520, QSize(7800, 2400), QSize(1200, 300));
    EXPECT_EQ(l.FunbuttonArchivNav[0], QRect(14460, 600, 840, 1200));
    EXPECT_EQ(l.FunbuttonArchivNav[1], QRect(14460, 4260, 840, 1200)) << "bottom on the archive's bottom";
    EXPECT_EQ(l.cmdHoch[0], QRect(11340, 5760, 900, 1020));
    EXPECT_EQ(l.Schloss.topLeft(), QPoint(11340, 5760 + 3 * 1020)) << "below both arrows and the bin";
    EXPECT_EQ(l.FunbuttonArchivNav[2].topLeft(), QPoint(12540, 6060));
    EXPECT_EQ(l.FunbuttonArchivNav[3].topLeft(), QPoint(12540, 8820));
    EXPECT_EQ(l.Uebernehmen, QRect(13740, 5760, 1260, 1260));
    EXPECT_EQ(l.cmdFragezeichen.top(), 5760 + 1260 + 180 + 1020 + 300);
    EXPECT_EQ(l.BalkenTop, 10110 + 600 - 30);
    EXPECT_EQ(l.Label2, QRect(15360 - 600 - 1200, l.BalkenTop, 1200, 300));
    EXPECT_EQ(l.txtSortierung.left(), 15360 / 2 - 1500);

    // 1920 x 1080: the grids grow, the buttons follow their edges.
    const Hauptlayout gross = Hauptlayout::fuer(28800, 16200, QSize(7800, 2400), QSize(1200, 300));
    EXPECT_EQ(gross.FunbuttonArchivNav[1], QRect(27900, 6600, 840, 1200));
    EXPECT_EQ(gross.cmdHoch[0].topLeft(), QPoint(24780, 8100));
    EXPECT_EQ(gross.FunbuttonArchivNav[3].topLeft(), QPoint(25980, 14700 - 1200));
    EXPECT_EQ(gross.Uebernehmen.left(), 26820 + (28800 - 26820 - 1260) / 2);
}

TEST(HauptlayoutTest, NothingOverlapsOrLeavesTheWindowFrom1024x768Up)
{
    const QSize label2(1500, 300);
    for (const QSize fenster : { QSize(1024, 768), QSize(1280, 1024), QSize(1366, 768), QSize(1920, 1080) }) {
        SCOPED_TRACE(QStringLiteral("%1 x %2").arg(fenster.width()).arg(fenster.height()).toStdString());
        const QRect innen(0, 0, fenster.width() * 15, fenster.height() * 15);
        const auto teile = knoepfe(Hauptlayout::fuer(innen.width(), innen.height(), QSize(7800, 2400), label2), label2);
        for (size_t i = 0; i < teile.size(); ++i) {
            EXPECT_TRUE(innen.contains(teile[i].second)) << teile[i].first;
            for (size_t j = i + 1; j < teile.size(); ++j)
                EXPECT_FALSE(teile[i].second.intersects(teile[j].second)) << teile[i].first << " / " << teile[j].first;
        }
    }
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
        EXPECT_EQ(QList<QColor>({ grid.back, grid.fore, grid.backFixed, grid.backSel }),
            QList<QColor>({ e.fenster, QColor(0, 255, 255), QColor(255, 255, 0), QColor(255, 255, 0) }));
        EXPECT_EQ(QList<QColor>({ grid.foreFixed, grid.foreSel, grid.backBkg }), QList<QColor>(3, schatten));
    }
    EXPECT_EQ(QList<QColor>({ e.fenster, e.frame1, e.meldungen, e.balken, e.beschriftungen }),
        QList<QColor>({ QColor(0, 0, 255), QColor(90, 90, 90), QColor(255, 255, 0), QColor(0, 255, 255), Qt::black }));
}

} // namespace
