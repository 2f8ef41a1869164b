#include "mainwindow/Hauptlayout.h"
#include "platform/ui/QtKiosk.h"

#include <gtest/gtest.h>
#include <QWidget>

namespace {

TEST(QtKioskTest, CoversTheScreenAndTakesBackOnlyWhatItAdded)
{
    QWidget fenster;
    fenster.setWindowFlag(Qt::WindowStaysOnTopHint);
    QtKiosk kiosk(&fenster);
    EXPECT_FALSE(kiosk.vollbild());

    kiosk.sperren();
    kiosk.sperren();
    EXPECT_TRUE(kiosk.vollbild());
    EXPECT_TRUE(fenster.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(fenster.windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    fenster.showFullScreen();
    kiosk.freigeben();
    EXPECT_FALSE(kiosk.vollbild());
    EXPECT_FALSE(fenster.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(fenster.windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << "was there before";
    EXPECT_FALSE(fenster.windowState().testFlag(Qt::WindowFullScreen));
    EXPECT_TRUE(fenster.isVisible());
}

TEST(QtKioskTest, AVisibleWindowCoversTheScreenAtOnceAndStepsBackByMinimising)
{
    QWidget fenster;
    fenster.show();
    QtKiosk kiosk(&fenster);
    kiosk.zuruecktreten();
    EXPECT_FALSE(fenster.windowState().testFlag(Qt::WindowMinimized)) << "an unblocked window stays as it is";

    kiosk.sperren();
    EXPECT_TRUE(fenster.isVisible());
    EXPECT_TRUE(fenster.windowState().testFlag(Qt::WindowFullScreen));
    kiosk.zuruecktreten();
    EXPECT_TRUE(fenster.windowState().testFlag(Qt::WindowMinimized));
    EXPECT_TRUE(fenster.windowState().testFlag(Qt::WindowFullScreen)) << "restored, it covers the screen again";
    EXPECT_TRUE(fenster.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(kiosk.vollbild());
}

TEST(HauptlayoutTest, ArchiveAbovePlaylistAndTheFrameCentred)
{
    // 1024 x 768 pixels at 96 dpi.
    const Hauptlayout layout = Hauptlayout::fuer(15360, 11520, QSize(7800, 2400));
    EXPECT_EQ(layout.archiv, QRect(600, 600, 13560, 4860));
    EXPECT_EQ(layout.playlist, QRect(600, 5760, 10440, 4260));
    EXPECT_EQ(layout.frame1, QRect(3780, 4560, 7800, 2400));

    // A tiny window gives empty grids, not negative ones.
    const Hauptlayout winzig = Hauptlayout::fuer(1000, 1000, QSize(7800, 2400));
    EXPECT_EQ(winzig.archiv.width(), 0);
    EXPECT_EQ(winzig.playlist.height(), 0);
}

} // namespace
