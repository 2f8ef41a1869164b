#include "start/QSettingsStore.h"

namespace {

QString keyPath(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

} // namespace

QSettingsStore::QSettingsStore(const QString& application)
#ifdef Q_OS_WIN
    : m_settings(
        QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("VB and VBA Program Settings"), application)
#else
    : m_settings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Quorvane"), application)
#endif
{
    // Only this application's own values count; no organisation-wide or system defaults.
    m_settings.setFallbacksEnabled(false);
}

QString QSettingsStore::GetSetting(const QString& section, const QString& key, const QString& fallback) const
{
    return m_settings.value(keyPath(section, key), fallback).toString();
}

void QSettingsStore::SaveSetting(const QString& section, const QString& key, const QString& text)
{
    m_settings.setValue(keyPath(section, key), text);
}

bool QSettingsStore::sync()
{
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}

QString QSettingsStore::location() const
{
    return m_settings.fileName();
}
