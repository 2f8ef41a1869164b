#include "platform/AppPaths.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>

TEST(AppPathsFallback, InstalledOrUnwritableProgramFolderGivesTheUserDataFolder)
{
    QTemporaryDir home;
    const QByteArray previous = qgetenv("XDG_DATA_HOME");
    const auto restore = qScopeGuard([&] { qputenv("XDG_DATA_HOME", previous); });
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("daten")).toUtf8());
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    ASSERT_TRUE(dataFolder.startsWith(home.path())) << dataFolder.toStdString();

    const QString own = home.filePath(QStringLiteral("programm"));
    ASSERT_TRUE(QDir().mkpath(own));
    EXPECT_EQ(AppPaths::writableFolder(own), own);
    EXPECT_TRUE(QDir(own).isEmpty()) << "the write test leaves nothing behind";

    // Below a regular file not even root can create files.
    const QString file = home.filePath(QStringLiteral("tonvaro"));
    ASSERT_TRUE(QFile(file).open(QIODevice::WriteOnly));
    for (const QString& unwritable : { file + QStringLiteral("/bin"), home.filePath(QStringLiteral("fehlt/bin")) }) {
        EXPECT_EQ(AppPaths::writableFolder(unwritable), dataFolder) << unwritable.toStdString();
        EXPECT_TRUE(QFileInfo(dataFolder).isDir()) << "created, so files can go there at once";
    }

    // An installed program keeps its files per user even where it could write (as root under /usr).
    for (const QString& installed : QStringList { "/usr/bin", "/usr/lib/tonvaro/", "/usr/local/bin", "/usr" })
        EXPECT_EQ(AppPaths::filesFolder(installed), dataFolder) << installed.toStdString();
    EXPECT_EQ(AppPaths::filesFolder(own), own) << "a build run from its folder keeps its files there";
    EXPECT_EQ(AppPaths::filesFolder(file + QStringLiteral("/bin")), dataFolder);
}
