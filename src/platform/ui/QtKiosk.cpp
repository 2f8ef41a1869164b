#include "platform/ui/QtKiosk.h"

#include <QEvent>
#include <QWindow>

QtKiosk::QtKiosk(QWidget* fenster)
    : m_fenster(fenster)
{
}

QtKiosk::~QtKiosk()
{
    freigeben();
}

void QtKiosk::sperren()
{
    if (m_gesperrt || !m_fenster)
        return;
    const Qt::WindowFlags gewuenscht = Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint;
    m_hinzugefuegt = gewuenscht & ~m_fenster->windowFlags();
    m_gesperrt = true;
    setFlags(m_fenster->windowFlags() | m_hinzugefuegt);
    m_fenster->installEventFilter(this);
    if (m_fenster->isVisible())
        m_fenster->showFullScreen();
}

void QtKiosk::freigeben()
{
    if (!m_gesperrt)
        return;
    m_gesperrt = false;
    tastaturHalten(false);
    if (!m_fenster)
        return;
    m_fenster->removeEventFilter(this);
    setFlags(m_fenster->windowFlags() & ~m_hinzugefuegt);
    m_fenster->setWindowState(m_fenster->windowState() & ~Qt::WindowFullScreen);
}

void QtKiosk::zuruecktreten()
{
    if (!m_gesperrt || !m_fenster || !m_fenster->isVisible())
        return;
    tastaturHalten(false);
    m_fenster->showMinimized();
}

void QtKiosk::setFlags(Qt::WindowFlags flags)
{
    // Changing the flags of a shown window hides it; show it again as it was.
    const bool sichtbar = m_fenster->isVisible();
    m_fenster->setWindowFlags(flags);
    if (sichtbar)
        m_fenster->show();
}

bool QtKiosk::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == m_fenster) {
        // The grab needs a mapped window, so it is taken on each activation; it is let go while another
        // window of the program (the start window after "Zurück", a message) is in front and needs the keys.
        if (e->type() == QEvent::WindowActivate)
            tastaturHalten(true);
        else if (e->type() == QEvent::WindowDeactivate || e->type() == QEvent::Hide)
            tastaturHalten(false);
    }
    return QObject::eventFilter(watched, e);
}

void QtKiosk::tastaturHalten(bool halten)
{
    if (!m_fenster || !m_fenster->windowHandle() || halten == m_tastaturGehalten)
        return;
    m_tastaturGehalten = m_fenster->windowHandle()->setKeyboardGrabEnabled(halten) && halten;
}
