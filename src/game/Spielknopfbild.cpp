#include "game/Spielknopfbild.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace {

// Room kept free in button pixels, as for the other buttons' artwork.
constexpr int kRandOben = 2;
constexpr int kRandUnten = 10;

} // namespace

QImage Spielknopfbild(const QString& beschriftung, QSize knopfgroesse)
{
    QImage bild(knopfgroesse * 2, QImage::Format_RGB32);
    bild.fill(Qt::white);
    const QRectF platte(2 * kRandOben, 2 * kRandOben, 2 * (knopfgroesse.width() - kRandOben - kRandUnten),
        2 * (knopfgroesse.height() - kRandOben - kRandUnten));
    if (platte.isEmpty())
        return bild;
    QPainterPath form;
    const qreal rundung = platte.height() / 4;
    form.addRoundedRect(platte, rundung, rundung);

    QFont schrift(QStringLiteral("Sans Serif"));
    schrift.setBold(true);
    schrift.setPixelSize(qMax(1, int(platte.height() * 0.42)));
    // Long captions shrink until they fit the plate with a margin on either side.
    const qreal platz = platte.width() - 2 * rundung;
    const qreal breite = QFontMetricsF(schrift).horizontalAdvance(beschriftung);
    if (breite > platz && breite > 0)
        schrift.setPixelSize(qMax(1, int(schrift.pixelSize() * platz / breite)));
    QPainterPath text;
    text.addText(0, 0, schrift, beschriftung);
    const QRectF umriss = text.boundingRect();
    text.translate(platte.center() - umriss.center());

    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(Qt::NoPen);
    maler.setBrush(Qt::black);
    maler.drawPath(form.subtracted(text));
    return bild;
}
