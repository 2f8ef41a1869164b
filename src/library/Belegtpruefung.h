#pragma once

#include "library/Dateiwache.h"

#include <QString>

#include <future>
#include <memory>

// Asks whether a file is in use on a worker thread, so a slow check (on
// Linux a walk over every process's open files, several hundred
// milliseconds with a few thousand open) never holds up the screen. Each
// call answers at once: the result of a check for that path that finished
// since the last call, or "in use" while there is none yet, so the watch
// waits a tick longer rather than offer a file still being written. Copies
// share one check; the last copy waits for a running check when it goes.
class Belegtpruefung {
public:
    explicit Belegtpruefung(Dateiwache::Belegt pruefen);

    bool operator()(const QString& pfad) const;

private:
    struct Lauf {
        Dateiwache::Belegt pruefen;
        QString pfad;
        std::future<bool> ergebnis;
    };

    std::shared_ptr<Lauf> m_lauf;
};
