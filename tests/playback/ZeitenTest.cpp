#include "WiedergabeFakes.h"

#include "playback/Zeittext.h"

#include <QTest>

#include <QElapsedTimer>

#include <atomic>
#include <memory>
#include <thread>
#include <tuple>

namespace {

using Startzeitentest = WiedergabeTest;

TEST_F(Startzeitentest, LaterRowsCountFromTheCurrentSongLessTheCrossfading)
{
    uebernehmen(archivLied("a", 200, "03:20"));
    uebernehmen(archivLied("b", 180, "03:00"));
    uebernehmen(archivLied("c", 100, "ohne Zeit"));
    uebernehmen(archivLied("d", 100));
    spielen(0.25);
    const QString start = uhr.now().toString("HH:mm");
    spielen(60);
    // Paused for ten minutes: only the rows below the playing song move on.
    wiedergabe->sequenzer().Pause();
    uhr.vergehen(600'000);
    wiedergabe->startzeiten().Uhrzeiten();
    const QDateTime t0 = uhr.now().addMSecs(-player.GetPosition(1));
    QStringList startzeiten { start };
    for (int sekunden : { 190, 190 + 170, 190 + 170 + 290 }) // no time: five minutes
        startzeiten << t0.addSecs(sekunden).toString("HH:mm");
    EXPECT_EQ(startzeiten,
        QStringList({ playlist.TextMatrix(1, 3), playlist.TextMatrix(2, 3), playlist.TextMatrix(3, 3),
            playlist.TextMatrix(4, 3) }));

    // The sum must agree with when the sequencer really starts the songs.
    wiedergabe->sequenzer().Pause();
    const QString erwartet = playlist.TextMatrix(3, 3);
    while (titel().first() != QStringLiteral("c") && uhr.now() < t0.addSecs(600))
        spielen(0.25);
    EXPECT_EQ(uhr.now().toString("HH:mm"), erwartet);
    EXPECT_LT(uhr.now(), t0.addSecs(190 + 170 + 1)) << "late by no more than a tick per song";
}

TEST_F(Startzeitentest, TimeBarShowsLengthTitleUpToNulAndBlinksWhileTheNotePaused)
{
    uebernehmen(archivLied(QString::fromUtf8("Titel\0\0\0", 8), 215));
    spielen(0.5);
    const Balkenzustand& balken = wiedergabe->zeitbalken().zustand();
    EXPECT_EQ(std::tuple(balken.BalkenLaenge, balken.Balkentext, balken.Noteposition),
        std::tuple(215, QString::fromUtf8(" 03:35   Titel\0\0\0", 17), 0.25))
        << "the cell keeps its NULs";
    fenster.werte.Pause = false;
    wiedergabe->sequenzer().Positionsgrafik_Click();
    EXPECT_EQ(player.GetStatus(1), PlayerControl::Playing) << "the note pauses only when allowed";
    fenster.werte.Pause = true;
    wiedergabe->sequenzer().Positionsgrafik_Click();
    spielen(5);
    EXPECT_TRUE(balken.Blinken && balken.Noteposition == 0.25) << "paused time does not count";
    wiedergabe->sequenzer().Positionsgrafik_Click();
    spielen(270);
    EXPECT_EQ(std::tuple(balken.Balkentext, balken.Noteposition, balken.Blinken), std::tuple(QString(), 0.0, false))
        << "idle: note at the start";
}

// The song "/m/<n>.mp3" is n seconds long.
qint64 sekundenAus(const QString& datei)
{
    return datei.section('/', -1).section('.', 0, 0).toLongLong();
}

class Dauertest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ProgrammEnde = false;
        archiv.setRows(1);
        for (int i = 1; i <= 40; ++i) {
            archiv.AddItem(QString::number(i));
            archiv.setTextMatrix(i, 4, QStringLiteral("/m/%1.mp3").arg(i));
        }
    }
    bool fertig()
    {
        return QTest::qWaitFor([&] { return messung.offen() == 0; }, 5000);
    }
    void erwarteDauerStimmt()
    {
        for (int i = 1; i < archiv.Rows(); ++i)
            EXPECT_EQ(archiv.TextMatrix(i, 3), Zeittext::Dauer(sekundenAus(archiv.TextMatrix(i, 4)))) << "row " << i;
    }

    FlexGrid archiv;
    // The worker thread measures; a test can hold it at this gate.
    std::atomic<bool> offen { true };
    std::atomic<int> anzahl { 0 };
    Dauermessung messung { archiv, [this](const QString& d) {
                              while (!offen)
                                  QThread::msleep(1);
                              ++anzahl;
                              return sekundenAus(d);
                          } };
};

TEST_F(Dauertest, VisibleRowsGoFirstThenTheFullScanFillsOnlyEmptyCellsAndSaysWhenDone)
{
    archiv.setVisibleRowCount(5);
    archiv.setTopRow(20);
    messung.ZeitenEinlesen(true);
    ASSERT_TRUE(fertig());
    EXPECT_EQ(std::tuple(int(anzahl), archiv.TextMatrix(19, 3), archiv.TextMatrix(20, 3), archiv.TextMatrix(24, 3),
                  archiv.TextMatrix(25, 3), messung.ZeitenFertig()),
        std::tuple(5, QString(), QStringLiteral("00:20"), QStringLiteral("00:24"), QString(), false));

    archiv.setTextMatrix(7, 3, QStringLiteral("99:99"));
    messung.ZeitenEinlesen(false);
    ASSERT_TRUE(fertig());
    EXPECT_EQ(std::tuple(int(anzahl), archiv.TextMatrix(7, 3), messung.ZeitenFertig()),
        std::tuple(5 + 34, QStringLiteral("99:99"), true));
}

TEST_F(Dauertest, ResortDuringTheScanNeverPutsALengthOnAnotherSong)
{
    offen = false;
    messung.ZeitenEinlesen(false);
    // Reverse the archive while the worker holds its first files.
    archiv.setRow(1);
    archiv.setRowSel(archiv.Rows() - 1);
    archiv.setCol(4);
    for (int i = 1, j = archiv.Rows() - 1; i < j; ++i, --j) {
        const QString a = archiv.TextMatrix(i, 4);
        archiv.setTextMatrix(i, 4, archiv.TextMatrix(j, 4));
        archiv.setTextMatrix(j, 4, a);
    }
    messung.setZeitenNeustart(true);
    offen = true;
    ASSERT_TRUE(fertig());
    erwarteDauerStimmt();
}

TEST_F(Dauertest, ProgramEndStopsTheScanAndWritesNoMore)
{
    offen = false;
    messung.ZeitenEinlesen(false);
    ProgrammEnde = true;
    offen = true;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messung.ZeitenLaeuft(); }, 5000));
    QTest::qWait(20);
    EXPECT_EQ(archiv.TextMatrix(1, 3) + archiv.TextMatrix(40, 3), QString()) << "not even the held file's length";
    EXPECT_FALSE(messung.ZeitenFertig());
    ProgrammEnde = false;
}

// The worker reads a length, then holds until the test lets it hand the length back.
struct GehalteneMessung {
    std::atomic<bool> begonnen { false };
    std::atomic<bool> frei { false };
    std::atomic<qint64> laenge { 1 };
    qint64 operator()()
    {
        const qint64 gelesen = laenge;
        begonnen = true;
        while (!frei)
            QThread::msleep(1);
        return gelesen;
    }
};

TEST_F(Dauertest, ClosingDoesNotWaitForAFileReadThatHangs)
{
    auto share = std::make_shared<GehalteneMessung>();
    auto messung = std::make_unique<Dauermessung>(archiv, [share](const QString&) { return (*share)(); });
    messung->ZeitenEinlesen(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return bool(share->begonnen); }, 5000));
    std::thread spaeteAntwort([share] {
        QThread::msleep(3000);
        share->frei = true;
    });
    QElapsedTimer uhr;
    uhr.start();
    messung.reset();
    EXPECT_LT(uhr.elapsed(), 1000);
    spaeteAntwort.join();
}

TEST_F(Dauertest, RescanDuringTheScanMeasuresAReplacedFileAfresh)
{
    GehalteneMessung datei;
    Dauermessung neu { archiv, [&](const QString&) { return datei(); } };
    neu.ZeitenEinlesen(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return bool(datei.begonnen); }, 5000));
    // Row 1's file is replaced while its old length is on the way back, then the folder is read again.
    datei.laenge = 77;
    SetUp();
    neu.ZeitenEinlesen(false);
    datei.frei = true;
    ASSERT_TRUE(QTest::qWaitFor([&] { return neu.ZeitenFertig(); }, 5000));
    EXPECT_EQ(archiv.TextMatrix(1, 3), QStringLiteral("01:17"));
}

} // namespace
