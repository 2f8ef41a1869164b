#include "controls/Funbuttonbilder.h"
#include "common/Farbe.h"
#include "controls/Knopfbild.h"

#include <gtest/gtest.h>
#include <QPainter>

#include <tuple>

namespace {

constexpr qint32 kHintergrund = 0x804020; // RGB(32, 64, 128)
constexpr qint32 kGrundfarbe = 0x3264C8; // RGB(200, 100, 50)
const QRgb kHintergrundPixel = qRgb(32, 64, 128);

// White source with a black square at [links, links + seite) in both directions.
QImage quelleMitQuadrat(int groesse, int links, int seite)
{
    QImage bild(groesse, groesse, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter(&bild).fillRect(links, links, seite, seite, Qt::black);
    return bild;
}

TEST(FunbuttonbilderTest, ArtworkIsShadedFromTheFaceColourAtHalfSizeAndPressedShifted)
{
    // Artwork covers source pixels 0..39, so target points 0..19.
    const Funbuttonbilder bilder = Funbuttonbilder::berechnen(quelleMitQuadrat(100, 0, 40), kHintergrund, kGrundfarbe);

    // On the diagonal the face is 10 darker, the pressed face 100 darker (clamped at 0).
    EXPECT_EQ(bilder.normal.pixel(5, 5), qRgb(190, 90, 40));
    EXPECT_EQ(bilder.gedrueckt.pixel(5 + 4, 5 + 3), qRgb(100, 0, 0));
    // Away from the diagonal the shading lightens the pressed face: s = 52.
    EXPECT_EQ(bilder.gedrueckt.pixel(19 + 4, 0 + 3), qRgb(200 - 100 + 52, 100 - 100 + 52, 50 - 100 + 52));

    // The pressed look is the artwork moved by (4, 3), without a shadow.
    EXPECT_EQ(bilder.gedrueckt.pixel(2, 2), kHintergrundPixel);
    EXPECT_NE(bilder.gedrueckt.pixel(22, 21), kHintergrundPixel);
    EXPECT_EQ(bilder.gedrueckt.pixel(24, 23), kHintergrundPixel);
    // Nothing of the artwork lies beyond the 50 % area in the normal look.
    EXPECT_EQ(bilder.normal.pixel(60, 60), kHintergrundPixel);
}

TEST(FunbuttonbilderTest, TheShadowFallsToTheLowerRightAndFarPixelsKeepTheBackground)
{
    const qint32 hell = 0xA0B4C8; // RGB(200, 180, 160)
    const Funbuttonbilder bilder = Funbuttonbilder::berechnen(quelleMitQuadrat(100, 20, 20), hell, kGrundfarbe);
    const QRgb hellPixel = qRgb(200, 180, 160);
    // Artwork at target 10..19. Just below and right of it the whole blur kernel
    // (18455 / 150 -> 123) darkens every component alike; further out it fades.
    EXPECT_EQ(bilder.normal.pixel(21, 21), qRgb(200 - 123, 180 - 123, 160 - 123));
    EXPECT_GT(qRed(bilder.normal.pixel(24, 24)), 200 - 123);
    EXPECT_EQ(bilder.normal.pixel(8, 8), hellPixel) << "no shadow above the artwork";
    EXPECT_EQ(bilder.normal.pixel(35, 35), hellPixel) << "far from the artwork";
    EXPECT_EQ(bilder.normal.pixel(45, 12), hellPixel) << "too near the right end for a shadow";

    // The shadow does not reach below 0 on a dark background.
    const Funbuttonbilder dunkel = Funbuttonbilder::berechnen(quelleMitQuadrat(100, 20, 20), 0x050505, kGrundfarbe);
    EXPECT_EQ(dunkel.normal.pixel(21, 21), qRgb(0, 0, 0));
}

TEST(FunbuttonbilderTest, TheDisabledLookIsTheNormalOneCrossedByTwoRedBands)
{
    const Funbuttonbilder bilder = Funbuttonbilder::berechnen(quelleMitQuadrat(101, 0, 40), kHintergrund, kGrundfarbe);
    const QRgb rot = qRgb(255, 0, 0);
    const int xMax = 50;
    for (int y = 1; y < xMax; y += 6) {
        EXPECT_EQ(bilder.deaktiviert.pixel(y, y), rot) << y;
        EXPECT_EQ(bilder.deaktiviert.pixel(xMax - y, y), rot) << y;
    }
    EXPECT_EQ(bilder.deaktiviert.pixel(7, 1), bilder.normal.pixel(7, 1)) << "between the bands";
    EXPECT_EQ(bilder.deaktiviert.pixel(0, 0), bilder.normal.pixel(0, 0)) << "the bands start at row and column 1";
    EXPECT_EQ(bilder.deaktiviert.pixel(xMax + 1, 10), bilder.normal.pixel(xMax + 1, 10));
    EXPECT_EQ(bilder.deaktiviert.pixel(10, xMax + 2), bilder.normal.pixel(10, xMax + 2));
}

TEST(FunbuttonbilderTest, AnyPictureSizeStaysInsideItsPixels)
{
    for (const QSize groesse : { QSize(1, 1), QSize(2, 2), QSize(3, 7), QSize(9, 2), QSize(17, 31), QSize(64, 9) }) {
        SCOPED_TRACE(QStringLiteral("%1 x %2").arg(groesse.width()).arg(groesse.height()).toStdString());
        QImage schwarz(groesse, QImage::Format_RGB32);
        schwarz.fill(Qt::black);
        const Funbuttonbilder bilder = Funbuttonbilder::berechnen(schwarz, kHintergrund, kGrundfarbe);
        EXPECT_EQ(std::tuple(bilder.normal.size(), bilder.gedrueckt.size(), bilder.deaktiviert.size()),
            std::tuple(groesse, groesse, groesse));
        EXPECT_NE(bilder.normal.pixel(0, 0), kHintergrundPixel);
    }
    EXPECT_TRUE(Funbuttonbilder::berechnen(QImage(), kHintergrund, kGrundfarbe).normal.isNull());
}

TEST(FunbuttonbilderTest, TransparentMeansWhiteOrFullyTransparent)
{
    QImage quelle(20, 20, QImage::Format_ARGB32);
    quelle.fill(Qt::transparent);
    quelle.setPixel(0, 0, qRgba(255, 255, 255, 0x14));
    quelle.setPixel(2, 0, qRgba(0, 0, 0, 255));
    quelle.setPixel(4, 0, qRgba(254, 255, 255, 255));
    const Funbuttonbilder bilder = Funbuttonbilder::berechnen(quelle, kHintergrund, kGrundfarbe);
    EXPECT_EQ(bilder.normal.pixel(0, 0), kHintergrundPixel);
    EXPECT_NE(bilder.normal.pixel(1, 0), kHintergrundPixel);
    EXPECT_NE(bilder.normal.pixel(2, 0), kHintergrundPixel) << "off-white counts as artwork";
    EXPECT_EQ(bilder.normal.pixel(3, 0), kHintergrundPixel);
}

TEST(FunbuttonbilderTest, ShadowColourIsFortyPercentOfTheBackground)
{
    const TypeFarbe grau = ColorToRGB(Funbuttonbilder::Schattenfarbe(RGBToColor({ 3, 119, 255 })));
    EXPECT_EQ(std::tuple(grau.R, grau.G, grau.B), std::tuple(1, 48, 102));
}

TEST(FunbuttonbilderTest, EveryButtonPictureHasArtworkAndRoomForItsShadow)
{
    for (int i = 0; i <= int(Knopfsymbol::Note); ++i) {
        SCOPED_TRACE(i);
        const QImage quelle = Knopfbild(Knopfsymbol(i), QSize(60, 68));
        ASSERT_EQ(quelle.size(), QSize(120, 136));
        int schwarz = 0;
        for (int y = 0; y < quelle.height(); ++y)
            for (int x = 0; x < quelle.width(); ++x)
                if (quelle.pixel(x, y) != qRgb(255, 255, 255)) {
                    ++schwarz;
                    EXPECT_LT(x, 2 * (60 - 9));
                    EXPECT_LT(y, 2 * (68 - 9));
                }
        // Readable by a guest: the artwork covers a good part of its area.
        EXPECT_GT(schwarz, 120 * 136 / 8);
    }
}

} // namespace
