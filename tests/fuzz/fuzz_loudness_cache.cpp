// The loudness cache file: whatever bytes it holds, what reads from it
// writes and reads back as the same songs, and every song gets a usable gain.

#include "Fuzz.h"

#include "playback/Lautheitsspeicher.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const Lautheitsspeicher gelesen = Lautheitsspeicher::lesen(bytes);
    const QByteArray geschrieben = gelesen.daten();
    const Lautheitsspeicher wieder = Lautheitsspeicher::lesen(geschrieben);
    FUZZ_CHECK(wieder.eintraege() == gelesen.eintraege());
    FUZZ_CHECK(wieder.daten() == geschrieben);
    for (const auto& [pfad, eintrag] : gelesen.eintraege()) {
        FUZZ_CHECK(gelesen.finden(pfad, eintrag.groesse, eintrag.geaendertMs) == eintrag.werte);
        FUZZ_CHECK(!gelesen.finden(pfad, eintrag.groesse + 1, eintrag.geaendertMs));
        FUZZ_CHECK(std::isfinite(eintrag.werte.verstaerkungDb()));
    }
    return 0;
}
