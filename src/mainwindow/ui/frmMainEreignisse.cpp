// The jukebox screen's window events: activation, resize and layout, keys and mouse.

#include "mainwindow/ui/frmMain.h"

#include "common/ProgrammEnde.h"
#include "common/Twips.h"
#include "common/ui/FlexGridView.h"
#include "common/ui/InputCodes.h"
#include "controls/ui/Funbutton.h"
#include "errors/Procedure.h"
#include "mainwindow/Hauptlayout.h"
#include "mainwindow/Scrollabstand.h"
#include "start/ui/frmStart.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

#include <cstdio>

namespace {

constexpr int kKeyDelete = 46;
constexpr int kKeyF1 = 112;
constexpr int kKeyF5 = 116;
constexpr int kKeyF11 = 122;
constexpr int kKeyF12 = 123;
// Design size of the message frame, in twips.
constexpr QSize kFrame1Groesse(7800, 2400);

} // namespace


bool frmMain::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        Form_Activate();
    if (e->type() == QEvent::Paint && m_startzeit.isValid()) {
        // For the operator timing a start on a large archive.
        std::fprintf(stderr, "Startzeit: %lld ms vom Laden bis zum gezeigten Hauptfenster\n",
            static_cast<long long>(m_startzeit.elapsed()));
        m_startzeit.invalidate();
    }
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
    const Hauptlayout layout = Hauptlayout::fuer(
        pixelsToTwips(width(), dpi), pixelsToTwips(height(), dpi), kFrame1Groesse, pixelsToTwips(Label2->size(), dpi));
    const auto platzieren
        = [dpi](QWidget* widget, const QRect& twips) { widget->setGeometry(twipsToPixels(twips, dpi)); };
    const auto nachOben = [dpi](QWidget* widget, int top) { widget->move(widget->x(), twipsToPixels(top, dpi)); };
    platzieren(txtSortierung, layout.txtSortierung);
    platzieren(Frame1, layout.frame1);
    platzieren(m_view1, layout.archiv);
    platzieren(m_view2, layout.playlist);
    // The views report their widths only once they are laid out; the columns need them now.
    MSFlexGrid1.setWidth(layout.archiv.width());
    MSFlexGrid2.setWidth(layout.playlist.width());
    m_archiv.Spaltenbreite();
    for (size_t i = 0; i < m_FunbuttonArchivNav.size(); ++i)
        platzieren(m_FunbuttonArchivNav[i], layout.FunbuttonArchivNav[i]);
    platzieren(m_Uebernehmen, layout.Uebernehmen);
    platzieren(m_cmdSmilie, layout.cmdSmilie);
    platzieren(m_cmdFragezeichen, layout.cmdFragezeichen);
    platzieren(m_cmdHoch[0], layout.cmdHoch[0]);
    platzieren(m_cmdHoch[1], layout.cmdHoch[1]);
    platzieren(m_cmdLoeschen, layout.cmdLoeschen);
    platzieren(m_Schloss, layout.Schloss);
    m_Schloss2->move(m_Schloss->pos());
    nachOben(m_Positionsgrafik, layout.PositionsgrafikTop);
    nachOben(Balken, layout.BalkenTop);
    m_wiedergabe->balkenAnpassen();
    platzieren(Label2, layout.Label2);
    // Measured from the archive's height, not by scrolling it: a resize keeps the guest's place.
    const int zeile = m_view1->rowHeight();
    m_sichtbareZeilen = (m_view1->height() - 2 * m_view1->frameWidth() - zeile) / zeile;
}

int frmMain::Scrollabstand() const
{
    // The archive's rows count too, and a scan changes them without a resize.
    return ::Scrollabstand(MSFlexGrid1.Rows(), m_sichtbareZeilen);
}

bool frmMain::Form_KeyDown(int KeyCode, int Shift)
{
    Procedure proc("frmMain", "bool frmMain::Form_KeyDown(int KeyCode, int Shift)",
        { { "KeyCode", KeyCode }, { "Shift", Shift } });
    switch (KeyCode) {
    case kKeyDelete:
        proc.run([&] {
            if (m_cmdLoeschen->Enabled())
                m_wiedergabe->wiedergabe().playliste().Loeschen();
        });
        return true;
    case kKeyF5:
        proc.run([&] { m_wiedergabe->wiedergabe().sequenzer().Pause(); });
        return true;
    case kKeyF12:
        proc.run([&] { menuBeenden_Click(); });
        return true;
    case kKeyF11:
        proc.run([&] { m_start.menuZurueck_Click(); });
        return true;
    case kKeyF1:
        proc.run([&] { m_hilfeUndSpiel.cmdFragezeichen_Click(); });
        return true;
    default:
        return false;
    }
}

bool frmMain::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() != QEvent::KeyPress || (watched != m_view1 && watched != m_view2))
        return QWidget::eventFilter(watched, e);
    const auto* taste = static_cast<QKeyEvent*>(e);
    return Form_KeyDown(InputCodes::virtualKeyCode(*taste), InputCodes::shiftBits(taste->modifiers()));
}

void frmMain::keyPressEvent(QKeyEvent* e)
{
    const int keyCode = InputCodes::virtualKeyCode(*e);
    if (!Form_KeyDown(keyCode, InputCodes::shiftBits(e->modifiers())) && !m_archivseite->Codetaste(keyCode, e->text()))
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
