#pragma once

#include <QString>
#include <QtGlobal>

// Button and background colours must stay light enough for the black
// texts and graphics drawn on them.
class Farbpruefung {
public:
    // Index of the colour button (cmdFarbe) and of its colour.
    enum Farbziel { Buttonfarbe = 0, Hintergrundfarbe = 1 };

    // True when red, green and blue are all below 70.
    static bool zuDunkel(qint32 farbe);
    // The two-line warning for a colour that is too dark.
    static QString meldung(Farbziel ziel);
};
