#pragma once

#include <QSize>

// Where the on-screen keyboard and its text field stand during a slide, in
// twips of the window. Sliding in, the keyboard rises from just below the
// window to its target top (300 twips above the bottom edge) while the field
// comes in from beyond the left edge to the centre; giving up, the keyboard
// sinks back by the same step and the field moves on to the right.
class Gleitschritte {
public:
    static constexpr int kSchritte = 10;
    static constexpr int kIntervallMs = 20;
    static constexpr int kAbstandUnten = 300;

    struct Lage {
        int tastaturLeft = 0;
        int tastaturTop = 0;
        int feldLeft = 0;
        bool operator==(const Lage&) const = default;
    };

    // fenster: the window's inner size; feldBreite: the width of the text field.
    static Gleitschritte einblenden(QSize fenster, QSize tastatur, int feldBreite);
    // From where the keyboard and the field stand now.
    static Gleitschritte ausblenden(QSize fenster, QSize tastatur, int feldBreite, Lage jetzt);

    int TastaturZielTop() const { return m_zielTop; }
    bool einblendend() const { return m_ein; }
    Lage start() const { return m_start; }
    // Where both stand after the given step (1 .. kSchritte) when they stood at vorher.
    Lage nach(const Lage& vorher) const;

private:
    Gleitschritte(QSize fenster, QSize tastatur, int feldBreite, bool ein);

    bool m_ein;
    int m_zielTop;
    int m_dy;
    int m_dx;
    Lage m_start;
};
