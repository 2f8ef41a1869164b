#include "platform/SilentAudioOutput.h"
#include "playback/AudioEngine.h"
#include "support/Mp3Frames.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>

namespace {

// A sound card that can be missing, vanish and come back. While present it
// consumes audio in real time like a real one.
class FakeDevice : public SilentAudioOutput {
public:
    std::atomic<bool> present { true };
    std::atomic<bool> gone { false };

    std::atomic<int> pulls { 0 };

    bool start(Source source) override
    {
        if (!present)
            return false;
        gone = false;
        return SilentAudioOutput::start([this, source](qint16* samples, int frames) {
            ++pulls;
            source(samples, frames);
        });
    }
    bool lost() const override { return gone; }
};

TEST(DeviceLoss, WithoutDeviceOrWhenItFailsSongsPlayOnSilentlyInRealTimeUntilItIsBack)
{
    QTemporaryDir dir;
    ASSERT_TRUE(Mp3Frames::writeFile(dir.filePath("song.mp3"), Mp3Frames::silentFrames(400)));
    auto device = std::make_unique<FakeDevice>();
    FakeDevice& card = *device;
    card.present = false;
    AudioEngine engine(
        std::move(device), OutputSupervisor::Timing { std::chrono::milliseconds(20), std::chrono::milliseconds(200) });
    QSignalSpy notices(&engine, &AudioEngine::notice);
    EnginePlayer& player = engine.player(1);
    ASSERT_TRUE(player.open(dir.filePath("song.mp3")));
    player.play();
    engine.wake();
    QTest::qWait(500); // two failed retries
    EXPECT_NEAR(double(player.positionMs()), 500.0, 100.0);
    EXPECT_EQ(notices.count(), 1) << "said once";

    card.present = true;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !engine.silent(); }, 1000));
    card.present = false;
    card.gone = true;
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine.silent(); }, 1000));
    const qint64 atLoss = player.positionMs();
    QTest::qWait(400); // longer than the retry interval: a failed retry changes nothing
    EXPECT_NEAR(double(player.positionMs()), double(atLoss + 400), 100.0);
    EXPECT_EQ(player.status(), EnginePlayer::Playing);

    card.present = true;
    ASSERT_TRUE(QTest::qWaitFor([&] { return notices.count() == 4; }, 1000));
    EXPECT_GT(player.positionMs(), atLoss + 350);
    QStringList texts;
    for (const QList<QVariant>& notice : notices)
        texts << notice.at(0).toString();
    EXPECT_EQ(texts,
        QStringList({ "Kein Audiogerät gefunden: Die Titel laufen ohne Ton.", "Das Audiogerät ist wieder da.",
            "Das Audiogerät ist ausgefallen: Die Titel laufen ohne Ton weiter.", "Das Audiogerät ist wieder da." }));
}

TEST(DeviceLoss, WithNothingPlayingTheOutputRestsUntilASongStarts)
{
    QTemporaryDir dir;
    ASSERT_TRUE(Mp3Frames::writeFile(dir.filePath("song.mp3"), Mp3Frames::silentFrames(400)));
    auto device = std::make_unique<FakeDevice>();
    FakeDevice& card = *device;
    AudioEngine engine(std::move(device),
        { std::chrono::milliseconds(20), std::chrono::milliseconds(200), std::chrono::milliseconds(100) });
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine.resting(); }, 2000));
    const int pulls = card.pulls;
    QTest::qWait(100);
    EXPECT_EQ(card.pulls, pulls) << "no output thread runs";

    EnginePlayer& player = engine.player(0);
    ASSERT_TRUE(player.open(dir.filePath("song.mp3")));
    player.play();
    engine.wake();
    EXPECT_TRUE(QTest::qWaitFor([&] { return player.positionMs() > 0; }, 250)) << "plays within one tick";
    EXPECT_FALSE(engine.resting());
}
} // namespace
