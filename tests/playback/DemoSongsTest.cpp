#include "playback/Mp3Decoder.h"

#include <gtest/gtest.h>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>

namespace {

// The demo is what a newcomer hears first: clean tones, never clipped or wrapped-around noise.
TEST(DemoSongsTest, EverySongDecodesToCleanTones)
{
    QTemporaryDir dir;
    QProcess demo;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert("XDG_CONFIG_HOME", dir.path());
    demo.setProcessEnvironment(umgebung);
    demo.start(TONVARO_DEMO_SONGS, { dir.filePath("Musik") });
    ASSERT_TRUE(demo.waitForFinished(120000) && demo.exitCode() == 0);
    int lieder = 0;
    for (QDirIterator it(dir.filePath("Musik"), { "*.mp3" }, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const auto decoder = Mp3Decoder::open(it.next());
        ASSERT_NE(decoder, nullptr);
        int spitze = 0, sprung = 0, n = 0;
        qint16 pcm[2 * 4097] = {};
        while ((n = decoder->read(pcm + 2, 4096)) > 0) {
            for (int i = 2; i < 2 * n + 2; ++i) {
                spitze = std::max(spitze, std::abs(int(pcm[i])));
                sprung = std::max(sprung, std::abs(pcm[i] - pcm[i - 2]));
            }
            std::copy_n(pcm + 2 * n, 2, pcm); // the last frame leads the next piece
        }
        EXPECT_TRUE(spitze < 32767 && sprung <= 32768 / 4) << it.filePath().toStdString() << " " << spitze << " " << sprung;
        ++lieder;
    }
    EXPECT_EQ(lieder, 17);
}

} // namespace
