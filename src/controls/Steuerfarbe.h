#pragma once

#include <QColor>
#include <QtGlobal>

// Controls take colours as the settings store them (0x00BBGGRR) and paint with QColor.
QColor zuQColor(qint32 farbe);
qint32 vonQColor(const QColor& farbe);
