#include "controls/ui/FormX.h"
#include "controls/Fensterumriss.h"

#include <gtest/gtest.h>
#include <QLabel>

namespace {

TEST(Fensterumriss, FollowsTheModeAndTheControls)
{
    const QList<QRect> keine;
    const QList<QRect> eins { QRect(10, 10, 50, 20) };
    const QList<QRect> zwei { QRect(10, 10, 50, 20), QRect(100, 80, 30, 30) };

    for (int modus : { 0, -1 })
        EXPECT_FALSE(Fensterumriss(modus, zwei).has_value()) << modus;
    EXPECT_FALSE(Fensterumriss(1, keine).has_value()) << "mode 1 keeps the window without controls";
    for (int modus : { 2, 3 })
        EXPECT_EQ(Fensterumriss(modus, keine), QRegion()) << modus;
    EXPECT_EQ(Fensterumriss(3, zwei), QRegion());
    for (int modus : { 1, 2 }) {
        EXPECT_EQ(Fensterumriss(modus, eins), QRegion(eins[0]));
        const QRegion beide = *Fensterumriss(modus, zwei);
        EXPECT_TRUE(beide.contains(QPoint(20, 15)) && beide.contains(QPoint(110, 90)));
        EXPECT_FALSE(beide.contains(QPoint(80, 50)));
    }
}

struct Fenster {
    QWidget host;
    QLabel* a = new QLabel(QStringLiteral("A"), &host);
    QLabel* b = new QLabel(QStringLiteral("B"), &host);
    FormX formX { &host };

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
    ASSERT_TRUE(f.formX.setTransparent(1));
    EXPECT_EQ(f.host.mask(), QRegion(10, 10, 50, 20) + QRegion(200, 150, 40, 30));

    f.b->hide();
    f.formX.Refresh();
    EXPECT_EQ(f.host.mask(), QRegion(10, 10, 50, 20));

    f.a->hide();
    f.formX.Refresh();
    EXPECT_TRUE(f.host.mask().isEmpty()) << "mode 1 without controls shows the whole window";

    // Qt would take an empty mask as none; the window must vanish instead.
    ASSERT_TRUE(f.formX.setTransparent(2));
    EXPECT_FALSE(f.host.mask().isEmpty());
    EXPECT_FALSE(f.host.mask().intersects(f.host.rect()));

    ASSERT_TRUE(f.formX.setTransparent(0));
    EXPECT_TRUE(f.host.mask().isEmpty());
}

TEST(FormX, FollowsResizesAndRefusesInvalidModes)
{
    Fenster f;
    ASSERT_TRUE(f.formX.setTransparent(3));
    EXPECT_FALSE(f.formX.setTransparent(4));
    EXPECT_FALSE(f.formX.setTransparent(-1));
    EXPECT_EQ(f.formX.Transparent(), 3);

    ASSERT_TRUE(f.formX.setTransparent(2));
    f.host.show();
    f.b->hide();
    f.host.resize(320, 220);
    EXPECT_EQ(f.host.mask(), QRegion(10, 10, 50, 20));

    FormX ohneFenster(nullptr);
    EXPECT_TRUE(ohneFenster.setTransparent(2));
    EXPECT_EQ(ohneFenster.Transparent(), 0);
}

TEST(FormX, TopMostKeepsTheWindowWhereItWas)
{
    Fenster f;
    f.host.show();
    const QRect lage = f.host.geometry();
    f.formX.setTopMost(true);
    EXPECT_TRUE(f.host.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(f.host.isVisible());
    EXPECT_EQ(f.host.geometry(), lage);
    f.formX.setTopMost(false);
    EXPECT_FALSE(f.host.windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST(FormX, RemovesTheMaskWhenItGoes)
{
    QWidget host;
    auto* label = new QLabel(&host);
    label->setGeometry(0, 0, 10, 10);
    {
        FormX formX(&host);
        formX.setTransparent(1);
        ASSERT_FALSE(host.mask().isEmpty());
    }
    EXPECT_TRUE(host.mask().isEmpty());
}

} // namespace
