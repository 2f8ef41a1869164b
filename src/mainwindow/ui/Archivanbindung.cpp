#include "mainwindow/ui/Archivanbindung.h"

#include "common/FlexGrid.h"
#include "common/Twips.h"
#include "common/ui/FlexGridView.h"
#include "controls/ui/ctlVirtuelleTastatur.h"
#include "controls/ui/Funbutton.h"
#include "errors/Procedure.h"
#include "library/Archiv.h"
#include "library/Archivsortierung.h"
#include "mainwindow/Archivnavigation.h"
#include "mainwindow/Knopfregeln.h"
#include "mainwindow/ui/frmMain.h"
#include "playback/PlayerControl.h"
#include "playback/Wiedergabe.h"
#include "start/ui/frmStart.h"

#include <QCursor>
#include <QLineEdit>
#include <QMenu>

namespace {

constexpr int kTastengroesse = 1200;
// How often the idle time is looked at; the give-up comes at most this late.
constexpr int kTimer2PruefMs = 250;
// Schloss stands this far below the delete button.
constexpr int kSchlossAbstand = 120;
constexpr int kKeyBackspace = 8;

const QStringList kSuchtastatur { QStringLiteral(" 1234567890"), QStringLiteral("QWERTZUIOPÜBS"),
    QStringLiteral(" ASDFGHJKLÖÄ"), QStringLiteral("  YXCVBNMSpace") };
// Letters only: the lock's code entry neither deletes nor types digits.
const QStringList kSchlosstastatur { QStringLiteral("QWERTZUIOPÜ"), QStringLiteral(" ASDFGHJKLÖÄ"),
    QStringLiteral("  YXCVBNM") };

} // namespace

Archivanbindung::Archivanbindung(Teile teile)
    : m_teile(teile)
    , ctlVirtuelleTastatur1(new ctlVirtuelleTastatur(&teile.fenster))
    , m_sperre([this] { return m_teile.start.werte().PW; })
    , m_Timer2Zeit(teile.uhr)
    , m_tasten(teile.fenster.Archiv(), m_sperre, m_Timer2Zeit)
{
    ctlVirtuelleTastatur1->setObjectName(QStringLiteral("ctlVirtuelleTastatur1"));
    ctlVirtuelleTastatur1->hide();
    m_Timer2.setInterval(kTimer2PruefMs);
    // Looks at the time only while the keyboard waits for a key.
    m_Timer2Zeit.beimStarten([this] { m_Timer2.start(); });
    verbinden();
}

void Archivanbindung::verbinden()
{
    frmMain& fenster = m_teile.fenster;
    connect(&m_Timer2, &QTimer::timeout, this, [this] {
        if (m_Timer2Zeit.abgelaufen())
            Timer2_Timer();
        if (!m_Timer2Zeit.aktiv())
            m_Timer2.stop();
    });
    connect(
        ctlVirtuelleTastatur1, &ctlVirtuelleTastatur::KeyClick, this, &Archivanbindung::ctlVirtuelleTastatur1_KeyClick);
    for (int i = 0; i < 4; ++i) {
        Funbutton& pfeil = fenster.FunbuttonArchivNav(i);
        connect(&pfeil, &Funbutton::Click, this, [this, i] { FunbuttonArchivNav_Click(i); });
        connect(&pfeil, &Funbutton::ClickDisabled, this, [this, i] { FunbuttonArchivNav_ClickDisabled(i); });
        connect(&pfeil, &Funbutton::MouseUp, this, [this, i] { FunbuttonArchivNav_MouseUp(i); });
    }
    connect(&fenster.Schloss(), &Funbutton::Click, this, &Archivanbindung::SchlossProzedur);
    connect(&fenster.Schloss2(), &Funbutton::Click, this, &Archivanbindung::SchlossProzedur);
    FlexGridView& view = m_teile.archivView;
    connect(&view, &FlexGridView::keyDown, this, [this](int& keyCode, int shift) {
        // The window has seen the key first and may have used it.
        if (keyCode != 0 && MSFlexGrid1_KeyDown(keyCode, shift))
            keyCode = 0;
    });
    connect(&view, &FlexGridView::dblClick, this, &Archivanbindung::MSFlexGrid1_DblClick);
    connect(&view, &FlexGridView::mouseDown, this, &Archivanbindung::MSFlexGrid1_MouseDown);
    // Whatever the guest drags across, one row stays selected.
    connect(&view, &FlexGridView::selChange, this,
        [this] { m_teile.fenster.Archiv().setRowSel(m_teile.fenster.Archiv().Row()); });
    connect(&view, &FlexGridView::validate, this, &Archivanbindung::EnableButtons);
    // Touches never take the focus from a grid, so its validate cannot be
    // relied on: the buttons follow every change of either grid's selection or rows.
    for (FlexGrid* grid : { &fenster.Archiv(), &fenster.Playlist() }) {
        connect(grid, &FlexGrid::selectionChanged, this, &Archivanbindung::EnableButtons);
        connect(grid, &FlexGrid::rowsInserted, this, &Archivanbindung::EnableButtons);
        connect(grid, &FlexGrid::rowsRemoved, this, &Archivanbindung::EnableButtons);
    }
}

QSize Archivanbindung::fensterTwips() const
{
    const QWidget& fenster = m_teile.fenster;
    return QSize(
        pixelsToTwips(fenster.width(), fenster.logicalDpiX()), pixelsToTwips(fenster.height(), fenster.logicalDpiY()));
}

int Archivanbindung::feldBreiteTwips() const
{
    return pixelsToTwips(m_teile.txtSortierung.width(), m_teile.fenster.logicalDpiX());
}

void Archivanbindung::sichtbareZeitenEinlesen()
{
    Dauermessung& dauer = m_teile.wiedergabe.dauermessung();
    dauer.setZeitenNeustart(true);
    dauer.ZeitenEinlesen(true);
}

void Archivanbindung::Sortieren(bool TastaturEinblenden, bool ZeileSuchen)
{
    Procedure proc("Archivanbindung", "void Archivanbindung::Sortieren(bool TastaturEinblenden, bool ZeileSuchen)",
        { { "TastaturEinblenden", TastaturEinblenden }, { "ZeileSuchen", ZeileSuchen } });
    if (!proc.run([&] {
            ArchivZeile
                = Archivsortierung::Sortieren(m_teile.fenster.Archiv(), Sortierspalte, ArchivZeile, ZeileSuchen);
        })
        || !proc.run([&] { m_Timer2Zeit.starten(); }))
        return;
    if (TastaturEinblenden && !ctlVirtuelleTastatur1->isVisible() && !proc.run([&] {
            m_tasten.suche().leeren();
            m_teile.txtSortierung.clear();
            tastaturBauen(true, kSuchtastatur);
            einblenden();
        }))
        return;
    proc.run([&] { sichtbareZeitenEinlesen(); });
}

void Archivanbindung::tastaturBauen(bool mitLoeschen, const QStringList& zeilen)
{
    ctlVirtuelleTastatur& tastatur = *ctlVirtuelleTastatur1;
    tastatur.setEnterSichtbar(false);
    tastatur.setLoeschenSichtbar(mitLoeschen);
    tastatur.setHideSichtbar(false);
    tastatur.setKeyWidth(kTastengroesse);
    tastatur.setKeyHeight(kTastengroesse);
    tastatur.setKeyBackColor(m_teile.start.werte().Farbe);
    for (int zeile = 0; zeile < zeilen.size(); ++zeile)
        tastatur.Tastatur_Ini(zeile, zeilen[zeile]);
}

void Archivanbindung::einblenden()
{
    const Gleitschritte plan
        = Gleitschritte::einblenden(fensterTwips(), ctlVirtuelleTastatur1->groesseTwips(), feldBreiteTwips());
    TastaturZielTop = plan.TastaturZielTop();
    m_gleiten.starten(plan, ctlVirtuelleTastatur1, &m_teile.txtSortierung);
}

void Archivanbindung::ctlVirtuelleTastatur1_KeyClick(const QString& Daten)
{
    Procedure proc("Archivanbindung", "void Archivanbindung::ctlVirtuelleTastatur1_KeyClick(const QString& Daten)",
        { { "Daten", Daten } });
    Tastenverteiler::Ergebnis ergebnis;
    if (!proc.run([&] { ergebnis = m_tasten.KeyClick(Daten, Sortierspalte); }))
        return;
    QLineEdit& feld = m_teile.txtSortierung;
    if (ergebnis.sperreGewechselt) {
        proc.run([&] {
            SchlossVersetzen();
            SchlossAnzeigen();
            EnableButtons();
            m_gleiten.stoppen();
            feld.clear();
            feld.hide();
            ctlVirtuelleTastatur1->hide();
            m_teile.archivView.setFocus();
        });
    } else if (m_sperre.codeEingabeOffen()) {
        feld.setText(m_sperre.anzeige());
    } else {
        feld.setText(m_tasten.suche().Suchtext());
        if (ergebnis.zeile > 0) {
            ArchivZeile = ergebnis.zeile;
            proc.run([&] { sichtbareZeitenEinlesen(); });
        }
    }
}

bool Archivanbindung::Codetaste(int KeyCode, const QString& text)
{
    if (!m_sperre.codeEingabeOffen())
        return false;
    if (KeyCode == kKeyBackspace)
        ctlVirtuelleTastatur1_KeyClick(Archivsuche::kBackspace);
    else if (!text.isEmpty() && text.at(0).isPrint())
        ctlVirtuelleTastatur1_KeyClick(text);
    else
        return false;
    return true;
}

void Archivanbindung::SchlossVersetzen()
{
    frmMain& fenster = m_teile.fenster;
    Funbutton& loeschen = fenster.cmdLoeschen();
    Funbutton& offen = fenster.Schloss();
    offen.move(offen.x(), loeschen.y() + loeschen.height() + twipsToPixels(kSchlossAbstand, fenster.logicalDpiY()));
    fenster.Schloss2().move(offen.pos());
}

void Archivanbindung::SchlossAnzeigen()
{
    m_teile.fenster.Schloss().setVisible(m_sperre.SchlossSichtbar());
    m_teile.fenster.Schloss2().setVisible(m_sperre.Schloss2Sichtbar());
}

void Archivanbindung::laden()
{
    m_gleiten.stoppen();
    ctlVirtuelleTastatur1->hide();
    m_sperre.laden();
    SchlossAnzeigen();
}

void Archivanbindung::SchlossProzedur()
{
    Procedure proc("Archivanbindung", "void Archivanbindung::SchlossProzedur()");
    proc.run([&] {
        m_sperre.SchlossProzedur();
        m_Timer2Zeit.starten();
        m_teile.txtSortierung.clear();
        tastaturBauen(false, kSchlosstastatur);
        einblenden();
        // A hardware keyboard types the code into the window, not into the archive.
        m_teile.fenster.setFocus();
    });
}

void Archivanbindung::Timer2_Timer()
{
    Procedure proc("Archivanbindung", "void Archivanbindung::Timer2_Timer()");
    proc.run([&] {
        m_sperre.aufgeben();
        if (!ctlVirtuelleTastatur1->isVisible())
            return;
        m_gleiten.starten(Gleitschritte::ausblenden(fensterTwips(), ctlVirtuelleTastatur1->groesseTwips(),
                              feldBreiteTwips(), m_gleiten.lage()),
            ctlVirtuelleTastatur1, &m_teile.txtSortierung);
    });
}

void Archivanbindung::stoppen()
{
    m_gleiten.stoppen();
    m_Timer2.stop();
}

void Archivanbindung::FunbuttonArchivNav_Click(int Index)
{
    Procedure proc(
        "Archivanbindung", "void Archivanbindung::FunbuttonArchivNav_Click(int Index)", { { "Index", Index } });
    const bool archiv = Archivnavigation::istArchivpfeil(Index);
    proc.run([&] {
        Archivnavigation::schritt(
            archiv ? m_teile.fenster.Archiv() : m_teile.fenster.Playlist(), Index, m_teile.fenster.Scrollabstand());
        (archiv ? m_teile.archivView : m_teile.playlistView).setFocus();
    }) && proc.run([&] {
        ArchivZeile = m_teile.fenster.Archiv().Row();
        EnableButtons();
    });
}

void Archivanbindung::FunbuttonArchivNav_ClickDisabled(int Index)
{
    (Archivnavigation::istArchivpfeil(Index) ? m_teile.archivView : m_teile.playlistView).setFocus();
}

void Archivanbindung::FunbuttonArchivNav_MouseUp(int Index)
{
    if (Archivnavigation::istArchivpfeil(Index))
        m_teile.wiedergabe.dauermessung().ZeitenEinlesen(true);
}

bool Archivanbindung::MSFlexGrid1_KeyDown(int KeyCode, int Shift)
{
    Procedure proc("Archivanbindung", "bool Archivanbindung::MSFlexGrid1_KeyDown(int KeyCode, int Shift)",
        { { "KeyCode", KeyCode }, { "Shift", Shift } });
    FlexGrid& archiv = m_teile.fenster.Archiv();
    bool benutzt = false;
    proc.run([&] {
        Archivnavigation::sichtKorrektur(archiv, KeyCode);
        switch (Archivnavigation::archivTaste(KeyCode, m_teile.fenster.Uebernehmen().Enabled(),
            Archivsortierung::istLiedzeile(archiv, archiv.Row()), m_teile.wiedergabe.playliste().voll())) {
        case Archivnavigation::Tastenaktion::TagEditor:
            m_teile.fenster.menuTags_Click();
            benutzt = true;
            break;
        case Archivnavigation::Tastenaktion::Uebernehmen:
            m_teile.wiedergabe.playliste().Uebernehmen_Click();
            benutzt = true;
            break;
        case Archivnavigation::Tastenaktion::SofortSpielen:
            SofortSpielen();
            benutzt = true;
            break;
        case Archivnavigation::Tastenaktion::Keine:
            break;
        }
    });
    ArchivZeile = archiv.Row();
    return benutzt;
}

void Archivanbindung::SofortSpielen()
{
    FlexGrid& playlist = m_teile.fenster.Playlist();
    playlist.Clear();
    playlist.setRows(1);
    m_teile.archiv.TabellenBeschriften(true);
    for (int player = 0; player < 2; ++player) {
        m_teile.player.StopMP3(player);
        m_teile.player.OpenMP3(player, QString());
    }
    // Both, or the song queued again would count as started already and the next tick would drop it.
    Wiedergabezustand& zustand = m_teile.wiedergabe.sequenzer().zustand();
    zustand.AktuelleZeile = 0;
    zustand.AktuelleDatei.clear();
    m_teile.wiedergabe.playliste().Uebernehmen_Click();
    m_teile.archivView.setFocus();
}

void Archivanbindung::MSFlexGrid1_DblClick()
{
    const StartSettings werte = m_teile.start.werte();
    if (Archivnavigation::doppelklickUebernimmt(
            werte.Doppelklick, m_teile.fenster.Archiv().MouseRow(), m_teile.fenster.Uebernehmen().Enabled()))
        m_teile.wiedergabe.playliste().Uebernehmen_Click();
}

void Archivanbindung::MSFlexGrid1_MouseDown(
    int Button, [[maybe_unused]] int Shift, [[maybe_unused]] int X, [[maybe_unused]] int Y)
{
    FlexGrid& archiv = m_teile.fenster.Archiv();
    // Faults here are skipped silently: a touch on an empty grid is no error.
    try {
        const Archivnavigation::Mausaktion aktion = Archivnavigation::mausDown(
            Button, archiv.MouseRow(), archiv.MouseCol(), m_teile.start.werte().RechteMaus);
        if (aktion.kontextmenue)
            m_teile.start.kontextmenue().menu->popup(QCursor::pos());
        if (aktion.sortierspalte >= 0) {
            Sortierspalte = aktion.sortierspalte;
            Sortieren(aktion.tastatur, true);
        }
        if (aktion.auswahlZurueck)
            Archivnavigation::auswahlZurueck(archiv, ArchivZeile);
        if (archiv.MouseRow() > 0)
            ArchivZeile = archiv.Row();
    } catch (...) {
    }
}

void Archivanbindung::EnableButtons()
{
    Procedure proc("Archivanbindung", "void Archivanbindung::EnableButtons()");
    frmMain& fenster = m_teile.fenster;
    proc.run([&] {
        const FlexGrid& playlist = fenster.Playlist();
        const FlexGrid& archiv = fenster.Archiv();
        const int aktiv = m_teile.wiedergabe.sequenzer().zustand().AktiverPlayer;
        const Knopfregeln::Freigabe f = Knopfregeln::EnableButtons({ playlist.Rows(), playlist.Row(), archiv.Rows(),
            archiv.Row(), m_teile.player.GetStatus(aktiv) == PlayerControl::Playing, m_sperre.gesperrt() });
        fenster.Uebernehmen().setEnabled(f.Uebernehmen);
        fenster.cmdHoch(0).setEnabled(f.cmdHoch[0]);
        fenster.cmdHoch(1).setEnabled(f.cmdHoch[1]);
        fenster.cmdLoeschen().setEnabled(f.cmdLoeschen);
        for (int i = 0; i < 4; ++i)
            fenster.FunbuttonArchivNav(i).setEnabled(f.FunbuttonArchivNav[size_t(i)]);
    });
}
