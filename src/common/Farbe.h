#pragma once

#include <QColor>
#include <QtGlobal>

// A colour as stored in the settings: red in the low byte (0x00BBGGRR).
struct TypeFarbe {
    qint32 R = 0;
    qint32 G = 0;
    qint32 B = 0;
};

TypeFarbe ColorToRGB(qint32 color);
qint32 RGBToColor(const TypeFarbe& farbe);

// Widgets paint with QColor; the settings keep 0x00BBGGRR.
QColor zuQColor(qint32 farbe);
qint32 vonQColor(const QColor& farbe);
