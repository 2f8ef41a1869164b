#include "playback/Maustasten.h"

namespace {

constexpr int kRechts = 2;

} // namespace

Maustasten::Aktion Maustasten::entscheiden(Knopf knopf, int button, bool muelleimer, bool rechteMaus)
{
    const bool rechts = button == kRechts;
    if (rechts && rechteMaus) {
        return muelleimer && knopf == Knopf::Loeschen ? Aktion::LoeschenSperren : Aktion::Nichts;
    }
    if (muelleimer && !rechts)
        return Aktion::Nichts;
    return Aktion::Ausfuehren;
}
