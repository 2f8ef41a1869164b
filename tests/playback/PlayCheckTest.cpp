#include "ToneFiles.h"

#include <QProcess>

#include <gtest/gtest.h>

#ifdef TONVARO_PLAY_CHECK

namespace {

// tonvaro-play-check on the dummy driver: it must end by itself once both
// songs have played.
TEST(PlayerCheckProgram, EndsAfterBothSongsAlsoWithoutOverlap)
{
    ToneFiles files;
    // 1.6 s counts as 2 whole seconds, so its position never passes its length.
    const QString first = files.encode("first.mp3", { 440, 1.6 });
    const QString second = files.encode("second.mp3", { 660, 1.0 });
    qputenv("SDL_AUDIODRIVER", "dummy");
    QProcess check;
    check.setProcessChannelMode(QProcess::MergedChannels);
    check.start(QStringLiteral(TONVARO_PLAY_CHECK), { "--overlap", "0", first, second });
    ASSERT_TRUE(check.waitForFinished(8000)) << check.readAll().toStdString();
    EXPECT_EQ(check.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(check.exitCode(), 0) << check.readAll().toStdString();
}

} // namespace

#endif
