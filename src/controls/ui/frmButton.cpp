#include "controls/ui/frmButton.h"

#include "common/Farbe.h"
#include "common/Twips.h"
#include "controls/ui/ctlLaufschrift.h"
#include "controls/ui/ctlSprechblase.h"

namespace {

// Layout in twips: the marquee along the top, the bubble below pointing at its middle.
constexpr int kRand = 240;
constexpr int kLaufschriftHoehe = 600;
constexpr QSize kBlase(3600, 1800);

} // namespace

frmButton::frmButton(const Clock& uhr, QWidget* parent)
    : QWidget(parent)
    , m_laufschrift(new ctlLaufschrift(uhr, this))
    , m_sprechblase(new ctlSprechblase(this))
{
    setObjectName(QStringLiteral("frmButton"));
    setWindowTitle(QStringLiteral("Laufschrift"));
    m_laufschrift->setObjectName(QStringLiteral("ctlLaufschrift1"));
    m_sprechblase->setObjectName(QStringLiteral("ctlSprechblase1"));
    m_laufschrift->setTextfarbe(vonQColor(Qt::yellow));
    m_laufschrift->setHintergrundfarbe(vonQColor(Qt::black));
    m_laufschrift->setLaufschrifttext(QStringLiteral("Es ist [ZEIT] Uhr.  "));
    m_sprechblase->setTextMy(QStringLiteral("Viel Spaß mit der Musik!"));
    resize(twipsToPixels(7200, logicalDpiX()), twipsToPixels(3600, logicalDpiY()));
}

void frmButton::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    const double dpi = logicalDpiX();
    const int breite = pixelsToTwips(width(), dpi);
    m_laufschrift->setGeometry(twipsToPixels(kRand, dpi), twipsToPixels(kRand, dpi),
        twipsToPixels(breite - 2 * kRand, dpi), twipsToPixels(kLaufschriftHoehe, dpi));
    m_sprechblase->resize(twipsToPixels(kBlase.width(), dpi), twipsToPixels(kBlase.height(), dpi));
    m_sprechblase->setPfeilposition(0);
    m_sprechblase->setPunktX(breite / 2);
    m_sprechblase->setPunktY(kRand + kLaufschriftHoehe);
}
