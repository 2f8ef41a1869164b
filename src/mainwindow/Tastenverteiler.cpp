#include "mainwindow/Tastenverteiler.h"

#include "mainwindow/Bildschirmsperre.h"
#include "mainwindow/Leerlaufzeit.h"

Tastenverteiler::Tastenverteiler(FlexGrid& archiv, Bildschirmsperre& sperre, Leerlaufzeit& Timer2)
    : m_archiv(archiv)
    , m_sperre(sperre)
    , m_Timer2(Timer2)
{
}

Tastenverteiler::Ergebnis Tastenverteiler::KeyClick(const QString& Daten, int Sortierspalte)
{
    m_Timer2.starten();
    Ergebnis ergebnis;
    if (m_sperre.codeEingabeOffen()) {
        ergebnis.sperreGewechselt = m_sperre.taste(Daten);
        if (ergebnis.sperreGewechselt)
            m_Timer2.stoppen();
        return ergebnis;
    }
    ergebnis.zeile = m_suche.KeyClick(m_archiv, Sortierspalte, Daten);
    return ergebnis;
}
