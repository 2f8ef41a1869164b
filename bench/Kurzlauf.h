#pragma once

#include <QtGlobal>

// TONVARO_BENCH_SHORT set (scripts/bench-check): a few rounds on small data,
// enough to show that a benchmark still builds, runs and prints its lines.
// The figures of such a run mean nothing.
namespace Kurzlauf {

inline bool an()
{
    return qEnvironmentVariableIsSet("TONVARO_BENCH_SHORT");
}

template <typename T> T waehle(T voll, T kurz)
{
    return an() ? kurz : voll;
}

} // namespace Kurzlauf
