#include "game/ui/ctlSmilie.h"

#include "common/Farbe.h"

#include <QMouseEvent>
#include <QPainter>

ctlSmilie::ctlSmilie(QWidget* parent)
    : QWidget(parent)
    , m_zellfarbe(palette().color(QPalette::Window))
{
    setObjectName(QStringLiteral("ctlSmilie"));
}

void ctlSmilie::Ini()
{
    m_zellfarbe
        = parentWidget() ? parentWidget()->palette().color(QPalette::Window) : palette().color(QPalette::Window);
    update();
}

void ctlSmilie::setFarbe(qint32 farbe)
{
    m_farbe = farbe;
    update();
}

void ctlSmilie::setVisibleMy(bool sichtbar)
{
    m_sichtbar = sichtbar;
    update();
}

void ctlSmilie::Mund(bool Gewonnen)
{
    if (!m_sichtbar)
        return;
    m_gewonnen = Gewonnen;
    update();
}

void ctlSmilie::mousePressEvent(QMouseEvent* e)
{
    e->accept();
    emit Click();
}

void ctlSmilie::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_zellfarbe);
    if (!m_sichtbar)
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    // The face is drawn in a 100 x 100 box centred in the cell.
    const qreal seite = qMin(width(), height()) * 0.8;
    painter.translate((width() - seite) / 2, (height() - seite) / 2);
    painter.scale(seite / 100, seite / 100);
    painter.setPen(QPen(Qt::black, 3));
    painter.setBrush(zuQColor(m_farbe));
    painter.drawEllipse(QRectF(2, 2, 96, 96));
    painter.setBrush(Qt::black);
    painter.drawEllipse(QRectF(30, 28, 10, 16));
    painter.drawEllipse(QRectF(60, 28, 10, 16));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 5, Qt::SolidLine, Qt::RoundCap));
    // Angles in 1/16 degree: the lower half of an ellipse smiles, its upper half frowns.
    if (m_gewonnen)
        painter.drawArc(QRectF(25, 35, 50, 42), -20 * 16, -140 * 16);
    else
        painter.drawArc(QRectF(25, 64, 50, 30), 20 * 16, 140 * 16);
}
