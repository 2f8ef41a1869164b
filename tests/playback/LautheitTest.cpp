#include "ToneFiles.h"

#include "playback/Lautheitsausgleich.h"
#include "playback/Lautheitsspeicher.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(Lautheit, GainReachesTheTargetUnlessThePeakLimitsIt)
{
    const struct {
        double lufs, spitze, db;
    } faelle[] = {
        { -30, -20, 12 }, // quiet: raised to -18 LUFS
        { -10, -4, -8 }, // loud: lowered
        { -30, -6, 5 }, // the peak may rise only to -1 dBTP
        { -18, 0.5, -1.5 }, // on target, but a peak above the limit is lowered
        { -HUGE_VAL, -HUGE_VAL, 0 }, // silence stays as it is
    };
    for (const auto& f : faelle) {
        const Lautheitswerte werte { f.lufs, f.spitze };
        EXPECT_DOUBLE_EQ(werte.verstaerkungDb(), f.db) << f.lufs << " LUFS, " << f.spitze << " dBTP";
    }
}

TEST(Lautheit, CacheTextKeepsGoodLinesOnly)
{
    const QByteArray kopf = "Tonvaro Lautheit 1\n";
    const struct {
        QByteArray text;
        int eintraege;
    } faelle[] = {
        { kopf + "10\t20\t-23.5\t-3\t/a b/c.mp3\n", 1 },
        { kopf + "10\t20\t-inf\t-inf\t/still.mp3\n", 1 },
        { kopf + "10\t20\t-23.5\t-3\t/tab\tim Namen.mp3", 1 },
        { kopf + "10\t20\tnan\t-3\t/a.mp3\n10\t20\t-20\t-3\t/b.mp3\n", 1 },
        { kopf + "-1\t20\t-23\t-3\t/a.mp3\nx\t20\t-23\t-3\t/b.mp3\n10\t20\t-23\t-3\t\n10\t20\t-23\n", 0 },
        { "Tonvaro Lautheit 2\n10\t20\t-23.5\t-3\t/a.mp3\n", 0 },
        { QByteArray("\0\xff\xfe garbage", 12), 0 },
    };
    for (const auto& f : faelle) {
        const Lautheitsspeicher gelesen = Lautheitsspeicher::lesen(f.text);
        EXPECT_EQ(int(gelesen.eintraege().size()), f.eintraege) << f.text.toStdString();
        EXPECT_EQ(Lautheitsspeicher::lesen(gelesen.daten()).eintraege(), gelesen.eintraege());
    }
}

qint64 geaendert(const QString& pfad)
{
    return QFileInfo(pfad).lastModified().toMSecsSinceEpoch();
}

// The gain in dB the song gets from a fresh Lautheitsausgleich.
double verstaerkungNachMessung(const QString& cache, const QString& lied)
{
    Lautheitsausgleich ausgleich(cache);
    ausgleich.vormerken(lied);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ausgleich.offen() == 0; }, 10000));
    return 20 * std::log10(ausgleich.faktor(lied));
}

// The cache answers for a song as long as its size and time hold; a damaged
// cache is measured over; files that are no songs or are gone play as they are.
TEST(Lautheit, SongsAreMeasuredOnceAndTheCacheIsRebuilt)
{
    ToneFiles dateien;
    const QString lied = dateien.encode("lied.mp3", { 1000, 2.0, 44100, 2, 0.1 }); // about -20 LUFS
    const QString cache = dateien.path("Lautheit.txt");
    const double gemessen = 2; // to -18 LUFS
    const double ausDemCache = 6; // as if it were -24 LUFS
    const auto cacheMit = [&](qint64 groesse, qint64 zeit) {
        Lautheitsspeicher speicher;
        speicher.eintragen(lied, { groesse, zeit, { -24, -20 } });
        ASSERT_TRUE(speicher.speichern(cache));
    };
    const qint64 groesse = QFileInfo(lied).size();

    cacheMit(groesse, geaendert(lied));
    EXPECT_NEAR(verstaerkungNachMessung(cache, lied), ausDemCache, 1e-9);
    cacheMit(groesse + 1, geaendert(lied));
    EXPECT_NEAR(verstaerkungNachMessung(cache, lied), gemessen, 0.75);
    cacheMit(groesse, geaendert(lied) - 1000);
    EXPECT_NEAR(verstaerkungNachMessung(cache, lied), gemessen, 0.75);
    ASSERT_TRUE(Mp3Frames::writeFile(cache, "Tonvaro Lautheit 1\n\xff\t\t\n"));
    EXPECT_NEAR(verstaerkungNachMessung(cache, lied), gemessen, 0.75);
    const auto eintrag = Lautheitsspeicher::laden(cache).finden(lied, groesse, geaendert(lied));
    ASSERT_TRUE(eintrag);
    EXPECT_NEAR(eintrag->lufs, -20, 0.75);
    EXPECT_NEAR(eintrag->spitzeDbtp, -20, 0.5);

    EXPECT_EQ(verstaerkungNachMessung(cache, dateien.write("kein.mp3", QByteArray(5000, 'x'))), 0);
    EXPECT_EQ(verstaerkungNachMessung(cache, dateien.path("fehlt.mp3")), 0);
    ASSERT_TRUE(QFile::remove(lied));
    EXPECT_EQ(verstaerkungNachMessung(cache, lied), 0);
}

// Closing in the middle of measuring a long song neither waits for it nor leaks.
TEST(Lautheit, ClosingStopsAMeasurementUnderWay)
{
    ToneFiles dateien;
    const QString lied = dateien.encode("lang.mp3", { 440, 120.0, 44100, 2, 0.3 });
    QElapsedTimer uhr;
    {
        Lautheitsausgleich ausgleich(dateien.path("Lautheit.txt"));
        ausgleich.vormerken(lied);
        QTest::qWait(20);
        uhr.start();
    }
    EXPECT_LT(uhr.elapsed(), 150);
}

} // namespace
