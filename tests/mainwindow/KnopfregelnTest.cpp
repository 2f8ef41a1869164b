#include "mainwindow/Knopfregeln.h"

#include <gtest/gtest.h>

namespace {

using Knopfregeln::Freigabe;
using Knopfregeln::Lage;

// One letter per button, upper case when enabled:
// U Uebernehmen, H/R cmdHoch(0)/(1), L cmdLoeschen, a/b archive arrows, c/d playlist arrows.
std::string kurz(const Freigabe& f)
{
    const auto b = [](bool an, char c) { return an ? char(std::toupper(c)) : c; };
    return { b(f.Uebernehmen, 'u'), b(f.cmdHoch[0], 'h'), b(f.cmdHoch[1], 'r'), b(f.cmdLoeschen, 'l'),
        b(f.FunbuttonArchivNav[0], 'a'), b(f.FunbuttonArchivNav[1], 'b'), b(f.FunbuttonArchivNav[2], 'c'),
        b(f.FunbuttonArchivNav[3], 'd') };
}

// The screen's flow (JukeboxAblaufTest) meets the one-song and empty-playlist rows by touch.
TEST(KnopfregelnTest, EnableButtonsFollowsGridsPlayerAndLock)
{
    // Playlist Rows, Row; archive Rows, Row; playing; locked.
    const std::tuple<const char*, Lage, const char*> faelle[] = {
        { "middle of both lists", { 6, 3, 10, 5, false, false }, "UHRLABCD" },
        { "playlist head selected", { 6, 1, 10, 5, false, false }, "UhrLABcD" },
        { "empty playlist, playing: delete stops it", { 1, 0, 10, 5, true, false }, "UhrLABcd" },
        { "locked: browsing only", { 6, 3, 10, 5, true, true }, "uhrlABCD" },
        { "locked at the edges", { 2, 1, 10, 1, true, true }, "uhrlaBcd" },
    };
    for (const auto& [name, lage, erwartet] : faelle)
        EXPECT_EQ(kurz(Knopfregeln::EnableButtons(lage)), erwartet) << name;
}

} // namespace
