#pragma once

#include "game/TicTacToe.h"

#include <QTimer>
#include <QWidget>

#include <array>

class Funbutton;
class ctlSmilie;

// The pastime game for two waiting guests: a 3 x 3 board of smiley pieces,
// a button for a new game and one to close. The window closes by itself
// 20 s after the last touch on a piece or on "new game".
class frmTicTacToe : public QWidget {
    Q_OBJECT

public:
    static constexpr int kSchliessenNach = 20000;

    explicit frmTicTacToe(QWidget* parent = nullptr);

    // The operator's background and button colours (0x00BBGGRR).
    void setFarben(qint32 hintergrund, qint32 knopf);
    // Opens the game with a new board, unless it is open already; false then.
    bool oeffnen();

    void cmdNeu_Click();
    void cmdEnde_Click();
    void Timer1_Timer();
    void ctlSmilie1_Click(int Index);

    const TicTacToe& spiel() const { return m_spiel; }
    ctlSmilie* ctlSmilie1(int index) const { return m_steine.at(index); }
    Funbutton* cmdNeu() const { return m_cmdNeu; }
    Funbutton* cmdEnde() const { return m_cmdEnde; }
    QTimer& Timer1() { return m_Timer1; }

protected:
    void hideEvent(QHideEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void NeuesSpiel();
    // Shows every piece as the rules have it now.
    void darstellen();
    Funbutton* knopf(const QString& name, const QString& text);

    TicTacToe m_spiel;
    std::array<ctlSmilie*, TicTacToe::kFelder> m_steine {};
    Funbutton* m_cmdNeu;
    Funbutton* m_cmdEnde;
    QTimer m_Timer1;
    // The buttons' looks are made from the colours; a change of colours makes them anew at the next opening.
    bool m_knoepfeBereit = false;
};
