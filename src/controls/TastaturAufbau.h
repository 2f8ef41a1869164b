#pragma once

#include "controls/Taste.h"

#include <QSize>
#include <QString>

#include <vector>

// The layout of the on-screen keyboard: rows of key letters become key
// records. A blank indents by half a key; the words "Enter", "BS", "Hide"
// place the special keys and "Space" a space bar three keys wide; any other
// character (an umlaut too) is one key. The keyboard grows to fit its rows,
// 90 twips beyond the widest row and 360 below the last.
//
// Row 0 starts a new layout: the keys, the size and the numbering of the
// previous one go, so rebuilding never piles keys up.
class TastaturAufbau {
public:
    static constexpr int kRandRechts = 90;
    static constexpr int kRandUnten = 360;
    static constexpr int kNummerEnter = 200;
    static constexpr int kNummerLoeschen = 201;
    static constexpr int kNummerVerbergen = 202;

    void setKeyWidth(int twips) { m_keyWidth = twips; }
    void setKeyHeight(int twips) { m_keyHeight = twips; }
    int KeyWidth() const { return m_keyWidth; }
    int KeyHeight() const { return m_keyHeight; }
    // Whether the special keys show when a row places them; a hidden one still takes its room.
    void setEnterSichtbar(bool sichtbar) { m_enterSichtbar = sichtbar; }
    void setLoeschenSichtbar(bool sichtbar) { m_loeschenSichtbar = sichtbar; }
    void setHideSichtbar(bool sichtbar) { m_hideSichtbar = sichtbar; }

    // Lays out row Zeile (its top is Zeile key heights down) from the letters of Buchstaben.
    void Tastatur_Ini(int Zeile, const QString& Buchstaben);

    const std::vector<Taste>& tasten() const { return m_tasten; }
    // Size in twips; never shrinks within one layout.
    QSize groesse() const { return m_groesse; }
    // The visible key at point (twips), or nullptr.
    const Taste* tasteBei(QPoint punkt) const;
    // Width of the special keys: one and a half keys.
    int sondertastenBreite() const { return m_keyWidth * 3 / 2; }

private:
    void leeren();
    // Places one key at x on top y under the current number and returns its width.
    int platzieren(Taste::Art art, int x, int y, const QString& zeichen = QString());
    void wachsen(int x, int y);

    int m_keyWidth = 1200;
    int m_keyHeight = 1200;
    bool m_enterSichtbar = false;
    bool m_loeschenSichtbar = false;
    bool m_hideSichtbar = false;
    int m_zaehler = 0;
    int m_hoechsteNummer = 0;
    QSize m_groesse;
    std::vector<Taste> m_tasten;
};
