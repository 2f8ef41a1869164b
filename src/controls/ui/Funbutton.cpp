#include "controls/ui/Funbutton.h"

#include "common/Farbe.h"
#include "common/ui/InputCodes.h"
#include "controls/Funbuttonbilder.h"
#include "controls/QTimerTaktgeber.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

qint32 farbwert(const QColor& farbe)
{
    return RGBToColor({ farbe.red(), farbe.green(), farbe.blue() });
}

} // namespace

Funbutton::Funbutton(const QImage& PictureMy, QWidget* parent, const Taktgeber::Fabrik& timer)
    : QWidget(parent)
    , m_steuerung(timer ? timer : QTimerTaktgeber::fabrik())
    , m_PictureMy(PictureMy)
{
    // A touch must reach the button as Qt's synthesized mouse events, never as touch events as well.
    setAttribute(Qt::WA_AcceptTouchEvents, false);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    // Pressing must not take the keyboard from the grids.
    setFocusPolicy(Qt::TabFocus);
    connect(&m_steuerung, &Funbuttonsteuerung::MouseDown, this, &Funbutton::MouseDown);
    connect(&m_steuerung, &Funbuttonsteuerung::Click, this, &Funbutton::Click);
    connect(&m_steuerung, &Funbuttonsteuerung::ClickDisabled, this, &Funbutton::ClickDisabled);
    connect(&m_steuerung, &Funbuttonsteuerung::MouseUp, this, &Funbutton::MouseUp);
    connect(&m_steuerung, &Funbuttonsteuerung::bildGewechselt, this, [this] { repaint(); });
}

void Funbutton::Ini(qint16 Prozent)
{
    const QColor hintergrund = parentWidget() ? parentWidget()->palette().color(parentWidget()->backgroundRole())
                                              : palette().color(backgroundRole());
    const qint32 hintergrundfarbe = farbwert(hintergrund);
    m_Schattenfarbe = Funbuttonbilder::Schattenfarbe(hintergrundfarbe);
    if (!m_PictureMy.isNull()) {
        const Funbuttonbilder bilder = Funbuttonbilder::berechnen(m_PictureMy, hintergrundfarbe, Grundfarbe);
        const QRect flaeche = rect();
        m_normal = QPixmap::fromImage(bilder.normal.copy(flaeche));
        m_gedrueckt = QPixmap::fromImage(bilder.gedrueckt.copy(flaeche));
        m_deaktiviert = QPixmap::fromImage(bilder.deaktiviert.copy(flaeche));
    }
    QPalette eigene = palette();
    eigene.setColor(QPalette::Window, hintergrund);
    setPalette(eigene);
    setAutoFillBackground(true);
    m_X = x() + width() / 2;
    m_Y = y() + height() / 2;
    m_IniState = Prozent;
    update();
}

void Funbutton::setPictureMy(const QImage& bild)
{
    m_PictureMy = bild;
    Ini(100);
}

void Funbutton::setColor(const QColor& farbe)
{
    m_Color = farbe;
    update();
}

void Funbutton::setX(int x)
{
    m_X = x;
    move(x - width() / 2, pos().y());
}

void Funbutton::setY(int y)
{
    m_Y = y;
    move(pos().x(), y - height() / 2);
}

QPixmap Funbutton::sichtbarePixmap() const
{
    switch (m_steuerung.sichtbaresBild()) {
    case Funbuttonsteuerung::Bild::Normal:
        return m_normal;
    case Funbuttonsteuerung::Bild::Gedrueckt:
        return m_gedrueckt;
    case Funbuttonsteuerung::Bild::Deaktiviert:
        return m_deaktiviert;
    case Funbuttonsteuerung::Bild::Keins:
        break;
    }
    return {};
}

bool Funbutton::event(QEvent* e)
{
    switch (e->type()) {
    // After these the release goes elsewhere or nowhere; a held button must not repeat on by itself.
    case QEvent::Hide:
    case QEvent::WindowBlocked:
    case QEvent::WindowDeactivate:
    case QEvent::UngrabMouse:
        m_steuerung.druckVerloren();
        break;
    case QEvent::ActivationChange:
        if (!isActiveWindow())
            m_steuerung.druckVerloren();
        break;
    default:
        break;
    }
    return QWidget::event(e);
}

void Funbutton::paintEvent(QPaintEvent*)
{
    QPainter maler(this);
    if (m_Color.isValid())
        maler.fillRect(rect(), m_Color);
    const QPixmap bild = sichtbarePixmap();
    if (!bild.isNull())
        maler.drawPixmap(0, 0, bild);
    if (hasFocus()) {
        maler.setPen(Qt::white);
        maler.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void Funbutton::mousePressEvent(QMouseEvent* e)
{
    e->accept();
    const QPointF punkt = e->position();
    m_steuerung.druecken(
        InputCodes::buttonNumber(e->button()), InputCodes::shiftBits(e->modifiers()), punkt.x(), punkt.y());
}

// Qt reports the second press of a double tap as a double-click.
void Funbutton::mouseDoubleClickEvent(QMouseEvent* e)
{
    e->accept();
    m_steuerung.doppelklick();
}

void Funbutton::mouseReleaseEvent(QMouseEvent* e)
{
    e->accept();
    const QPointF punkt = e->position();
    m_steuerung.loslassen(
        InputCodes::buttonNumber(e->button()), InputCodes::shiftBits(e->modifiers()), punkt.x(), punkt.y());
}
