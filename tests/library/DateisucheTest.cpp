#include "LibraryTest.h"

#include "library/Dateisuche.h"
#include "library/Id3v1Tag.h"

#include "platform/Dateiende.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QThread>
#include <QTimer>

namespace {

// The order of a plain recursive walk: a folder's own files as listed, then each subfolder.
QStringList gelistet(const QString& ordner)
{
    QStringList dateien, unterordner;
    QDirIterator it(ordner, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        (it.fileInfo().isDir() ? unterordner : dateien) << it.filePath();
    }
    for (const QString& unter : unterordner)
        dateien += gelistet(unter);
    return dateien;
}

class DateisucheTest : public LibraryTest {
protected:
    void SetUp() override
    {
        suche.setGefundenAnzeige([this](const QString& text) {
            anzeigen << text;
            if (anzeigen.size() == endeBeiFund)
                ProgrammEnde = true;
        });
    }

    qint64 find(const QString& ordner) { return suche.FindFile(ordner, "*.mp3", nDirs, nFiles, files, true); }

    RecordingMessages meldungen;
    Dateisuche suche { meldungen };
    qint64 nDirs = 0;
    qint64 nFiles = 0;
    QStringList files;
    QStringList anzeigen;
    int endeBeiFund = -1;
};

TEST_F(DateisucheTest, CountsFilesFoldersAndKibibytes)
{
    // 2.5 KiB each: the running total rounds halves to even (2, 4, 6).
    for (const char* name : { "a.mp3", "A/b.mp3", "A/B/c.mp3" })
        Mp3Frames::writeFile(music() + "/" + name, QByteArray(2560, 'x'));
    QDir().mkpath(music() + "/Leer");
    // The counts go on from the caller's; a 16-bit count would overflow here.
    nFiles = 32766;

    const qint64 kibibytes = find(music());
    EXPECT_EQ(std::tuple(kibibytes, nFiles, nDirs, files.size()), std::tuple(6, 32769, 4, 4));
    EXPECT_EQ(files.mid(0, 2), QStringList({ "", music() + "/a.mp3" })) << "the folder's own files first";
    EXPECT_EQ(
        anzeigen, QStringList({ "Gefundene Lieder: 32767", "Gefundene Lieder: 32768", "Gefundene Lieder: 32769" }));
}

TEST_F(DateisucheTest, EventsRunWhileOnlySkippedEntriesAreListedAndAnEmptyPathFindsNothing)
{
    for (const char* name : { "Bericht1.txt", "A/Bericht2.txt" })
        Songs::write(music(), name);
    bool timerLief = false;
    QTimer::singleShot(0, [&] { timerLief = true; });
    EXPECT_EQ(find(music()), 0);
    EXPECT_TRUE(timerLief) << "events run while only skipped entries are listed";

    files.clear();
    EXPECT_EQ(find(""), 0);
    EXPECT_TRUE(files.isEmpty());
    EXPECT_TRUE(meldungen.shown.isEmpty());
}

TEST_F(DateisucheTest, ProgrammEndeStopsAtTheNextFoundFileInEveryLevel)
{
    for (const char* name : { "a.mp3", "b.mp3", "A/a.mp3", "A/b.mp3", "A/B/a.mp3", "A/B/b.mp3", "C/a.mp3", "D/a.mp3" })
        Songs::write(music(), name);
    endeBeiFund = 3;
    find(music());
    EXPECT_EQ(std::tuple(nFiles, files.size(), anzeigen.size()), std::tuple(3, 4, 3));
}

// Many stacks of files are read on other threads; the caller still gets
// them one by one, in the order of the walk, on its own thread.
TEST_F(DateisucheTest, ManyFilesArriveInWalkOrderOnTheCallingThreadAndAStopEndsTheReaders)
{
    for (int i = 0; i < 900; ++i)
        Songs::write(music(), QStringLiteral("%1/%2.mp3").arg(QChar('A' + i % 3)).arg(i), Songs::tag("T", "B", 0));
    QStringList uebergeben;
    bool fremderFaden = false;
    suche.setDateiGefunden(Id3v1Tag::kSize, [&](const QString& pfad, const Dateiende& ende) {
        EXPECT_EQ(ende.bytes.left(3), "TAG");
        return [&, pfad] {
            fremderFaden |= QThread::currentThread() != QCoreApplication::instance()->thread();
            uebergeben << pfad;
        };
    });
    find(music());
    EXPECT_EQ(files.mid(1), gelistet(music()));
    EXPECT_EQ(uebergeben, files.mid(1));
    EXPECT_FALSE(fremderFaden);

    files.clear();
    uebergeben.clear();
    nFiles = 0;
    endeBeiFund = anzeigen.size() + 300;
    find(music());
    EXPECT_EQ(std::tuple(nFiles, uebergeben.size()), std::tuple(300, 300));
}

} // namespace
