#include "playback/ModPlayer.h"
#include "platform/SilentAudioOutput.h"
#include "support/Mp3Frames.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(ModPlayer, LengthIsKnownAtOnceStatusFollowsTheCallsAndAnEmptyNameCloses)
{
    QTemporaryDir dir;
    const QString song = dir.filePath("song.mp3");
    ASSERT_TRUE(Mp3Frames::writeFile(song, Mp3Frames::silentFrames(20 * 44100 / 1152 + 1)));
    ModPlayer player(std::make_unique<SilentAudioOutput>());
    player.OpenMP3(1, song);
    EXPECT_EQ(player.GetLength(1), 20);
    EXPECT_EQ(player.GetStatus(1), 0);
    player.SetPosition(1, 12000);
    player.PlayMP3(1);
    EXPECT_EQ(player.GetStatus(1), 2);
    EXPECT_GE(player.GetPosition(1), 12000);
    player.PauseMP3(1);
    EXPECT_EQ(player.GetStatus(1), 1);
    player.StopMP3(1);
    EXPECT_EQ(player.GetStatus(1), 0);

    player.PlayMP3(1);
    player.OpenMP3(1, QString());
    EXPECT_EQ(player.GetFileName(1), QString());
    EXPECT_TRUE(player.GetStatus(1) == 0 && player.GetPosition(1) == 0 && player.GetLength(1) == 0);
    // The file table has a fourth slot but there is no fourth player.
    player.OpenMP3(3, song);
    EXPECT_EQ(player.GetFileName(3), QString());
    EXPECT_THROW(player.PlayMP3(3), std::out_of_range);
    EXPECT_THROW(player.GetFileName(4), std::out_of_range);
}

} // namespace
