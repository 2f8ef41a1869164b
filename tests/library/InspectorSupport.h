#pragma once

// For the file inspector tests: an in-memory settings store and a writer
// that sets the modification time.

#include "start/SettingsStore.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>

#include <gtest/gtest.h>

// The settings store as a map "section/key" -> text.
class MemoryStore : public SettingsStore {
public:
    QMap<QString, QString> values;

    QString GetSetting(const QString& section, const QString& key, const QString& fallback) const override
    {
        return values.value(section + QLatin1Char('/') + key, fallback);
    }
    void SaveSetting(const QString& section, const QString& key, const QString& text) override
    {
        values.insert(section + QLatin1Char('/') + key, text);
    }
    bool sync() override { return true; }
    QString location() const override { return QStringLiteral("memory"); }
};

// Writes the file anew with a modification time `sekunde` seconds into 2024.
inline void schreiben(const QString& pfad, const QByteArray& inhalt, int sekunde)
{
    QDir().mkpath(QFileInfo(pfad).path());
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write(inhalt);
    // Written out first: a later flush would set the time to now.
    ASSERT_TRUE(datei.flush());
    ASSERT_TRUE(datei.setFileTime(
        QDateTime(QDate(2024, 1, 1), QTime(0, 0)).addSecs(sekunde), QFileDevice::FileModificationTime));
}
