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
    EXPECT_TRUE(kiosk.vollbild() && fenster.windowFlags().testFlag(Qt::FramelessWindowHint));

    fenster.showFullScreen();
    kiosk.freigeben();
    EXPECT_FALSE(kiosk.vollbild() || fenster.windowFlags().testFlag(Qt::FramelessWindowHint)
        || fenster.windowState().testFlag(Qt::WindowFullScreen));
    EXPECT_TRUE(fenster.windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << "was there before";
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
    kiosk.zuruecktreten();
    EXPECT_TRUE(fenster.windowState().testFlag(Qt::WindowMinimized));
    EXPECT_TRUE(fenster.windowState().testFlag(Qt::WindowFullScreen)) << "restored, it covers the screen again";
    EXPECT_TRUE(kiosk.vollbild());
}

TEST(HauptlayoutTest, ArchiveAbovePlaylistAndTheFrameCentred)
{
    // 1024 x 768 pixels at 96 dpi.
    const Hauptlayout layout = Hauptlayout::fuer(15360, 11520, QSize(7800, 2400));
    EXPECT_EQ(layout.archiv, QRect(600, 600, 13560, 4860));
    EXPECT_EQ(layout.playlist, QRect(600, 5760, 10440, 4260));
    EXPECT_EQ(layout.frame1, QRect(3780, 4560, 7800, 2400));

    const Hauptlayout winzig = Hauptlayout::fuer(1000, 1000, QSize(7800, 2400));
    EXPECT_TRUE(winzig.archiv.width() == 0 && winzig.playlist.height() == 0) << "empty grids, not negative ones";
}

} // namespace
