#pragma once

#include "common/FlexGrid.h"
#include "start/JukeboxScreen.h"
#include "support/MemorySettingsStore.h"
#include "support/RecordingMessages.h"
#include "support/ReporterScope.h"

#include <functional>

// The jukebox screen as the start window sees it: records the calls, and
// its scan appends the given titles to the archive.
class FakeScreen : public JukeboxScreen {
public:
    FlexGrid archiv;
    QStringList titel; // what Einlesen finds
    QStringList calls;
    StartReport report;
    bool maximiert = false;
    // Run at each call, to look at the start window meanwhile.
    std::function<void(const QString& call)> beimAufruf = [](const QString&) {};

    FakeScreen()
    {
        archiv.setRows(2);
        archiv.setFixedRows(1);
    }
    bool laden() override { return note("laden"); }
    void startBeendet() override { }
    void Einlesen(const QString& Startordner) override
    {
        note("Einlesen " + Startordner);
        archiv.setRows(qMax(2, int(titel.size()) + 1));
        for (int row = 1; row <= titel.size(); ++row)
            archiv.setTextMatrix(row, 0, titel[row - 1]);
    }
    bool liestEin() const override { return false; }
    FlexGrid& Archiv() override { return archiv; }
    void Startmeldung(const StartReport& r) override
    {
        report = r;
        note("Startmeldung");
    }
    void Frame1Verstecken() override { note("Frame1Verstecken"); }
    void zeigen(bool maximieren) override
    {
        maximiert = maximieren;
        note("zeigen");
    }
    void EnabledRechts(bool Wert) override { note(Wert ? "EnabledRechts an" : "EnabledRechts aus"); }
    void PlaylistEinlesen() override { note("PlaylistEinlesen"); }
    void ZeitenEinlesen(bool NurSichtbare) override
    {
        note(NurSichtbare ? "ZeitenEinlesen sichtbare" : "ZeitenEinlesen alle");
    }
    void Uhrzeiten() override { note("Uhrzeiten"); }

private:
    bool note(const QString& call)
    {
        calls << call;
        beimAufruf(call);
        return true;
    }
};
