#include "mainwindow/ui/Wiedergabeanbindung.h"

#include "common/Helpers.h"
#include "common/ui/FlexGridView.h"
#include "controls/ui/Funbutton.h"
#include "library/Archiv.h"
#include "mainwindow/ui/frmMain.h"
#include "start/ui/frmStart.h"

#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QRandomGenerator>

namespace {

// A notice for guests stays this long.
constexpr int kMeldungMs = 2000;

} // namespace

Wiedergabeanbindung::Wiedergabeanbindung(Teile teile)
    : m_teile(teile)
    , m_wiedergabe(
          { teile.fenster.Archiv(), teile.fenster.Playlist(), teile.player, teile.uhr, *this },
          [] { return QRandomGenerator::global()->generateDouble(); }, &Dauermessung::Dateilaenge,
          PlaylistDatei::imProgrammordner())
{
    m_Timer1.setInterval(Wiedergabe::kTimer1Intervall);
    verbinden();
}

void Wiedergabeanbindung::verbinden()
{
    frmMain& fenster = m_teile.fenster;
    Playliste& playliste = m_wiedergabe.playliste();
    Sequenzer& sequenzer = m_wiedergabe.sequenzer();
    connect(&m_Timer1, &QTimer::timeout, this, [&sequenzer] { sequenzer.Timer1_Timer(); });
    connect(&m_wiedergabe.zeitbalken(), &Zeitbalken::geaendert, this, &Wiedergabeanbindung::balkenZeigen);
    connect(&fenster.Positionsgrafik(), &Funbutton::Click, this, [&sequenzer] { sequenzer.Positionsgrafik_Click(); });
    connect(&fenster.Uebernehmen(), &Funbutton::Click, this, [&playliste] { playliste.Uebernehmen_Click(); });
    // Delete and move act on the press through the mouse-button rules only: their Click fires on every press.
    connect(&fenster.cmdLoeschen(), &Funbutton::MouseDown, this,
        [&playliste](int button, int shift, int x, int y) { playliste.cmdLoeschen_MouseDown(button, shift, x, y); });
    for (int i = 0; i < 2; ++i) {
        connect(&fenster.cmdHoch(i), &Funbutton::MouseDown, this, [&playliste, i](int button, int shift, int x, int y) {
            playliste.cmdHoch_MouseDown(i, button, shift, x, y);
        });
        connect(&fenster.cmdHoch(i), &Funbutton::ClickDisabled, this,
            [&playliste, i] { playliste.cmdHoch_ClickDisabled(i); });
    }
    FlexGridView& view = m_teile.playlistView;
    connect(&view, &FlexGridView::keyDown, this, [&playliste](int& keyCode, int shift) {
        // The window has seen the key first and may have used it.
        if (keyCode != 0 && playliste.MSFlexGrid2_KeyDown(keyCode, shift))
            keyCode = 0;
    });
    connect(&view, &FlexGridView::dblClick, this, [&playliste] { playliste.MSFlexGrid2_DblClick(); });
    connect(&view, &FlexGridView::mouseDown, this,
        [&playliste](int button, int shift, int x, int y) { playliste.MSFlexGrid2_MouseDown(button, shift, x, y); });
    connect(&view, &FlexGridView::selChange, this, [&playliste] { playliste.MSFlexGrid2_SelChange(); });
    connect(&view, &FlexGridView::validate, this, [&playliste] { playliste.MSFlexGrid2_Validate(); });
}

void Wiedergabeanbindung::balkenZeigen(const Balkenzustand& zustand)
{
    QFrame& balken = m_teile.Balken;
    Funbutton& note = m_teile.fenster.Positionsgrafik();
    // The bar is centred: the full width leaves its left margin on both sides.
    const int volleBreite = qMax(0, m_teile.fenster.width() - 2 * balken.x());
    const auto pixel
        = [volleBreite](double sekunden) { return int(sekunden / Balkenzustand::kVolleBreiteSekunden * volleBreite); };
    balken.resize(pixel(double(zustand.BalkenLaenge)), balken.height());
    m_teile.Balkentext.setGeometry(balken.rect());
    m_teile.Balkentext.setText(Anzeigetext(zustand.Balkentext));
    note.setBlinken(zustand.Blinken);
    note.move(balken.x() + pixel(zustand.Noteposition) - note.width() / 2, note.y());
}

Wiedergabeoptionen Wiedergabeanbindung::optionen() const
{
    const StartSettings werte = m_teile.start.werte();
    Wiedergabeoptionen optionen;
    optionen.Fadingzeit = m_teile.fenster.Fadingzeit();
    optionen.Anzahl = werte.Anzahl;
    optionen.Zufall = werte.Zufall;
    optionen.Muelleimer = werte.Muelleimer;
    optionen.RechteMaus = werte.RechteMaus;
    optionen.Pause = werte.Pause;
    optionen.Lautheit = werte.Lautheit;
    return optionen;
}

bool Wiedergabeanbindung::schlossAuf() const
{
    return m_teile.fenster.schlossAuf();
}

void Wiedergabeanbindung::setUebernehmenEnabled(bool enabled)
{
    m_teile.fenster.Uebernehmen().setEnabled(enabled);
}

bool Wiedergabeanbindung::cmdLoeschenEnabled() const
{
    return m_teile.fenster.cmdLoeschen().Enabled();
}

void Wiedergabeanbindung::setCmdLoeschenEnabled(bool enabled)
{
    m_teile.fenster.cmdLoeschen().setEnabled(enabled);
}

bool Wiedergabeanbindung::cmdHochEnabled(int index) const
{
    return m_teile.fenster.cmdHoch(index).Enabled();
}

void Wiedergabeanbindung::EnableButtons()
{
    m_teile.fenster.EnableButtons();
}

void Wiedergabeanbindung::Meldung(const QString& text)
{
    m_teile.fenster.Startmeldung({ text, QString(), kMeldungMs });
}

void Wiedergabeanbindung::playlistFokus()
{
    m_teile.playlistView.setFocus();
}

void Wiedergabeanbindung::archivFokus()
{
    m_teile.archivView.setFocus();
}

void Wiedergabeanbindung::KontextmenueZeigen()
{
    m_teile.start.kontextmenue().menu->popup(QCursor::pos());
}

int Wiedergabeanbindung::ArchivZeile() const
{
    return m_teile.fenster.ArchivZeile();
}

void Wiedergabeanbindung::setArchivZeile(int zeile)
{
    m_teile.fenster.setArchivZeile(zeile);
}

void Wiedergabeanbindung::ArchivSortieren(int spalte)
{
    m_teile.fenster.setSortierspalte(spalte);
    m_teile.fenster.Sortieren(false, false);
}

void Wiedergabeanbindung::TabellenBeschriften()
{
    m_teile.archiv.TabellenBeschriften(false);
}
