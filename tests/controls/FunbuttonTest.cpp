#include "support/FakeZeit.h"

#include "controls/Knopfbild.h"
#include "controls/ui/Funbutton.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QMouseEvent>

namespace {

// A shown blue container with one button of 60 x 68 pixels at (100, 50).
struct Fenster {
    FakeZeit zeit;
    QWidget container;
    Funbutton* knopf;
    int klicks = 0;
    int mouseUps = 0;
    QList<int> mouseDowns; // their buttons
    int disabled = 0;

    explicit Fenster(const QImage& bild = Knopfbild(Knopfsymbol::Loeschen, QSize(60, 68)))
    {
        QPalette palette;
        palette.setColor(QPalette::Window, QColor(0, 0, 255));
        container.setPalette(palette);
        knopf = new Funbutton(bild, &container, zeit.fabrik());
        knopf->setGeometry(100, 50, 60, 68);
        QObject::connect(knopf, &Funbutton::Click, [this] { ++klicks; });
        QObject::connect(knopf, &Funbutton::MouseUp, [this] { ++mouseUps; });
        QObject::connect(knopf, &Funbutton::MouseDown, [this](int button) { mouseDowns << button; });
        QObject::connect(knopf, &Funbutton::ClickDisabled, [this] { ++disabled; });
        container.show();
    }
    void senden(QEvent::Type typ, Qt::MouseButton button = Qt::LeftButton)
    {
        QMouseEvent e(typ, QPointF(5, 5), knopf->mapToGlobal(QPointF(5, 5)), button,
            typ == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
        QApplication::sendEvent(knopf, &e);
    }
};

// Level and shadow colour of every button are checked through the main window (frmMainTest).
TEST(FunbuttonTest, IniBuildsTheLooksInTheContainersColoursAndOnlyWithAPicture)
{
    Fenster f;
    f.knopf->Ini(80);
    EXPECT_EQ(f.knopf->sichtbarePixmap().toImage().pixel(59, 0), qRgb(0, 0, 255));

    Fenster leer { QImage() };
    leer.knopf->Ini(80);
    EXPECT_TRUE(leer.knopf->sichtbarePixmap().isNull()) << "without a picture nothing is drawn";
    leer.knopf->setPictureMy(Knopfbild(Knopfsymbol::Note, QSize(60, 68)));
    EXPECT_FALSE(leer.knopf->sichtbarePixmap().isNull());
}

TEST(FunbuttonTest, TheSecondTapOfADoubleTapIsAnInstantLeftPress)
{
    // With "Muelleimer" a right double tap on the bin must not count twice.
    for (const auto& [button, linksGesperrt] : { std::pair(Qt::LeftButton, false), std::pair(Qt::RightButton, true) }) {
        SCOPED_TRACE(button);
        Fenster f;
        f.knopf->setRepeatEnabled(true);
        f.knopf->setLinksGesperrt(linksGesperrt);
        // Qt's order for a double click: press, release, double-click, release; the finger rests before lifting.
        f.senden(QEvent::MouseButtonPress, button);
        f.senden(QEvent::MouseButtonRelease, button);
        f.senden(QEvent::MouseButtonDblClick, button);
        f.zeit.vergehen(1000);
        f.senden(QEvent::MouseButtonRelease, button);
        EXPECT_EQ(std::tuple(f.mouseDowns, f.klicks, f.disabled, f.mouseUps),
            std::tuple(QList<int> { linksGesperrt ? 2 : 1, 1 }, 2, linksGesperrt ? 1 : 0, 2))
            << "no repeat from the resting finger, no second MouseUp from its late release";
    }
}

TEST(FunbuttonTest, AHeldButtonWhoseReleaseCannotArriveStopsWithoutAMouseUp)
{
    for (const QEvent::Type verlust : { QEvent::Hide, QEvent::WindowBlocked, QEvent::WindowDeactivate }) {
        SCOPED_TRACE(int(verlust));
        Fenster f;
        f.knopf->setRepeatEnabled(true);
        f.senden(QEvent::MouseButtonPress);
        f.zeit.vergehen(700);
        QEvent e(verlust);
        if (verlust == QEvent::Hide)
            f.knopf->hide();
        else
            QApplication::sendEvent(f.knopf, &e);
        QEvent nochmal(QEvent::WindowDeactivate);
        QApplication::sendEvent(f.knopf, &nochmal);
        f.zeit.vergehen(2000);
        f.senden(QEvent::MouseButtonRelease);
        EXPECT_EQ(std::tuple(f.klicks, f.zeit.laufende(), f.mouseUps, f.knopf->sichtbaresBild()),
            std::tuple(2, 0, 0, Funbuttonsteuerung::Bild::Normal))
            << "ended, but not taken for a release: the smiley opens its game on MouseUp";
    }
}

// Repeat after 500 ms every 150 ms, so a second's hold clicks four times.
TEST(FunbuttonTest, PressesThatCountAsDisabledRaiseClickDisabledNeverRepeatAndGetNoMouseUpWhileDisabled)
{
    using Bild = Funbuttonsteuerung::Bild;
    // Enabled, "LinksGesperrt", button; whether the press counts as disabled.
    const std::tuple<bool, bool, Qt::MouseButton, bool> faelle[] = { { true, false, Qt::LeftButton, false },
        { false, false, Qt::LeftButton, true }, { true, true, Qt::LeftButton, true },
        { true, true, Qt::MiddleButton, true }, { true, true, Qt::RightButton, false } };
    for (const auto& [enabled, linksGesperrt, button, deaktiviert] : faelle) {
        SCOPED_TRACE(testing::Message() << enabled << linksGesperrt << button);
        Fenster f;
        f.knopf->setRepeatEnabled(true);
        f.knopf->setEnabled(enabled);
        f.knopf->setLinksGesperrt(linksGesperrt);
        f.senden(QEvent::MouseButtonPress, button);
        f.zeit.vergehen(1000);
        EXPECT_EQ(std::tuple(f.knopf->sichtbaresBild(), f.klicks, f.disabled),
            std::tuple(deaktiviert ? Bild::Deaktiviert : Bild::Gedrueckt, deaktiviert ? 1 : 4, int(deaktiviert)));
        f.senden(QEvent::MouseButtonRelease, button);
        EXPECT_EQ(std::tuple(f.knopf->sichtbaresBild(), f.mouseUps, f.zeit.laufende()),
            std::tuple(Bild::Normal, int(enabled), 0));
    }
}

TEST(FunbuttonTest, BlinkingAlternatesEveryHalfSecondAndAReleaseShowsTheLook)
{
    using Bild = Funbuttonsteuerung::Bild;
    Fenster f;
    f.knopf->setBlinken(true);
    EXPECT_EQ(f.knopf->sichtbaresBild(), Bild::Keins);
    f.zeit.vergehen(500);
    EXPECT_EQ(f.knopf->sichtbaresBild(), Bild::Normal);

    f.senden(QEvent::MouseButtonPress);
    f.zeit.vergehen(1500); // the phase now hides the button
    EXPECT_EQ(f.knopf->sichtbaresBild(), Bild::Gedrueckt) << "the pressed look stays while blinking";
    f.senden(QEvent::MouseButtonRelease);
    EXPECT_EQ(f.knopf->sichtbaresBild(), Bild::Normal) << "the release shows the look whatever the phase";
    f.knopf->setBlinken(false);
    EXPECT_EQ(f.zeit.laufende(), 0);
}

} // namespace
