#pragma once

#include <QString>

// The running state of the marquee: its text, its speed and where the text
// stands. The widget draws the text at `position()` and as many copies
// after it as it takes to fill the width, so the text repeats without a gap.
class LaufschriftLauf {
public:
    static constexpr int kSchrittweite = 4;
    static constexpr int kStandardGeschwindigkeit = 25;
    static constexpr int kMinGeschwindigkeit = 1;
    static constexpr int kMaxGeschwindigkeit = 32767;

    const QString& Laufschrifttext() const { return m_text; }
    // A text starts the run from the right edge; an empty text stops it.
    void setLaufschrifttext(const QString& text);
    // Milliseconds per step, clamped to 1 ... 32767.
    int Geschwindigkeit() const { return m_geschwindigkeit; }
    void setGeschwindigkeit(qint64 millisekunden);

    bool laeuft() const { return m_laeuft; }
    void starten();
    void stoppen();

    int position() const { return m_position; }
    // One step to the left for a text `textbreite` pixels wide; after one whole width it starts over at 1.
    void schritt(int textbreite);
    // How many copies of the text cover a surface `flaechenbreite` pixels wide from the current position.
    int kopien(int textbreite, int flaechenbreite) const;

private:
    QString m_text;
    int m_geschwindigkeit = kStandardGeschwindigkeit;
    int m_position = 0;
    bool m_laeuft = false;
};
