#include "controls/ui/ctlSprechblase.h"

#include "common/Helpers.h"
#include "common/Twips.h"
#include "controls/Schriftwahl.h"
#include "controls/SprechblasenGeometrie.h"

#include <QPainter>

ctlSprechblase::ctlSprechblase(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ctlSprechblase"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Only the bubble's outline is painted; the host shows through around it.
    setAttribute(Qt::WA_TranslucentBackground);
    // A free comic face that the install step provides.
    setFont(Schriftwahl::installierte({ QStringLiteral("Comic Neue") }, 11));
}

void ctlSprechblase::setMyBorderWidth(int breite)
{
    if (breite < 0)
        return;
    m_borderWidth = breite;
    update();
}

void ctlSprechblase::setPfeilposition(int position)
{
    if (!SprechblasenGeometrie::gueltigePfeilposition(position))
        return;
    m_pfeilposition = position;
    update();
}

void ctlSprechblase::setTextMy(const QString& text)
{
    m_text = text;
    update();
}

void ctlSprechblase::setPunktX(int twips)
{
    move(zuPixeln(twips - spitze().x()), y());
}

void ctlSprechblase::setPunktY(int twips)
{
    move(x(), zuPixeln(twips - spitze().y()));
}

QPoint ctlSprechblase::spitze() const
{
    return SprechblasenGeometrie::fuer(m_pfeilposition, groesseTwips()).spitze;
}

QSize ctlSprechblase::groesseTwips() const
{
    return QSize(pixelsToTwips(width(), logicalDpiX()), pixelsToTwips(height(), logicalDpiY()));
}

int ctlSprechblase::zuPixeln(int twips) const
{
    return twipsToPixels(twips, logicalDpiX());
}

void ctlSprechblase::paintEvent(QPaintEvent*)
{
    if (width() <= 0 || height() <= 0)
        return;
    const SprechblasenGeometrie g = SprechblasenGeometrie::fuer(m_pfeilposition, groesseTwips());
    const qreal skala = logicalDpiX() / 1440.0;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.save();
    painter.scale(skala, skala);
    const QPen rand(QColor(Qt::black), m_borderWidth / skala, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(m_borderWidth > 0 ? rand : QPen(Qt::NoPen));
    painter.setBrush(QColor(Qt::white));
    painter.drawPath(g.umriss());
    painter.restore();
    const QRect text(QPoint(zuPixeln(g.text.left()), zuPixeln(g.text.top())),
        QSize(zuPixeln(g.text.width()), zuPixeln(g.text.height())));
    painter.setPen(QColor(Qt::black));
    painter.drawText(text, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, Anzeigetext(m_text));
}
