#include "start/QSettingsStore.h"

#include <QFile>
#include <QStringList>

namespace {

QString keyPath(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

// The text behind "key=" in the section of an INI file, as it stands there;
// empty when the file has no such line.
QString rawIniValue(const QString& fileName, const QString& section, const QString& key)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QString header = QLatin1Char('[') + section + QLatin1Char(']');
    bool inSection = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inSection = line == header;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (inSection && equals > 0 && QStringView(line).left(equals).trimmed() == key)
            return line.mid(equals + 1).trimmed();
    }
    return {};
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
    const QVariant value = m_settings.value(keyPath(section, key), fallback);
    // An unquoted comma, as in a hand-edited "Pfad=/musik/Rock, Pop", makes
    // QSettings split the text into a list: the value is the whole text.
    if (value.typeId() == QMetaType::QStringList)
        return rawIniValue(m_settings.fileName(), section, key);
    return value.toString();
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
