#include "mainwindow/ui/frmMain.h"

#include "common/MessageService.h"
#include "common/ProgrammEnde.h"
#include "common/Twips.h"
#include "common/ui/FlexGridView.h"
#include "controls/Knopfbild.h"
#include "controls/ui/Funbutton.h"
#include "errors/Procedure.h"
#include "library/ui/frmMP3Tags.h"
#include "mainwindow/Einfaerbung.h"
#include "mainwindow/Hauptlayout.h"
#include "playback/PlayerControl.h"
#include "start/ui/frmStart.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScopedValueRollback>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// The players the program opens: two for crossfading, one for measuring.
constexpr int kPlayerAnzahl = 3;
// Design place of the window's title caption, in twips.
constexpr QPoint kLabel1Ort(600, 150);
// The buttons' look is prepared for this share; it is only recorded.
constexpr qint16 kIniProzent = 80;

void textfarbe(QWidget* widget, const QColor& farbe)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, farbe);
    widget->setPalette(palette);
}

void hintergrund(QWidget* widget, const QColor& farbe)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, farbe);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

frmMain::frmMain(frmStart& start, MessageService& meldungen, PlayerControl& player, const Clock& uhr,
    KioskErzeuger kiosk, QWidget* parent)
    : QWidget(parent)
    , m_start(start)
    , m_meldungen(meldungen)
    , m_player(player)
    , m_archiv(MSFlexGrid1, MSFlexGrid2)
    , m_liedersuche(m_archiv, meldungen)
    , m_kiosk(kiosk(this))
    , m_hilfeUndSpiel(*this, start)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Quorvane Tonvaro"));
    MSFlexGrid1.setObjectName(QStringLiteral("MSFlexGrid1"));
    MSFlexGrid2.setObjectName(QStringLiteral("MSFlexGrid2"));
    MSFlexGrid1.setRows(2);
    MSFlexGrid1.setFixedRows(1);
    // The playlist starts with its header only; later starts keep its songs.
    MSFlexGrid2.setRows(1);
    resize(1024, 768);
    buildUi();
    const Bildschirmteile teile { *this, m_start, m_player, uhr, m_archiv, *m_view1, *m_view2 };
    m_wiedergabe = std::make_unique<Wiedergabeanbindung>(Wiedergabeanbindung::Teile { teile, *Balken, *Balkentext });
    m_archivseite = std::make_unique<Archivanbindung>(
        Archivanbindung::Teile { teile, *txtSortierung, m_wiedergabe->wiedergabe() });
    verbinden();
    Frame1->raise();
}

frmMain::~frmMain()
{
    // Also when the screen was never shown or its close was left at a fault, the desktop comes back.
    m_kiosk->freigeben();
    // The views go before the grids they show, which are members and die first otherwise.
    delete m_view1;
    delete m_view2;
}

void frmMain::buildUi()
{
    m_view1 = new FlexGridView(this);
    m_view1->setObjectName(QStringLiteral("MSFlexGridView1"));
    m_view1->setGrid(&MSFlexGrid1);
    m_view2 = new FlexGridView(this);
    m_view2->setObjectName(QStringLiteral("MSFlexGridView2"));
    m_view2->setGrid(&MSFlexGrid2);

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setLineWidth(2);
    Frame1->setAutoFillBackground(true);
    Frame1->hide();
    m_lblStartmeldung = new QLabel(Frame1);
    m_lblStartmeldung->setObjectName(QStringLiteral("lblStartmeldung"));
    m_lblStartmeldung->setStyleSheet(QStringLiteral("font-size: 20pt; font-weight: bold;"));
    m_lblStartmeldung2 = new QLabel(Frame1);
    m_lblStartmeldung2->setObjectName(QStringLiteral("lblStartmeldung2"));
    m_lblStartmeldung2->setStyleSheet(QStringLiteral("font-size: 13pt;"));
    auto* frameLayout = new QVBoxLayout(Frame1);
    for (QLabel* label : { m_lblStartmeldung, m_lblStartmeldung2 }) {
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        frameLayout->addWidget(label);
    }

    m_TimerStartmeldung.setSingleShot(false);
    m_TimerStartmeldung.setInterval(StartReport::kIntervall);

    txtEingabe = new QLineEdit(this);
    txtEingabe->setObjectName(QStringLiteral("txtEingabe"));
    txtSortierung = new QLineEdit(this);
    txtSortierung->setObjectName(QStringLiteral("txtSortierung"));
    // Only the keyboard types into it; a touch must not take the focus from the grids.
    txtSortierung->setReadOnly(true);
    txtSortierung->setFocusPolicy(Qt::NoFocus);
    txtSortierung->setAlignment(Qt::AlignCenter);
    txtSortierung->setStyleSheet(QStringLiteral("font-size: 14pt; font-weight: bold;"));
    Label1 = new QLabel(QStringLiteral("Quorvane Tonvaro"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setStyleSheet(QStringLiteral("font-size: 14pt; font-weight: bold;"));
    Label1->adjustSize();
    Label1->move(twipsToPixels(QRect(kLabel1Ort, QSize()), logicalDpiX()).topLeft());
    Label2 = new QLabel(QStringLiteral("Musikbox"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setStyleSheet(QStringLiteral("font-size: 11pt;"));
    Label2->adjustSize();
    Balken = new QFrame(this);
    Balken->setObjectName(QStringLiteral("Balken"));
    // The time display gives the bar its length once a song plays.
    Balken->setGeometry(twipsToPixels(QRect(Hauptlayout::kRand, 0, 0, Hauptlayout::kBalkenHoehe), logicalDpiX()));
    Balkentext = new QLabel(Balken);
    Balkentext->setObjectName(QStringLiteral("Balkentext"));
    Balkentext->setStyleSheet(QStringLiteral("font-weight: bold;"));
    touchbuttonsBauen();
}

void frmMain::touchbuttonsBauen()
{
    const double dpi = logicalDpiX();
    const auto knopf = [&](const char* name, Knopfsymbol symbol, QSize twips) {
        const QSize groesse = twipsToPixels(QRect(QPoint(), twips), dpi).size();
        auto* button = new Funbutton(Knopfbild(symbol, groesse), this);
        button->setObjectName(QString::fromLatin1(name));
        button->resize(groesse);
        return button;
    };
    m_FunbuttonArchivNav = { knopf("FunbuttonArchivNav0", Knopfsymbol::SeiteHoch, Hauptlayout::kNavGroesse),
        knopf("FunbuttonArchivNav1", Knopfsymbol::SeiteRunter, Hauptlayout::kNavGroesse),
        knopf("FunbuttonArchivNav2", Knopfsymbol::SeiteHoch, Hauptlayout::kNavGroesse),
        knopf("FunbuttonArchivNav3", Knopfsymbol::SeiteRunter, Hauptlayout::kNavGroesse) };
    m_Uebernehmen = knopf("Uebernehmen", Knopfsymbol::Uebernehmen, Hauptlayout::kUebernehmenGroesse);
    m_cmdHoch = { knopf("cmdHoch0", Knopfsymbol::ZeileHoch, Hauptlayout::kSpaltenGroesse),
        knopf("cmdHoch1", Knopfsymbol::ZeileRunter, Hauptlayout::kSpaltenGroesse) };
    m_cmdLoeschen = knopf("cmdLoeschen", Knopfsymbol::Loeschen, Hauptlayout::kSpaltenGroesse);
    m_Schloss = knopf("Schloss", Knopfsymbol::SchlossOffen, Hauptlayout::kSpaltenGroesse);
    m_Schloss2 = knopf("Schloss2", Knopfsymbol::SchlossZu, Hauptlayout::kSpaltenGroesse);
    // Shown only while the screen is locked.
    m_Schloss2->hide();
    m_cmdSmilie = knopf("cmdSmilie", Knopfsymbol::Smilie, Hauptlayout::kRundGroesse);
    m_cmdFragezeichen = knopf("cmdFragezeichen", Knopfsymbol::Fragezeichen, Hauptlayout::kRundGroesse);
    m_Positionsgrafik = knopf("Positionsgrafik", Knopfsymbol::Note, Hauptlayout::kPositionsgrafikGroesse);
}

QList<Funbutton*> frmMain::Touchbuttons() const
{
    return { m_Uebernehmen, m_cmdHoch[0], m_cmdHoch[1], m_cmdLoeschen, m_FunbuttonArchivNav[0], m_FunbuttonArchivNav[1],
        m_FunbuttonArchivNav[2], m_FunbuttonArchivNav[3], m_Schloss, m_Schloss2, m_cmdSmilie, m_Positionsgrafik,
        m_cmdFragezeichen };
}

// All connections of the window in one place.
void frmMain::verbinden()
{
    connect(&m_TimerStartmeldung, &QTimer::timeout, this, &frmMain::TimerStartmeldung_Timer);
    connect(m_cmdFragezeichen, &Funbutton::Click, &m_hilfeUndSpiel, &HilfeUndSpiel::cmdFragezeichen_Click);
    connect(m_cmdSmilie, &Funbutton::MouseUp, &m_hilfeUndSpiel, &HilfeUndSpiel::cmdSmilie_MouseUp);
    m_liedersuche.setGefundenAnzeige([this](const QString& text) { m_start.setGefunden(text); });
    // A filter runs before the grids' own key handling and every handler connected to it.
    m_view1->installEventFilter(this);
    m_view2->installEventFilter(this);
    const frmStart::Kontextmenue& menu = m_start.kontextmenue();
    connect(menu.menuBeenden, &QAction::triggered, this, &frmMain::menuBeenden_Click);
    connect(menu.menuLoeschen, &QAction::triggered, this, &frmMain::menuDateiEntfernen_Click);
    connect(menu.menuExplorerAnzeigen, &QAction::triggered, this, &frmMain::menuExplorerAnzeigen_Click);
    connect(menu.menuNeuEinlesen, &QAction::triggered, this, &frmMain::menuNeuEinlesen_Click);
    connect(menu.menuTags, &QAction::triggered, this, &frmMain::menuTags_Click);
}

void frmMain::menuTags_Click()
{
    frmMP3Tags::menuTags_Click(
        m_archiv, MSFlexGrid1.Row(), m_player, [this] { return AktiverPlayer(); }, this);
}

// ---------------------------------------------------------------- start

bool frmMain::laden()
{
    if (qEnvironmentVariableIsSet("TONVARO_STARTZEIT"))
        m_startzeit.start();
    return Form_Load();
}

bool frmMain::Form_Load()
{
    Procedure proc("frmMain", "bool frmMain::Form_Load()");
    const StartSettings optionen = m_start.werte();
    m_wiedergabe->wiedergabe().sequenzer().setZufallAngehalten(true);
    if (!proc.run([&] {
            // Every start applies the option as it is now: unticked after "Zurück", the desktop comes back.
            if (optionen.Windows)
                m_kiosk->sperren();
            else
                m_kiosk->freigeben();
        }))
        return false;
    if (!proc.run([&] { m_lblStartmeldung->setText(QStringLiteral("Lieder werden eingelesen...")); })
        || !proc.run([&] { m_archiv.TabellenBeschriften(false); }) || !proc.run([&] { m_Fadingzeit = optionen.Fading; })
        || !proc.run([&] {
               txtEingabe->hide();
               txtSortierung->hide();
           }))
        return false;
    // The options apply as they are at this start: the keyboard goes, the lock follows the password.
    if (!proc.run([&] { m_archivseite->laden(); }) || !proc.run([&] { m_cmdSmilie->setVisible(optionen.Spiel); })
        || !proc.run([&] {
               m_cmdLoeschen->setLinksGesperrt(optionen.Muelleimer);
               m_cmdHoch[0]->setLinksGesperrt(optionen.Muelleimer);
               m_cmdHoch[1]->setLinksGesperrt(optionen.Muelleimer);
           }))
        return false;
    QCoreApplication::processEvents();
    if (!proc.run([&] { Einfaerben(optionen.Hintergrundfarbe, optionen.Farbe); }) || !proc.run([&] {
            for (Funbutton* pfeil : m_FunbuttonArchivNav)
                pfeil->setRepeatEnabled(true);
        })
        || !proc.run([&] {
               m_cmdHoch[0]->setEnabled(false);
               m_cmdHoch[1]->setEnabled(false);
           }))
        return false;
    return proc.run([&] {
        MSFlexGrid1.setFontSize(optionen.schriftgroesse());
        MSFlexGrid2.setFontSize(optionen.schriftgroesse());
        // The rows the archive shows depend on the font.
        Form_Resize();
    }) && proc.run([&] { m_wiedergabe->starten(); })
        && proc.run([&] { EnableButtons(); });
}

void frmMain::EnabledRechts(bool Wert)
{
    for (Funbutton* knopf : Touchbuttons())
        knopf->setEnabledRechts(Wert);
}

void frmMain::Einfaerben(qint32 Hintergrund, qint32 Vordergrund)
{
    Procedure proc("frmMain", "void frmMain::Einfaerben(qint32 Hintergrund, qint32 Vordergrund)",
        { { "Hintergrund", Hintergrund }, { "Vordergrund", Vordergrund } });
    const StartSettings optionen = m_start.werte();
    const Einfaerbung farben = Einfaerbung::fuer(Hintergrund, Vordergrund, optionen.Farbe, optionen.Hintergrundfarbe);
    if (!proc.run([&] {
            MSFlexGrid1.setColours(farben.archiv);
            MSFlexGrid2.setColours(farben.playlist);
            hintergrund(Frame1, farben.frame1);
            textfarbe(m_lblStartmeldung, farben.meldungen);
            textfarbe(m_lblStartmeldung2, farben.meldungen);
            hintergrund(this, farben.fenster);
            for (Funbutton* knopf : Touchbuttons())
                knopf->Grundfarbe = Vordergrund;
            hintergrund(Balken, farben.balken);
            textfarbe(Balkentext, Einfaerbung::Beschriftungsfarbe(optionen.Farbe));
        }))
        return;
    QCoreApplication::processEvents();
    // Making the looks is slow: only for new colours, which a start after "Zurück" may bring.
    if (!proc.run([&] {
            const std::pair farben(Hintergrund, Vordergrund);
            if (m_knopffarben == farben || ProgrammEnde)
                return;
            for (Funbutton* knopf : Touchbuttons())
                knopf->Ini(kIniProzent);
            m_knopffarben = farben;
        }))
        return;
    proc.run([&] {
        textfarbe(Label1, farben.beschriftungen);
        textfarbe(Label2, farben.beschriftungen);
    });
}

void frmMain::Einlesen(const QString& Startordner)
{
    QScopedValueRollback liestEin(m_liestEin, true);
    m_archiv.setId3v2(m_start.werte().ID3v2);
    m_liedersuche.Einlesen(Startordner);
}

void frmMain::Startmeldung(const StartReport& report)
{
    Procedure proc("frmMain", "void frmMain::Startmeldung(const StartReport& report)");
    proc.run([&] {
        Frame1->show();
        Frame1->raise();
        m_TimerStartmeldung.setInterval(report.intervall);
        m_lblStartmeldung->setText(report.lblStartmeldung);
        m_lblStartmeldung2->setText(report.lblStartmeldung2);
        m_TimerStartmeldung.start();
    });
}

void frmMain::Frame1Verstecken()
{
    Frame1->hide();
}

void frmMain::zeigen(bool maximieren)
{
    // Without a window manager the states alone do not size the window, so the geometry goes with them.
    if (m_kiosk->vollbild()) {
        setGeometry(screen()->geometry());
        showFullScreen();
    } else if (maximieren) {
        setGeometry(screen()->availableGeometry());
        showMaximized();
    } else {
        show();
    }
    raise();
    activateWindow();
}

bool frmMain::Frame1Sichtbar() const
{
    return Frame1->isVisible();
}

QString frmMain::lblStartmeldung() const
{
    return m_lblStartmeldung->text();
}

QString frmMain::lblStartmeldung2() const
{
    return m_lblStartmeldung2->text();
}

void frmMain::TimerStartmeldung_Timer()
{
    m_TimerStartmeldung.stop();
    Frame1->hide();
}

// ---------------------------------------------------------------- context menu commands

void frmMain::menuBeenden_Click()
{
    Procedure proc("frmMain", "void frmMain::menuBeenden_Click()");
    ProgrammEnde = true;
    m_hilfeUndSpiel.schliessen();
    m_archivseite->stoppen();
    if (!proc.run([&] { m_start.close(); }) || !proc.run([&] { playerSchliessen(); }))
        return;
    proc.run([&] { close(); });
}

void frmMain::closeEvent(QCloseEvent* e)
{
    // Closing is never refused.
    e->accept();
    Form_QueryUnload();
}

void frmMain::Form_QueryUnload()
{
    if (m_entladen)
        return;
    m_entladen = true;
    Procedure proc("frmMain", "void frmMain::Form_QueryUnload()");
    ProgrammEnde = true;
    m_hilfeUndSpiel.schliessen();
    m_archivseite->stoppen();
    m_wiedergabe->stoppen();
    if (!proc.run([&] { m_kiosk->freigeben(); }) || !proc.run([&] { m_wiedergabe->wiedergabe().PlaylistSpeichern(); })
        || !proc.run([&] { m_start.close(); }) || !proc.run([&] { playerSchliessen(); }))
        return;
    // Whatever else is still open (messages, the error window) goes with the main window.
    QCoreApplication::quit();
}

void frmMain::playerSchliessen()
{
    for (int index = 0; index < kPlayerAnzahl; ++index)
        m_player.OpenMP3(index, QString());
}

void frmMain::menuNeuEinlesen_Click()
{
    // A second scan nested into a running one would add every row twice.
    if (m_liestEin)
        return;
    Procedure proc("frmMain", "void frmMain::menuNeuEinlesen_Click()");
    Dauermessung& dauer = m_wiedergabe->wiedergabe().dauermessung();
    proc.run([&] { m_archiv.TabelleLeeren(MSFlexGrid1); }) && proc.run([&] { Einlesen(m_start.werte().Pfad); })
        && proc.run([&] { dauer.setZeitenFertig(false); }) && proc.run([&] { dauer.ZeitenEinlesen(false); });
}

void frmMain::ZeitenEinlesen(bool NurSichtbare)
{
    m_wiedergabe->wiedergabe().dauermessung().ZeitenEinlesen(NurSichtbare);
}

void frmMain::menuExplorerAnzeigen_Click()
{
    Procedure proc("frmMain", "void frmMain::menuExplorerAnzeigen_Click()");
    proc.run([&] {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(m_start.werte().Pfad))) {
            m_meldungen.show(
                MessageService::Icon::Warning, QStringLiteral("Der Dateimanager konnte nicht geöffnet werden."));
            return;
        }
        // The file manager opens in a window of its own, which the blocked screen would cover.
        m_kiosk->zuruecktreten();
    });
}

void frmMain::menuDateiEntfernen_Click()
{
    if (m_liestEin)
        return;
    Procedure proc("frmMain", "void frmMain::menuDateiEntfernen_Click()");
    // Only a song row names a file; the header and the empty row of an empty archive do not.
    const int zeile = MSFlexGrid1.Row();
    const QString datei = zeile >= MSFlexGrid1.FixedRows() ? MSFlexGrid1.TextMatrix(zeile, ::Archiv::Pfad) : QString();
    if (datei.isEmpty())
        return;
    bool loeschen = false;
    if (!proc.run([&] { loeschen = m_meldungen.askYesNo(QStringLiteral("Dieses Lied wirklich löschen?")); })
        || !loeschen)
        return;
    if (!proc.run([&] {
            // A song must not go on playing from a file that is gone.
            if (datei == m_player.GetFileName(AktiverPlayer())) {
                m_player.StopMP3(AktiverPlayer());
                QCoreApplication::processEvents();
            }
        }))
        return;
    // A file that is gone already counts as deleted: the rescan drops its row.
    if (!QFile::remove(datei) && QFileInfo::exists(datei)) {
        m_meldungen.show(MessageService::Icon::Warning, QStringLiteral("Das Lied konnte nicht gelöscht werden."));
        return;
    }
    menuNeuEinlesen_Click();
}
