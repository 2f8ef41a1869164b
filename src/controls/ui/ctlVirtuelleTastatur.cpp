#include "controls/ui/ctlVirtuelleTastatur.h"

#include "common/Farbe.h"
#include "common/Twips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

ctlVirtuelleTastatur::ctlVirtuelleTastatur(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
}

void ctlVirtuelleTastatur::setKeyBackColor(qint32 farbe)
{
    m_keyBackColor = zuQColor(farbe);
    update();
}

void ctlVirtuelleTastatur::setKeyHeight(int twips)
{
    m_aufbau.setKeyHeight(twips);
}

void ctlVirtuelleTastatur::setKeyWidth(int twips)
{
    m_aufbau.setKeyWidth(twips);
}

void ctlVirtuelleTastatur::setHideSichtbar(bool sichtbar)
{
    m_aufbau.setHideSichtbar(sichtbar);
}

void ctlVirtuelleTastatur::setLoeschenSichtbar(bool sichtbar)
{
    m_aufbau.setLoeschenSichtbar(sichtbar);
}

void ctlVirtuelleTastatur::setEnterSichtbar(bool sichtbar)
{
    m_aufbau.setEnterSichtbar(sichtbar);
}

void ctlVirtuelleTastatur::Tastatur_Ini(int Zeile, const QString& Buchstaben)
{
    m_gedrueckt = -1;
    m_aufbau.Tastatur_Ini(Zeile, Buchstaben);
    const QSize twips = m_aufbau.groesse();
    resize(twipsToPixels(twips.width(), logicalDpiX()), twipsToPixels(twips.height(), logicalDpiY()));
    update();
}

QRect ctlVirtuelleTastatur::tastenRechteck(const Taste& taste) const
{
    const QRect& t = taste.lage;
    const int x = twipsToPixels(t.x(), logicalDpiX());
    const int y = twipsToPixels(t.y(), logicalDpiY());
    return QRect(x, y, twipsToPixels(t.x() + t.width(), logicalDpiX()) - x,
        twipsToPixels(t.y() + t.height(), logicalDpiY()) - y);
}

QString ctlVirtuelleTastatur::beschriftung(const Taste& taste) const
{
    switch (taste.art) {
    case Taste::Art::Loeschen:
        return QStringLiteral("\u2190");
    case Taste::Art::Enter:
        return QStringLiteral("\u21B5");
    case Taste::Art::Verbergen:
        return QStringLiteral("\u25BC");
    default:
        return taste.text;
    }
}

// Drawn by hand rather than by the style, so the key colour of the settings
// shows whatever style sheet the host window carries.
void ctlVirtuelleTastatur::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont schrift = font();
    schrift.setPixelSize(std::max(8, twipsToPixels(m_aufbau.KeyHeight(), logicalDpiY()) * 2 / 5));
    schrift.setBold(true);
    painter.setFont(schrift);
    const QColor schriftfarbe = m_keyBackColor.lightness() < 128 ? Qt::white : Qt::black;
    const auto& tasten = m_aufbau.tasten();
    for (std::size_t i = 0; i < tasten.size(); ++i) {
        if (!tasten[i].sichtbar)
            continue;
        const QRectF rechteck = QRectF(tastenRechteck(tasten[i])).adjusted(1.5, 1.5, -1.5, -1.5);
        const bool gedrueckt = int(i) == m_gedrueckt;
        painter.setPen(QPen(m_keyBackColor.darker(160), 1.5));
        painter.setBrush(gedrueckt ? m_keyBackColor.darker(130) : m_keyBackColor);
        painter.drawRoundedRect(rechteck, 6, 6);
        painter.setPen(schriftfarbe);
        painter.drawText(rechteck, Qt::AlignCenter, beschriftung(tasten[i]));
    }
}

void ctlVirtuelleTastatur::mousePressEvent(QMouseEvent* event)
{
    const QPoint punkt(pixelsToTwips(event->position().toPoint().x(), logicalDpiX()),
        pixelsToTwips(event->position().toPoint().y(), logicalDpiY()));
    const Taste* taste = m_aufbau.tasteBei(punkt);
    if (!taste) {
        event->ignore();
        return;
    }
    m_gedrueckt = int(taste - m_aufbau.tasten().data());
    repaint(tastenRechteck(*taste));
    // A copy: the host may lay the keyboard out anew while it handles the key.
    ausloesen(Taste(*taste));
}

void ctlVirtuelleTastatur::mouseReleaseEvent(QMouseEvent*)
{
    if (m_gedrueckt < 0)
        return;
    m_gedrueckt = -1;
    update();
}

void ctlVirtuelleTastatur::hideEvent(QHideEvent*)
{
    m_gedrueckt = -1;
}

void ctlVirtuelleTastatur::ausloesen(const Taste& taste)
{
    switch (taste.art) {
    case Taste::Art::Zeichen:
    case Taste::Art::Leertaste:
    case Taste::Art::Loeschen:
        emit KeyClick(taste.text);
        break;
    case Taste::Art::Enter:
        // The host's focused control, even while another window is active.
        if (QWidget* ziel = window()->focusWidget() ? window()->focusWidget() : QApplication::focusWidget()) {
            QKeyEvent druck(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            QKeyEvent loslassen(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
            QApplication::sendEvent(ziel, &druck);
            QApplication::sendEvent(ziel, &loslassen);
        }
        break;
    case Taste::Art::Verbergen:
        hide();
        break;
    }
}
