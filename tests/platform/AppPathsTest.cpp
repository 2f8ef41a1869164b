#include "platform/AppPaths.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>

// The per-user data folder lies in a temporary folder during the test.
TEST(AppPathsFallback, UnwritableProgramFolderGivesTheUserDataFolder)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QByteArray previous = qgetenv("XDG_DATA_HOME");
    const auto restore = qScopeGuard([&] {
        if (previous.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", previous);
    });
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("daten")).toUtf8());
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    EXPECT_TRUE(dataFolder.startsWith(home.path())) << dataFolder.toStdString();

    const QString own = home.filePath(QStringLiteral("programm"));
    ASSERT_TRUE(QDir().mkpath(own));
    EXPECT_EQ(AppPaths::writableFolder(own), own);
    EXPECT_TRUE(QDir(own).isEmpty()) << "the write test leaves nothing behind";
    EXPECT_FALSE(QFileInfo::exists(dataFolder));

    // A regular file where a folder is expected: not even root can create files in it.
    const QString file = home.filePath(QStringLiteral("tonvaro"));
    EXPECT_TRUE(QFile(file).open(QIODevice::WriteOnly));
    for (const QString& unwritable :
        { file, file + QStringLiteral("/bin"), home.filePath(QStringLiteral("fehlt/bin")) }) {
        EXPECT_EQ(AppPaths::writableFolder(unwritable), dataFolder) << unwritable.toStdString();
        EXPECT_TRUE(QFileInfo(dataFolder).isDir()) << "created, so files can go there at once";
    }
}
