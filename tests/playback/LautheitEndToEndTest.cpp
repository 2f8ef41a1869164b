#include "ToneFiles.h"
#include "WiedergabeFakes.h"

#include "common/SystemClock.h"
#include "platform/SdlAudioOutput.h"
#include "playback/Lautheitsmessung.h"
#include "playback/ModPlayer.h"

#include <QTest>
#include <QTimer>

namespace {

constexpr int kRate = 44100;

struct Gehoert {
    double erstes;
    double zweites;
};

double lufs(const std::vector<qint16>& aufnahme, std::size_t vonFrame, std::size_t bisFrame)
{
    Lautheitsmessung messung;
    messung.hinzufuegen(aufnahme.data() + 2 * vonFrame, int(bisFrame - vonFrame));
    return messung.ergebnis().lufs;
}

// Plays a quiet and a loud song of the same tone one after the other on SDL's
// disk driver and measures what was heard of each while it played alone.
Gehoert zweiLieder(bool lautheit)
{
    ErrPtnr::instance().reset();
    ToneFiles dateien;
    // A 1 kHz tone in both channels measures about its level in dBFS as LUFS.
    const QString leise = dateien.encode("leise.mp3", { 1000, 3.0, kRate, 2, 0.0316 });
    const QString laut = dateien.encode("laut.mp3", { 1000, 3.0, kRate, 2, 0.316 });
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", dateien.path("ausgabe.raw").toLocal8Bit());
    {
        ModPlayer player(std::make_unique<SdlAudioOutput>());
        SystemClock uhr;
        AufgezeichnetesFenster fenster;
        fenster.werte.Fadingzeit = 1;
        fenster.werte.Lautheit = lautheit;
        FlexGrid archiv;
        FlexGrid playlist;
        archiv.setRows(1);
        playlist.setRows(1);
        for (const QString& pfad : { leise, laut }) {
            archiv.AddItem(pfad.section('/', -1));
            archiv.setTextMatrix(archiv.Rows() - 1, 4, pfad);
        }
        Wiedergabe wiedergabe(
            Wiedergabe::Teile { archiv, playlist, player, uhr, fenster }, [] { return 0.0; },
            &Dauermessung::Dateilaenge, PlaylistDatei(dateien.path("."), { dateien.path(".") }),
            dateien.path("Lautheit.txt"));
        for (int zeile : { 1, 2 }) {
            archiv.setRow(zeile);
            wiedergabe.playliste().Uebernehmen_Click();
        }
        // The first song is measured before it starts, as it would be behind a playing one.
        EXPECT_TRUE(QTest::qWaitFor([&] { return wiedergabe.lautheit().offen() == 0; }, 10000));
        QTimer timer1;
        timer1.setInterval(Wiedergabe::kTimer1Intervall);
        QObject::connect(&timer1, &QTimer::timeout, [&] { wiedergabe.sequenzer().Timer1_Timer(); });
        timer1.start();
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return playlist.Rows() == 1 && player.GetStatus(0) == 0 && player.GetStatus(1) == 0; }, 15000));
    }
    qputenv("SDL_AUDIODRIVER", "dummy");
    const std::vector<qint16> aufnahme = readRawStereo(dateien.path("ausgabe.raw"));
    const std::size_t frames = aufnahme.size() / 2;
    const auto hoerbar = [&](std::size_t frame) { return std::abs(aufnahme[2 * frame]) > 50; };
    std::size_t anfang = 0;
    while (anfang < frames && !hoerbar(anfang))
        ++anfang;
    std::size_t ende = frames;
    while (ende > anfang && !hoerbar(ende - 1))
        --ende;
    // Each song sounds alone for about 2 s at either end of the recording.
    constexpr std::size_t kRand = kRate / 5;
    constexpr std::size_t kAllein = kRate * 8 / 5;
    if (ende - anfang < 2 * (kRand + kAllein))
        return { 0, 0 };
    return { lufs(aufnahme, anfang + kRand, anfang + kRand + kAllein),
        lufs(aufnahme, ende - kRand - kAllein, ende - kRand) };
}

// Levelled, a song at -30 LUFS and one at -10 LUFS are heard alike; without
// the option they keep their distance.
TEST(LautheitEndToEnd, SongsAreHeardLevelledOnlyWithTheOption)
{
    for (const bool lautheit : { true, false }) {
        const Gehoert gehoert = zweiLieder(lautheit);
        SCOPED_TRACE(lautheit ? "Lautheit an" : "Lautheit aus");
        EXPECT_NEAR(gehoert.erstes, lautheit ? -18 : -30, 1);
        EXPECT_NEAR(gehoert.zweites - gehoert.erstes, lautheit ? 0 : 20, 1);
    }
}

} // namespace
