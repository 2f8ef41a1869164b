#pragma once

#include "start/AutostartCountdown.h"
#include "start/Farbpruefung.h"
#include "start/Settings.h"
#include "start/StartSettings.h"

#include <QTimer>
#include <QWidget>

#include <array>

class JukeboxScreen;
class MessageService;
class SettingsStore;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSlider;

// The start window: the operator sets the jukebox up and starts it, or the
// autostart does after 40 seconds. It stays loaded (hidden) for the whole
// run: its controls are the live settings, and it owns the main window's
// context menu.
class frmStart : public QWidget {
    Q_OBJECT

public:
    // The context menu of the main window, owned here.
    struct Kontextmenue {
        QMenu* menu = nullptr;
        QAction* menuBeenden = nullptr;
        QAction* menuTags = nullptr;
        QAction* menuLoeschen = nullptr;
        QAction* menuExplorerAnzeigen = nullptr;
        QAction* menuNeuEinlesen = nullptr;
        QAction* menuZurueck = nullptr;
    };

    frmStart(SettingsStore& store, MessageService& meldungen, QWidget* parent = nullptr);

    // The screen that a start builds and shows; fenster is its window.
    void setScreen(JukeboxScreen* screen, QWidget* fenster);

    // The live settings: the current state of the controls.
    StartSettings werte() const;
    const Kontextmenue& kontextmenue() const { return m_menu; }
    // The status line lblGefunden: the running count of the scan, or a notice
    // about the sound output.
    void setGefunden(const QString& text);
    // Whether the autostart countdown still runs.
    bool autostartAktiv() const { return m_TimerAutostart.isActive(); }

    void cmdOK_Click();
    void cmdAbbrechen_Click();
    void cmdDurchsuchen_Click();
    void cmdFarbe_Click(int Index);
    void TimerAutostart_Timer();
    // Back to the start window: empties the archive and shows this window modally.
    void menuZurueck_Click();

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildUi();
    QWidget* buildOrdner();
    QWidget* buildOptionen();
    QWidget* buildDarstellung();
    QWidget* buildStatus();
    QWidget* buildKnoepfe();
    void buildMenu();
    void connectResets();

    void Form_Load();
    void Form_Activate();
    void setWerte(const StartSettings& werte);
    void setFarbe(Farbpruefung::Farbziel ziel, qint32 farbe);
    void resetCountdown();
    // Steps 1 and 2 of the start: a folder and light enough colours.
    bool startPruefen();
    void speichern(bool alle);
    void startSperren(bool gesperrt);

    Settings m_settings;
    MessageService& m_meldungen;
    JukeboxScreen* m_screen = nullptr;
    QWidget* m_fenster = nullptr;
    AutostartCountdown m_countdown;
    QTimer m_TimerAutostart;
    std::array<qint32, 2> m_farben {};
    // The options without a control, kept as loaded.
    bool m_lautheit = false;
    bool m_id3v2 = false;
    Kontextmenue m_menu;

    QLabel* Label1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* cmdDurchsuchen = nullptr;
    QLineEdit* txtPasswort = nullptr;
    QCheckBox* chkZufall = nullptr;
    QCheckBox* chkPlaylistDoppelklick = nullptr;
    QCheckBox* chkFenster = nullptr;
    QCheckBox* chkSmilie = nullptr;
    QCheckBox* chkMuelleimer = nullptr;
    QCheckBox* chkPlayliste = nullptr;
    QCheckBox* chkRechteMaustaste = nullptr;
    QCheckBox* chkPause = nullptr;
    QCheckBox* chkWindowsBlockieren = nullptr;
    std::array<QLabel*, 2> m_picFarbe {}; // PicFarbe, PicHintergrundfarbe
    std::array<QPushButton*, 2> cmdFarbe {};
    QSlider* Slider1 = nullptr;
    QLabel* lblFading = nullptr;
    QComboBox* cmbAnzahl = nullptr;
    QComboBox* cmbSchriftgroesse = nullptr;
    QLineEdit* txtWinAmpPfad = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblGefunden = nullptr;
    QPushButton* lblAbbrechen = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdAbbrechen = nullptr;
    QPushButton* cmdBeenden = nullptr;
};
