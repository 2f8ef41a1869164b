#include "common/Twips.h"

#include <cmath>

int twipsToPixels(int twips, double logicalDpi)
{
    return int(std::lround(twips * logicalDpi / 1440.0));
}

int pixelsToTwips(int pixels, double logicalDpi)
{
    return int(std::lround(pixels * 1440.0 / logicalDpi));
}
