#include "controls/ui/FormX.h"

#include "controls/Fensterumriss.h"

#include <QEvent>
#include <QWindow>

FormX::FormX(QWidget* host)
    : QObject(host)
    , m_host(host)
{
    setObjectName(QStringLiteral("FormX"));
    if (m_host)
        m_host->installEventFilter(this);
}

FormX::~FormX()
{
    if (m_host)
        m_host->clearMask();
}

bool FormX::setTransparent(int wert)
{
    if (wert < 0 || wert > kMaxTransparent)
        return false;
    m_transparent = m_host ? wert : 0;
    umrissAnwenden();
    return true;
}

void FormX::setTopMost(bool oben)
{
    m_topMost = oben;
    if (!m_host)
        return;
    // Changing a window's flags hides it; it comes back where it was.
    const bool sichtbar = m_host->isVisible();
    const QRect lage = m_host->geometry();
    m_host->setWindowFlag(Qt::WindowStaysOnTopHint, oben);
    if (sichtbar) {
        m_host->setGeometry(lage);
        m_host->show();
    }
}

void FormX::DragForm()
{
    if (!m_host)
        return;
    if (QWidget* fang = QWidget::mouseGrabber())
        fang->releaseMouse();
    if (QWindow* fenster = m_host->window()->windowHandle())
        fenster->startSystemMove();
}

void FormX::Refresh()
{
    if (m_transparent != 0)
        umrissAnwenden();
}

QRegion FormX::nichtsSichtbar()
{
    return QRegion(-1, -1, 1, 1);
}

void FormX::umrissAnwenden()
{
    if (!m_host)
        return;
    QList<QRect> steuerelemente;
    for (QWidget* kind : m_host->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!kind->isWindow() && !kind->isHidden())
            steuerelemente << kind->geometry();
    }
    const std::optional<QRegion> umriss = Fensterumriss(m_transparent, steuerelemente);
    if (!umriss)
        m_host->clearMask();
    else
        m_host->setMask(umriss->isEmpty() ? nichtsSichtbar() : *umriss);
}

bool FormX::eventFilter(QObject* objekt, QEvent* e)
{
    // The outline follows the window's size and its controls; it is set before the window first shows.
    if (objekt == m_host && m_transparent != 0
        && (e->type() == QEvent::Resize || e->type() == QEvent::Show || e->type() == QEvent::LayoutRequest))
        umrissAnwenden();
    return QObject::eventFilter(objekt, e);
}
