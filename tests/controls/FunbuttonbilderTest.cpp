#include "controls/Funbuttonbilder.h"
#include "common/Farbe.h"

#include <gtest/gtest.h>
#include <QPainter>

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

TEST(FunbuttonbilderTest, ArtworkIsShadedFromTheFaceColourPressedShiftedAndCastsAShadowToTheLowerRight)
{
    // Artwork covers source pixels 0..39, so target points 0..19.
    const Funbuttonbilder bilder = Funbuttonbilder::berechnen(quelleMitQuadrat(100, 0, 40), kHintergrund, kGrundfarbe);
    // On the diagonal the face is 10 darker, the pressed face (moved by 4, 3) 100 darker, clamped at 0.
    EXPECT_EQ(std::pair(bilder.normal.pixel(5, 5), bilder.gedrueckt.pixel(5 + 4, 5 + 3)),
        std::pair(qRgb(190, 90, 40), qRgb(100, 0, 0)));
    EXPECT_EQ(bilder.gedrueckt.pixel(2, 2), kHintergrundPixel) << "no shadow in the pressed look";

    const qint32 hell = 0xA0B4C8; // RGB(200, 180, 160)
    const Funbuttonbilder schatten = Funbuttonbilder::berechnen(quelleMitQuadrat(100, 20, 20), hell, kGrundfarbe);
    // Artwork at target 10..19. Just below and right of it the whole blur kernel
    // (18455 / 150 -> 123) darkens every component alike.
    EXPECT_EQ(schatten.normal.pixel(21, 21), qRgb(200 - 123, 180 - 123, 160 - 123));
    for (const QPoint ohne : { QPoint(8, 8), QPoint(35, 35), QPoint(45, 12) }) // above, far, too near the right end
        EXPECT_EQ(schatten.normal.pixel(ohne), qRgb(200, 180, 160)) << ohne.x() << "," << ohne.y();
    EXPECT_EQ(Funbuttonbilder::berechnen(quelleMitQuadrat(100, 20, 20), 0x050505, kGrundfarbe).normal.pixel(21, 21),
        qRgb(0, 0, 0))
        << "not below 0 on a dark background";
}

TEST(FunbuttonbilderTest, TheDisabledLookIsTheNormalOneCrossedByTwoRedBands)
{
    const Funbuttonbilder bilder = Funbuttonbilder::berechnen(quelleMitQuadrat(101, 0, 40), kHintergrund, kGrundfarbe);
    const QRgb rot = qRgb(255, 0, 0);
    const int xMax = 50;
    for (int y = 1; y < xMax; y += 6)
        EXPECT_TRUE(bilder.deaktiviert.pixel(y, y) == rot && bilder.deaktiviert.pixel(qMin(xMax, y + 5), y) == rot
            && bilder.deaktiviert.pixel(xMax - y, y) == rot)
            << y;
    // Between the bands, before row and column 1 and past the half the normal look shows.
    for (const QPoint p : { QPoint(13, 7), QPoint(0, 0), QPoint(xMax + 1, 10), QPoint(10, xMax + 2) })
        EXPECT_EQ(bilder.deaktiviert.pixel(p), bilder.normal.pixel(p)) << p.x() << "," << p.y();
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

} // namespace
