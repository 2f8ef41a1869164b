#pragma once

#include "start/SettingsStore.h"

#include <QSettings>

// The platform's per-user store. On Windows the registry branch
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>, where
// existing installations keep their settings; elsewhere an INI file
// <config folder>/Quorvane/<application>.ini.
class QSettingsStore : public SettingsStore {
public:
    explicit QSettingsStore(const QString& application);

    QString GetSetting(const QString& section, const QString& key, const QString& fallback) const override;
    void SaveSetting(const QString& section, const QString& key, const QString& text) override;
    bool sync() override;
    QString location() const override;

private:
    mutable QSettings m_settings;
};
