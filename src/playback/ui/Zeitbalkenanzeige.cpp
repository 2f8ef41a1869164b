#include "playback/ui/Zeitbalkenanzeige.h"

#include "common/Helpers.h"

#include <QMouseEvent>
#include <QPainter>

Zeitbalkenanzeige::Zeitbalkenanzeige(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Zeitbalken"));
    setMinimumHeight(40);
    m_blinkTimer.setInterval(kBlinkMs);
    connect(&m_blinkTimer, &QTimer::timeout, this, &Zeitbalkenanzeige::blinken);
}

void Zeitbalkenanzeige::zeigen(const Balkenzustand& zustand)
{
    m_zustand = zustand;
    if (zustand.Blinken && !m_blinkTimer.isActive()) {
        m_blinkTimer.start();
    } else if (!zustand.Blinken) {
        m_blinkTimer.stop();
        m_noteSichtbar = true;
    }
    update();
}

void Zeitbalkenanzeige::setFarben(const QColor& balken, const QColor& hintergrund)
{
    m_balkenfarbe = balken;
    m_hintergrund = hintergrund;
    update();
}

void Zeitbalkenanzeige::blinken()
{
    m_noteSichtbar = !m_noteSichtbar;
    update();
}

int Zeitbalkenanzeige::rand() const
{
    // Room for half a note on either side.
    return height() / 2;
}

int Zeitbalkenanzeige::volleBreite() const
{
    return qMax(0, width() - 2 * rand());
}

QRect Zeitbalkenanzeige::balkenRechteck() const
{
    const int breite = int(double(m_zustand.BalkenLaenge) / Balkenzustand::kVolleBreiteSekunden * volleBreite());
    const int hoehe = height() / 2;
    return QRect(rand(), (height() - hoehe) / 2, breite, hoehe);
}

QRect Zeitbalkenanzeige::notenRechteck() const
{
    const int groesse = height() - 2;
    const int mitte = rand() + int(m_zustand.Noteposition / Balkenzustand::kVolleBreiteSekunden * volleBreite());
    return QRect(mitte - groesse / 2, 1, groesse, groesse);
}

void Zeitbalkenanzeige::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), m_hintergrund);
    const QRect balken = balkenRechteck();
    painter.fillRect(balken, m_balkenfarbe);
    painter.setPen(Qt::black);
    QFont schrift = font();
    schrift.setPixelSize(qMax(8, balken.height() * 2 / 3));
    schrift.setBold(true);
    painter.setFont(schrift);
    painter.drawText(balken.adjusted(4, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
        Anzeigetext(m_zustand.Balkentext));
    if (!m_noteSichtbar)
        return;
    const QRect note = notenRechteck();
    painter.setBrush(Qt::white);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawEllipse(note.adjusted(1, 1, -1, -1));
    schrift.setPixelSize(note.height() * 2 / 3);
    painter.setFont(schrift);
    painter.drawText(note, Qt::AlignCenter, QStringLiteral("\u266A"));
}

void Zeitbalkenanzeige::mousePressEvent(QMouseEvent* event)
{
    if (notenRechteck().contains(event->position().toPoint()))
        emit Positionsgrafik_Click();
    else
        QWidget::mousePressEvent(event);
}
