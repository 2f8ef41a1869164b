#include "library/Belegtpruefung.h"

#include <chrono>
#include <optional>

Belegtpruefung::Belegtpruefung(Dateiwache::Belegt pruefen)
    : m_lauf(std::make_shared<Lauf>(Lauf { std::move(pruefen), QString(), {} }))
{
}

bool Belegtpruefung::operator()(const QString& pfad) const
{
    Lauf& lauf = *m_lauf;
    std::optional<bool> antwort;
    if (lauf.ergebnis.valid() && lauf.ergebnis.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
        const bool belegt = lauf.ergebnis.get();
        if (lauf.pfad == pfad)
            antwort = belegt;
    }
    // A free file needs no further check; one in use is asked again at once.
    if (!lauf.ergebnis.valid() && antwort.value_or(true)) {
        lauf.pfad = pfad;
        lauf.ergebnis = std::async(std::launch::async, lauf.pruefen, pfad);
    }
    return antwort.value_or(true);
}
