#pragma once

// For the file inspector tests: a writer that sets the modification time.

#include "support/MemorySettingsStore.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

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
