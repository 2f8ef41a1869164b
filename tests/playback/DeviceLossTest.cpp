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
    std::atomic<qint64> pulled { 0 }; // frames the card itself took

    bool start(Source source) override
    {
        if (!present)
            return false;
        gone = false;
        return SilentAudioOutput::start([this, source = std::move(source)](qint16* samples, int frames) {
            pulled += frames;
            source(samples, frames);
        });
    }
    bool lost() const override { return gone; }
};

TEST(DeviceLoss, SongsPlayOnSilentlyInRealTimeWithoutDeviceAndAcrossALossMidCrossfade)
{
    QTemporaryDir dir;
    for (const char* name : { "alt.mp3", "neu.mp3" })
        ASSERT_TRUE(Mp3Frames::writeFile(dir.filePath(name), Mp3Frames::silentFrames(400)));
    auto device = std::make_unique<FakeDevice>();
    FakeDevice& card = *device;
    card.present = false;
    AudioEngine engine(
        std::move(device), OutputSupervisor::Timing { std::chrono::milliseconds(20), std::chrono::milliseconds(200) });
    QSignalSpy notices(&engine, &AudioEngine::notice);
    EnginePlayer& alt = engine.player(0);
    EnginePlayer& neu = engine.player(1);
    ASSERT_TRUE(alt.open(dir.filePath("alt.mp3")) && neu.open(dir.filePath("neu.mp3")));
    alt.play();
    engine.wake();
    QTest::qWait(500); // two failed retries
    EXPECT_NEAR(double(alt.positionMs()), 500.0, 100.0);
    EXPECT_EQ(notices.count(), 1) << "said once";

    card.present = true;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !engine.silent(); }, 1000));
    // The next song starts while the first one plays out; then the card fails.
    neu.play();
    engine.wake();
    ASSERT_TRUE(QTest::qWaitFor([&] { return neu.positionMs() > 0; }, 1000));
    card.present = false;
    card.gone = true;
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine.silent(); }, 1000));
    const qint64 altAtLoss = alt.positionMs();
    const qint64 neuAtLoss = neu.positionMs();
    QTest::qWait(400); // longer than the retry interval: a failed retry changes nothing
    EXPECT_NEAR(double(alt.positionMs()), double(altAtLoss + 400), 100.0);
    EXPECT_NEAR(double(neu.positionMs()), double(neuAtLoss + 400), 100.0);
    EXPECT_EQ(std::pair(alt.status(), neu.status()), std::pair(EnginePlayer::Playing, EnginePlayer::Playing));

    card.present = true;
    ASSERT_TRUE(QTest::qWaitFor([&] { return notices.count() == 4; }, 1000));
    const qint64 pulled = card.pulled;
    QTest::qWait(300);
    EXPECT_GT(card.pulled, pulled) << "the music goes on on the returned card";
    EXPECT_GT(std::min(alt.positionMs() - altAtLoss, neu.positionMs() - neuAtLoss), 600);
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
    const qint64 pulled = card.pulled;
    QTest::qWait(100);
    EXPECT_EQ(card.pulled, pulled) << "no output thread runs";

    EnginePlayer& player = engine.player(0);
    ASSERT_TRUE(player.open(dir.filePath("song.mp3")));
    player.play();
    engine.wake();
    EXPECT_TRUE(QTest::qWaitFor([&] { return player.positionMs() > 0; }, 250)) << "plays within one tick";
    EXPECT_FALSE(engine.resting());
}
} // namespace
