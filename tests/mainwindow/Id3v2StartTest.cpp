#include "JukeboxStart.h"

#include "common/SystemClock.h"
#include "support/FakePlayer.h"

namespace {

class Id3v2StartTest : public JukeboxStart { };

// The operator's option travels from the settings through the start window into the scan.
TEST_F(Id3v2StartTest, TheSettingDecidesWhetherTheScanReadsId3v2)
{
    Mp3Frames::writeFile(
        QDir(musik).filePath("neu.mp3"), Mp3Frames::id3v2Tag(0, "Modern") + Mp3Frames::silentFrames(4));
    FakePlayer player;
    SystemClock uhr;
    for (const auto& [wert, titel] : { std::pair { "1", "Modern" }, std::pair { "0", "Unbekannter Titel" } }) {
        open(player, uhr, { { "ID3v2", wert } });
        start->cmdOK_Click();
        EXPECT_EQ(JukeboxStart::titel(main->Archiv()), QStringList { titel }) << wert;
        TearDown();
    }
}

} // namespace
