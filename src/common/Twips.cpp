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

QRect twipsToPixels(const QRect& twips, double logicalDpi)
{
    return QRect(twipsToPixels(twips.x(), logicalDpi), twipsToPixels(twips.y(), logicalDpi),
        twipsToPixels(twips.width(), logicalDpi), twipsToPixels(twips.height(), logicalDpi));
}

QRect pixelsToTwips(const QRect& pixels, double logicalDpi)
{
    return QRect(pixelsToTwips(pixels.x(), logicalDpi), pixelsToTwips(pixels.y(), logicalDpi),
        pixelsToTwips(pixels.width(), logicalDpi), pixelsToTwips(pixels.height(), logicalDpi));
}

QSize pixelsToTwips(QSize pixels, double logicalDpi)
{
    return QSize(pixelsToTwips(pixels.width(), logicalDpi), pixelsToTwips(pixels.height(), logicalDpi));
}
