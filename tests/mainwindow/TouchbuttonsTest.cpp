#include "JukeboxStart.h"

#include "common/Farbe.h"
#include "controls/ui/ctlSprechblase.h"
#include "controls/ui/Funbutton.h"
#include "game/ui/ctlSmilie.h"
#include "game/ui/frmTicTacToe.h"
#include "support/FakePlayer.h"
#include "support/FakeZeit.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTest>

namespace {

class TouchbuttonsTest : public JukeboxStart {
protected:
    FakePlayer player;
    FakeZeit uhr;
};

TEST_F(TouchbuttonsTest, LoadingAppliesTheOptionsToTheButtons)
{
    for (const bool an : { false, true }) {
        SCOPED_TRACE(an);
        open(player, uhr,
            { { "PW", an ? "geheim" : "  " }, { "Spiel", an ? "1" : "0" }, { "Muelleimer", an ? "1" : "0" } });
        ASSERT_TRUE(main->laden());
        EXPECT_EQ(main->cmdSmilie().isVisibleTo(main.get()), an);
        for (Funbutton* knopf : { &main->cmdLoeschen(), &main->cmdHoch(0), &main->cmdHoch(1) })
            EXPECT_EQ(knopf->LinksGesperrt(), an) << knopf->objectName().toStdString();
        EXPECT_FALSE(main->Uebernehmen().RepeatEnabled() || main->Uebernehmen().LinksGesperrt())
            << "a press takes a song over once";
        main->hilfeUndSpiel().cmdSmilie_MouseUp(1, 0, 0, 0);
        EXPECT_EQ(main->hilfeUndSpiel().spiel().isVisibleTo(main.get()), an) << "the game opens only with its option";
    }
    main->EnabledRechts(false);
    for (Funbutton* knopf : main->Touchbuttons())
        EXPECT_FALSE(knopf->EnabledRechts()) << knopf->objectName().toStdString();
}

TEST_F(TouchbuttonsTest, TheButtonsArePreparedAgainOnlyForNewColours)
{
    open(player, uhr, { { "Farbe", "16776960" }, { "Hintergrundfarbe", "16711680" } }); // cyan on blue
    ASSERT_TRUE(main->laden());
    ASSERT_EQ(main->Touchbuttons().size(), 13);
    const qint64 erste = main->Uebernehmen().sichtbarePixmap().cacheKey();
    main->Einfaerben(0xFF0000, 0xFFFF00);
    EXPECT_EQ(main->Uebernehmen().sichtbarePixmap().cacheKey(), erste) << "the same colours keep the looks";
    main->Einfaerben(RGBToColor({ 50, 50, 50 }), 0x00FF00);
    for (Funbutton* knopf : main->Touchbuttons())
        EXPECT_EQ(
            std::tuple(knopf->IniState(), knopf->Grundfarbe, knopf->Schattenfarbe(), knopf->sichtbarePixmap().size()),
            std::tuple(80, 0x00FF00, 0x141414, knopf->size()))
            << "40 % of the new grey: " << knopf->objectName().toStdString();
    EXPECT_EQ(main->Playlist().colours().back, QColor(50, 50, 50)) << "cells on the window background";
    EXPECT_EQ(main->findChild<QLabel*>("Label2")->palette().color(QPalette::WindowText), QColor(Qt::white));
}

TEST_F(TouchbuttonsTest, From1024x768UpNothingOverlapsOrLeavesTheWindowAndAResizeKeepsTheGuestsPlace)
{
    open(player, uhr);
    ASSERT_TRUE(main->laden());
    FlexGrid& archiv = main->Archiv();
    archiv.setRows(501);
    main->show();
    for (const QSize groesse : { QSize(1024, 768), QSize(1280, 1024), QSize(1920, 1080) }) {
        SCOPED_TRACE(groesse.width());
        archiv.setTopRow(300);
        main->resize(groesse);
        QCoreApplication::processEvents();
        EXPECT_EQ(archiv.TopRow(), 300) << "measuring the rows does not scroll the archive";

        QList<QWidget*> teile { main->findChild<QWidget*>("MSFlexGridView1"),
            main->findChild<QWidget*>("MSFlexGridView2"), main->findChild<QWidget*>("Label2") };
        for (Funbutton* knopf : main->Touchbuttons())
            if (knopf->isVisibleTo(main.get()))
                teile << knopf;
        for (qsizetype i = 0; i < teile.size(); ++i) {
            EXPECT_TRUE(main->rect().contains(teile[i]->geometry())) << teile[i]->objectName().toStdString();
            for (qsizetype j = i + 1; j < teile.size(); ++j)
                EXPECT_FALSE(teile[i]->geometry().intersects(teile[j]->geometry()))
                    << teile[i]->objectName().toStdString() << " / " << teile[j]->objectName().toStdString();
        }
    }
}

TEST_F(TouchbuttonsTest, TheHelpTourStaysInsideTheWindowAndTheSmileyOpensOneGameOnRelease)
{
    starten1024(player, uhr);
    HilfeUndSpiel& hilfe = main->hilfeUndSpiel();
    const ctlSprechblase& blase = hilfe.ctlSprechblase1();
    QTest::mousePress(&main->cmdFragezeichen(), Qt::LeftButton);
    for (int schritt = 0; schritt < Hilfetour::kSchritte; ++schritt) {
        SCOPED_TRACE(schritt);
        ASSERT_TRUE(blase.isVisible() && blase.TextMy() == Hilfetour::schritte()[schritt].text);
        EXPECT_TRUE(main->rect().contains(blase.geometry())) << "the bubble leaves the window";
        const QPoint spitze = blase.pos() + blase.spitze() * main->logicalDpiX() / 1440;
        if (schritt == 2 || schritt == 7) {
            EXPECT_TRUE((schritt == 2 ? main->Uebernehmen() : main->cmdLoeschen()).geometry().contains(spitze))
                << "points at its control";
        }
        QTest::mousePress(&main->cmdFragezeichen(), Qt::LeftButton); // ignored during the tour
        hilfe.tour().weiter();
    }
    EXPECT_FALSE(hilfe.tour().HilfeAktiv() || blase.isVisible());

    frmTicTacToe& spiel = hilfe.spiel();
    QTest::mousePress(&main->cmdSmilie(), Qt::LeftButton);
    EXPECT_FALSE(spiel.isVisible()) << "the press alone opens nothing";
    QTest::mouseRelease(&main->cmdSmilie(), Qt::LeftButton);
    ASSERT_TRUE(spiel.isVisible());
    EXPECT_EQ(std::tuple(spiel.parentWidget(), spiel.palette().color(QPalette::Window), spiel.cmdNeu()->Grundfarbe),
        std::tuple(main.get(), QColor(0, 0, 255), start->werte().Farbe));
    QTest::mousePress(spiel.ctlSmilie1(4), Qt::LeftButton);
    hilfe.cmdSmilie_MouseUp(1, 0, 0, 0);
    EXPECT_TRUE(spiel.ctlSmilie1(4)->VisibleMy()) << "a second release leaves the running game alone";
}

} // namespace
