#pragma once

#include <cmath>

// A song's measured loudness and the gain that levels it: integrated
// loudness in LUFS and true peak in dBTP, as EBU R 128 defines them. A song
// too quiet to be measured (all of it below the absolute gate) has no
// finite loudness and plays as it is.
struct Lautheitswerte {
    static constexpr double kZielLufs = -18.0;
    static constexpr double kHoechsteSpitzeDbtp = -1.0;

    double lufs = -HUGE_VAL;
    double spitzeDbtp = -HUGE_VAL;

    // The gain in dB that brings the song to kZielLufs, lowered so that its
    // true peak stays at or below kHoechsteSpitzeDbtp.
    double verstaerkungDb() const;
    // verstaerkungDb() as a factor on the samples.
    double faktor() const;

    bool operator==(const Lautheitswerte&) const = default;
};
