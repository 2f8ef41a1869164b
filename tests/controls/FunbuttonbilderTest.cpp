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

// What the looks show is judged on the screen; here only where their colour rules could run out of range.
TEST(FunbuttonbilderTest, ShadingAndShadowStopAtBlackAndThePressedLookHasNoShadowButTheDisabledOneItsCross)
{
    const Funbuttonbilder bilder = Funbuttonbilder::berechnen(quelleMitQuadrat(100, 0, 40), kHintergrund, kGrundfarbe);
    // The pressed face (moved by 4, 3) is 100 darker on the diagonal: its green and blue end at 0.
    EXPECT_EQ(std::tuple(bilder.gedrueckt.pixel(5 + 4, 5 + 3), bilder.gedrueckt.pixel(2, 2), bilder.deaktiviert.pixel(9, 9)),
        std::tuple(qRgb(100, 0, 0), kHintergrundPixel, qRgb(255, 0, 0)));
    EXPECT_EQ(Funbuttonbilder::berechnen(quelleMitQuadrat(100, 20, 20), 0x050505, kGrundfarbe).normal.pixel(21, 21),
        qRgb(0, 0, 0))
        << "the shadow on a dark background";
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
