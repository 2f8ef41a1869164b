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

} // namespace
