#include "InspectorSupport.h"
#include "LibraryTest.h"

#include "library/ui/frmDatei.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QThread>

namespace {

class frmDateiTest : public LibraryTest {
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        alt = music() + "/Alt.txt";
        neu = music() + "/Neu 2024/Neu.log";
        schreiben(alt, "a", 0);
        Mp3Frames::writeFile(neu, "n");
        store.values.insert("Data/File", alt);
        fenster = std::make_unique<frmDatei>(store, meldungen);
        fenster->setSpeichernUnter([this](const QString& titel, const QString& vorschlag) {
            angeboten << titel + " -> " + vorschlag;
            return QString();
        });
    }

    QLineEdit* Text1() const { return fenster->findChild<QLineEdit*>("Text1"); }
    // The in-use check answers on a later tick: tick until the change is offered.
    void bisAngeboten(qsizetype angebote)
    {
        QElapsedTimer uhr;
        uhr.start();
        while (angeboten.size() < angebote && uhr.elapsed() < 10'000) {
            fenster->Timer1_Timer();
            QThread::msleep(10);
        }
    }

    MemoryStore store;
    RecordingMessages meldungen;
    QString alt;
    QString neu;
    std::unique_ptr<frmDatei> fenster;
    QStringList angeboten;
};

TEST_F(frmDateiTest, LoadWatchesTheKeptFileAndTheButtonTakesOnlyAConfirmedPath)
{
    EXPECT_EQ(std::tuple(fenster->windowTitle(), Text1()->text(), fenster->inspektor().pfad()),
        std::tuple(QStringLiteral("Datei Inspektor"), alt, alt));

    Text1()->setText(music() + "/N");
    schreiben(alt, "geaendert", 10);
    bisAngeboten(1);
    EXPECT_EQ(fenster->inspektor().pfad(), alt) << "a half-typed path is not watched";
    EXPECT_EQ(angeboten, QStringList { alt + " speichern -> " + music() + "/Alt1.txt" });

    Text1()->setText(neu);
    QTest::mouseClick(fenster->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    EXPECT_EQ(std::tuple(fenster->inspektor().pfad(), store.values.value("Data/File"), meldungen.shown),
        std::tuple(neu, neu, QStringList()));
}

} // namespace
