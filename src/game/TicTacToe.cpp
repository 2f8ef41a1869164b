#include "game/TicTacToe.h"

#include <algorithm>

const std::array<TicTacToe::Linie, 8>& TicTacToe::linien()
{
    static const std::array<Linie, 8> alle { {
        { 0, 1, 2 },
        { 3, 4, 5 },
        { 6, 7, 8 },
        { 0, 3, 6 },
        { 1, 4, 7 },
        { 2, 5, 8 },
        { 0, 4, 8 },
        { 2, 4, 6 },
    } };
    return alle;
}

void TicTacToe::NeuesSpiel()
{
    m_felder.fill(Spieler::Keiner);
    m_Zug = 1;
    m_sieger = Spieler::Keiner;
    m_gewinnlinie.reset();
}

bool TicTacToe::setzen(int index)
{
    if (index < 0 || index >= kFelder || m_felder[index] != Spieler::Keiner || SpielEnde())
        return false;
    m_felder[index] = m_Zug == 1 ? Spieler::Gelb : Spieler::Gruen;
    m_Zug = m_Zug == 1 ? 2 : 1;
    Gewinnpruefung();
    return true;
}

bool TicTacToe::voll() const
{
    return std::ranges::none_of(m_felder, [](Spieler s) { return s == Spieler::Keiner; });
}

void TicTacToe::Gewinnpruefung()
{
    for (Spieler farbe : { Spieler::Gelb, Spieler::Gruen }) {
        const auto& alle = linien();
        const auto linie = std::ranges::find_if(alle,
            [&](const Linie& l) { return std::ranges::all_of(l, [&](int feld) { return m_felder[feld] == farbe; }); });
        if (linie != alle.end()) {
            m_sieger = farbe;
            m_gewinnlinie = *linie;
            return;
        }
    }
}

bool TicTacToe::aufLinie(int index) const
{
    return m_gewinnlinie && std::ranges::find(*m_gewinnlinie, index) != m_gewinnlinie->end();
}

qint32 TicTacToe::farbe(int index) const
{
    const bool gelb = feld(index) == Spieler::Gelb;
    if (!SpielEnde() || aufLinie(index))
        return gelb ? kGelb : kGruen;
    return gelb ? kGelbBlass : kGruenBlass;
}

bool TicTacToe::traurig(int index) const
{
    return SpielEnde() && feld(index) != Spieler::Keiner && feld(index) != m_sieger;
}
