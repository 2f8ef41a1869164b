#include "../playback/WiedergabeFakes.h"
#include "JukeboxStart.h"

#include "common/ui/FlexGridView.h"
#include "controls/ui/ctlVirtuelleTastatur.h"
#include "controls/ui/Funbutton.h"

#include <gtest/gtest.h>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace {

constexpr qint64 kLiedMs = 180000;

// The jukebox as a guest meets it: six songs, players in pretend time and a
// standing clock. Guests act as a finger does: a touch at a point of the
// window presses whatever lies there.
class JukeboxAblaufTest : public JukeboxStart {
protected:
    void SetUp() override
    {
        const char* lieder[][2] = { { "Alpha", "Zeta" }, { "Beta", "Ypsilon" }, { "Gamma", "Xi" }, { "Delta", "Omega" },
            { "Epsilon", "Psi" }, { "Eta", "Chi" } };
        for (const auto& [t, band] : lieder)
            addSong(t, band);
    }
    void starten()
    {
        starten1024(player, uhr);
        for (int row = 1; row < main->Archiv().Rows(); ++row)
            player.lieder[main->Archiv().TextMatrix(row, 4)] = kLiedMs;
    }
    QStringList playlist() const { return titel(main->Playlist()); }
    void tippen(QPoint punkt)
    {
        QWidget* ziel = main->childAt(punkt);
        ASSERT_NE(ziel, nullptr) << punkt.x() << "," << punkt.y();
        QTest::mouseClick(ziel, Qt::LeftButton, {}, ziel->mapFrom(main.get(), punkt));
    }
    QPoint ort(const QWidget& w, QPoint punkt) const { return w.mapTo(main.get(), punkt); }
    void druecken(const QWidget& knopf, int mal = 1)
    {
        for (int i = 0; i < mal; ++i)
            tippen(ort(knopf, knopf.rect().center()));
    }
    QPoint zeile(FlexGridView& view, int row) const
    {
        // Rows appended show within a tenth of a second, before a finger can get there.
        view.grid()->announcePendingRows();
        return ort(*view.viewport(), view.visualRect(view.model()->index(row - 1, 0)).center());
    }
    void uebernehmen(const QString& t)
    {
        tippen(zeile(archivView(), archivZeile(t)));
        druecken(main->Uebernehmen());
    }
    void tick() { main->wiedergabe().sequenzer().Timer1_Timer(); }
    QString spielt()
    {
        const QList<int> spielende = player.spielende();
        return spielende.size() == 1 ? QFileInfo(player.GetFileName(spielende[0])).baseName() : QString();
    }
    ctlVirtuelleTastatur& tastatur() { return main->archivseite().tastatur(); }
    void tasten(const QString& buchstaben)
    {
        for (const QChar c : buchstaben) {
            const auto& alle = tastatur().aufbau().tasten();
            const auto taste = std::find_if(alle.begin(), alle.end(), [c](const Taste& t) { return t.text == c; });
            ASSERT_NE(taste, alle.end()) << "no key " << QString(c).toStdString();
            tippen(ort(tastatur(), tastatur().tastenRechteck(*taste).center()));
        }
    }
    void kopf(int spalte)
    {
        QHeaderView* k = archivView().horizontalHeader();
        tippen(ort(*k->viewport(), QPoint(k->sectionViewportPosition(spalte) + 5, 5)));
    }
    QLineEdit& txtSortierung() { return *main->findChild<QLineEdit*>("txtSortierung"); }
    FlexGridView& archivView() { return *main->findChild<FlexGridView*>("MSFlexGridView1"); }
    FlexGridView& playlistView() { return *main->findChild<FlexGridView*>("MSFlexGridView2"); }
    // The slides run on a 20 ms timer, late on a busy machine: until the keyboard stands still.
    void gleitenLassen()
    {
        for (QRect vorher; vorher != tastatur().geometry();) {
            vorher = tastatur().geometry();
            QTest::qWait(250);
        }
    }
    void sperren(const QString& code)
    {
        druecken(main->Schloss().isVisible() ? main->Schloss() : main->Schloss2());
        gleitenLassen();
        tasten(code);
    }
    void liedEnde(int mal = 1)
    {
        for (int i = 0; i < mal; ++i) {
            player.vorspulen(kLiedMs - 5000);
            tick();
        }
    }

    PretendPlayer player;
    FakeZeit uhr;
};

TEST_F(JukeboxAblaufTest, ATakenOverSongPlaysOnTheNextTickAndF5PausesWithTheNoteBlinking)
{
    starten();
    uebernehmen("Beta");
    tick();
    tick();
    EXPECT_EQ(std::pair(spielt(), main->findChild<QLabel*>("Balkentext")->text()),
        std::pair(QString("Beta"), QString(" 03:00   Beta")));
    EXPECT_GT(main->findChild<QWidget*>("Balken")->width(), 0);

    QTest::keyClick(main.get(), Qt::Key_F5);
    tick();
    EXPECT_TRUE(spielt().isEmpty() && main->Positionsgrafik().Blinken());
    // The touch gave the archive the focus; the window sees the key before the grid, which never gets it.
    QTest::keyClick(&archivView(), Qt::Key_F5);
    tick();
    EXPECT_TRUE(spielt() == "Beta" && !main->Positionsgrafik().Blinken());
    EXPECT_FALSE(ErrPtnr::instance().history().join(' ').contains("MSFlexGrid1_KeyDown"));
}

TEST_F(JukeboxAblaufTest, TheButtonsFollowEveryTouchOfEitherGridAndThePlayerNowCurrent)
{
    starten();
    const QStringList sechs { "Alpha", "Beta", "Gamma", "Delta", "Epsilon", "Eta" };
    for (const QString& t : sechs)
        uebernehmen(t);
    tick();
    // One letter per button, upper case when enabled: U take over, H/R up/down, L delete, a-d the arrows.
    const auto knoepfe = [&] {
        const std::pair<Funbutton*, char> alle[] = { { &main->Uebernehmen(), 'u' }, { &main->cmdHoch(0), 'h' },
            { &main->cmdHoch(1), 'r' }, { &main->cmdLoeschen(), 'l' }, { &main->FunbuttonArchivNav(0), 'a' },
            { &main->FunbuttonArchivNav(1), 'b' }, { &main->FunbuttonArchivNav(2), 'c' },
            { &main->FunbuttonArchivNav(3), 'd' } };
        QString k;
        for (const auto& [knopf, c] : alle)
            k += QLatin1Char(knopf->Enabled() ? char(std::toupper(c)) : c);
        return (k + ' ' + playlist().join(',')).toStdString();
    };
    const std::tuple<const char*, std::function<void()>, const char*> schritte[] = {
        { "archive paged to its first row", [&] { druecken(main->FunbuttonArchivNav(0), 6); },
            "UHrLaBCd Alpha,Beta,Gamma,Delta,Epsilon,Eta" },
        { "playlist row 2 touched", [&] { tippen(zeile(playlistView(), 2)); },
            "UhRLaBCD Alpha,Beta,Gamma,Delta,Epsilon,Eta" },
        { "moved down", [&] { druecken(main->cmdHoch(1)); }, "UHRLaBCD Alpha,Gamma,Beta,Delta,Epsilon,Eta" },
        { "last row touched and deleted",
            [&] {
                tippen(zeile(playlistView(), 6));
                druecken(main->cmdLoeschen());
            },
            "UHrLaBCd Alpha,Gamma,Beta,Delta,Epsilon" },
        { "archive row 5 touched", [&] { tippen(zeile(archivView(), 5)); }, "UHrLABCd Alpha,Gamma,Beta,Delta,Epsilon" },
        { "a header touched and G typed",
            [&] {
                kopf(0);
                gleitenLassen();
                tasten("G");
            },
            "UHrLAbCd Alpha,Gamma,Beta,Delta,Epsilon" },
        { "the head song ended", [&] { liedEnde(); }, "UHrLAbCd Gamma,Beta,Delta,Epsilon" },
        { "all but the last ended", [&] { liedEnde(3); }, "UhrLAbcd Epsilon" },
        { "the last one fades out on the other player", [&] { liedEnde(); }, "UhrlAbcd " },
    };
    for (const auto& [schritt, tun, erwartet] : schritte) {
        tun();
        EXPECT_EQ(knoepfe(), erwartet) << schritt;
    }
}

TEST_F(JukeboxAblaufTest, AHeaderTouchSortsSlidesTheKeyboardInAndLettersJumpToTheSong)
{
    starten();
    kopf(0);
    EXPECT_EQ(titel(main->Archiv()), QStringList({ "Alpha", "Beta", "Delta", "Epsilon", "Eta", "Gamma" }));
    EXPECT_TRUE(tastatur().isVisible());
    gleitenLassen();
    EXPECT_TRUE(main->rect().contains(tastatur().geometry()));
    EXPECT_NEAR(txtSortierung().geometry().center().x(), main->width() / 2, 3);

    tasten("GAM");
    EXPECT_EQ(main->Archiv().Row(), 6);
    uhr.jetzt += 5000;
    QTest::qWait(300);
    gleitenLassen();
    EXPECT_FALSE(tastatur().isVisible() || txtSortierung().isVisible()) << "given up after five quiet seconds";
    druecken(main->Uebernehmen());
    EXPECT_EQ(playlist(), QStringList { "Gamma" });

    // A drag keeps the touched row, so the selection never leaves the song the archive remembers.
    QWidget* flaeche = archivView().viewport();
    const auto mitte = [&](int row) { return archivView().visualRect(main->Archiv().index(row - 1, 0)).center(); };
    QTest::mousePress(flaeche, Qt::LeftButton, {}, mitte(2));
    QTest::mouseMove(flaeche, mitte(5));
    QTest::mouseRelease(flaeche, Qt::LeftButton, {}, mitte(5));
    EXPECT_EQ(std::pair(main->Archiv().Row(), main->ArchivZeile()), std::pair(2, 2));
}

TEST_F(JukeboxAblaufTest, TheLockRefusesQueueingAllowsBrowsingAndKeepsItsCodeOutOfTheArchive)
{
    store.values.insert("Data/PW", "abc");
    starten();
    tippen(zeile(archivView(), 1));
    sperren("AB");
    EXPECT_EQ(txtSortierung().text(), "##");
    tasten("C");
    EXPECT_TRUE(main->Schloss2().isVisible() && !main->Schloss().isVisible() && !tastatur().isVisible());

    druecken(main->Uebernehmen());
    EXPECT_TRUE(playlist().isEmpty());
    druecken(main->FunbuttonArchivNav(1));
    EXPECT_EQ(main->Archiv().Row(), 2) << "browsing goes on";

    sperren("ABC");
    EXPECT_TRUE(main->Schloss().isVisible());
    sperren("ABC");
    druecken(main->Schloss2());
    QTest::keyClicks(main.get(), "abc");
    EXPECT_TRUE(main->Schloss().isVisible()) << "unlocked from a hardware keyboard";
    uebernehmen("Beta");
    EXPECT_EQ(playlist(), QStringList { "Beta" });
}

TEST_F(JukeboxAblaufTest, SpacePlaysTheTouchedSongAtOnceButNeverDropsAFullQueueOrPlaysNoSong)
{
    store.values.insert("Data/Anzahl", "2");
    starten();
    uebernehmen("Alpha");
    uebernehmen("Beta");
    tick();
    ASSERT_EQ(spielt(), "Alpha");
    const auto leertaste = [&](int row) {
        tippen(zeile(archivView(), row));
        QTest::keyClick(&archivView(), Qt::Key_Space);
        tick();
        tick();
        return std::pair(playlist(), spielt());
    };
    const std::pair vorher(QStringList { "Alpha", "Beta" }, QString("Alpha"));
    EXPECT_EQ(leertaste(archivZeile("Gamma")), vorher) << "the limit holds";
    tippen(zeile(playlistView(), 2));
    druecken(main->cmdLoeschen());
    EXPECT_EQ(leertaste(archivZeile("Alpha")), std::pair(QStringList { "Alpha" }, QString("Alpha")))
        << "the tick must not take it for finished";

    QTest::keyClick(main.get(), Qt::Key_F11);
    start->cmdAbbrechen_Click();
    EXPECT_EQ(leertaste(1), std::pair(QStringList { "Alpha" }, QString("Alpha"))) << "an empty archive";
}

// What a start shows: the lock buttons (S open, Z closed, - hidden), take-over, the keyboard,
// the keep-distance and the queue.
TEST_F(JukeboxAblaufTest, StartsApplyLockAndKeyboardAndPlayTheSavedQueueFirst)
{
    const auto zurueck = [&] {
        QTest::keyClick(main.get(), Qt::Key_F11);
        start->cmdOK_Click();
    };
    const auto lage = [&] {
        return QStringLiteral("%1%2 %3 k%4 s%5 %6")
            .arg(QLatin1Char(main->Schloss().isVisible() ? 'S' : '-'))
            .arg(QLatin1Char(main->Schloss2().isVisible() ? 'Z' : '-'))
            .arg(QLatin1Char(main->Uebernehmen().Enabled() ? 'U' : 'u'))
            .arg(int(tastatur().isVisible()))
            .arg(main->Scrollabstand())
            .arg(playlist().join(','))
            .toStdString();
    };
    const std::tuple<const char*, const char*, std::function<void()>, std::string> faelle[] = {
        { "locked, the password cleared", "abc",
            [&] {
                sperren("ABC");
                start->findChild<QLineEdit*>("txtPasswort")->clear();
                zurueck();
            },
            "-- U k0 s3 " },
        { "locked, started again", "abc",
            [&] {
                sperren("ABC");
                zurueck();
            },
            "-Z u k0 s3 " },
        { "keyboard up", "",
            [&] {
                kopf(0);
                zurueck();
            },
            "-- U k0 s3 " },
        { "a restart with Zufall reads the saved queue first, once", "",
            [&] {
                for (const char* t : { "Alpha", "Beta", "Gamma", "Delta", "Epsilon", "Eta" })
                    uebernehmen(t);
                QTest::keyClick(main.get(), Qt::Key_F12);
                TearDown();
                ProgrammEnde = false;
                store.values.insert("Data/Playliste", "1");
                store.values.insert("Data/Zufall", "1");
                QTimer ticks;
                QObject::connect(&ticks, &QTimer::timeout, [&] {
                    if (main)
                        tick();
                });
                ticks.start(0);
                starten();
                ticks.stop();
                zurueck();
            },
            "-- U k0 s3 Alpha,Beta,Gamma,Delta,Epsilon,Eta" },
    };
    // The window keeps its size: a resize would measure the keep-distance anew.
    store.values.insert("Data/Maximieren", "0");
    for (const auto& [name, passwort, ablauf, erwartet] : faelle) {
        TearDown();
        ProgrammEnde = false;
        store.values.insert("Data/PW", passwort);
        starten();
        ablauf();
        EXPECT_EQ(lage(), erwartet) << name;
    }
}

} // namespace
