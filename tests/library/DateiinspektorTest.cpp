#include "InspectorSupport.h"
#include "LibraryTest.h"

#include "library/Belegtpruefung.h"
#include "library/Dateiinspektor.h"
#include "platform/OpenFiles.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace {

class DateiinspektorTest : public LibraryTest {
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        bericht = music() + "/Bericht.txt";
        Mp3Frames::writeFile(music() + "/Bericht4.txt", "alt");
        schreiben(bericht, "erste Fassung", 0);
        inspektor.setSpeichernUnter([this](const QString& titel, const QString& vorschlag) {
            angeboten << titel + " -> " + vorschlag;
            if (imDialog)
                imDialog();
            return antworten.isEmpty() ? QString() : antworten.takeFirst();
        });
        ASSERT_TRUE(inspektor.Command1(bericht));
    }

    // Ticks until the change has settled: the tick that sees it, then one more.
    void zweiTicks()
    {
        inspektor.Timer1();
        inspektor.Timer1();
    }

    QString bericht;
    MemorySettingsStore store;
    RecordingMessages meldungen;
    bool belegt = false;
    Dateiinspektor inspektor { store, meldungen, [this](const QString&) { return belegt; } };
    QStringList angeboten;
    QStringList antworten; // the dialog's answers in turn; none left means Abbrechen
    std::function<void()> imDialog;
};

TEST_F(DateiinspektorTest, AChangeIsOfferedOnceWhenFreeAndSettledAndCancellingWaitsForTheNext)
{
    inspektor.Timer1();
    EXPECT_TRUE(angeboten.isEmpty()) << "unchanged";

    belegt = true;
    schreiben(bericht, "zweite Fassung", 10);
    zweiTicks();
    zweiTicks();
    EXPECT_TRUE(angeboten.isEmpty()) << "in use";
    belegt = false;
    schreiben(bericht, "zweite Fassung, laenger", 10);
    inspektor.Timer1();
    EXPECT_TRUE(angeboten.isEmpty()) << "its size changed since the last tick: it may still be written";
    inspektor.Timer1();
    EXPECT_EQ(angeboten, QStringList { bericht + " speichern -> " + music() + "/Bericht5.txt" });

    zweiTicks();
    EXPECT_EQ(angeboten.size(), 1) << "cancelled: not offered again";
    EXPECT_FALSE(QFileInfo::exists(music() + "/Bericht5.txt"));
    schreiben(bericht, "dritte Fassung", 20);
    zweiTicks();
    EXPECT_EQ(angeboten.size(), 2) << "the next change is offered";
}

TEST_F(DateiinspektorTest, ConfirmedTargetGetsTheWholeCopyAndTheWatchedFileIsRefusedAsItsOwnTarget)
{
    const QString ziel = music() + "/Bericht5.txt";
    antworten = { music() + "/./Bericht.txt", ziel };
    schreiben(bericht, "zweite Fassung", 10);
    zweiTicks();

    EXPECT_EQ(angeboten.size(), 2) << "asked again after the refusal";
    ASSERT_EQ(meldungen.shown.size(), 1);
    EXPECT_TRUE(meldungen.shown[0].contains("eigene Kopie")) << meldungen.shown[0].toStdString();
    EXPECT_EQ(std::pair(Mp3Frames::readFile(bericht), Mp3Frames::readFile(ziel)),
        std::pair(QByteArray("zweite Fassung"), QByteArray("zweite Fassung")));

    // An existing copy is replaced whole; a target that cannot be written says so.
    antworten = { music() + "/Bericht4.txt" };
    schreiben(bericht, "dritte", 20);
    zweiTicks();
    EXPECT_EQ(Mp3Frames::readFile(music() + "/Bericht4.txt"), "dritte");
    antworten = { music() + "/fehlt/Bericht6.txt" };
    schreiben(bericht, "vierte", 30);
    zweiTicks();
    EXPECT_EQ(meldungen.shown.last(),
        QStringLiteral("Die Kopie \"%1\" konnte nicht gespeichert werden.").arg(music() + "/fehlt/Bericht6.txt"));
}

TEST_F(DateiinspektorTest, TheWatchPausesWhileItsDialogIsOpen)
{
    imDialog = [this] {
        schreiben(bericht, "im Dialog geaendert", 20);
        zweiTicks();
    };
    schreiben(bericht, "zweite Fassung", 10);
    zweiTicks();
    EXPECT_EQ(angeboten.size(), 1) << "no second dialog from inside the first";

    imDialog = nullptr;
    zweiTicks();
    EXPECT_EQ(angeboten.size(), 2) << "the change made meanwhile comes afterwards";
}

TEST_F(DateiinspektorTest, AFolderIsRefusedAndAFileThatAppearsLaterCountsAsChanged)
{
    EXPECT_FALSE(inspektor.Command1(music()));
    EXPECT_EQ(meldungen.shown,
        QStringList {
            QStringLiteral("\"%1\" ist ein Ordner. Bitte geben Sie eine Datei zum Überwachen an.").arg(music()) });
    EXPECT_EQ(std::pair(inspektor.pfad(), store.values.value("Data/File")), std::pair(bericht, bericht));

    const QString neu = music() + "/Neu.txt";
    ASSERT_TRUE(inspektor.Command1(neu));
    zweiTicks();
    EXPECT_TRUE(angeboten.isEmpty());
    schreiben(neu, "da", 5);
    zweiTicks();
    EXPECT_EQ(angeboten, QStringList { neu + " speichern -> " + music() + "/Neu1.txt" });
}

TEST_F(DateiinspektorTest, FileIsInUseWhileOpenForWritingOrLocked)
{
    EXPECT_FALSE(OpenFiles::FileInUse(music() + "/fehlt.txt"));
    EXPECT_FALSE(OpenFiles::FileInUse(bericht));
#ifdef Q_OS_LINUX
    {
        QFile schreiber(bericht);
        ASSERT_TRUE(schreiber.open(QIODevice::Append));
        EXPECT_TRUE(OpenFiles::FileInUse(bericht));
    }
    const int fd = ::open(QFile::encodeName(bericht).constData(), O_RDONLY);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    EXPECT_TRUE(OpenFiles::FileInUse(bericht)) << "locked";
    ::close(fd);
    EXPECT_FALSE(OpenFiles::FileInUse(bericht));
#endif
}

TEST(Belegtpruefung, AnswersAtOnceAndCountsAFileInUseUntilItsCheckHasFoundItFree)
{
    std::promise<void> los;
    Belegtpruefung belegt([fertig = los.get_future().share()](const QString& pfad) {
        fertig.wait();
        return pfad == "offen";
    });
    EXPECT_TRUE(belegt("frei") && belegt("frei")) << "no answer yet, and no wait for it";
    los.set_value();
    QElapsedTimer uhr;
    for (uhr.start(); belegt("frei") && uhr.elapsed() < 10'000;)
        QThread::msleep(5);
    EXPECT_LT(uhr.elapsed(), 10'000) << "found free";
    for (int i = 0; i < 20; ++i, QThread::msleep(5))
        EXPECT_TRUE(belegt("offen"));
}

} // namespace
