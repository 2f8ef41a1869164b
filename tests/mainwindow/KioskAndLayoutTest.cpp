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
    EXPECT_TRUE(fenster.windowFlags().testFlag(Qt::WindowStaysOnTopHint) && fenster.isVisible()) << "was there before";
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
    EXPECT_TRUE(fenster.windowState().testFlags(Qt::WindowMinimized | Qt::WindowFullScreen) && kiosk.vollbild())
        << "restored, it covers the screen again";
}

} // namespace
