#include "playback/Lautheitswerte.h"

#include <algorithm>

double Lautheitswerte::verstaerkungDb() const
{
    if (!std::isfinite(lufs))
        return 0;
    return std::min(kZielLufs - lufs, kHoechsteSpitzeDbtp - spitzeDbtp);
}

double Lautheitswerte::faktor() const
{
    return std::pow(10.0, verstaerkungDb() / 20.0);
}
