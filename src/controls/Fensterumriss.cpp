#include "controls/Fensterumriss.h"

std::optional<QRegion> Fensterumriss(int transparent, const QList<QRect>& steuerelemente)
{
    if (transparent <= 0)
        return std::nullopt;
    if (transparent >= 3)
        return QRegion();
    QRegion umriss;
    for (const QRect& rechteck : steuerelemente)
        umriss += rechteck;
    if (umriss.isEmpty() && transparent == 1)
        return std::nullopt;
    return umriss;
}
