#include "game/ui/frmTicTacToe.h"

#include "controls/Steuerfarbe.h"
#include "game/ui/ctlSmilie.h"

#include <QPainter>
#include <QPushButton>

namespace {

// Layout in pixels: the board on the left, the two buttons below it.
constexpr int kRand = 20;
constexpr int kFeld = 150;
constexpr int kLinie = 6;
constexpr int kBrett = 3 * kFeld + 2 * kLinie;
constexpr int kKnopfHoehe = 70;

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
    // Touch buttons act on the press.
    connect(m_cmdNeu, &QAbstractButton::pressed, this, &frmTicTacToe::cmdNeu_Click);
    connect(m_cmdEnde, &QAbstractButton::pressed, this, &frmTicTacToe::cmdEnde_Click);
    m_Timer1.setSingleShot(true);
    connect(&m_Timer1, &QTimer::timeout, this, &frmTicTacToe::Timer1_Timer);
    setFixedSize(2 * kRand + kBrett, 3 * kRand + kBrett + kKnopfHoehe);
}

// Plain push buttons stand in for the touch buttons until those join the game.
QAbstractButton* frmTicTacToe::knopf(const QString& name, const QString& text)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void frmTicTacToe::setFarben(qint32 hintergrund, qint32 knopf)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, zuQColor(hintergrund));
    setPalette(p);
    for (QAbstractButton* button : { m_cmdNeu, m_cmdEnde }) {
        QPalette bp = button->palette();
        bp.setColor(QPalette::Button, zuQColor(knopf));
        button->setPalette(bp);
    }
    for (ctlSmilie* stein : m_steine)
        stein->Ini();
}

bool frmTicTacToe::oeffnen()
{
    if (isVisible())
        return false;
    for (ctlSmilie* stein : m_steine)
        stein->Ini();
    NeuesSpiel();
    m_Timer1.start(kSchliessenNach);
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
    const int knopfBreite = (kBrett - kRand) / 2;
    m_cmdNeu->setGeometry(kRand, knopfY, knopfBreite, kKnopfHoehe);
    m_cmdEnde->setGeometry(2 * kRand + knopfBreite, knopfY, knopfBreite, kKnopfHoehe);
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
