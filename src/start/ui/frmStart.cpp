#include "start/ui/frmStart.h"

#include "common/Farbe.h"
#include "common/FlexGrid.h"
#include "common/MessageService.h"
#include "common/ProgrammEnde.h"
#include "common/ui/Dialogstil.h"
#include "errors/Procedure.h"
#include "start/JukeboxScreen.h"
#include "start/PasswordFilter.h"
#include "start/StartReport.h"
#include "start/ui/PasswordValidator.h"
#include "start/ui/Startfensterstil.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSlider>
#include <QVBoxLayout>
#include <QWindow>

namespace {

const QString kFensterTitel = QStringLiteral("Quorvane Tonvaro");
const QString kOrdnerText = QStringLiteral("Folgenden Ordner samt Unterordnern nach MP3-Dateien durchsuchen:");
const QString kPfadFehlt = QStringLiteral("Bitte einen gültigen Pfad für die Lieder angeben!");
const QString kOberflaeche = QStringLiteral("Die Oberfläche wird erstellt. Bitte warten...");
const QString kLiederSuchen = QStringLiteral("Lieder werden gesucht und eingelesen. Bitte warten...");
const QString kAufloesung = QStringLiteral("Dieses Programm benötigt mindestens eine Auflösung von 1024 x 768 Pixel!");
const QString kNichtGespeichert = QStringLiteral("Die Einstellungen konnten nicht gespeichert werden:");
constexpr int kTimerAutostartMs = 1000;

template <typename W> W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

frmStart::frmStart(SettingsStore& store, MessageService& meldungen, QWidget* parent)
    : QWidget(parent)
    , m_settings(store)
    , m_meldungen(meldungen)
{
    setObjectName(QStringLiteral("frmStart"));
    setWindowTitle(kFensterTitel);
    buildUi();
    buildMenu();
    connectResets();
    Form_Load();
    m_TimerAutostart.setInterval(kTimerAutostartMs);
    connect(&m_TimerAutostart, &QTimer::timeout, this, &frmStart::TimerAutostart_Timer);
    m_TimerAutostart.start();
}

void frmStart::setScreen(JukeboxScreen* screen, QWidget* fenster)
{
    m_screen = screen;
    m_fenster = fenster;
}

// ---------------------------------------------------------------- layout

void frmStart::buildUi()
{
    setStyleSheet(QString::fromLatin1(kStartfensterStil));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 10, 18, 14);
    layout->setSpacing(10);
    layout->addWidget(buildOrdner());
    auto* mitte = new QHBoxLayout;
    mitte->setSpacing(14);
    mitte->addWidget(buildOptionen(), 1);
    mitte->addWidget(buildDarstellung(), 1);
    layout->addLayout(mitte, 1);
    layout->addWidget(buildStatus());
    layout->addWidget(buildKnoepfe());
    resize(1000, 720);
}

QWidget* frmStart::buildOrdner()
{
    auto* box = new QGroupBox(QStringLiteral("Musikordner, Passwort und Player"));
    auto* grid = new QGridLayout(box);
    Label1 = named(new QLabel, "Label1");
    Text1 = named(new QLineEdit, "Text1");
    cmdDurchsuchen = named(new QPushButton(QStringLiteral("Ordner...")), "cmdDurchsuchen");
    txtPasswort = named(new QLineEdit, "txtPasswort");
    // The window stands on the guests' screen at every start.
    txtPasswort->setEchoMode(QLineEdit::Password);
    // Pasted text must obey the same rule as typed keys.
    txtPasswort->setValidator(new PasswordValidator(txtPasswort));
    txtPasswort->installEventFilter(this);
    txtWinAmpPfad = named(new QLineEdit, "txtWinAmpPfad");
    grid->addWidget(Label1, 0, 0, 1, 3);
    grid->addWidget(Text1, 1, 0, 1, 2);
    grid->addWidget(cmdDurchsuchen, 1, 2);
    grid->addWidget(
        named(new QLabel(QStringLiteral("Passwort zum Ab- und Aufschließen der Jukebox (optional):")), "Label3"), 2, 0);
    grid->addWidget(named(new QLabel(QStringLiteral("WinAmp 2.91 Pfad:")), "lblWinamp"), 2, 1, 1, 2);
    grid->addWidget(txtPasswort, 3, 0);
    grid->addWidget(txtWinAmpPfad, 3, 1, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    connect(cmdDurchsuchen, &QPushButton::clicked, this, &frmStart::cmdDurchsuchen_Click);
    return box;
}

QWidget* frmStart::buildOptionen()
{
    auto* box = new QGroupBox(QStringLiteral("Optionen"));
    auto* column = new QVBoxLayout(box);
    chkZufall = named(new QCheckBox(QStringLiteral("Falls Playliste leer, zufällige Lieder laden")), "chkZufall");
    chkPlayliste = named(new QCheckBox(QStringLiteral("letzte Playliste einlesen")), "chkPlayliste");
    chkPlaylistDoppelklick
        = named(new QCheckBox(QStringLiteral("Doppelklick für Playliste aktivieren")), "chkPlaylistDoppelklick");
    chkMuelleimer
        = named(new QCheckBox(QStringLiteral("Mülleimer/Umsortieren nur mit der rechten Maustaste")), "chkMuelleimer");
    chkRechteMaustaste
        = named(new QCheckBox(QStringLiteral("Rechte Maustaste deaktivieren (Beenden mit F12)")), "chkRechteMaustaste");
    chkPause = named(new QCheckBox(QStringLiteral("Pause mit Klick auf Note aktivieren")), "chkPause");
    chkSmilie = named(new QCheckBox(QStringLiteral("Button für Tic-Tac-Toe-Spiel anzeigen")), "chkSmilie");
    chkFenster = named(new QCheckBox(QStringLiteral("Fenster maximieren")), "chkFenster");
    chkWindowsBlockieren = named(new QCheckBox(QStringLiteral("Windows-Benutzung blockieren")), "chkWindowsBlockieren");
    for (QCheckBox* check : { chkZufall, chkPlayliste, chkPlaylistDoppelklick, chkMuelleimer, chkRechteMaustaste,
             chkPause, chkSmilie, chkFenster, chkWindowsBlockieren })
        column->addWidget(check);
    column->addStretch(1);
    return box;
}

QWidget* frmStart::buildDarstellung()
{
    auto* box = new QGroupBox(QStringLiteral("Darstellung und Wiedergabe"));
    auto* grid = new QGridLayout(box);
    grid->setVerticalSpacing(8);
    grid->setColumnStretch(2, 1);
    const char* const picNames[] = { "PicFarbe", "PicHintergrundfarbe" };
    const char* const labelNames[] = { "Label6", "Label5" };
    const QString captions[] = { QStringLiteral("Buttonfarbe:"), QStringLiteral("Hintergrundfarbe:") };
    int row = 0;
    for (int i = 0; i < 2; ++i, ++row) {
        m_picFarbe[size_t(i)] = named(new QLabel, picNames[i]);
        m_picFarbe[size_t(i)]->setFixedSize(90, 44);
        m_picFarbe[size_t(i)]->setFrameShape(QFrame::Box);
        cmdFarbe[size_t(i)] = named(new QPushButton(QStringLiteral("Wählen...")), "cmdFarbe");
        cmdFarbe[size_t(i)]->setProperty("Index", i);
        connect(cmdFarbe[size_t(i)], &QPushButton::clicked, this, [this, i] { cmdFarbe_Click(i); });
        grid->addWidget(named(new QLabel(captions[i]), labelNames[i]), row, 0);
        grid->addWidget(m_picFarbe[size_t(i)], row, 1);
        grid->addWidget(cmdFarbe[size_t(i)], row, 2, Qt::AlignLeft);
    }

    cmbSchriftgroesse = named(new QComboBox, "cmbSchriftgroesse");
    cmbSchriftgroesse->setMinimumWidth(120);
    grid->addWidget(named(new QLabel(QStringLiteral("Schriftgröße:")), "Label9"), row, 0);
    grid->addWidget(cmbSchriftgroesse, row++, 1, 1, 2, Qt::AlignLeft);

    Slider1 = named(new QSlider(Qt::Horizontal), "Slider1");
    Slider1->setRange(StartSettings::kFadingMin, StartSettings::kFadingMax);
    Slider1->setPageStep(5);
    lblFading = named(new QLabel, "lblFading");
    lblFading->setMinimumWidth(30);
    lblFading->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* fading = new QHBoxLayout;
    fading->setSpacing(8);
    fading->addWidget(Slider1, 1);
    fading->addWidget(lblFading);
    fading->addWidget(named(new QLabel(QStringLiteral("Sekunden")), "Label8"));
    grid->addWidget(named(new QLabel(QStringLiteral("Crossfading-Zeit:")), "Label7"), row, 0);
    grid->addLayout(fading, row++, 1, 1, 2);

    // The long captions stand above their fields.
    cmbAnzahl = named(new QComboBox, "cmbAnzahl");
    grid->addWidget(
        named(new QLabel(QStringLiteral("Maximale Anzahl an Liedern in der Playliste:")), "Label4"), row++, 0, 1, 3);
    grid->addWidget(cmbAnzahl, row++, 0, 1, 2);
    grid->setRowStretch(row, 1);
    return box;
}

QWidget* frmStart::buildStatus()
{
    auto* status = new QWidget;
    auto* row = new QHBoxLayout(status);
    row->setContentsMargins(0, 0, 0, 0);
    Label2 = named(new QLabel, "Label2");
    lblGefunden = named(new QLabel, "lblGefunden");
    lblAbbrechen = named(new QPushButton(QStringLiteral("&Abbrechen")), "lblAbbrechen");
    row->addWidget(Label2, 1);
    row->addWidget(lblGefunden);
    row->addWidget(lblAbbrechen);
    // Room for the countdown and its button, so nothing moves when they appear.
    status->setFixedHeight(52);
    return status;
}

QWidget* frmStart::buildKnoepfe()
{
    auto* knoepfe = new QWidget;
    auto* row = new QHBoxLayout(knoepfe);
    row->setContentsMargins(0, 0, 0, 0);
    cmdOK = named(new QPushButton(QStringLiteral("&OK")), "cmdOK");
    cmdAbbrechen = named(new QPushButton(QStringLiteral("&Nicht durchsuchen")), "cmdAbbrechen");
    cmdBeenden = named(new QPushButton(QStringLiteral("&Beenden")), "cmdBeenden");
    cmdOK->setDefault(true);
    for (QPushButton* button : { cmdOK, cmdAbbrechen, cmdBeenden })
        button->setMinimumSize(200, 56);
    row->addWidget(cmdOK);
    row->addWidget(cmdAbbrechen);
    row->addStretch(1);
    row->addWidget(cmdBeenden);
    connect(cmdOK, &QPushButton::clicked, this, &frmStart::cmdOK_Click);
    connect(cmdAbbrechen, &QPushButton::clicked, this, &frmStart::cmdAbbrechen_Click);
    connect(cmdBeenden, &QPushButton::clicked, this, [this] {
        // In front of the running jukebox an empty screen must not stay behind.
        if (m_fenster && m_fenster->isVisible())
            m_menu.menuBeenden->trigger();
        else
            close();
    });
    return knoepfe;
}

void frmStart::buildMenu()
{
    m_menu.menu = named(new QMenu(QStringLiteral("&Kontext"), this), "menuKontext");
    m_menu.menu->setStyleSheet(QStringLiteral("QMenu { font-size: 14pt; } QMenu::item { padding: 10px 28px; }"));
    auto add = [this](const char* name, const QString& caption) {
        if (!m_menu.menu->isEmpty())
            m_menu.menu->addSeparator();
        QAction* action = m_menu.menu->addAction(caption);
        action->setObjectName(QString::fromUtf8(name));
        return action;
    };
    m_menu.menuBeenden = add("menuBeenden", QStringLiteral("&Beenden"));
    m_menu.menuTags = add("menuTags", QStringLiteral("&MP3-Tags editieren"));
    m_menu.menuLoeschen = add("menuLoeschen", QStringLiteral("&Löschen"));
    m_menu.menuExplorerAnzeigen = add("menuExplorerAnzeigen", QStringLiteral("&Explorer anzeigen"));
    m_menu.menuNeuEinlesen = add("menuNeuEinlesen", QStringLiteral("&Neu einlesen"));
    m_menu.menuZurueck = add("menuZurück", QStringLiteral("&Zurück"));
    connect(m_menu.menuZurueck, &QAction::triggered, this, &frmStart::menuZurueck_Click);
}

void frmStart::connectResets()
{
    for (QCheckBox* check : findChildren<QCheckBox*>())
        connect(check, &QCheckBox::clicked, this, &frmStart::resetCountdown);
    connect(cmbAnzahl, &QComboBox::currentIndexChanged, this, &frmStart::resetCountdown);
    connect(cmbAnzahl, &QComboBox::activated, this, &frmStart::resetCountdown);
    connect(Slider1, &QSlider::valueChanged, this, [this](int value) {
        lblFading->setNum(value);
        resetCountdown();
    });
    connect(Text1, &QLineEdit::textChanged, this, &frmStart::resetCountdown);
    connect(lblAbbrechen, &QPushButton::clicked, this, &frmStart::resetCountdown);
}

// ---------------------------------------------------------------- settings in the controls

StartSettings frmStart::werte() const
{
    StartSettings w;
    w.Pfad = Text1->text();
    w.PW = txtPasswort->text();
    w.Zufall = chkZufall->isChecked();
    w.Doppelklick = chkPlaylistDoppelklick->isChecked();
    w.Maximieren = chkFenster->isChecked();
    w.Farbe = m_farben[Farbpruefung::Buttonfarbe];
    w.Hintergrundfarbe = m_farben[Farbpruefung::Hintergrundfarbe];
    w.Fading = Slider1->value();
    w.Spiel = chkSmilie->isChecked();
    w.Anzahl = cmbAnzahl->currentIndex();
    w.Muelleimer = chkMuelleimer->isChecked();
    w.Playliste = chkPlayliste->isChecked();
    w.RechteMaus = chkRechteMaustaste->isChecked();
    w.Pause = chkPause->isChecked();
    w.Winamp = txtWinAmpPfad->text();
    w.Windows = chkWindowsBlockieren->isChecked();
    w.S = cmbSchriftgroesse->currentIndex();
    w.Lautheit = m_lautheit;
    w.ID3v2 = m_id3v2;
    return w;
}

void frmStart::setWerte(const StartSettings& w)
{
    Text1->setText(w.Pfad);
    txtPasswort->setText(w.PW);
    chkZufall->setChecked(w.Zufall);
    chkPlaylistDoppelklick->setChecked(w.Doppelklick);
    chkFenster->setChecked(w.Maximieren);
    setFarbe(Farbpruefung::Buttonfarbe, w.Farbe);
    setFarbe(Farbpruefung::Hintergrundfarbe, w.Hintergrundfarbe);
    Slider1->setValue(w.Fading);
    lblFading->setNum(w.Fading);
    chkSmilie->setChecked(w.Spiel);
    cmbAnzahl->setCurrentIndex(w.Anzahl);
    chkMuelleimer->setChecked(w.Muelleimer);
    chkPlayliste->setChecked(w.Playliste);
    chkRechteMaustaste->setChecked(w.RechteMaus);
    chkPause->setChecked(w.Pause);
    txtWinAmpPfad->setText(w.Winamp);
    chkWindowsBlockieren->setChecked(w.Windows);
    cmbSchriftgroesse->setCurrentIndex(w.S);
    m_lautheit = w.Lautheit;
    m_id3v2 = w.ID3v2;
}

void frmStart::setFarbe(Farbpruefung::Farbziel ziel, qint32 farbe)
{
    m_farben[ziel] = farbe;
    m_picFarbe[ziel]->setStyleSheet(QStringLiteral("background-color: %1;").arg(zuQColor(farbe).name()));
}

void frmStart::setGefunden(const QString& text)
{
    lblGefunden->setText(text);
}

// ---------------------------------------------------------------- load and activation

void frmStart::Form_Load()
{
    Procedure proc("frmStart", "void frmStart::Form_Load()");
    proc.run([&] {
        lblAbbrechen->hide();
        Label1->setText(kOrdnerText);
    });
    proc.run([&] {
        cmbAnzahl->addItems(StartSettings::anzahlListe());
        cmbSchriftgroesse->addItems(StartSettings::schriftgroessenListe());
    });
    StartSettings gelesen = StartSettings::defaults();
    const bool weiter = m_settings.load(gelesen, proc);
    setWerte(gelesen);
    if (!weiter)
        return;
    proc.run([&] {
        const QSize bildschirm = QGuiApplication::primaryScreen()->size();
        if (bildschirm.height() < 768 || bildschirm.width() < 1024)
            m_meldungen.show(MessageService::Icon::Warning, kAufloesung);
    });
}

bool frmStart::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        Form_Activate();
    if (e->type() == QEvent::Close && !(m_fenster && m_fenster->isVisible())) {
        // Closing the start window while the jukebox screen is not up ends the
        // program; a scan in progress notices the flag and stops.
        ProgrammEnde = true;
    }
    return QWidget::event(e);
}

void frmStart::Form_Activate()
{
    Label2->clear();
    lblGefunden->clear();
}

// ---------------------------------------------------------------- countdown

void frmStart::resetCountdown()
{
    m_countdown.reset();
    Label2->hide();
    lblAbbrechen->hide();
}

void frmStart::TimerAutostart_Timer()
{
    // Stopped for good once a start began; the operator is at the screen while a message or dialog is open.
    QWidget* modal = QApplication::activeModalWidget();
    if (!m_TimerAutostart.isActive() || (modal && modal != this))
        return;
    Procedure proc("frmStart", "void frmStart::TimerAutostart_Timer()");
    proc.run([&] {
        m_countdown.tick();
        if (m_countdown.sichtbar()) {
            Label2->show();
            lblAbbrechen->show();
            Label2->setText(m_countdown.text());
        }
    });
    if (!m_countdown.abgelaufen())
        return;
    // Stopped before the start runs: the scan lets timer events through.
    m_TimerAutostart.stop();
    if (cmdOK->isEnabled())
        cmdOK_Click();
    resetCountdown();
}

// ---------------------------------------------------------------- starting

bool frmStart::startPruefen()
{
    if (Text1->text().trimmed().isEmpty()) {
        m_meldungen.show(MessageService::Icon::Warning, kPfadFehlt);
        return false;
    }
    for (const auto ziel : { Farbpruefung::Buttonfarbe, Farbpruefung::Hintergrundfarbe }) {
        if (Farbpruefung::zuDunkel(m_farben[ziel])) {
            m_meldungen.show(MessageService::Icon::Warning, Farbpruefung::meldung(ziel));
            return false;
        }
    }
    return true;
}

void frmStart::speichern(bool alle)
{
    const bool gespeichert = alle ? m_settings.saveAll(werte()) : m_settings.saveOhneScan(werte());
    if (!gespeichert)
        m_meldungen.show(MessageService::Icon::Warning, kNichtGespeichert + QLatin1Char('\n') + m_settings.ort());
}

void frmStart::startSperren(bool gesperrt)
{
    // One start at a time: loading the screen and the scan let clicks through.
    cmdOK->setEnabled(!gesperrt);
    cmdAbbrechen->setEnabled(!gesperrt);
    if (!gesperrt)
        m_screen->startBeendet();
}

void frmStart::cmdOK_Click()
{
    Procedure proc("frmStart", "void frmStart::cmdOK_Click()");
    bool gueltig = false;
    if (!proc.run([&] { gueltig = startPruefen(); }) || !gueltig)
        return;
    if (!proc.run([&] {
            startSperren(true);
            m_TimerAutostart.stop();
        }))
        return;
    // However the start ends, the operator can start again by hand, and no wait notice stays.
    const auto wiederBereit = qScopeGuard([this] {
        startSperren(false);
        Label2->clear();
    });
    if (!proc.run([&] { speichern(true); }))
        return;
    if (!proc.run([&] {
            Label2->show();
            Label2->setText(kOberflaeche);
            Label2->repaint();
        }))
        return;
    // A fault the operator goes on from counts as loaded; leaving the load does not.
    bool geladen = true;
    if (!proc.run([&] {
            geladen = m_screen->laden();
            repaint();
        })
        || !geladen || ProgrammEnde)
        return;
    if (!proc.run([&] {
            Label2->setText(kLiederSuchen);
            m_screen->Einlesen(Text1->text());
        }))
        return;
    // The scan lets events through; a close requested meanwhile ends the start here.
    if (ProgrammEnde)
        return;
    if (!proc.run([&] {
            FlexGrid& archiv = m_screen->Archiv();
            const StartReport report
                = StartReport::nachScan(archiv.Rows(), archiv.Rows() > 1 ? archiv.TextMatrix(1, 0) : QString());
            if (report.nichtsGefunden)
                archiv.setRows(1);
            m_screen->Startmeldung(report);
        }))
        return;
    if (chkPlayliste->isChecked() && !proc.run([&] { m_screen->PlaylistEinlesen(); }))
        return;
    if (!proc.run([&] { hide(); }) || !proc.run([&] { m_screen->EnabledRechts(!chkRechteMaustaste->isChecked()); })
        || !proc.run([&] { m_screen->zeigen(chkFenster->isChecked()); }))
        return;
    proc.run([&] { m_screen->ZeitenEinlesen(false); }) && proc.run([&] { m_screen->Uhrzeiten(); });
}

void frmStart::cmdAbbrechen_Click()
{
    Procedure proc("frmStart", "void frmStart::cmdAbbrechen_Click()");
    startSperren(true);
    const auto wiederBereit = qScopeGuard([this] { startSperren(false); });
    if (!proc.run([&] { speichern(false); }))
        return;
    // A started jukebox must not be started a second time by the countdown.
    if (!proc.run([&] {
            m_TimerAutostart.stop();
            resetCountdown();
        }))
        return;
    bool geladen = true;
    if (!proc.run([&] { geladen = m_screen->laden(); }) || !geladen)
        return;
    if (!proc.run([&] {
            hide();
            m_screen->Frame1Verstecken();
            m_screen->zeigen(chkFenster->isChecked());
        }))
        return;
    if (chkPlayliste->isChecked())
        proc.run([&] { m_screen->PlaylistEinlesen(); });
}

void frmStart::menuZurueck_Click()
{
    // Emptying the archive under a running scan would mix old and new rows.
    if (m_screen->liestEin())
        return;
    Procedure proc("frmStart", "void frmStart::menuZurueck_Click()");
    if (!proc.run([&] {
            FlexGrid& archiv = m_screen->Archiv();
            archiv.Clear();
            archiv.setRows(2);
            archiv.setFixedRows(1);
        }))
        return;
    proc.run([&] {
        setWindowModality(Qt::ApplicationModal);
        if (m_fenster) {
            winId();
            windowHandle()->setTransientParent(m_fenster->windowHandle());
            Dialogstil::zentrieren(*this, m_fenster->geometry());
        }
        show();
        raise();
        activateWindow();
    });
}

// ---------------------------------------------------------------- folder, colours, password

void frmStart::cmdDurchsuchen_Click()
{
    Procedure proc("frmStart", "void frmStart::cmdDurchsuchen_Click()");
    proc.run([&] {
        const QString ordner = QFileDialog::getExistingDirectory(
            this, QStringLiteral("Ordner wählen"), Text1->text(), QFileDialog::ShowDirsOnly);
        if (!ordner.isEmpty())
            Text1->setText(QDir::toNativeSeparators(ordner));
    });
}

void frmStart::cmdFarbe_Click(int Index)
{
    Procedure proc("frmStart", "void frmStart::cmdFarbe_Click(int Index)", { { "Index", Index } });
    proc.run([&] {
        const auto ziel = Index == 0 ? Farbpruefung::Buttonfarbe : Farbpruefung::Hintergrundfarbe;
        resetCountdown();
        const QColor gewaehlt = QColorDialog::getColor(zuQColor(m_farben[ziel]), this, QStringLiteral("Farbe wählen"));
        if (!gewaehlt.isValid())
            return;
        const qint32 farbe = vonQColor(gewaehlt);
        if (Farbpruefung::zuDunkel(farbe)) {
            m_meldungen.show(MessageService::Icon::Warning, Farbpruefung::meldung(ziel));
            return;
        }
        setFarbe(ziel, farbe);
    });
}

bool frmStart::eventFilter(QObject* watched, QEvent* e)
{
    if (watched != txtPasswort || e->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, e);
    resetCountdown();
    const auto* key = static_cast<QKeyEvent*>(e);
    // Focus moves and the Delete key edit the field without typing a character.
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->key() == Qt::Key_Delete
        || key->text().isEmpty())
        return false;
    if (key->text().size() == 1 && PasswordFilter::erlaubt(key->text().at(0)))
        return false;
    m_meldungen.beep();
    return true;
}
