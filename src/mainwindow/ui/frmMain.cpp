#include "mainwindow/ui/frmMain.h"

#include "common/MessageService.h"
#include "common/ProgrammEnde.h"
#include "common/Twips.h"
#include "common/ui/FlexGridView.h"
#include "common/ui/InputCodes.h"
#include "errors/Procedure.h"
#include "library/ui/frmMP3Tags.h"
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
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int kKeyDelete = 46;
constexpr int kKeyF11 = 122;
constexpr int kKeyF12 = 123;
// The players the program opens: two for crossfading, one for measuring.
constexpr int kPlayerAnzahl = 3;
// Design size of the message frame, in twips.
constexpr QSize kFrame1Groesse(7800, 2400);

} // namespace

frmMain::frmMain(
    frmStart& start, MessageService& meldungen, PlayerControl& player, KioskErzeuger kiosk, QWidget* parent)
    : QWidget(parent)
    , m_start(start)
    , m_meldungen(meldungen)
    , m_player(player)
    , m_archiv(MSFlexGrid1, MSFlexGrid2)
    , m_liedersuche(m_archiv, meldungen)
    , m_kiosk(kiosk(this))
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
    verbinden();
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
}

// All connections of the window in one place.
void frmMain::verbinden()
{
    connect(&m_TimerStartmeldung, &QTimer::timeout, this, &frmMain::TimerStartmeldung_Timer);
    m_liedersuche.setGefundenAnzeige([this](const QString& text) { m_start.setGefunden(text); });
    for (FlexGridView* view : { m_view1, m_view2 }) {
        // The form sees the keys before its grids do.
        connect(view, &FlexGridView::keyDown, this, [this](int& keyCode, int shift) {
            if (Form_KeyDown(keyCode, shift))
                keyCode = 0;
        });
    }
    const frmStart::Kontextmenue& menu = m_start.kontextmenue();
    connect(menu.menuBeenden, &QAction::triggered, this, &frmMain::menuBeenden_Click);
    connect(menu.menuLoeschen, &QAction::triggered, this, &frmMain::menuDateiEntfernen_Click);
    connect(menu.menuExplorerAnzeigen, &QAction::triggered, this, &frmMain::menuExplorerAnzeigen_Click);
    connect(menu.menuNeuEinlesen, &QAction::triggered, this, &frmMain::menuNeuEinlesen_Click);
    connect(menu.menuTags, &QAction::triggered, this, [this] {
        frmMP3Tags::menuTags_Click(
            m_archiv, MSFlexGrid1.Row(), m_player, [this] { return m_AktiverPlayer; }, this);
    });
}

// ---------------------------------------------------------------- start

bool frmMain::laden()
{
    return Form_Load();
}

bool frmMain::Form_Load()
{
    Procedure proc("frmMain", "bool frmMain::Form_Load()");
    const StartSettings optionen = m_start.werte();
    if (!proc.run([&] {
            // Every start applies the option as it is now: unticked after "Zurück", the desktop comes back.
            if (optionen.Windows)
                m_kiosk->sperren();
            else
                m_kiosk->freigeben();
        }))
        return false;
    if (!proc.run([&] { m_lblStartmeldung->setText(QStringLiteral("Lieder werden eingelesen...")); })
        || !proc.run([&] { m_archiv.TabellenBeschriften(false); })
        || !proc.run([&] { m_Fadingzeit = optionen.Fading; }))
        return false;
    QCoreApplication::processEvents();
    return proc.run([&] {
        MSFlexGrid1.setFontSize(optionen.schriftgroesse());
        MSFlexGrid2.setFontSize(optionen.schriftgroesse());
    });
}

void frmMain::Einlesen(const QString& Startordner)
{
    QScopedValueRollback liestEin(m_liestEin, true);
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

// ---------------------------------------------------------------- window events

bool frmMain::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        Form_Activate();
    return QWidget::event(e);
}

void frmMain::Form_Activate()
{
    if (isVisible())
        m_view1->setFocus();
    QCoreApplication::processEvents();
    if (ProgrammEnde)
        close();
}

void frmMain::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    Form_Resize();
}

void frmMain::Form_Resize()
{
    const double dpi = logicalDpiX();
    const auto pixels = [dpi](const QRect& twips) {
        return QRect(twipsToPixels(twips.x(), dpi), twipsToPixels(twips.y(), dpi), twipsToPixels(twips.width(), dpi),
            twipsToPixels(twips.height(), dpi));
    };
    const Hauptlayout layout
        = Hauptlayout::fuer(pixelsToTwips(width(), dpi), pixelsToTwips(height(), dpi), kFrame1Groesse);
    m_view1->setGeometry(pixels(layout.archiv));
    m_view2->setGeometry(pixels(layout.playlist));
    Frame1->setGeometry(pixels(layout.frame1));
    // The views report their widths only once they are laid out; the columns need them now.
    MSFlexGrid1.setWidth(layout.archiv.width());
    MSFlexGrid2.setWidth(layout.playlist.width());
    m_archiv.Spaltenbreite();
}

bool frmMain::Form_KeyDown(int KeyCode, int Shift)
{
    Procedure proc("frmMain", "bool frmMain::Form_KeyDown(int KeyCode, int Shift)",
        { { "KeyCode", KeyCode }, { "Shift", Shift } });
    switch (KeyCode) {
    case kKeyF12:
        proc.run([&] { menuBeenden_Click(); });
        return true;
    case kKeyF11:
        proc.run([&] { m_start.menuZurueck_Click(); });
        return true;
    default:
        return false;
    }
}

void frmMain::keyPressEvent(QKeyEvent* e)
{
    if (!Form_KeyDown(InputCodes::virtualKeyCode(*e), InputCodes::shiftBits(e->modifiers())))
        QWidget::keyPressEvent(e);
}

void frmMain::mousePressEvent(QMouseEvent* e)
{
    const QPoint punkt = e->position().toPoint();
    Form_MouseDown(InputCodes::buttonNumber(e->button()), InputCodes::shiftBits(e->modifiers()),
        pixelsToTwips(punkt.x(), logicalDpiX()), pixelsToTwips(punkt.y(), logicalDpiY()));
}

void frmMain::Form_MouseDown(int Button, int Shift, int X, int Y)
{
    Procedure proc("frmMain", "void frmMain::Form_MouseDown(int Button, int Shift, int X, int Y)",
        { { "Button", Button }, { "Shift", Shift }, { "X", X }, { "Y", Y } });
    proc.run([&] {
        if (Button == InputCodes::kRightButton && !m_start.werte().RechteMaus)
            m_start.kontextmenue().menu->popup(
                mapToGlobal(QPoint(twipsToPixels(X, logicalDpiX()), twipsToPixels(Y, logicalDpiY()))));
    });
}

// ---------------------------------------------------------------- context menu commands

void frmMain::menuBeenden_Click()
{
    Procedure proc("frmMain", "void frmMain::menuBeenden_Click()");
    ProgrammEnde = true;
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
    if (!proc.run([&] { m_kiosk->freigeben(); }) || !proc.run([&] { m_start.close(); })
        || !proc.run([&] { playerSchliessen(); }))
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
    if (!proc.run([&] { m_archiv.TabelleLeeren(MSFlexGrid1); }))
        return;
    proc.run([&] { Einlesen(m_start.werte().Pfad); });
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
            if (datei == m_player.GetFileName(m_AktiverPlayer)) {
                m_player.StopMP3(m_AktiverPlayer);
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
