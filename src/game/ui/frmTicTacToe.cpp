#include "game/ui/frmTicTacToe.h"

#include "common/Farbe.h"
#include "common/ui/Dialogstil.h"
#include "controls/ui/Funbutton.h"
#include "game/Spielknopfbild.h"
#include "game/ui/ctlSmilie.h"

#include <QPainter>

namespace {

// Layout in pixels: the board on the left, the two buttons below it.
constexpr int kRand = 20;
constexpr int kFeld = 150;
constexpr int kLinie = 6;
constexpr int kBrett = 3 * kFeld + 2 * kLinie;
constexpr int kKnopfHoehe = 70;
constexpr int kKnopfBreite = (kBrett - kRand) / 2;

} // namespace

frmTicTacToe::frmTicTacToe(QWidget* parent)
    : QWidget(parent, Qt::Dialog)
    , m_cmdNeu(knopf(QStringLiteral("cmdNeu"), QStringLiteral("Neues Spiel")))
    , m_cmdEnde(knopf(QStringLiteral("cmdEnde"), QStringLiteral("Ende")))
{
    setObjectName(QStringLiteral("frmTicTacToe"));
    setWindowTitle(QStringLiteral("Tic Tac Toe"));
    setWindowModality(Qt::ApplicationModal);
    setAutoFillBackground(true);
    for (int index = 0; index < TicTacToe::kFelder; ++index) {
        auto* stein = new ctlSmilie(this);
        stein->setObjectName(QStringLiteral("ctlSmilie1_%1").arg(index));
        connect(stein, &ctlSmilie::Click, this, [this, index] { ctlSmilie1_Click(index); });
        m_steine[index] = stein;
    }
    connect(m_cmdNeu, &Funbutton::Click, this, &frmTicTacToe::cmdNeu_Click);
    connect(m_cmdEnde, &Funbutton::Click, this, &frmTicTacToe::cmdEnde_Click);
    m_Timer1.setSingleShot(true);
    connect(&m_Timer1, &QTimer::timeout, this, &frmTicTacToe::Timer1_Timer);
    setFixedSize(2 * kRand + kBrett, 3 * kRand + kBrett + kKnopfHoehe);
}

Funbutton* frmTicTacToe::knopf(const QString& name, const QString& text)
{
    const QSize groesse(kKnopfBreite, kKnopfHoehe);
    auto* button = new Funbutton(Spielknopfbild(text, groesse), this);
    button->setObjectName(name);
    // The looks are cut to the button's size when they are made.
    button->resize(groesse);
    return button;
}

void frmTicTacToe::setFarben(qint32 hintergrund, qint32 knopf)
{
    QPalette p = palette();
    if (p.color(QPalette::Window) != zuQColor(hintergrund) || m_cmdNeu->Grundfarbe != knopf)
        m_knoepfeBereit = false;
    p.setColor(QPalette::Window, zuQColor(hintergrund));
    setPalette(p);
    for (Funbutton* button : { m_cmdNeu, m_cmdEnde })
        button->Grundfarbe = knopf;
}

bool frmTicTacToe::oeffnen()
{
    if (isVisible())
        return false;
    if (!m_knoepfeBereit) {
        m_cmdNeu->Ini(100);
        m_cmdEnde->Ini(100);
        m_knoepfeBereit = true;
    }
    for (ctlSmilie* stein : m_steine)
        stein->Ini();
    NeuesSpiel();
    m_Timer1.start(kSchliessenNach);
    // Without a window manager the game would open in the screen's corner.
    if (parentWidget())
        Dialogstil::zentrieren(*this, parentWidget()->window()->geometry());
    show();
    raise();
    activateWindow();
    return true;
}

void frmTicTacToe::cmdNeu_Click()
{
    m_Timer1.start(kSchliessenNach);
    NeuesSpiel();
}

void frmTicTacToe::cmdEnde_Click()
{
    close();
}

void frmTicTacToe::Timer1_Timer()
{
    cmdEnde_Click();
}

void frmTicTacToe::ctlSmilie1_Click(int Index)
{
    m_Timer1.start(kSchliessenNach);
    if (m_spiel.setzen(Index))
        darstellen();
}

void frmTicTacToe::NeuesSpiel()
{
    m_spiel.NeuesSpiel();
    darstellen();
}

void frmTicTacToe::darstellen()
{
    for (int index = 0; index < TicTacToe::kFelder; ++index) {
        ctlSmilie* stein = m_steine[index];
        const bool belegt = m_spiel.feld(index) != TicTacToe::Spieler::Keiner;
        stein->setVisibleMy(belegt);
        if (!belegt)
            continue;
        stein->setFarbe(m_spiel.farbe(index));
        // Set on every piece, so a sad mouth never carries over into the next game.
        stein->Mund(!m_spiel.traurig(index));
    }
}

void frmTicTacToe::hideEvent(QHideEvent* e)
{
    m_Timer1.stop();
    QWidget::hideEvent(e);
}

void frmTicTacToe::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    for (int index = 0; index < TicTacToe::kFelder; ++index) {
        const int zeile = index / 3;
        const int spalte = index % 3;
        m_steine[index]->setGeometry(kRand + spalte * (kFeld + kLinie), kRand + zeile * (kFeld + kLinie), kFeld, kFeld);
    }
    const int knopfY = 2 * kRand + kBrett;
    m_cmdNeu->move(kRand, knopfY);
    m_cmdEnde->move(2 * kRand + kKnopfBreite, knopfY);
}

void frmTicTacToe::paintEvent(QPaintEvent*)
{
    // The grid lines between the cells, in the button shadow colour.
    QPainter painter(this);
    const QColor linie = palette().color(QPalette::Dark);
    for (int i = 1; i < 3; ++i) {
        const int versatz = kRand + i * kFeld + (i - 1) * kLinie;
        painter.fillRect(versatz, kRand, kLinie, kBrett, linie);
        painter.fillRect(kRand, versatz, kBrett, kLinie, linie);
    }
}
