#pragma once

#include "mainwindow/Bildschirmsperre.h"
#include "mainwindow/Leerlaufzeit.h"
#include "mainwindow/Tastenverteiler.h"
#include "mainwindow/ui/Bildschirmteile.h"
#include "mainwindow/ui/Gleitanimation.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

class Clock;
class FlexGridView;
class PlayerControl;
class QLineEdit;
class Wiedergabe;
class ctlVirtuelleTastatur;
class frmMain;
class frmStart;
class Archiv;

// Ties finding songs and the lock to the jukebox screen: header touches
// sort, the on-screen keyboard searches or takes the lock's code, the
// arrows page, the archive grid's keys and clicks act, and the button rules
// are applied. Owns the keyboard, its idle time (Timer2), the lock and the slides.
class Archivanbindung : public QObject {
    Q_OBJECT

public:
    struct Teile : Bildschirmteile {
        QLineEdit& txtSortierung;
        Wiedergabe& wiedergabe;
    };

    explicit Archivanbindung(Teile teile);

    int ArchivZeile = 0;
    int Sortierspalte = 0;
    int TastaturZielTop = 0;

    const Bildschirmsperre& sperre() const { return m_sperre; }
    ctlVirtuelleTastatur& tastatur() { return *ctlVirtuelleTastatur1; }

    void Sortieren(bool TastaturEinblenden, bool ZeileSuchen);
    void ctlVirtuelleTastatur1_KeyClick(const QString& Daten);
    // A hardware key while the code entry is open; true when it went to the code.
    bool Codetaste(int KeyCode, const QString& text);
    void FunbuttonArchivNav_Click(int Index);
    void FunbuttonArchivNav_ClickDisabled(int Index);
    void FunbuttonArchivNav_MouseUp(int Index);
    // True when the key was used up.
    bool MSFlexGrid1_KeyDown(int KeyCode, int Shift);
    void MSFlexGrid1_DblClick();
    void MSFlexGrid1_MouseDown(int Button, int Shift, int X, int Y);
    void EnableButtons();
    void SchlossProzedur();
    void Timer2_Timer();
    // Every start of the screen: the keyboard goes, the lock follows the password.
    void laden();
    // The close: no slide may run on into the teardown.
    void stoppen();

private:
    void verbinden();
    void tastaturBauen(bool mitLoeschen, const QStringList& zeilen);
    void einblenden();
    void SchlossAnzeigen();
    void SchlossVersetzen();
    void sichtbareZeitenEinlesen();
    void SofortSpielen();
    QSize fensterTwips() const;
    int feldBreiteTwips() const;

    Teile m_teile;
    ctlVirtuelleTastatur* ctlVirtuelleTastatur1;
    Bildschirmsperre m_sperre;
    Leerlaufzeit m_Timer2Zeit;
    QTimer m_Timer2;
    Tastenverteiler m_tasten;
    Gleitanimation m_gleiten;
};
