#pragma once

#include <QString>
#include <QStringView>

class FlexGrid;

// The search of the on-screen keyboard: each key extends the search text (at
// most 10 characters, upper case) and the selection jumps to the first song
// whose cell in the search column begins with it, whatever the case.
class Archivsuche {
public:
    static constexpr int kMaxLaenge = 10;
    static inline const QString kBackspace = QStringLiteral("{BACKSPACE}");

    // Appends Daten in upper case and cuts the text to at most max UTF-16
    // units, never between the two halves of a character.
    static void anhaengen(QString& text, const QString& Daten, qsizetype max);
    // Removes the last character, both halves of one outside the Basic Multilingual Plane.
    static void letztesZeichenLoeschen(QString& text);

    const QString& Suchtext() const { return m_text; }
    void leeren() { m_text.clear(); }

    // "{BACKSPACE}" removes the last character; any other key is appended in
    // upper case while the text is shorter than kMaxLaenge.
    void taste(const QString& Daten);

    // The first song row (from row 1) whose cell in column spalte begins with text; 0 when none.
    // While the grid is in order on that column (for the artist column: on
    // the archive's artist-and-title key) this bisects instead of reading every row.
    static int ersteZeile(const FlexGrid& archiv, int spalte, QStringView text);

    // A key of the keyboard: updates the text and moves the selection to the
    // first match, at the top of the view. Returns that row, or 0 when the
    // text is empty or nothing matches (the selection then stays).
    int KeyClick(FlexGrid& archiv, int Sortierspalte, const QString& Daten);

private:
    // Upper case character by character, so that "ß" stays one character and the count holds.
    static QString grossbuchstaben(const QString& text);

    QString m_text;
};
