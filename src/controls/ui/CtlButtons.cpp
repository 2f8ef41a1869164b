#include "controls/ui/CtlButtons.h"

#include "common/Farbe.h"
#include "common/Twips.h"
#include "common/ui/InputCodes.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace {

int knopfBits(Qt::MouseButtons buttons)
{
    int bits = 0;
    for (Qt::MouseButton b : { Qt::LeftButton, Qt::RightButton, Qt::MiddleButton }) {
        if (buttons & b)
            bits |= InputCodes::buttonNumber(b);
    }
    return bits;
}

} // namespace

CtlButtons::CtlButtons(QWidget* parent)
    : QWidget(parent)
    , m_command1(new QPushButton(this))
    , m_label1(new QLabel(this))
{
    setObjectName(QStringLiteral("CtlButtons"));
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setAlignment(Qt::AlignCenter);
    m_label1->hide();
    m_backColor = vonQColor(m_command1->palette().color(QPalette::Button));
    connect(m_command1, &QPushButton::clicked, this, &CtlButtons::Click);
    for (QWidget* teil : { static_cast<QWidget*>(m_command1), static_cast<QWidget*>(m_label1) }) {
        teil->installEventFilter(this);
        teil->setMouseTracking(true);
    }
}

void CtlButtons::setStil(int stil)
{
    switch (stil) {
    case 0:
        m_command1->show();
        zeigeForm(Form::Keine, false);
        break;
    case 1:
    case 2:
        m_command1->hide();
        m_label1->setText(m_command1->text());
        zeigeForm(stil == 1 ? Form::Oval : Form::Abgerundet, true);
        break;
    case 3:
        m_command1->hide();
        zeigeForm(Form::Rechteck, false);
        break;
    default:
        return;
    }
    m_stil = stil;
}

int CtlButtons::Shape() const
{
    return m_stil == 1 ? 2 : m_stil == 2 ? 4 : 0;
}

void CtlButtons::zeigeForm(Form form, bool labelSichtbar)
{
    m_form = form;
    labelZentrieren();
    m_label1->setVisible(labelSichtbar);
    update();
}

void CtlButtons::labelZentrieren()
{
    const int hoehe = m_label1->sizeHint().height();
    m_label1->setGeometry(0, height() / 2 - hoehe / 2, width(), hoehe);
}

void CtlButtons::setCaption(const QString& caption)
{
    m_command1->setText(caption);
    m_label1->setText(caption);
}

void CtlButtons::setBackColor(qint32 farbe)
{
    m_backColor = farbe;
    for (QWidget* teil : { static_cast<QWidget*>(m_command1), static_cast<QWidget*>(m_label1) }) {
        QPalette p = teil->palette();
        p.setColor(QPalette::Button, zuQColor(farbe));
        p.setColor(QPalette::Window, zuQColor(farbe));
        teil->setPalette(p);
    }
    update();
}

void CtlButtons::setBorderWidth(int breite)
{
    m_borderWidth = breite;
    if (breite < 1) {
        m_command1->show();
        m_label1->hide();
        m_form = Form::Keine;
    }
    update();
}

void CtlButtons::setTransparent(bool transparent)
{
    m_command1->setVisible(!transparent);
    if (transparent)
        m_label1->clear();
    m_label1->setVisible(transparent);
}

void CtlButtons::setMousePointer(const QCursor& zeiger)
{
    m_command1->setCursor(zeiger);
    m_label1->setCursor(zeiger);
}

void CtlButtons::Save()
{
    m_gespeichert = geometry();
    m_gespeicherteCaption = m_command1->text();
}

void CtlButtons::Restore()
{
    setGeometry(m_gespeichert);
    setCaption(m_gespeicherteCaption);
}

bool CtlButtons::PositionCheck(int X, int Y) const
{
    return X > x() && X < x() + width() && Y > y() && Y < y() + height();
}

bool CtlButtons::eventFilter(QObject* objekt, QEvent* e)
{
    const QEvent::Type typ = e->type();
    if (typ != QEvent::MouseButtonPress && typ != QEvent::MouseButtonRelease && typ != QEvent::MouseMove)
        return QWidget::eventFilter(objekt, e);
    const auto* maus = static_cast<QMouseEvent*>(e);
    const QPoint punkt = maus->position().toPoint();
    const int X = pixelsToTwips(punkt.x(), logicalDpiX());
    const int Y = pixelsToTwips(punkt.y(), logicalDpiY());
    const int shift = InputCodes::shiftBits(maus->modifiers());
    if (typ == QEvent::MouseMove) {
        emit MouseMove(knopfBits(maus->buttons()), shift, X, Y);
    } else if (typ == QEvent::MouseButtonPress) {
        emit MouseDown(InputCodes::buttonNumber(maus->button()), shift, X, Y);
    } else {
        emit MouseUp(InputCodes::buttonNumber(maus->button()), shift, X, Y);
        // The push button reports its own clicks; the label, as a hot spot, clicks on release over itself.
        if (objekt == m_label1 && m_label1->rect().contains(punkt))
            emit Click();
    }
    return QWidget::eventFilter(objekt, e);
}

void CtlButtons::paintEvent(QPaintEvent*)
{
    if (m_form == Form::Keine)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor farbe = zuQColor(m_backColor);
    const int rand = m_form == Form::Rechteck ? 1 : qMax(1, m_borderWidth);
    painter.setPen(QPen(farbe, rand));
    painter.setBrush(farbe);
    const QRectF flaeche = QRectF(rect()).adjusted(rand / 2.0, rand / 2.0, -rand / 2.0, -rand / 2.0);
    if (m_form == Form::Oval)
        painter.drawEllipse(flaeche);
    else if (m_form == Form::Abgerundet)
        painter.drawRoundedRect(flaeche, flaeche.height() / 4, flaeche.height() / 4);
    else
        painter.drawRect(flaeche);
}

void CtlButtons::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    m_command1->setGeometry(rect());
    labelZentrieren();
}
