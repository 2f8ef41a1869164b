#pragma once

#include <QString>

// Numbered copies of a file in its own folder: "Bericht.txt" has the copies
// "Bericht1.txt", "Bericht2.txt" ..., and the next one proposed is the
// highest number plus 1.
class Kopiennummer {
public:
    // The text without its digits "0" to "9".
    static QString GetRealString(const QString& RString);
    // The digits of the text read as one number; 0 without digits, and 0 for
    // more than 18 digits, so that the next number always fits in 64 bits.
    static qint64 GetRealInteger(const QString& RString);
    // The highest copy number among the files of PathString (no subfolders)
    // whose base name starts with Filestring's base name without digits and
    // whose extension is Filestring's (both in any case); only the digits of
    // a base name count. 0 when there is none.
    static qint64 GetHighestFile(const QString& Filestring, const QString& PathString);
    // The full path proposed for the next copy of Datei. A file without
    // extension gets a copy without extension.
    static QString Vorschlag(const QString& Datei);
};
