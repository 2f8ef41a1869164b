#include "FakeZeit.h"

#include "common/Farbe.h"
#include "controls/Funbuttonbilder.h"
#include "controls/Knopfbild.h"
#include "controls/ui/Funbutton.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <tuple>

namespace {

using Bild = Funbuttonsteuerung::Bild;

// A shown container in the given background with one button of 60 x 68 pixels at (100, 50).
struct Fenster {
    FakeZeit zeit;
    QWidget container;
    Funbutton* knopf;
    int klicks = 0;

    explicit Fenster(const QImage& bild = Knopfbild(Knopfsymbol::Loeschen, QSize(60, 68)))
    {
        QPalette palette;
        palette.setColor(QPalette::Window, QColor(0, 0, 255));
        container.setPalette(palette);
        container.resize(400, 300);
        knopf = new Funbutton(bild, &container, zeit.fabrik());
        knopf->setGeometry(100, 50, 60, 68);
        knopf->Grundfarbe = 0xFFFF00;
        QObject::connect(knopf, &Funbutton::Click, [this] { ++klicks; });
        container.show();
    }
    void senden(QEvent::Type typ)
    {
        QMouseEvent e(typ, QPointF(5, 5), knopf->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
            typ == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(knopf, &e);
    }
};

TEST(FunbuttonTest, IniBuildsTheLooksAtTheButtonsSizeInTheContainersColours)
{
    Fenster fenster;
    EXPECT_EQ(fenster.knopf->IniState(), 0) << "the stored picture alone prepares nothing";
    EXPECT_TRUE(fenster.knopf->sichtbarePixmap().isNull());

    fenster.knopf->Ini(80);
    EXPECT_EQ(
        std::tuple(fenster.knopf->IniState(), fenster.knopf->Schattenfarbe(), fenster.knopf->X(), fenster.knopf->Y()),
        std::tuple(80, 0x660000, 130, 84));
    const QImage normal = fenster.knopf->sichtbarePixmap().toImage();
    EXPECT_EQ(normal.size(), QSize(60, 68));
    EXPECT_EQ(normal.pixel(59, 0), qRgb(0, 0, 255)) << "background where the artwork is not";

    fenster.knopf->setX(200);
    fenster.knopf->setY(100);
    EXPECT_EQ(fenster.knopf->geometry(), QRect(170, 66, 60, 68));

    // Assigning a picture prepares the button at once.
    Fenster leer { QImage() };
    leer.knopf->setPictureMy(Knopfbild(Knopfsymbol::Note, QSize(60, 68)));
    EXPECT_EQ(leer.knopf->IniState(), 100);
    EXPECT_FALSE(leer.knopf->sichtbarePixmap().isNull());
}

TEST(FunbuttonTest, PressShowsThePressedLookAndADisabledPressTheCross)
{
    Fenster fenster;
    fenster.knopf->Ini(80);
    QTest::mousePress(fenster.knopf, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(fenster.knopf->sichtbaresBild(), Bild::Gedrueckt);
    EXPECT_EQ(fenster.klicks, 1) << "Click comes on the press";
    QTest::mouseRelease(fenster.knopf, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(fenster.knopf->sichtbaresBild(), Bild::Normal);

    int deaktiviert = 0;
    QObject::connect(fenster.knopf, &Funbutton::ClickDisabled, [&] { ++deaktiviert; });
    fenster.knopf->setEnabled(false);
    QTest::mousePress(fenster.knopf, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(deaktiviert, 1);
    EXPECT_EQ(fenster.knopf->sichtbarePixmap().toImage().pixel(1, 1), qRgb(255, 0, 0));
    QTest::mouseRelease(fenster.knopf, Qt::LeftButton, {}, QPoint(10, 10));
}

TEST(FunbuttonTest, ADoubleTapIsTwoPresses)
{
    Fenster fenster;
    int mouseUps = 0;
    QObject::connect(fenster.knopf, &Funbutton::MouseUp, [&] { ++mouseUps; });
    // Qt's order for a double click: press, release, double-click, release.
    for (const QEvent::Type typ : { QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
             QEvent::MouseButtonRelease })
        fenster.senden(typ);
    EXPECT_EQ(fenster.klicks, 2);
    EXPECT_EQ(mouseUps, 2);
}

TEST(FunbuttonTest, AHeldButtonStopsRepeatingWhenTheReleaseCannotArrive)
{
    for (const QEvent::Type verlust : { QEvent::Hide, QEvent::WindowBlocked, QEvent::WindowDeactivate }) {
        SCOPED_TRACE(int(verlust));
        Fenster fenster;
        fenster.knopf->setRepeatEnabled(true);
        fenster.senden(QEvent::MouseButtonPress);
        fenster.zeit.vergehen(700);
        ASSERT_EQ(fenster.klicks, 2);
        if (verlust == QEvent::Hide) {
            fenster.knopf->hide();
        } else {
            QEvent e(verlust);
            QApplication::sendEvent(fenster.knopf, &e);
        }
        fenster.zeit.vergehen(2000);
        EXPECT_EQ(fenster.klicks, 2);
        EXPECT_EQ(fenster.zeit.laufende(), 0);
    }
}

} // namespace
