#pragma once

#include "common/FlexGrid.h"
#include "start/JukeboxScreen.h"
#include "start/SettingsStore.h"
#include "support/RecordingMessages.h"
#include "support/ReporterScope.h"

#include <functional>

// The store as a map "section/key" -> text; can be switched to refuse writing.
class MemorySettingsStore : public SettingsStore {
public:
    QMap<QString, QString> values;
    QStringList writes; // keys in the order they were written
    bool writable = true;

    QString GetSetting(const QString& section, const QString& key, const QString& fallback) const override
    {
        return values.value(section + QLatin1Char('/') + key, fallback);
    }
    void SaveSetting(const QString& section, const QString& key, const QString& text) override
    {
        values.insert(section + QLatin1Char('/') + key, text);
        writes << key;
    }
    bool sync() override { return writable; }
    QString location() const override { return QStringLiteral("memory"); }
};

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
    bool laden() override
    {
        note(QStringLiteral("laden"));
        return true;
    }
    void Einlesen(const QString& Startordner) override
    {
        note(QStringLiteral("Einlesen ") + Startordner);
        for (const QString& t : titel) {
            if (archiv.Rows() == 2 && archiv.TextMatrix(1, 0).isEmpty())
                archiv.setTextMatrix(1, 0, t);
            else
                archiv.AddItem(t);
        }
    }
    bool liestEin() const override { return false; }
    FlexGrid& Archiv() override { return archiv; }
    void Startmeldung(const StartReport& r) override
    {
        note(QStringLiteral("Startmeldung"));
        report = r;
    }
    void Frame1Verstecken() override { note(QStringLiteral("Frame1Verstecken")); }
    void zeigen(bool maximieren) override
    {
        note(QStringLiteral("zeigen"));
        maximiert = maximieren;
    }
    void EnabledRechts(bool Wert) override
    {
        note(Wert ? QStringLiteral("EnabledRechts an") : QStringLiteral("EnabledRechts aus"));
    }
    void PlaylistEinlesen() override { note(QStringLiteral("PlaylistEinlesen")); }
    void ZeitenEinlesen(bool NurSichtbare) override
    {
        note(NurSichtbare ? QStringLiteral("ZeitenEinlesen sichtbare") : QStringLiteral("ZeitenEinlesen alle"));
    }
    void Uhrzeiten() override { note(QStringLiteral("Uhrzeiten")); }

private:
    void note(const QString& call)
    {
        calls << call;
        beimAufruf(call);
    }
};
