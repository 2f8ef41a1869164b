#include "game/TicTacToe.h"

#include <gtest/gtest.h>

namespace {

using Spieler = TicTacToe::Spieler;

TEST(TicTacToe, EveryLineWinsForBothPlayersAndOnlyTheLosersPiecesLookSad)
{
    // Each line in the rules' order with three cells off it that form no line themselves.
    const std::pair<TicTacToe::Linie, TicTacToe::Linie> siegUndGegner[]
        = { { { 0, 1, 2 }, { 3, 4, 6 } }, { { 3, 4, 5 }, { 0, 1, 6 } }, { { 6, 7, 8 }, { 0, 1, 3 } },
              { { 0, 3, 6 }, { 1, 2, 4 } }, { { 1, 4, 7 }, { 0, 2, 3 } }, { { 2, 5, 8 }, { 0, 1, 3 } },
              { { 0, 4, 8 }, { 1, 2, 3 } }, { { 2, 4, 6 }, { 0, 1, 3 } } };
    for (const bool gelb : { true, false }) {
        for (const auto& [linie, gegner] : siegUndGegner) {
            SCOPED_TRACE(::testing::Message() << (gelb ? "gelb " : "gruen ") << linie[0] << linie[1] << linie[2]);
            TicTacToe spiel;
            for (int i = 0; i < 3; ++i) {
                if (!gelb)
                    ASSERT_TRUE(spiel.setzen(gegner[i]));
                EXPECT_FALSE(spiel.SpielEnde());
                ASSERT_TRUE(spiel.setzen(linie[i]));
                if (gelb && i < 2)
                    ASSERT_TRUE(spiel.setzen(gegner[i]));
            }
            ASSERT_TRUE(spiel.SpielEnde());
            EXPECT_EQ(spiel.sieger(), gelb ? Spieler::Gelb : Spieler::Gruen);
            EXPECT_EQ(spiel.gewinnlinie(), linie);
            const qint32 voll = gelb ? TicTacToe::kGelb : TicTacToe::kGruen;
            const qint32 gegnerBlass = gelb ? TicTacToe::kGruenBlass : TicTacToe::kGelbBlass;
            for (int f : linie)
                EXPECT_TRUE(spiel.farbe(f) == voll && !spiel.traurig(f)) << f;
            for (int f : gegner)
                EXPECT_TRUE(spiel.feld(f) == Spieler::Keiner || (spiel.farbe(f) == gegnerBlass && spiel.traurig(f)))
                    << f;
        }
    }
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
