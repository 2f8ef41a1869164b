#include "ToneFiles.h"
#include "WiedergabeFakes.h"

#include "common/SystemClock.h"
#include "platform/SdlAudioOutput.h"
#include "playback/ModPlayer.h"

#include <QTest>
#include <QTimer>

namespace {

constexpr int kRate = 44100;
constexpr int kFenster = kRate / 20; // 50 ms

// The real engine on SDL's disk driver, ticked by a real 250 ms timer: two
// songs taken over one after the other overlap by the crossfading time.
TEST(WiedergabeEndToEnd, TwoSongsOverlapByTheCrossfadingTime)
{
    ErrPtnr::instance().reset();
    ToneFiles dateien;
    const QString tief = dateien.encode("tief.mp3", { 440, 4.0, 44100, 2, 0.4 });
    const QString hoch = dateien.encode("hoch.mp3", { 1000, 3.0, 44100, 2, 0.4 });
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", dateien.path("ausgabe.raw").toLocal8Bit());
    {
        ModPlayer player(std::make_unique<SdlAudioOutput>());
        SystemClock uhr;
        AufgezeichnetesFenster fenster;
        fenster.werte.Fadingzeit = 2;
        FlexGrid archiv;
        FlexGrid playlist;
        archiv.setRows(1);
        playlist.setRows(1);
        for (const QString& pfad : { tief, hoch }) {
            archiv.AddItem(pfad.section('/', -1));
            archiv.setTextMatrix(archiv.Rows() - 1, 4, pfad);
        }
        Wiedergabe wiedergabe(
            Wiedergabe::Teile { archiv, playlist, player, uhr, fenster }, [] { return 0.0; },
            &Dauermessung::Dateilaenge, PlaylistDatei(dateien.path("."), { dateien.path(".") }));
        for (int zeile : { 1, 2 }) {
            archiv.setRow(zeile);
            wiedergabe.playliste().Uebernehmen_Click();
        }
        QTimer timer1;
        timer1.setInterval(Wiedergabe::kTimer1Intervall);
        QObject::connect(&timer1, &QTimer::timeout, [&] { wiedergabe.sequenzer().Timer1_Timer(); });
        timer1.start();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return playlist.Rows() == 1 && player.GetStatus(0) == 0 && player.GetStatus(1) == 0; }, 15000));
    }
    qputenv("SDL_AUDIODRIVER", "dummy");
    const std::vector<qint16> aufnahme = readRawStereo(dateien.path("ausgabe.raw"));
    // The second song starts at the first tick past 4 s - 2 s: up to a tick less than 2 s together.
    int zusammen = 0; // 50 ms windows in which both tones sound
    for (std::size_t at = 0; at + kFenster * 2 <= aufnahme.size(); at += kFenster * 2)
        zusammen += toneLevel(aufnahme.data() + at, kFenster, 440, kRate) > 0.2
            && toneLevel(aufnahme.data() + at, kFenster, 1000, kRate) > 0.2;
    EXPECT_GT(zusammen, 30);
    EXPECT_LT(zusammen, 44);
}

} // namespace
