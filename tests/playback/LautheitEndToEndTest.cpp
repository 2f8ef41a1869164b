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

// Plays a song at about -30 LUFS and one at about -10 LUFS (the same tone)
// one after the other on SDL's disk driver; what was heard of each while it
// sounded alone, in LUFS.
std::array<double, 2> zweiLieder(bool lautheit)
{
    ErrPtnr::instance().reset();
    ToneFiles dateien;
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
        Wiedergabe wiedergabe(
            { archiv, playlist, player, uhr, fenster }, [] { return 0.0; }, &Dauermessung::Dateilaenge,
            PlaylistDatei(dateien.path("."), { dateien.path(".") }), dateien.path("Lautheit.txt"));
        for (const double amplitude : { 0.0316, 0.316 }) {
            archiv.setRows(2);
            archiv.setTextMatrix(1, 0, "Ton");
            archiv.setTextMatrix(1, 4, dateien.encode(QString::number(amplitude), { 1000, 3.0, kRate, 2, amplitude }));
            archiv.setRow(1);
            wiedergabe.playliste().Uebernehmen_Click();
        }
        // The first song is measured before it starts, as it is behind a playing one.
        EXPECT_TRUE(QTest::qWaitFor([&] { return wiedergabe.lautheit().offen() == 0; }, 10000));
        QTimer timer1;
        QObject::connect(&timer1, &QTimer::timeout, [&] { wiedergabe.sequenzer().Timer1_Timer(); });
        timer1.start(Wiedergabe::kTimer1Intervall);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return playlist.Rows() == 1 && player.GetStatus(0) == 0 && player.GetStatus(1) == 0; }, 15000));
    }
    qputenv("SDL_AUDIODRIVER", "dummy");
    const std::vector<qint16> aufnahme = readRawStereo(dateien.path("ausgabe.raw"));
    const auto hoerbar = [](qint16 wert) { return std::abs(wert) > 50; };
    const auto anfang = std::find_if(aufnahme.begin(), aufnahme.end(), hoerbar) - aufnahme.begin();
    const auto ende = aufnahme.rend() - std::find_if(aufnahme.rbegin(), aufnahme.rend(), hoerbar);
    // Each song sounds alone for about 2 s at either end.
    const auto lufs = [&](std::ptrdiff_t von) {
        Lautheitsmessung messung;
        messung.hinzufuegen(aufnahme.data() + (von & ~1), kRate * 3 / 2);
        return messung.ergebnis().lufs;
    };
    if (ende - anfang < 4 * 2 * kRate)
        return { 0, 0 };
    return { lufs(anfang + kRate / 2), lufs(ende - 4 * kRate) };
}

// Levelled, both are heard at -18 LUFS; without the option they keep their 20 LU.
TEST(LautheitEndToEnd, SongsAreHeardLevelledOnlyWithTheOption)
{
    for (const bool lautheit : { true, false }) {
        const auto [erstes, zweites] = zweiLieder(lautheit);
        EXPECT_NEAR(erstes, lautheit ? -18 : -30, 1) << lautheit;
        EXPECT_NEAR(zweites - erstes, lautheit ? 0 : 20, 1) << lautheit;
    }
}

} // namespace
