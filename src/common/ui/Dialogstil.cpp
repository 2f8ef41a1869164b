#include "common/ui/Dialogstil.h"

#include <QWidget>

#include <algorithm>

void Dialogstil::anwenden(QWidget& dialog, double schriftgroesse)
{
    dialog.setStyleSheet(dialog.styleSheet()
        + QStringLiteral("* { font-size: %1pt; } QPushButton { min-height: %2px; min-width: 90px; padding: 2px 16px; }")
              .arg(std::max(kMindestpunkte, schriftgroesse))
              .arg(kKnopfhoehe));
}

void Dialogstil::zentrieren(QWidget& fenster, const QRect& flaeche)
{
    QRect rahmen = fenster.frameGeometry();
    rahmen.moveCenter(flaeche.center());
    fenster.move(rahmen.topLeft());
}
