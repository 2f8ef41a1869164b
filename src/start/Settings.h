#pragma once

#include "start/StartSettings.h"

#include <QString>
#include <QStringList>

class Procedure;
class SettingsStore;

// The operator's settings in the store: section "Data", seventeen keys in a
// fixed order, every value as text.
class Settings {
public:
    static const QString kSection;

    explicit Settings(SettingsStore& store);

    // Reads every key, in order, into werte. Each key is one step of proc: a
    // value that cannot be converted goes to the error reporter and its field
    // keeps the value it had. False when the operator chose to leave proc.
    // Also reads the options "Lautheit" and "ID3v2", which only the operator
    // writes: whatever they hold that is not on reads as off, without a fault.
    bool load(StartSettings& werte, Procedure& proc) const;
    // All seventeen keys (start with scan). False when the store could not be written.
    bool saveAll(const StartSettings& werte);
    // Only "Pfad", "PW", "Zufall" and "Doppelklick" (start without scan).
    bool saveOhneScan(const StartSettings& werte);

    // Only the music folder ("Pfad"), for tools that prepare a folder for the jukebox.
    bool saveMusikordner(const QString& pfad);

    // The file inspector's watched file (key "File"), "" when none.
    QString File() const;
    bool saveFile(const QString& datei);

    // Where the store keeps the values, for messages to the operator.
    QString ort() const;

    // The key names in the order in which they are read and written.
    static QStringList keys();

private:
    bool save(const StartSettings& werte, int keyCount);

    SettingsStore& m_store;
};
