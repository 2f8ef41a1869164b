#include "game/TicTacToe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using Spieler = TicTacToe::Spieler;

bool enthaelt(const TicTacToe::Linie& linie, int feld)
{
    return std::ranges::find(linie, feld) != linie.end();
}

// Each line in the rules' order with three cells off it that form no line themselves.
const std::array<std::pair<TicTacToe::Linie, TicTacToe::Linie>, 8> kSiegUndGegner { {
    { { 0, 1, 2 }, { 3, 4, 6 } },
    { { 3, 4, 5 }, { 0, 1, 6 } },
    { { 6, 7, 8 }, { 0, 1, 3 } },
    { { 0, 3, 6 }, { 1, 2, 4 } },
    { { 1, 4, 7 }, { 0, 2, 3 } },
    { { 2, 5, 8 }, { 0, 1, 3 } },
    { { 0, 4, 8 }, { 1, 2, 3 } },
    { { 2, 4, 6 }, { 0, 1, 3 } },
} };

// Moves after which `sieger` completes `linie` with its last move.
std::vector<int> zuegeZumSieg(const TicTacToe::Linie& linie, const TicTacToe::Linie& gegner, Spieler sieger)
{
    std::vector<int> zuege;
    for (int i = 0; i < 3; ++i) {
        if (sieger == Spieler::Gruen)
            zuege.push_back(gegner[i]);
        zuege.push_back(linie[i]);
        if (sieger == Spieler::Gelb && i < 2)
            zuege.push_back(gegner[i]);
    }
    return zuege;
}

TEST(TicTacToe, EveryLineWinsForBothPlayers)
{
    for (Spieler sieger : { Spieler::Gelb, Spieler::Gruen }) {
        for (const auto& [linie, gegner] : kSiegUndGegner) {
            TicTacToe spiel;
            const std::vector<int> zuege = zuegeZumSieg(linie, gegner, sieger);
            for (size_t i = 0; i < zuege.size(); ++i) {
                EXPECT_FALSE(spiel.SpielEnde());
                ASSERT_TRUE(spiel.setzen(zuege[i]));
            }
            const bool gelb = sieger == Spieler::Gelb;
            const auto text = ::testing::Message() << (gelb ? "gelb " : "gruen ") << linie[0] << linie[1] << linie[2];
            ASSERT_TRUE(spiel.SpielEnde()) << text;
            EXPECT_EQ(spiel.sieger(), sieger) << text;
            EXPECT_EQ(spiel.gewinnlinie(), linie) << text;
            for (int f = 0; f < TicTacToe::kFelder; ++f) {
                if (spiel.feld(f) == Spieler::Keiner)
                    continue;
                const bool eigenes = spiel.feld(f) == sieger;
                EXPECT_EQ(spiel.traurig(f), !eigenes) << text << " cell " << f;
                const bool feldGelb = spiel.feld(f) == Spieler::Gelb;
                const qint32 erwartet = enthaelt(linie, f)
                    ? (feldGelb ? TicTacToe::kGelb : TicTacToe::kGruen)
                    : (feldGelb ? TicTacToe::kGelbBlass : TicTacToe::kGruenBlass);
                EXPECT_EQ(spiel.farbe(f), erwartet) << text << " cell " << f;
            }
        }
    }
}

TEST(TicTacToe, RowAndDiagonalAtOnceMarkOnlyTheRow)
{
    TicTacToe spiel;
    for (int feld : { 1, 3, 2, 5, 4, 6, 8, 7, 0 })
        ASSERT_TRUE(spiel.setzen(feld));
    EXPECT_EQ(spiel.gewinnlinie(), (TicTacToe::Linie { 0, 1, 2 }));
    EXPECT_EQ(spiel.farbe(4), TicTacToe::kGelbBlass);
    EXPECT_EQ(spiel.farbe(8), TicTacToe::kGelbBlass);
    EXPECT_EQ(spiel.farbe(0), TicTacToe::kGelb);
}

TEST(TicTacToe, FullBoardWithoutWinnerEndsWithoutAnySign)
{
    TicTacToe spiel;
    for (int feld : { 0, 1, 2, 4, 3, 5, 7, 6, 8 })
        ASSERT_TRUE(spiel.setzen(feld));
    EXPECT_TRUE(spiel.voll());
    EXPECT_FALSE(spiel.SpielEnde());
    EXPECT_EQ(spiel.sieger(), Spieler::Keiner);
    for (int f = 0; f < TicTacToe::kFelder; ++f) {
        EXPECT_FALSE(spiel.traurig(f));
        EXPECT_TRUE(spiel.farbe(f) == TicTacToe::kGelb || spiel.farbe(f) == TicTacToe::kGruen);
        EXPECT_FALSE(spiel.setzen(f));
    }
}

} // namespace
