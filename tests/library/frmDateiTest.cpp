#include "InspectorSupport.h"
#include "LibraryTest.h"

#include "library/ui/frmDatei.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

// The window only wires: what the watch offers is the inspector's.
TEST_F(LibraryTest, FileWindowWatchesTheKeptFileAndTakesOnlyAConfirmedPath)
{
    const QString alt = music() + "/Alt.txt";
    const QString neu = music() + "/Neu 2024/Neu.log";
    schreiben(alt, "a", 0);
    Mp3Frames::writeFile(neu, "n");
    MemorySettingsStore store;
    store.values.insert("Data/File", alt);
    RecordingMessages meldungen;
    frmDatei fenster(store, meldungen);
    fenster.setSpeichernUnter([](const QString&, const QString&) { return QString(); });
    auto* Text1 = fenster.findChild<QLineEdit*>("Text1");
    EXPECT_EQ(std::tuple(fenster.windowTitle(), Text1->text(), fenster.inspektor().pfad()),
        std::tuple(QStringLiteral("Datei Inspektor"), alt, alt));

    Text1->setText(music() + "/N");
    fenster.Timer1_Timer();
    EXPECT_EQ(fenster.inspektor().pfad(), alt) << "a half-typed path is not watched";

    Text1->setText(neu);
    QTest::mouseClick(fenster.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    EXPECT_EQ(std::tuple(fenster.inspektor().pfad(), store.values.value("Data/File"), meldungen.shown),
        std::tuple(neu, neu, QStringList()));
}

} // namespace
