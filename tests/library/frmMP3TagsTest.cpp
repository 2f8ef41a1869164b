#include "LibraryTest.h"

#include "library/Archiv.h"
#include "library/modMP3Tags.h"
#include "library/ui/frmMP3Tags.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

class frmMP3TagsTest : public LibraryTest {
protected:
    void SetUp() override
    {
        LibraryTest::SetUp();
        archiv.TabelleLeeren(grid);
        erstes = Songs::write(music(), "erstes.mp3", Songs::tag("Erstes", "Band A", 17));
        zweites = Songs::write(music(), "zweites.mp3", Songs::tag("Zweites", "Band B", 13));
        for (const QString& datei : { erstes, zweites })
            archiv.EineZeileInsArchiv(datei, 0);
        grid.setTextMatrix(2, Archiv::Dauer, "03:15");
    }

    // Runs schritt inside the editor opened on row zeile; false when none opened.
    bool bearbeiten(int zeile, std::function<void(frmMP3Tags&)> schritt)
    {
        bool geoeffnet = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<frmMP3Tags*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            geoeffnet = true;
            dialog->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
            schritt(*dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        frmMP3Tags::menuTags_Click(
            archiv, zeile, player, [this] { return aktiverPlayer; }, nullptr);
        QCoreApplication::processEvents();
        return geoeffnet;
    }

    template <typename T> static T* feld(frmMP3Tags& dialog, const char* name)
    {
        return dialog.findChild<T*>(QString::fromLatin1(name));
    }

    QStringList zeile(int nummer) const { return ::zeile(grid, nummer); }

    FlexGrid grid;
    FlexGrid playlist;
    Archiv archiv { grid, playlist };
    FakePlayer player;
    int aktiverPlayer = 0;
    QString erstes;
    QString zweites;
};

TEST_F(frmMP3TagsTest, AbbrechenLeavesTheFileOkWritesItAndTheRowShowsWhatTheFileHolds)
{
    const QByteArray vorher = Mp3Frames::readFile(zweites);
    grid.setRowTexts(2, { "veraltet", "veraltet", "veraltet" });
    ASSERT_TRUE(bearbeiten(2, [](frmMP3Tags& dialog) {
        EXPECT_EQ(std::pair(feld<QLineEdit>(dialog, "Text2")->text(), feld<QComboBox>(dialog, "ComboGenre")->count()),
            std::pair(QStringLiteral("Band B"), 127))
            << "the file's tag, not the row";
        feld<QLineEdit>(dialog, "Text1")->setText("Nicht speichern");
        QTest::mouseClick(feld<QPushButton>(dialog, "cmdAbbrechen"), Qt::LeftButton);
    }));
    EXPECT_EQ(Mp3Frames::readFile(zweites), vorher);
    EXPECT_EQ(std::pair(zeile(2), player.calls),
        std::pair(QStringList({ "Zweites", "Band B", "Pop", "03:15", zweites, "Band BZweites" }), QStringList()));

    grid.selectRow(1);
    ASSERT_TRUE(bearbeiten(2, [this](frmMP3Tags& dialog) {
        // Rows sorted meanwhile: the edited song, found by its path, now stands in row 1.
        const QStringList zeile1 = zeile(1);
        grid.setRowTexts(1, zeile(2));
        grid.setRowTexts(2, zeile1);
        feld<QLineEdit>(dialog, "Text1")->setText("Neuer Titel");
        feld<QLineEdit>(dialog, "Text2")->setText("Neue Band");
        feld<QComboBox>(dialog, "ComboGenre")->setCurrentText("Rock");
        QTest::mouseClick(feld<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
    }));
    EXPECT_EQ(zeile(1), QStringList({ "Neuer Titel", "Neue Band", "Rock", "03:15", zweites, "Neue BandNeuer Titel" }));
    EXPECT_EQ(zeile(2)[0], "Erstes") << "the other song keeps its tags";
    EXPECT_EQ(std::pair(grid.Row(), grid.ColSel()), std::pair(1, grid.Cols() - 1)) << "selected across all columns";
}

TEST_F(frmMP3TagsTest, OkWritesOnlyWhatChangedAndLeavesThePlayerAsItWas)
{
    const QString datei = Songs::write(music(), "ohne-genre.mp3", Songs::tag("Titel", "Band", 255));
    archiv.EineZeileInsArchiv(datei, 0);
    aktiverPlayer = 1;
    const struct {
        const char* fall;
        int status;
        qint64 position;
        const char* titel; // typed; null: nothing changed
        QStringList danach; // the player's calls after the song is loaded again
    } faelle[] = {
        { "playing", PlayerControl::Playing, 83000, "Neu", { "SetPosition(1,83000)", "PlayMP3(1)" } },
        { "paused", PlayerControl::Paused, 83000, "Neuer", { "SetPosition(1,83000)", "PlayMP3(1)", "PauseMP3(1)" } },
        { "open at 0", PlayerControl::Other, 0, "Neuester", { "SetPosition(1,0)" } },
        { "nothing changed", PlayerControl::Playing, 83000, nullptr, {} },
    };
    player.state = [&] { return "=" + modMP3Tags::GetSongName(datei); };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fall);
        const QString vorher = modMP3Tags::GetSongName(datei);
        QByteArray erwartet = Mp3Frames::readFile(datei);
        if (f.titel)
            erwartet.replace(erwartet.size() - 125, 30, QByteArray(f.titel).leftJustified(30, ' '));
        player.loaded[1] = datei;
        player.status = f.status;
        player.position = f.position;
        player.calls.clear();
        ASSERT_TRUE(bearbeiten(3, [&](frmMP3Tags& dialog) {
            if (f.titel)
                feld<QLineEdit>(dialog, "Text1")->setText(f.titel);
            QTest::mouseClick(feld<QPushButton>(dialog, "cmdOK"), Qt::LeftButton);
        }));
        EXPECT_EQ(Mp3Frames::readFile(datei), erwartet) << "the genre byte 255 (\"Kein Genre\") stays";
        const QString geladen = "OpenMP3(1," + datei + ")=" + f.titel;
        EXPECT_EQ(
            player.calls.filter("OpenMP3"), f.titel ? QStringList({ "OpenMP3(1,)=" + vorher, geladen }) : QStringList())
            << "let go once for all writes";
        QStringList danach = f.danach;
        for (QString& aufruf : danach)
            aufruf += "=" + QString(f.titel);
        EXPECT_EQ(player.calls.mid(player.calls.indexOf(geladen) + 1), danach);
    }
}

TEST_F(frmMP3TagsTest, OnlyASongRowWithAPathOpensTheEditor)
{
    const auto nichts = [](frmMP3Tags&) { ADD_FAILURE() << "opened"; };
    EXPECT_FALSE(bearbeiten(0, nichts)) << "header row";
    EXPECT_FALSE(bearbeiten(3, nichts)) << "beyond the last row";
    archiv.TabelleLeeren(grid);
    EXPECT_FALSE(bearbeiten(1, nichts)) << "the empty row of an empty archive";
    EXPECT_EQ(std::pair(grid.Rows(), grid.TextMatrix(1, Archiv::Titel)), std::pair(2, QString())) << "no phantom row";
}

TEST_F(frmMP3TagsTest, FieldsShowTextsUpToTheirNulArrowKeysMoveAndSelectAndTypedTextStays)
{
    archiv.EineZeileInsArchiv(Songs::write(music(), "nul.mp3", Mp3Frames::id3v1Tag("Kurz", "Band", 0)), 0);
    ASSERT_TRUE(bearbeiten(3, [](frmMP3Tags& dialog) {
        QLineEdit* titel = feld<QLineEdit>(dialog, "Text1");
        QLineEdit* band = feld<QLineEdit>(dialog, "Text2");
        EXPECT_EQ(titel->text(), "Kurz");
        band->setFocus();
        QTest::keyClick(band, Qt::Key_Up);
        QCoreApplication::processEvents();
        EXPECT_EQ(titel->selectedText(), "Kurz");

        // A message box in between deactivates and activates the dialog again.
        titel->setText("Getippt");
        QEvent aus(QEvent::WindowDeactivate);
        QEvent an(QEvent::WindowActivate);
        QApplication::sendEvent(&dialog, &aus);
        QApplication::sendEvent(&dialog, &an);
        EXPECT_EQ(titel->text(), "Getippt");
    }));
}

} // namespace
