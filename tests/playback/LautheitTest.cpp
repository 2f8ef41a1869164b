#include "ToneFiles.h"

#include "playback/Lautheitsausgleich.h"
#include "playback/Lautheitsspeicher.h"

#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(Lautheit, GainReachesTheTargetUnlessThePeakLimitsIt)
{
    const struct {
        double lufs, spitze, db;
    } faelle[] = {
        { -30, -20, 12 }, // raised to -18 LUFS
        { -30, -6, 5 }, // the peak may rise only to -1 dBTP
        { -18, 0.5, -1.5 }, // on target, but a peak above the limit is lowered
        { -HUGE_VAL, -HUGE_VAL, 0 }, // silence stays as it is
    };
    for (const auto& f : faelle)
        EXPECT_DOUBLE_EQ((Lautheitswerte { f.lufs, f.spitze }.verstaerkungDb()), f.db) << f.lufs << " LUFS";
}

// The gain in dB the song gets from a fresh Lautheitsausgleich.
double verstaerkungNachMessung(const QString& cache, const QString& lied)
{
    Lautheitsausgleich ausgleich(cache);
    ausgleich.vormerken(lied);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ausgleich.offen() == 0; }, 10000));
    return 20 * std::log10(ausgleich.faktor(lied));
}

// The cache answers for a song as long as its size and time hold; damaged
// lines are skipped, a foreign file is measured over; files that are no
// songs or are gone play as they are.
TEST(Lautheit, SongsAreMeasuredOnceAndTheCacheIsRebuilt)
{
    ToneFiles dateien;
    const QString lied = dateien.encode("lied.mp3", { 1000, 2.0, 44100, 2, 0.1 }); // about -20 LUFS
    const QString cache = dateien.path("Lautheit.txt");
    const qint64 groesse = QFileInfo(lied).size();
    const qint64 zeit = QFileInfo(lied).lastModified().toMSecsSinceEpoch();
    // As if the song were at -24 LUFS: a gain of 6 dB shows that it was not measured again.
    const auto zeile
        = [&](qint64 g, qint64 z) { return QString("%1\t%2\t-24\t-20\t%3\n").arg(g).arg(z).arg(lied).toUtf8(); };
    const QByteArray kopf = "Tonvaro Lautheit 1\n";
    const struct {
        QByteArray cache;
        double db;
    } faelle[] = {
        { kopf + zeile(groesse, zeit), 6 },
        { kopf + "1\t2\tnan\t-3\t/a\n-1\t2\t-3\t-3\t/b\nx\n1\t2\t-3\t-3\t\n" + zeile(groesse, zeit), 6 },
        { kopf + zeile(groesse + 1, zeit), 2 },
        { kopf + zeile(groesse, zeit - 1000), 2 },
        { "Tonvaro Lautheit 2\n" + zeile(groesse, zeit), 2 },
    };
    for (const auto& f : faelle) {
        ASSERT_TRUE(Mp3Frames::writeFile(cache, f.cache));
        EXPECT_NEAR(verstaerkungNachMessung(cache, lied), f.db, 0.75) << f.cache.toStdString();
    }
    const auto eintrag = Lautheitsspeicher::laden(cache).finden(lied, groesse, zeit);
    ASSERT_TRUE(eintrag);
    EXPECT_NEAR(eintrag->spitzeDbtp, -20, 0.5);

    ASSERT_TRUE(QFile::remove(lied));
    for (const QString& keinLied : { dateien.write("kein.mp3", QByteArray(5000, 'x')), lied })
        EXPECT_EQ(verstaerkungNachMessung(cache, keinLied), 0);
}

} // namespace
