#pragma once

#include "library/Dateiwache.h"

#include <QString>

#include <functional>

class MessageService;
class SettingsStore;

// The file inspector's rules: one watched file, kept under the setting
// "File"; each finished change is offered once as a numbered copy in the
// same folder. The window supplies the save dialog and the timer.
class Dateiinspektor {
public:
    // Shows the save dialog with a title and a proposed path; the chosen
    // path, or empty when the operator cancels.
    using SpeichernUnter = std::function<QString(const QString& titel, const QString& vorschlag)>;

    Dateiinspektor(SettingsStore& store, MessageService& meldungen, Dateiwache::Belegt belegt);

    void setSpeichernUnter(SpeichernUnter speichernUnter);

    // The path kept from the last run ("" when none).
    QString gespeicherterPfad() const;
    // Watches pfad from now on and keeps it for the next run. A folder is
    // refused with a message (false); the watch then stays as it was.
    bool Command1(const QString& pfad);
    const QString& pfad() const { return m_wache.pfad(); }
    // One tick of the 1 s timer. Does nothing while its own dialog is open.
    void Timer1();

private:
    // Asks for a target until the operator cancels or picks one that is not the watched file.
    void kopieAnbieten();

    SettingsStore& m_store;
    MessageService& m_meldungen;
    Dateiwache m_wache;
    SpeichernUnter m_speichernUnter;
    bool m_dialogOffen = false;
};
