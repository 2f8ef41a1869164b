#include "platform/SilentAudioOutput.h"
#include "playback/AudioEngine.h"
#include "support/Mp3Frames.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

// A sound card that can be missing, vanish and come back. While present it
// consumes audio in real time like a real one.
class FakeDevice : public SilentAudioOutput {
public:
    struct Switches {
        std::atomic<bool> present { true };
        std::atomic<bool> lost { false };
        std::atomic<int> starts { 0 };
    };
    explicit FakeDevice(Switches& switches)
        : m_switches(switches)
    {
    }

    bool start(Source source) override
    {
        if (!m_switches.present)
            return false;
        ++m_switches.starts;
        m_switches.lost = false;
        return SilentAudioOutput::start(std::move(source));
    }
    bool lost() const override { return m_switches.lost; }

private:
    Switches& m_switches;
};

class DeviceLossTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Mp3Frames::writeFile(dir.filePath("song.mp3"), Mp3Frames::silentFrames(400))); }

    std::unique_ptr<AudioEngine> makeEngine()
    {
        auto engine = std::make_unique<AudioEngine>(std::make_unique<FakeDevice>(switches),
            OutputSupervisor::Timing { std::chrono::milliseconds(20), std::chrono::milliseconds(200) });
        spy = std::make_unique<QSignalSpy>(engine.get(), &AudioEngine::notice);
        return engine;
    }

    QTemporaryDir dir;
    FakeDevice::Switches switches;
    std::unique_ptr<QSignalSpy> spy;
};

TEST_F(DeviceLossTest, WithoutDevicePlaysSilentlyInRealTimeAndSaysSoOnce)
{
    switches.present = false;
    auto engine = makeEngine();
    EXPECT_TRUE(engine->silent());
    EnginePlayer& player = engine->player(0);
    ASSERT_TRUE(player.open(dir.filePath("song.mp3")));
    player.play();
    engine->wake();
    QTest::qWait(600);
    EXPECT_NEAR(double(player.positionMs()), 600.0, 100.0);
    ASSERT_EQ(spy->count(), 1);
    EXPECT_TRUE(spy->at(0).at(0).toString().startsWith(QStringLiteral("Kein Audiogerät")));
}

TEST_F(DeviceLossTest, LostDeviceIsReplacedWithoutLosingThePlaceAndReopenedLater)
{
    auto engine = makeEngine();
    EXPECT_FALSE(engine->silent());
    EnginePlayer& player = engine->player(1);
    ASSERT_TRUE(player.open(dir.filePath("song.mp3")));
    player.play();
    engine->wake();
    QTest::qWait(300);

    switches.present = false;
    switches.lost = true;
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine->silent(); }, 1000));
    const qint64 atLoss = player.positionMs();
    QTest::qWait(400); // longer than the retry interval: a failed retry changes nothing
    EXPECT_TRUE(engine->silent());
    EXPECT_NEAR(double(player.positionMs()), double(atLoss + 400), 100.0);
    EXPECT_EQ(player.status(), EnginePlayer::Playing);

    switches.present = true;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !engine->silent(); }, 1000));
    const qint64 atReturn = player.positionMs();
    EXPECT_GT(atReturn, atLoss + 350);
    QTest::qWait(300);
    EXPECT_NEAR(double(player.positionMs()), double(atReturn + 300), 100.0);
    EXPECT_EQ(switches.starts, 2);

    ASSERT_TRUE(QTest::qWaitFor([&] { return spy->count() == 2; }, 1000));
    EXPECT_TRUE(spy->at(0).at(0).toString().contains(QStringLiteral("ausgefallen")));
    EXPECT_TRUE(spy->at(1).at(0).toString().contains(QStringLiteral("wieder")));
}

TEST_F(DeviceLossTest, SilentOutputCatchesUpAtMostOneSecondAfterAStall)
{
    constexpr int kStallMs = 2000;
    std::atomic<qint64> pulled { 0 };
    std::atomic<bool> stall { true };
    QElapsedTimer clock;
    clock.start();
    SilentAudioOutput output;
    output.start([&](qint16*, int frames) {
        if (stall.exchange(false))
            std::this_thread::sleep_for(std::chrono::milliseconds(kStallMs));
        pulled += frames;
    });
    QTest::qWait(kStallMs + 300);
    output.stop();
    const qint64 elapsed = clock.elapsed();
    // A second of the stall is made up for, the rest skipped.
    EXPECT_NEAR(pulled * 1000.0 / AudioOutput::kSampleRate, double(elapsed - (kStallMs - 1000)), 100.0);
}

} // namespace
