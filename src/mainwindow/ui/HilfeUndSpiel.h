#pragma once

#include "mainwindow/Hilfetour.h"

#include <QObject>

class ctlSprechblase;
class frmMain;
class frmStart;
class frmTicTacToe;

// The help tour and the pastime game of the jukebox screen: the speech
// bubble the tour walks over the window's controls, and the game window the
// smiley button opens. Both end when the screen closes.
class HilfeUndSpiel : public QObject {
    Q_OBJECT

public:
    HilfeUndSpiel(frmMain& fenster, const frmStart& start);

    // The help button and F1.
    void cmdFragezeichen_Click();
    // The game opens on the release of the smiley button, not on its press.
    void cmdSmilie_MouseUp(int Button, int Shift, int X, int Y);
    // The program ends: the tour stops at once and the game closes.
    void schliessen();

    const Hilfetour& tour() const { return m_tour; }
    Hilfetour& tour() { return m_tour; }
    ctlSprechblase& ctlSprechblase1() { return *m_ctlSprechblase1; }
    frmTicTacToe& spiel() { return *m_spiel; }

private:
    Hilfetour::Ziele ziele() const;
    void zeigen(const Hilfetour::Blase& blase);

    frmMain& m_fenster;
    const frmStart& m_start;
    ctlSprechblase* m_ctlSprechblase1;
    frmTicTacToe* m_spiel;
    // Declared after the bubble it shows: it stops before anything it points at goes.
    Hilfetour m_tour;
};
