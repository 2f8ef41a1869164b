#include "LibraryTest.h"

#include "library/modMP3Tags.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using Mp3Frames::readFile;

namespace {

class Mp3TagsWriteTest : public LibraryTest {
protected:
    QString tagged(const QString& name = "lied.mp3")
    {
        return Songs::write(music(), name, Songs::tag("Alter Titel", "Alte Band", 13));
    }

    FakePlayer player;
    int aktiverPlayer = 0;
    modMP3Tags tags { &player, [this] { return aktiverPlayer; } };
};

// The tag-writing fuzz harness checks the bytes a write puts into the file; here, its safety and the player.
TEST_F(Mp3TagsWriteTest, ReadOnlyFileStaysAsItIs)
{
    const QString nurLesen = tagged("nurlesen.mp3");
    const QByteArray vorher = readFile(nurLesen);
    QFile::setPermissions(nurLesen, QFile::ReadOwner);
    QFile probe(nurLesen);
    if (probe.open(QIODevice::ReadWrite))
        GTEST_SKIP() << "running with rights that ignore read-only files";
    tags.SetSongName(nurLesen, "Titel");
    EXPECT_EQ(readFile(nurLesen), vorher);
}

#ifdef Q_OS_UNIX
TEST_F(Mp3TagsWriteTest, AppendThatFailsHalfWayLeavesTheOldFile)
{
    const QString datei = Songs::write(music(), "ohne.mp3");
    const QByteArray vorher = readFile(datei);

    // A file size limit 50 bytes past the end makes the append fail half-way.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit alt {};
    getrlimit(RLIMIT_FSIZE, &alt);
    const rlimit grenze { rlim_t(vorher.size() + 50), alt.rlim_max };
    setrlimit(RLIMIT_FSIZE, &grenze);
    tags.SetSongName(datei, "Titel");
    setrlimit(RLIMIT_FSIZE, &alt);
    std::signal(SIGXFSZ, SIG_DFL);

    EXPECT_EQ(readFile(datei), vorher);
}
#endif

TEST_F(Mp3TagsWriteTest, PlayingSongIsLetGoForTheWriteAndResumedAtItsPlaceEvenWhenTheWriteFails)
{
    const QString kurz = music() + "/kurz.mp3";
    Mp3Frames::writeFile(kurz, QByteArray(127, 'x'));
    aktiverPlayer = 1;
    player.loaded[1] = kurz;
    player.position = 42000;
    player.status = PlayerControl::Playing;
    tags.SetSongName(kurz, "Titel");
    EXPECT_EQ(player.calls,
        QStringList({ "GetPosition(1)", "StopMP3(1)", "OpenMP3(1,)", "OpenMP3(1," + kurz + ")", "SetPosition(1,42000)",
            "PlayMP3(1)" }));
    EXPECT_EQ(readFile(kurz), QByteArray(127, 'x'));
}

TEST_F(Mp3TagsWriteTest, OtherSongsOtherPlayersAndOtherVanishedFilesAreLeftAlone)
{
    const QString datei = tagged();
    player.loaded[0] = tagged("anderes.mp3");
    player.loaded[1] = datei; // loaded, but not on the player in use
    player.position = 1000;
    tags.SetSongName(datei, "Neu");
    // Both missing: the player's song vanished, and so did the one being written.
    player.loaded[0] = music() + "/weg1.mp3";
    tags.SetBand(music() + "/Unter/../weg2.mp3", "Band");
    EXPECT_TRUE(player.calls.isEmpty());

    // The same vanished song, spelled another way, is the player's.
    tags.SetSongGenre(music() + "/Unter/../weg1.mp3", "Pop");
    EXPECT_EQ(player.calls.first(), "GetPosition(0)");
}

} // namespace
