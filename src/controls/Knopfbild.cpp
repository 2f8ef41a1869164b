#include "controls/Knopfbild.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// Room kept free in button pixels: a little at the top left, the shadow's at the right and bottom.
constexpr int kRandOben = 2;
constexpr int kRandUnten = 10;

// Shapes are described on a 100 x 100 grid that is stretched over the artwork area.
QTransform raster(const QRectF& flaeche)
{
    return QTransform::fromTranslate(flaeche.left(), flaeche.top())
        .scale(flaeche.width() / 100, flaeche.height() / 100);
}

QRectF quadrat(const QRectF& flaeche)
{
    const qreal seite = qMin(flaeche.width(), flaeche.height());
    QRectF q(0, 0, seite, seite);
    q.moveCenter(flaeche.center());
    return q;
}

QPainterPath vieleck(std::initializer_list<QPointF> punkte)
{
    QPainterPath pfad;
    pfad.addPolygon(QPolygonF(punkte));
    pfad.closeSubpath();
    return pfad;
}

QPainterPath gespiegelt(const QPainterPath& pfad)
{
    return QTransform(1, 0, 0, -1, 0, 100).map(pfad);
}

// Two stacked chevrons: a page at a time.
QPainterPath seiteHoch()
{
    return vieleck({ { 50, 2 }, { 98, 44 }, { 2, 44 } }).united(vieleck({ { 50, 50 }, { 98, 92 }, { 2, 92 } }));
}

// One arrow with a shaft: one row at a time.
QPainterPath zeileHoch()
{
    return vieleck({ { 50, 4 }, { 96, 50 }, { 68, 50 }, { 68, 96 }, { 32, 96 }, { 32, 50 }, { 4, 50 } });
}

QPainterPath rechteck(qreal x, qreal y, qreal breite, qreal hoehe)
{
    QPainterPath pfad;
    pfad.addRect(x, y, breite, hoehe);
    return pfad;
}

// List lines and a plus: add to the playlist.
QPainterPath uebernehmen()
{
    return rechteck(2, 6, 60, 14)
        .united(rechteck(2, 32, 60, 14))
        .united(rechteck(2, 58, 32, 14))
        .united(rechteck(42, 66, 56, 20))
        .united(rechteck(60, 48, 20, 52));
}

QPainterPath loeschen()
{
    const QPainterPath pfad = vieleck({ { 14, 28 }, { 86, 28 }, { 78, 98 }, { 22, 98 } })
                                  .united(rechteck(4, 14, 92, 10))
                                  .united(rechteck(36, 2, 28, 14));
    QPainterPath rillen;
    for (const qreal x : { 32.0, 46.0, 60.0 })
        rillen.addRect(x, 38, 8, 50);
    QPainterPath griff;
    griff.addRect(44, 6, 12, 8);
    return pfad.subtracted(rillen).subtracted(griff);
}

QPainterPath schloss(bool offen)
{
    QPainterPath koerper;
    koerper.addRoundedRect(8, 44, 84, 54, 8, 8);
    QPainterPath schluesselloch;
    schluesselloch.addEllipse(QPointF(50, 64), 8, 8);
    schluesselloch.addRect(46, 64, 8, 20);
    QPainterPath buegel;
    const qreal links = offen ? 40 : 22;
    buegel.addRoundedRect(links, 4, 56, 64, 28, 28);
    QPainterPath innen;
    innen.addRoundedRect(links + 13, 17, 30, 60, 15, 15);
    return koerper.united(buegel.subtracted(innen)).subtracted(schluesselloch);
}

QPainterPath smilie()
{
    QPainterPath pfad;
    pfad.addEllipse(2, 2, 96, 96);
    QPainterPath loecher;
    loecher.addEllipse(28, 26, 14, 18);
    loecher.addEllipse(58, 26, 14, 18);
    QPainterPath mund;
    mund.moveTo(24, 58);
    mund.cubicTo(34, 86, 66, 86, 76, 58);
    mund.cubicTo(64, 72, 36, 72, 24, 58);
    loecher.addPath(mund);
    return pfad.subtracted(loecher);
}

QPainterPath fragezeichen()
{
    QPainterPath bogen;
    bogen.moveTo(18, 32);
    bogen.cubicTo(18, -6, 84, -6, 84, 30);
    bogen.cubicTo(84, 52, 58, 52, 58, 70);
    bogen.lineTo(40, 70);
    bogen.cubicTo(40, 42, 64, 44, 64, 30);
    bogen.cubicTo(64, 10, 38, 10, 38, 32);
    bogen.closeSubpath();
    bogen.addEllipse(38, 78, 20, 20);
    return bogen;
}

QPainterPath note()
{
    QPainterPath kopf;
    kopf.addEllipse(QRectF(6, 66, 44, 32));
    return kopf.united(rechteck(38, 4, 12, 80)).united(vieleck({ { 38, 4 }, { 94, 30 }, { 94, 50 }, { 50, 30 } }));
}

QPainterPath form(Knopfsymbol symbol)
{
    switch (symbol) {
    case Knopfsymbol::SeiteHoch:
        return seiteHoch();
    case Knopfsymbol::SeiteRunter:
        return gespiegelt(seiteHoch());
    case Knopfsymbol::Uebernehmen:
        return uebernehmen();
    case Knopfsymbol::ZeileHoch:
        return zeileHoch();
    case Knopfsymbol::ZeileRunter:
        return gespiegelt(zeileHoch());
    case Knopfsymbol::Loeschen:
        return loeschen();
    case Knopfsymbol::SchlossOffen:
        return schloss(true);
    case Knopfsymbol::SchlossZu:
        return schloss(false);
    case Knopfsymbol::Smilie:
        return smilie();
    case Knopfsymbol::Fragezeichen:
        return fragezeichen();
    case Knopfsymbol::Note:
        return note();
    }
    return {};
}

// Arrows may stretch with their button; pictures of things keep their proportions.
bool gestreckt(Knopfsymbol symbol)
{
    return symbol == Knopfsymbol::SeiteHoch || symbol == Knopfsymbol::SeiteRunter;
}

} // namespace

QImage Knopfbild(Knopfsymbol symbol, QSize knopfgroesse)
{
    QImage bild(knopfgroesse * 2, QImage::Format_RGB32);
    bild.fill(Qt::white);
    const QRectF flaeche(2 * kRandOben, 2 * kRandOben, 2 * (knopfgroesse.width() - kRandOben - kRandUnten),
        2 * (knopfgroesse.height() - kRandOben - kRandUnten));
    if (flaeche.isEmpty())
        return bild;
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(Qt::NoPen);
    maler.setBrush(Qt::black);
    maler.drawPath(raster(gestreckt(symbol) ? flaeche : quadrat(flaeche)).map(form(symbol)));
    return bild;
}
