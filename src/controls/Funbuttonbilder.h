#pragma once

#include <QImage>
#include <QtGlobal>

// The three looks of a touch button, computed once from its source picture:
// the artwork at half size, shaded diagonally from the face colour, with a
// soft shadow to the lower right (normal), shifted by (4, 3) without shadow
// (pressed), and the normal look crossed out in red (disabled). All three
// have the source picture's size; the artwork fills its upper-left quarter.
struct Funbuttonbilder {
    QImage normal;
    QImage gedrueckt;
    QImage deaktiviert;

    // Colours are 0x00BBGGRR. Pure white and fully transparent source pixels
    // are transparent: the looks show the background colour there. A null
    // source gives null looks.
    static Funbuttonbilder berechnen(const QImage& PictureMy, qint32 Hintergrundfarbe, qint32 Grundfarbe);

    // The shadow colour of a button on this background: 40 % of each component.
    static qint32 Schattenfarbe(qint32 Hintergrundfarbe);
};
