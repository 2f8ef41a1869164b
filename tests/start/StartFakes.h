#pragma once

#include "common/FlexGrid.h"
#include "common/ProgrammEnde.h"
#include "errors/ErrorReport.h"
#include "errors/ErrorWindow.h"
#include "errors/ErrPtnr.h"
#include "errors/FaultError.h"
#include "platform/AppPaths.h"
#include "start/JukeboxScreen.h"
#include "start/SettingsStore.h"
#include "support/RecordingMessages.h"

#include <QTemporaryDir>

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

// Answers every fault with the given continuation and keeps the reports.
class AnsweringErrorWindow : public ErrorWindow {
public:
    int code = 1; // Fortsetzen
    QList<ErrorReport> reports;

    int showReport(const ErrorReport& report) override
    {
        reports << report;
        return code;
    }
};

// One test's world: the program's files in a temporary folder, a fresh error
// reporter that answers through `errors`, and no shutdown in progress.
class ReporterScope {
public:
    ReporterScope()
    {
        AppPaths::setProgramFolder(folder.path());
        ErrPtnr::instance().reset();
        ErrPtnr::instance().setWindow(&errors);
        ProgrammEnde = false;
    }
    ~ReporterScope()
    {
        ErrPtnr::instance().setWindow(nullptr);
        ErrPtnr::instance().reset();
        AppPaths::setProgramFolder(QString());
        ProgrammEnde = false;
    }

    QTemporaryDir folder;
    AnsweringErrorWindow errors;
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
    bool ladenFehler = false; // laden() throws

    FakeScreen()
    {
        archiv.setRows(2);
        archiv.setFixedRows(1);
    }
    bool laden() override
    {
        calls << QStringLiteral("laden");
        if (ladenFehler)
            throw FaultError(5, QStringLiteral("Ungültiger Prozeduraufruf oder ungültiges Argument"));
        return true;
    }
    void Einlesen(const QString& Startordner) override
    {
        calls << QStringLiteral("Einlesen ") + Startordner;
        for (const QString& t : titel) {
            if (archiv.Rows() == 2 && archiv.TextMatrix(1, 0).isEmpty())
                archiv.setTextMatrix(1, 0, t);
            else
                archiv.AddItem(t);
        }
    }
    FlexGrid& Archiv() override { return archiv; }
    void Startmeldung(const StartReport& r) override
    {
        calls << QStringLiteral("Startmeldung");
        report = r;
    }
    void Frame1Verstecken() override { calls << QStringLiteral("Frame1Verstecken"); }
    void zeigen(bool maximieren) override
    {
        calls << QStringLiteral("zeigen");
        maximiert = maximieren;
    }
    void EnabledRechts(bool Wert) override
    {
        calls << (Wert ? QStringLiteral("EnabledRechts an") : QStringLiteral("EnabledRechts aus"));
    }
};
