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
// The random fill draws archive row 1, then row 2, then none.
constexpr double kZiehungen[] = { 0.0, 0.9, -1.0 };

// Plays a song at about -30 LUFS and one at about -10 LUFS (the same tone)
// one after the other on SDL's disk driver, taken over or drawn by the random
// fill; what was heard of each while it sounded alone, in LUFS.
std::array<double, 2> zweiLieder(bool lautheit, bool zufall)
{
    ErrPtnr::instance().reset();
    ToneFiles dateien;
    const QString lieder[] = { dateien.encode("leise", { 1000, 3.0, kRate, 2, 0.0316 }),
        dateien.encode("laut", { 1000, 3.0, kRate, 2, 0.316 }) };
    {
        // Measured and cached before the output opens: resting and reopening it would start a new disk file.
        Lautheitsausgleich vorab(dateien.path("Lautheit.txt"));
        for (const QString& lied : lieder)
            vorab.vormerken(lied);
        EXPECT_TRUE(QTest::qWaitFor([&] { return vorab.offen() == 0; }, 10000));
    }
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", dateien.path("ausgabe.raw").toLocal8Bit());
    {
        ModPlayer player(std::make_unique<SdlAudioOutput>());
        SystemClock uhr;
        AufgezeichnetesFenster fenster;
        fenster.werte.Fadingzeit = 1;
        fenster.werte.Lautheit = lautheit;
        fenster.werte.Zufall = zufall;
        FlexGrid archiv;
        FlexGrid playlist;
        Wiedergabe wiedergabe(
            { archiv, playlist, player, uhr, fenster }, [n = 0]() mutable { return kZiehungen[std::min(n++, 2)]; },
            &Dauermessung::Dateilaenge, PlaylistDatei(dateien.path("."), { dateien.path(".") }),
            dateien.path("Lautheit.txt"));
        archiv.setRows(3);
        for (const int zeile : { 1, 2 }) {
            archiv.setTextMatrix(zeile, 0, "Ton");
            archiv.setTextMatrix(zeile, 4, lieder[zeile - 1]);
            archiv.setRow(zeile);
            if (!zufall)
                wiedergabe.playliste().Uebernehmen_Click();
        }
        // The first song is found measured before it starts, as it is behind a playing one.
        EXPECT_TRUE(QTest::qWaitFor([&] { return wiedergabe.lautheit().offen() == 0; }, 500));
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

// Levelled, both are heard at -18 LUFS; without the option they keep their
// 20 LU. The random fill's first song starts as it is drawn, unmeasured; the
// next is drawn ahead and measured meanwhile.
TEST(LautheitEndToEnd, SongsAreHeardLevelledOnlyWithTheOption)
{
    const struct {
        bool lautheit, zufall;
        double erstes, zweites;
    } faelle[] = { { true, false, -18, -18 }, { false, false, -30, -10 }, { true, true, -30, -18 } };
    for (const auto& f : faelle) {
        const auto [erstes, zweites] = zweiLieder(f.lautheit, f.zufall);
        EXPECT_NEAR(erstes, f.erstes, 1) << f.lautheit << f.zufall;
        EXPECT_NEAR(zweites, f.zweites, 1) << f.lautheit << f.zufall;
    }
}

} // namespace
