#include "controls/ui/ctlLaufschrift.h"

#include "common/Clock.h"
#include "common/Farbe.h"
#include "common/Helpers.h"
#include "controls/Schriftwahl.h"
#include "controls/Textersetzen.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

ctlLaufschrift::ctlLaufschrift(const Clock& uhr, QWidget* parent)
    : QWidget(parent)
    , m_uhr(uhr)
{
    setObjectName(QStringLiteral("ctlLaufschrift"));
    setAutoFillBackground(true);
    // A scalable fixed-pitch font, so that the size can follow the height; resizing sets the size.
    setFont(Schriftwahl::installierte({ QStringLiteral("DejaVu Sans Mono") }, font().pointSize()));
    setHintergrundfarbe(vonQColor(Qt::white));
    connect(&m_Timer1, &QTimer::timeout, this, &ctlLaufschrift::TimerCallback);
}

void ctlLaufschrift::setLaufschrifttext(const QString& text)
{
    m_lauf.setLaufschrifttext(text);
    laufAnwenden();
}

void ctlLaufschrift::setTextfarbe(qint32 farbe)
{
    m_textfarbe = farbe;
    update();
}

void ctlLaufschrift::setHintergrundfarbe(qint32 farbe)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, zuQColor(farbe));
    setPalette(p);
}

void ctlLaufschrift::setGeschwindigkeit(qint64 millisekunden)
{
    m_lauf.setGeschwindigkeit(millisekunden);
    m_Timer1.setInterval(m_lauf.Geschwindigkeit());
}

void ctlLaufschrift::laufAnwenden()
{
    if (m_lauf.laeuft()) {
        m_Timer1.start(m_lauf.Geschwindigkeit());
    } else {
        m_Timer1.stop();
    }
}

void ctlLaufschrift::TimerCallback()
{
    m_angezeigt = Anzeigetext(Textersetzen(m_lauf.Laufschrifttext(), m_uhr.now().time()));
    m_lauf.schritt(int(std::lround(QFontMetricsF(font()).horizontalAdvance(m_angezeigt))));
    update();
}

void ctlLaufschrift::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(zuQColor(m_textfarbe));
    const QFontMetricsF masse(font());
    const int breite = int(std::lround(masse.horizontalAdvance(m_angezeigt)));
    const int kopien = m_lauf.kopien(breite, width());
    const qreal grundlinie = 1 + masse.ascent();
    for (int i = 0; i < kopien; ++i)
        painter.drawText(QPointF(m_lauf.position() + i * breite, grundlinie), m_angezeigt);
}

void ctlLaufschrift::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    QFont schrift = font();
    schrift.setPointSize(passendeSchriftgroesse(schrift, height()));
    setFont(schrift);
}

int ctlLaufschrift::passendeSchriftgroesse(QFont schrift, int hoehe)
{
    constexpr int kGroesste = 120;
    constexpr int kKleinste = 4;
    for (int groesse = kGroesste; groesse > kKleinste; --groesse) {
        schrift.setPointSize(groesse);
        if (QFontMetrics(schrift).height() <= hoehe)
            return groesse;
    }
    return kKleinste;
}
