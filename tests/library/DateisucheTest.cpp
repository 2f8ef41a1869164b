#include "LibraryTest.h"
#include "Songs.h"

#include "library/Dateisuche.h"
#include "support/Mp3Frames.h"

#include <QFile>
#include <QTimer>

namespace {

class DateisucheTest : public LibraryTest {
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        suche.setGefundenAnzeige([this](const QString& text) {
            anzeigen << text;
            if (beiJedemFund)
                beiJedemFund();
        });
    }

    qint64 findMp3(const QString& ordner) { return suche.FindFile(ordner, "*.mp3", nDirs, nFiles, files, true); }

    RecordingMessages meldungen;
    Dateisuche suche { meldungen };
    qint64 nDirs = 0;
    qint64 nFiles = 0;
    QStringList files;
    QStringList anzeigen;
    std::function<void()> beiJedemFund;
};

TEST_F(DateisucheTest, CountsFilesFoldersAndKibibytes)
{
    // 2.5 KiB each: the running total rounds halves to even (2, 4, 6).
    for (const char* name : { "a.mp3", "A/b.mp3", "A/B/c.mp3" })
        Mp3Frames::writeFile(music() + "/" + name, QByteArray(2560, 'x'));
    QDir().mkpath(music() + "/Leer");

    EXPECT_EQ(findMp3(music()), 6);
    EXPECT_EQ(nFiles, 3);
    EXPECT_EQ(nDirs, 4);
    ASSERT_EQ(files.size(), 4);
    EXPECT_EQ(files[0], "");
    EXPECT_EQ(files[1], music() + "/a.mp3");
    EXPECT_EQ(anzeigen, QStringList({ "Gefundene Lieder: 1", "Gefundene Lieder: 2", "Gefundene Lieder: 3" }));
}

TEST_F(DateisucheTest, WithoutSubfoldersOnlyTheFolderItself)
{
    Songs::write(music(), "a.mp3");
    Songs::write(music(), "A/b.mp3");
    EXPECT_GT(suche.FindFile(music(), "*.mp3", nDirs, nFiles, files, false), 0);
    EXPECT_EQ(files, QStringList({ "", music() + "/a.mp3" }));
}

TEST_F(DateisucheTest, PatternWithQuestionMark)
{
    Songs::write(music(), "Bericht1.txt");
    Songs::write(music(), "Bericht12.txt");
    Songs::write(music(), "Bericht4.txt");
    suche.FindFile(music(), "Bericht?.txt", nDirs, nFiles, files, false);
    files.sort();
    EXPECT_EQ(files, QStringList({ "", music() + "/Bericht1.txt", music() + "/Bericht4.txt" }));
}

TEST_F(DateisucheTest, EmptyFolderPathDoesNothingAndShowsNoMessage)
{
    EXPECT_EQ(findMp3(""), 0);
    EXPECT_TRUE(meldungen.shown.isEmpty());
    EXPECT_TRUE(files.isEmpty());
}

TEST_F(DateisucheTest, ProgrammEndeStopsAtTheNextFoundFileInEveryLevel)
{
    for (const char* name : { "a.mp3", "b.mp3", "A/a.mp3", "A/b.mp3", "A/B/a.mp3", "A/B/b.mp3", "C/a.mp3", "D/a.mp3" })
        Songs::write(music(), name);
    beiJedemFund = [&] {
        if (anzeigen.size() == 3)
            ProgrammEnde = true;
    };

    findMp3(music());
    EXPECT_EQ(nFiles, 3);
    EXPECT_EQ(files.size(), 4);
    EXPECT_EQ(anzeigen.size(), 3);
}

TEST_F(DateisucheTest, EventsRunWhileOnlySkippedEntriesAreListed)
{
    for (int i = 0; i < 50; ++i)
        Songs::write(music(), QString("notiz%1.txt").arg(i));
    Songs::write(music(), "leer.mp3");
    QFile(music() + "/leer.mp3").resize(0);
    bool timerLief = false;
    QTimer::singleShot(0, [&] { timerLief = true; });

    findMp3(music());
    EXPECT_EQ(nFiles, 0);
    EXPECT_TRUE(timerLief);
}

TEST_F(DateisucheTest, CountsPast32767Files)
{
    // 100 folders of 328 one-byte files: 32,800 songs.
    for (int ordner = 0; ordner < 100; ++ordner) {
        for (int datei = 0; datei < 328; ++datei)
            Mp3Frames::writeFile(QString("%1/%2/%3.mp3").arg(music()).arg(ordner).arg(datei), "x");
    }
    findMp3(music());
    EXPECT_EQ(nFiles, 32800);
    EXPECT_EQ(files.size(), 32801);
    EXPECT_EQ(nDirs, 101);
    EXPECT_EQ(anzeigen.last(), "Gefundene Lieder: 32800");
}

} // namespace
