#pragma once

#include "start/SettingsStore.h"

#include <QMap>
#include <QStringList>

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
