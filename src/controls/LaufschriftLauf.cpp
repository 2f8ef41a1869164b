#include "controls/LaufschriftLauf.h"

#include <algorithm>

void LaufschriftLauf::setLaufschrifttext(const QString& text)
{
    m_text = text;
    if (text.isEmpty())
        stoppen();
    else
        starten();
}

void LaufschriftLauf::setGeschwindigkeit(qint64 millisekunden)
{
    m_geschwindigkeit = int(std::clamp<qint64>(millisekunden, kMinGeschwindigkeit, kMaxGeschwindigkeit));
}

void LaufschriftLauf::starten()
{
    m_position = 1;
    m_laeuft = true;
}

void LaufschriftLauf::stoppen()
{
    m_laeuft = false;
}

void LaufschriftLauf::schritt(int textbreite)
{
    m_position -= kSchrittweite;
    if (m_position <= -textbreite)
        m_position = 1;
}

int LaufschriftLauf::kopien(int textbreite, int flaechenbreite) const
{
    if (textbreite <= 0)
        return 0;
    // The copies start at the position, which may lie up to one text width left of the surface; two at
    // least, so the second copy follows the first in from the right.
    const int zuDecken = std::max(0, flaechenbreite - m_position);
    return std::max(2, (zuDecken + textbreite - 1) / textbreite);
}
