#pragma once

#include <QImage>
#include <QSize>

// The artwork of the touch buttons.
enum class Knopfsymbol {
    SeiteHoch, // page up through a grid
    SeiteRunter,
    Uebernehmen, // take the song over to the playlist
    ZeileHoch, // move a playlist song up
    ZeileRunter,
    Loeschen,
    SchlossOffen,
    SchlossZu,
    Smilie,
    Fragezeichen,
    Note,
};

// The source picture of a button of the given size in pixels: black shapes
// on white (transparent) at twice that size, because the button shows its
// artwork at half size. The shapes keep clear of the right and bottom edges,
// where the shadow and the pressed look's shift need room.
QImage Knopfbild(Knopfsymbol symbol, QSize knopfgroesse);
