#pragma once

#include <QString>

// The genre of an ID3v2 tag by name. Taggers store a name, or a number of
// the published ID3v1 list as "85", "(85)" or "(85)Bebob". That list counts
// differently from the jukebox's own ID3v1 table (which lacks its number 84),
// but where both hold a genre, the jukebox's spelling is shown.
class Id3v2Genre {
public:
    // The name for one field of the genre frame; a number outside the list
    // reads "Kein Genre", an empty field stays empty.
    static QString name(const QString& feld);
    static QString nachNummer(int nummer);
};
