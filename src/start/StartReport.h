#pragma once

#include <QString>

// What the main window's message frame reports after the start scan.
struct StartReport {
    static constexpr int kIntervall = 5000;
    static constexpr int kIntervallNichtsGefunden = 10000;

    QString lblStartmeldung;
    QString lblStartmeldung2;
    // How long the frame stays, in milliseconds.
    int intervall = kIntervall;
    // Nothing was found: the archive is to show only its header.
    bool nichtsGefunden = false;

    // From the archive grid after the scan: its row count (header included)
    // and the title cell of row 1.
    static StartReport nachScan(int archivZeilen, const QString& titelZeile1);
};
