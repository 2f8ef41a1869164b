#pragma once

#include <QtGlobal>

#include <array>
#include <optional>

// The rules of the pastime game: two players take turns on a 3 x 3 board
// (cell = row * 3 + column), yellow first in every game. The first player
// with a full line wins; the line keeps its colour, every other piece turns
// pale and the loser's pieces look sad. A full board without a line just
// ends: only a new game goes on.
class TicTacToe {
public:
    enum class Spieler { Keiner, Gelb, Gruen };
    using Linie = std::array<int, 3>;

    static constexpr int kFelder = 9;
    // Colours as the settings store them (0x00BBGGRR).
    static constexpr qint32 kGelb = 0x00FFFF;
    static constexpr qint32 kGruen = 0x00FF00;
    static constexpr qint32 kGelbBlass = 0xA0FFFF;
    static constexpr qint32 kGruenBlass = 0xA0FFA0;

    // Rows, columns, then the two diagonals: the first complete one is the winning line.
    static const std::array<Linie, 8>& linien();

    TicTacToe() { NeuesSpiel(); }

    void NeuesSpiel();
    // A touch on a cell: true when a piece was placed. Taken cells, a decided game
    // and cells off the board change nothing.
    bool setzen(int index);

    Spieler feld(int index) const { return m_felder.at(index); }
    // 1: yellow is next, 2: green is next.
    int Zug() const { return m_Zug; }
    bool SpielEnde() const { return m_gewinnlinie.has_value(); }
    bool voll() const;
    Spieler sieger() const { return m_sieger; }
    const std::optional<Linie>& gewinnlinie() const { return m_gewinnlinie; }

    // How a taken cell's piece looks.
    qint32 farbe(int index) const;
    bool traurig(int index) const;

private:
    void Gewinnpruefung();
    bool aufLinie(int index) const;

    std::array<Spieler, kFelder> m_felder {};
    int m_Zug = 1;
    Spieler m_sieger = Spieler::Keiner;
    std::optional<Linie> m_gewinnlinie;
};
