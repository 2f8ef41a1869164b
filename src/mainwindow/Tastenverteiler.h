#pragma once

#include "library/Archivsuche.h"

#include <QString>

class Bildschirmsperre;
class FlexGrid;
class Leerlaufzeit;

// Where a key of the on-screen keyboard goes: to the lock's code while its
// entry is open (and nowhere else), otherwise to the archive search. Every
// key starts the keyboard's idle time over.
class Tastenverteiler {
public:
    struct Ergebnis {
        int zeile = 0; // the search jumped to this archive row (0: it stayed)
        bool sperreGewechselt = false; // the code matched: the lock toggled
    };

    Tastenverteiler(FlexGrid& archiv, Bildschirmsperre& sperre, Leerlaufzeit& Timer2);

    Ergebnis KeyClick(const QString& Daten, int Sortierspalte);

    Archivsuche& suche() { return m_suche; }

private:
    FlexGrid& m_archiv;
    Bildschirmsperre& m_sperre;
    Leerlaufzeit& m_Timer2;
    Archivsuche m_suche;
};
