#pragma once

#include <QRect>
#include <QSize>

// Geometry is specified in twips (1/1440 inch): 15 twips per pixel at 96 dpi.
int twipsToPixels(int twips, double logicalDpi = 96.0);
int pixelsToTwips(int pixels, double logicalDpi = 96.0);
QRect twipsToPixels(const QRect& twips, double logicalDpi);
QRect pixelsToTwips(const QRect& pixels, double logicalDpi);
QSize pixelsToTwips(QSize pixels, double logicalDpi);
