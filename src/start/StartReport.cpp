#include "start/StartReport.h"

StartReport StartReport::nachScan(int archivZeilen, const QString& titelZeile1)
{
    StartReport report;
    const int n = archivZeilen - 1;
    // An emptied archive keeps one empty row, so "one row without a title" means nothing was found.
    if (n < 1 || (n == 1 && titelZeile1.isEmpty())) {
        report.lblStartmeldung = QStringLiteral("0 Lieder gefunden!");
        report.lblStartmeldung2 = QStringLiteral("Bitte im Kontextmenü (rechte Maustaste) \"Zurück\" anklicken und "
                                                 "anschließend einen Ordner mit MP3-Dateien angeben!");
        report.intervall = kIntervallNichtsGefunden;
        report.nichtsGefunden = true;
    } else if (n == 1) {
        report.lblStartmeldung = QStringLiteral("1 Lied gefunden!");
    } else {
        report.lblStartmeldung = QString::number(n) + QStringLiteral(" Lieder gefunden!");
    }
    return report;
}
