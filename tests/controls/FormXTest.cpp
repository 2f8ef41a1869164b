#include "controls/ui/FormX.h"

#include <gtest/gtest.h>
#include <QLabel>

namespace {

TEST(FormX, MaskCoversTheVisibleControlsOrHidesTheWindowFollowsResizesAndLeavesWithTheShaper)
{
    QWidget host;
    host.resize(300, 200);
    auto* a = new QLabel(QStringLiteral("A"), &host);
    auto* b = new QLabel(QStringLiteral("B"), &host);
    a->setGeometry(10, 10, 50, 20);
    b->setGeometry(200, 150, 40, 30);
    host.show();
    {
        FormX formX(&host);
        ASSERT_TRUE(formX.setTransparent(1));
        EXPECT_EQ(host.mask(), QRegion(10, 10, 50, 20) + QRegion(200, 150, 40, 30));
        b->hide();
        a->hide();
        formX.Refresh();
        EXPECT_TRUE(host.mask().isEmpty()) << "mode 1 without controls shows the whole window";

        // Qt would take an empty mask as none; the window must vanish instead.
        ASSERT_TRUE(formX.setTransparent(2));
        EXPECT_FALSE(host.mask().isEmpty() || host.mask().intersects(host.rect()));
        EXPECT_FALSE(formX.setTransparent(4) || formX.setTransparent(-1) || formX.Transparent() != 2);
        a->show();
        host.resize(320, 220);
        EXPECT_EQ(host.mask(), QRegion(10, 10, 50, 20)) << "a resize takes the controls' new state";
    }
    EXPECT_TRUE(host.mask().isEmpty()) << "the shaper takes its outline with it";

    FormX ohneFenster(nullptr);
    EXPECT_TRUE(ohneFenster.setTransparent(2) && ohneFenster.Transparent() == 0);
}

} // namespace
