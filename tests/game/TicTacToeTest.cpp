#include "game/TicTacToe.h"

#include <gtest/gtest.h>

namespace {

using Spieler = TicTacToe::Spieler;

TEST(TicTacToe, EveryLineWinsAndOnlyTheLosersPiecesLookSad)
{
    // Each line with two cells off it for green; yellow moves first.
    const std::pair<TicTacToe::Linie, std::pair<int, int>> siegUndGegner[] = { { { 0, 1, 2 }, { 3, 4 } },
        { { 3, 4, 5 }, { 0, 1 } }, { { 6, 7, 8 }, { 0, 1 } }, { { 0, 3, 6 }, { 1, 2 } }, { { 1, 4, 7 }, { 0, 2 } },
        { { 2, 5, 8 }, { 0, 1 } }, { { 0, 4, 8 }, { 1, 2 } }, { { 2, 4, 6 }, { 0, 1 } } };
    for (const auto& [linie, gegner] : siegUndGegner) {
        TicTacToe spiel;
        for (int f : { linie[0], gegner.first, linie[1], gegner.second, linie[2] })
            ASSERT_TRUE(spiel.setzen(f));
        EXPECT_TRUE(spiel.SpielEnde() && spiel.sieger() == Spieler::Gelb && spiel.gewinnlinie() == linie) << linie[0];
    }

    TicTacToe spiel;
    for (int f : { 0, 3, 1, 4, 6, 5 })
        ASSERT_TRUE(spiel.setzen(f));
    EXPECT_EQ(std::pair(spiel.sieger(), spiel.gewinnlinie()),
        std::pair(Spieler::Gruen, std::optional(TicTacToe::Linie { 3, 4, 5 })));
    for (int f : { 0, 1, 6 })
        EXPECT_TRUE(spiel.farbe(f) == TicTacToe::kGelbBlass && spiel.traurig(f)) << f;
    for (int f : { 3, 4, 5 })
        EXPECT_TRUE(spiel.farbe(f) == TicTacToe::kGruen && !spiel.traurig(f)) << f;
}

TEST(TicTacToe, RowAndDiagonalAtOnceMarkOnlyTheRowAndAFullBoardEndsWithoutAnySign)
{
    TicTacToe beide;
    for (int feld : { 1, 3, 2, 5, 4, 6, 8, 7, 0 })
        ASSERT_TRUE(beide.setzen(feld));
    EXPECT_EQ(beide.gewinnlinie(), (TicTacToe::Linie { 0, 1, 2 }));
    EXPECT_EQ(std::pair(beide.farbe(4), beide.farbe(0)), std::pair(TicTacToe::kGelbBlass, TicTacToe::kGelb));

    TicTacToe spiel;
    EXPECT_FALSE(spiel.setzen(-1) || spiel.setzen(9)) << "cells off the board";
    for (int feld : { 0, 1, 2, 4, 3, 5, 7, 6, 8 })
        ASSERT_TRUE(spiel.setzen(feld));
    EXPECT_TRUE(spiel.voll() && !spiel.SpielEnde() && spiel.sieger() == Spieler::Keiner);
    for (int f = 0; f < TicTacToe::kFelder; ++f)
        EXPECT_FALSE(spiel.traurig(f) || (spiel.farbe(f) != TicTacToe::kGelb && spiel.farbe(f) != TicTacToe::kGruen)
            || spiel.setzen(f))
            << f;
}

} // namespace
