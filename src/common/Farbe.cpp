#include "common/Farbe.h"

TypeFarbe ColorToRGB(qint32 color)
{
    const quint32 c = quint32(color);
    return { qint32(c % 256), qint32((c / 256) % 256), qint32((c / 65536) % 256) };
}

qint32 RGBToColor(const TypeFarbe& farbe)
{
    return farbe.R + 256 * farbe.G + 65536 * farbe.B;
}

QColor zuQColor(qint32 farbe)
{
    const TypeFarbe rgb = ColorToRGB(farbe);
    return QColor(rgb.R, rgb.G, rgb.B);
}

qint32 vonQColor(const QColor& farbe)
{
    return RGBToColor(TypeFarbe { farbe.red(), farbe.green(), farbe.blue() });
}
