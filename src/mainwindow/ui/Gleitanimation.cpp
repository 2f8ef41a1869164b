#include "mainwindow/ui/Gleitanimation.h"

#include "common/ProgrammEnde.h"
#include "common/Twips.h"

Gleitanimation::Gleitanimation(QObject* parent)
    : QObject(parent)
{
    m_timer.setInterval(Gleitschritte::kIntervallMs);
    connect(&m_timer, &QTimer::timeout, this, &Gleitanimation::schritt);
}

void Gleitanimation::starten(const Gleitschritte& plan, QWidget* tastatur, QWidget* feld)
{
    stoppen();
    m_plan = plan;
    m_lage = plan.start();
    m_schritt = 0;
    m_tastatur = tastatur;
    m_feld = feld;
    setzen();
    if (plan.einblendend()) {
        m_feld->show();
        m_tastatur->show();
        m_tastatur->raise();
    }
    m_timer.start();
}

void Gleitanimation::stoppen()
{
    m_timer.stop();
}

void Gleitanimation::schritt()
{
    if (!laeuft())
        return;
    if (ProgrammEnde || !m_tastatur || !m_feld) {
        stoppen();
        return;
    }
    m_lage = m_plan.nach(m_lage);
    setzen();
    if (++m_schritt < Gleitschritte::kSchritte)
        return;
    stoppen();
    if (!m_plan.einblendend()) {
        m_tastatur->hide();
        m_feld->hide();
    }
    emit fertig();
}

void Gleitanimation::setzen()
{
    const QWidget* fenster = m_tastatur->parentWidget();
    const double dpiX = fenster ? fenster->logicalDpiX() : 96.0;
    const double dpiY = fenster ? fenster->logicalDpiY() : 96.0;
    m_tastatur->move(twipsToPixels(m_lage.tastaturLeft, dpiX), twipsToPixels(m_lage.tastaturTop, dpiY));
    m_feld->move(twipsToPixels(m_lage.feldLeft, dpiX), m_feld->y());
}
