#pragma once

#include "common/FlexGrid.h"
#include "library/Archiv.h"
#include "library/Liedersuche.h"
#include "mainwindow/ui/Archivanbindung.h"
#include "mainwindow/ui/HilfeUndSpiel.h"
#include "mainwindow/ui/Wiedergabeanbindung.h"
#include "platform/Kiosk.h"
#include "start/JukeboxScreen.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

class Clock;
class FlexGridView;
class Funbutton;
class MessageService;
class PlayerControl;
class frmStart;
class QFrame;
class QLabel;
class QLineEdit;

// The jukebox screen: the archive grid MSFlexGrid1 above the playlist grid
// MSFlexGrid2, the touch buttons around them, the time bar and the message
// frame Frame1. Layout and colours come from Hauptlayout and Einfaerbung;
// the window only applies them. It takes its options from the
// start window's controls, uses the start window's context menu, and its
// close takes the whole program down.
class frmMain : public QWidget, public JukeboxScreen {
    Q_OBJECT

public:
    using KioskErzeuger = std::function<std::unique_ptr<Kiosk>(QWidget* fenster)>;

    frmMain(frmStart& start, MessageService& meldungen, PlayerControl& player, const Clock& uhr, KioskErzeuger kiosk,
        QWidget* parent = nullptr);
    ~frmMain() override;

    // JukeboxScreen
    bool laden() override;
    void Einlesen(const QString& Startordner) override;
    bool liestEin() const override { return m_liestEin; }
    FlexGrid& Archiv() override { return MSFlexGrid1; }
    void Startmeldung(const StartReport& report) override;
    void Frame1Verstecken() override;
    void zeigen(bool maximieren) override;
    void EnabledRechts(bool Wert) override;
    void PlaylistEinlesen() override { m_wiedergabe->wiedergabe().PlaylistEinlesen(); }
    void ZeitenEinlesen(bool NurSichtbare) override;
    void Uhrzeiten() override { m_wiedergabe->wiedergabe().startzeiten().Uhrzeiten(); }
    void startBeendet() override { m_wiedergabe->wiedergabe().sequenzer().setZufallAngehalten(false); }

    FlexGrid& Playlist() { return MSFlexGrid2; }
    int Fadingzeit() const { return m_Fadingzeit; }
    // The player of the current song (0 or 1).
    int AktiverPlayer() const { return m_wiedergabe->zustand().AktiverPlayer; }
    void setAktiverPlayer(int index) { m_wiedergabe->zustand().AktiverPlayer = index; }
    Wiedergabeanbindung& wiedergabeseite() { return *m_wiedergabe; }
    Wiedergabe& wiedergabe() { return m_wiedergabe->wiedergabe(); }
    Archivanbindung& archivseite() { return *m_archivseite; }

    // The archive side, as the playback asks for it.
    bool schlossAuf() const { return !m_archivseite->sperre().gesperrt(); }
    void EnableButtons() { m_archivseite->EnableButtons(); }
    int ArchivZeile() const { return m_archivseite->ArchivZeile; }
    void setArchivZeile(int zeile) { m_archivseite->ArchivZeile = zeile; }
    void setSortierspalte(int spalte) { m_archivseite->Sortierspalte = spalte; }
    void Sortieren(bool TastaturEinblenden, bool ZeileSuchen)
    {
        m_archivseite->Sortieren(TastaturEinblenden, ZeileSuchen);
    }
    bool Frame1Sichtbar() const;
    QString lblStartmeldung() const;
    QString lblStartmeldung2() const;

    // Windows virtual-key codes (46 Delete, 116 F5, 122 F11, 123 F12); Shift: 1 Shift, 2 Ctrl, 4 Alt. True when the key
    // was used.
    bool Form_KeyDown(int KeyCode, int Shift);
    void menuBeenden_Click();
    void menuNeuEinlesen_Click();
    void menuExplorerAnzeigen_Click();
    void menuDateiEntfernen_Click();
    void menuTags_Click();
    void TimerStartmeldung_Timer();

    // Colours the window, its grids and captions; prepares the touch buttons'
    // looks the first time and whenever the button or background colour changed.
    void Einfaerben(qint32 Hintergrund, qint32 Vordergrund);
    // Rows that paging through the archive keeps in view, for the archive as it is now.
    int Scrollabstand() const;

    // The touch buttons, for the handlers that give them their actions.
    Funbutton& Uebernehmen() { return *m_Uebernehmen; }
    Funbutton& cmdLoeschen() { return *m_cmdLoeschen; }
    // 0 moves the selected song up, 1 down.
    Funbutton& cmdHoch(int Index) { return *m_cmdHoch.at(size_t(Index)); }
    // 0 and 1 page the archive up and down, 2 and 3 the playlist.
    Funbutton& FunbuttonArchivNav(int Index) { return *m_FunbuttonArchivNav.at(size_t(Index)); }
    Funbutton& Schloss() { return *m_Schloss; }
    Funbutton& Schloss2() { return *m_Schloss2; }
    Funbutton& cmdSmilie() { return *m_cmdSmilie; }
    Funbutton& cmdFragezeichen() { return *m_cmdFragezeichen; }
    Funbutton& Positionsgrafik() { return *m_Positionsgrafik; }
    HilfeUndSpiel& hilfeUndSpiel() { return m_hilfeUndSpiel; }
    // All thirteen, in the order they are coloured.
    QList<Funbutton*> Touchbuttons() const;

protected:
    bool event(QEvent* e) override;
    // The window sees the grids' keys before they do.
    bool eventFilter(QObject* watched, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void buildUi();
    void touchbuttonsBauen();
    void verbinden();
    bool Form_Load();
    void Form_Activate();
    // Button: 1 left, 2 right, 4 middle; X and Y in twips from the window's top left.
    void Form_MouseDown(int Button, int Shift, int X, int Y);
    void Form_Resize();
    void Form_QueryUnload();
    void playerSchliessen();

    frmStart& m_start;
    MessageService& m_meldungen;
    PlayerControl& m_player;
    FlexGrid MSFlexGrid1;
    FlexGrid MSFlexGrid2;
    ::Archiv m_archiv;
    Liedersuche m_liedersuche;
    std::unique_ptr<Kiosk> m_kiosk;
    HilfeUndSpiel m_hilfeUndSpiel;
    QTimer m_TimerStartmeldung;
    bool m_entladen = false;
    bool m_liestEin = false;
    // With TONVARO_STARTZEIT set, from each load to the screen's first paint after it.
    QElapsedTimer m_startzeit;
    int m_Fadingzeit = 0;
    // Archive rows fully visible at the window's size.
    int m_sichtbareZeilen = 0;
    // Background and button colour the touch buttons' looks were made for.
    std::optional<std::pair<qint32, qint32>> m_knopffarben;

    FlexGridView* m_view1 = nullptr;
    FlexGridView* m_view2 = nullptr;
    QFrame* Frame1 = nullptr;
    QLabel* m_lblStartmeldung = nullptr;
    QLabel* m_lblStartmeldung2 = nullptr;
    QLineEdit* txtEingabe = nullptr;
    QLineEdit* txtSortierung = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QFrame* Balken = nullptr;
    Funbutton* m_Uebernehmen = nullptr;
    Funbutton* m_cmdLoeschen = nullptr;
    std::array<Funbutton*, 2> m_cmdHoch {};
    std::array<Funbutton*, 4> m_FunbuttonArchivNav {};
    Funbutton* m_Schloss = nullptr;
    Funbutton* m_Schloss2 = nullptr;
    Funbutton* m_cmdSmilie = nullptr;
    Funbutton* m_cmdFragezeichen = nullptr;
    Funbutton* m_Positionsgrafik = nullptr;
    QLabel* Balkentext = nullptr;
    // Made after the widgets they wire; the playback first, since the archive side drives it.
    std::unique_ptr<Wiedergabeanbindung> m_wiedergabe;
    std::unique_ptr<Archivanbindung> m_archivseite;
};
