#include "mainwindow/Scrollabstand.h"

#include <algorithm>

namespace {

constexpr int kHoechstensGezaehlt = 20;
constexpr int kOhneMass = 5;

} // namespace

int Scrollabstand(int Rows, int sichtbareZeilen)
{
    if (Rows <= 2)
        return kOhneMass;
    const int gezaehlt = std::min({ sichtbareZeilen, Rows - 1, kHoechstensGezaehlt });
    return gezaehlt > 1 ? gezaehlt / 2 : kOhneMass;
}
