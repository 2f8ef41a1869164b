#include "controls/ui/FormX.h"
#include "controls/Fensterumriss.h"

#include <gtest/gtest.h>
#include <QLabel>

namespace {

TEST(Fensterumriss, ModeThreeHidesAndModeOneKeepsAWindowWithoutControls)
{
    EXPECT_EQ(Fensterumriss(3, { QRect(0, 0, 5, 5) }), QRegion());
    EXPECT_EQ(Fensterumriss(2, {}), QRegion());
    EXPECT_FALSE(Fensterumriss(1, {}).has_value());
    EXPECT_FALSE(Fensterumriss(0, { QRect(0, 0, 5, 5) }).has_value());
}

struct Fenster {
    QWidget host;
    QLabel* a = new QLabel(QStringLiteral("A"), &host);
    QLabel* b = new QLabel(QStringLiteral("B"), &host);

    Fenster()
    {
        host.resize(300, 200);
        a->setGeometry(10, 10, 50, 20);
        b->setGeometry(200, 150, 40, 30);
    }
};

TEST(FormX, MaskCoversTheVisibleControlsAndNothingWhenThereAreNone)
{
    Fenster f;
    {
        FormX formX(&f.host);
        ASSERT_TRUE(formX.setTransparent(1));
        EXPECT_EQ(f.host.mask(), QRegion(10, 10, 50, 20) + QRegion(200, 150, 40, 30));
        f.b->hide();
        formX.Refresh();
        EXPECT_EQ(f.host.mask(), QRegion(10, 10, 50, 20));
        f.a->hide();
        formX.Refresh();
        EXPECT_TRUE(f.host.mask().isEmpty()) << "mode 1 without controls shows the whole window";

        // Qt would take an empty mask as none; the window must vanish instead.
        ASSERT_TRUE(formX.setTransparent(2));
        EXPECT_FALSE(f.host.mask().isEmpty());
        EXPECT_FALSE(f.host.mask().intersects(f.host.rect()));
        f.a->show();
        formX.Refresh();
        EXPECT_EQ(f.host.mask(), QRegion(10, 10, 50, 20));
    }
    EXPECT_TRUE(f.host.mask().isEmpty()) << "the shaper takes its outline with it";
}

TEST(FormX, FollowsResizesAndRefusesInvalidModes)
{
    Fenster f;
    FormX formX(&f.host);
    ASSERT_TRUE(formX.setTransparent(2));
    EXPECT_FALSE(formX.setTransparent(4));
    EXPECT_FALSE(formX.setTransparent(-1));
    EXPECT_EQ(formX.Transparent(), 2);
    f.host.show();
    f.b->hide();
    f.host.resize(320, 220);
    EXPECT_EQ(f.host.mask(), QRegion(10, 10, 50, 20));

    FormX ohneFenster(nullptr);
    EXPECT_TRUE(ohneFenster.setTransparent(2));
    EXPECT_EQ(ohneFenster.Transparent(), 0);
}

} // namespace
