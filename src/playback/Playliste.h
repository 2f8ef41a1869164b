#pragma once

#include <QString>

class FlexGrid;
class Lautheitsausgleich;
class PlayerControl;
class Sequenzer;
class Startzeiten;
class Wiedergabefenster;

// The queue of songs in the playlist grid: taking a song over from the
// archive, deleting and moving rows, and the playlist grid's own events.
// Row 1 is the playing song; a row's path (column 4) is its identity.
class Playliste {
public:
    struct Teile {
        FlexGrid& archiv;
        FlexGrid& playlist;
        PlayerControl& player;
        Wiedergabefenster& fenster;
        Startzeiten& startzeiten;
        Sequenzer& sequenzer;
        Lautheitsausgleich& lautheit;
    };

    explicit Playliste(Teile teile);

    // Takes the archive's current song over, unless locked, over the limit or already queued.
    void Uebernehmen_Click();
    // The playlist holds as many songs as the option "Anzahl" allows.
    bool voll() const;
    // Deletes the selected row; the playing one makes the next song start at once.
    void Loeschen();
    // Index 0 up, 1 down. Row 1 never moves and is never passed.
    void cmdHoch_Click(int Index);

    // Button: 1 left, 2 right, 4 middle.
    void cmdLoeschen_MouseDown(int Button, int Shift, int X, int Y);
    void cmdHoch_MouseDown(int Index, int Button, int Shift, int X, int Y);
    void cmdHoch_ClickDisabled(int Index);

    // Shows the double-clicked song in the archive.
    void MSFlexGrid2_DblClick();
    // True when the key was used.
    bool MSFlexGrid2_KeyDown(int KeyCode, int Shift);
    void MSFlexGrid2_MouseDown(int Button, int Shift, int X, int Y);
    void MSFlexGrid2_SelChange();
    void MSFlexGrid2_Validate();

    // "Begrenzung auf 1 Lied!", "Begrenzung auf 5 Lieder!"
    static QString Begrenzungstext(int anzahl);

private:
    void uebernehmen();
    bool zeileLoeschen();
    void verschieben(int Index);
    void zeigeImArchiv();

    Teile m_teile;
};
