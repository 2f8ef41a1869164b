#include "mainwindow/Gleitschritte.h"

#include <cmath>

Gleitschritte::Gleitschritte(QSize fenster, QSize tastatur, int feldBreite, bool ein)
    : m_ein(ein)
    , m_zielTop(fenster.height() - tastatur.height() - kAbstandUnten)
    , m_dy(int(std::lround((fenster.height() - m_zielTop) / double(kSchritte))))
    , m_dx(int(std::lround((fenster.width() / 2.0 + feldBreite / 2.0) / kSchritte)))
{
}

Gleitschritte Gleitschritte::einblenden(QSize fenster, QSize tastatur, int feldBreite)
{
    Gleitschritte plan(fenster, tastatur, feldBreite, true);
    plan.m_start = { fenster.width() / 2 - tastatur.width() / 2, fenster.height(), -feldBreite };
    return plan;
}

Gleitschritte Gleitschritte::ausblenden(QSize fenster, QSize tastatur, int feldBreite, Lage jetzt)
{
    Gleitschritte plan(fenster, tastatur, feldBreite, false);
    plan.m_start = jetzt;
    return plan;
}

Gleitschritte::Lage Gleitschritte::nach(const Lage& vorher) const
{
    Lage lage = vorher;
    if (!m_ein)
        lage.tastaturTop += m_dy;
    else if (lage.tastaturTop > m_zielTop)
        lage.tastaturTop -= m_dy;
    lage.feldLeft += m_dx;
    return lage;
}
