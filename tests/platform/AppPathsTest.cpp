#include "platform/AppPaths.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// The per-user data folder lies in a temporary folder for each test.
class AppPathsFallback : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home.isValid());
        previous = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("daten")).toUtf8());
        dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        ASSERT_TRUE(dataFolder.startsWith(home.path())) << dataFolder.toStdString();
    }
    void TearDown() override
    {
        if (previous.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", previous);
    }

    // A regular file where a folder is expected: not even root can create files in it.
    QString regularFile()
    {
        const QString path = home.filePath(QStringLiteral("tonvaro"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return path;
    }

    QTemporaryDir home;
    QByteArray previous;
    QString dataFolder;
};

TEST_F(AppPathsFallback, WritableProgramFolderIsKept)
{
    const QString own = home.filePath(QStringLiteral("programm"));
    ASSERT_TRUE(QDir().mkpath(own));
    EXPECT_EQ(AppPaths::writableFolder(own), own);
    EXPECT_TRUE(QDir(own).isEmpty()) << "the write test leaves nothing behind";
    EXPECT_FALSE(QFileInfo::exists(dataFolder));
}

TEST_F(AppPathsFallback, UnwritableProgramFolderGivesTheUserDataFolder)
{
    const QString file = regularFile();
    for (const QString& own : { file, file + QStringLiteral("/bin"), home.filePath(QStringLiteral("fehlt/bin")) }) {
        EXPECT_EQ(AppPaths::writableFolder(own), dataFolder) << own.toStdString();
        EXPECT_TRUE(QFileInfo(dataFolder).isDir()) << "created, so files can go there at once";
    }
}

} // namespace
