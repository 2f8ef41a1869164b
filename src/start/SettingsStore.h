#pragma once

#include <QString>

// The per-user settings store of one application: text values under a
// section and a key. Tests put an in-memory store in its place.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or fallback when the section or key is absent.
    virtual QString GetSetting(const QString& section, const QString& key, const QString& fallback) const = 0;
    // Creates or replaces the value.
    virtual void SaveSetting(const QString& section, const QString& key, const QString& text) = 0;
    // Writes pending values out; false when the store could not be written.
    virtual bool sync() = 0;
    // Where the values live, for messages to the operator.
    virtual QString location() const = 0;
};
