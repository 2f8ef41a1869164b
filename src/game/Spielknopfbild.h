#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The source picture of a game button of the given size in pixels: a
// rounded plate with the caption cut out of it, black on white at twice
// that size like the other touch buttons' artwork, and clear of the right
// and bottom edges where the shadow and the pressed look's shift need room.
QImage Spielknopfbild(const QString& beschriftung, QSize knopfgroesse);
