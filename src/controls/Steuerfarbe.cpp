#include "controls/Steuerfarbe.h"

#include "common/Farbe.h"

QColor zuQColor(qint32 farbe)
{
    const TypeFarbe rgb = ColorToRGB(farbe);
    return QColor(rgb.R, rgb.G, rgb.B);
}

qint32 vonQColor(const QColor& farbe)
{
    return RGBToColor(TypeFarbe { farbe.red(), farbe.green(), farbe.blue() });
}
