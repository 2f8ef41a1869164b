#include "FakeZeit.h"

#include "controls/Funbuttonsteuerung.h"

#include <gtest/gtest.h>
#include <QStringList>

namespace {

using Bild = Funbuttonsteuerung::Bild;

constexpr int kLinks = 1;
constexpr int kRechts = 2;

// A button on stepped time that writes down its events with their times.
struct Knopf {
    FakeZeit zeit;
    Funbuttonsteuerung steuerung { zeit.fabrik() };
    QStringList ereignisse;
    std::vector<qint64> klicks;

    Knopf()
    {
        QObject::connect(&steuerung, &Funbuttonsteuerung::MouseDown, [this](int b, int s, int x, int y) {
            ereignisse << QStringLiteral("MouseDown %1 %2 %3 %4").arg(b).arg(s).arg(x).arg(y);
        });
        QObject::connect(&steuerung, &Funbuttonsteuerung::Click, [this] {
            ereignisse << QStringLiteral("Click");
            klicks.push_back(zeit.jetzt);
        });
        QObject::connect(
            &steuerung, &Funbuttonsteuerung::ClickDisabled, [this] { ereignisse << QStringLiteral("ClickDisabled"); });
        QObject::connect(&steuerung, &Funbuttonsteuerung::MouseUp, [this](int b, int s, int x, int y) {
            ereignisse << QStringLiteral("MouseUp %1 %2 %3 %4").arg(b).arg(s).arg(x).arg(y);
        });
    }
    void halten(int button, qint64 ms)
    {
        steuerung.druecken(button, 0, 10, 20);
        zeit.vergehen(ms);
    }
};

TEST(FunbuttonsteuerungTest, PressesThatCountAsDisabledRaiseClickDisabledAndNoMouseUp)
{
    struct Fall {
        const char* name;
        bool enabled;
        bool linksGesperrt;
        int button;
        bool deaktiviert;
    };
    const Fall faelle[] = {
        { "enabled", true, false, kLinks, false },
        { "disabled", false, false, kLinks, true },
        { "left on a right-only button", true, true, kLinks, true },
        { "middle on a right-only button", true, true, 4, true },
        { "right on a right-only button", true, true, kRechts, false },
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        Knopf knopf;
        knopf.steuerung.setEnabled(fall.enabled);
        knopf.steuerung.LinksGesperrt = fall.linksGesperrt;
        knopf.steuerung.setRepeatEnabled(true);
        knopf.steuerung.druecken(fall.button, 1, 10.4, 19.6);
        EXPECT_EQ(knopf.steuerung.sichtbaresBild(), fall.deaktiviert ? Bild::Deaktiviert : Bild::Gedrueckt);
        QStringList erwartet { QStringLiteral("MouseDown %1 1 10 20").arg(fall.button), QStringLiteral("Click") };
        if (fall.deaktiviert)
            erwartet << QStringLiteral("ClickDisabled");
        EXPECT_EQ(knopf.ereignisse, erwartet);

        knopf.zeit.vergehen(1000);
        EXPECT_EQ(knopf.klicks.size(), fall.deaktiviert ? 1u : 4u) << "a disabled press never repeats";
        knopf.ereignisse.clear();
        knopf.steuerung.loslassen(fall.button, 0, 3, 4);
        EXPECT_EQ(knopf.steuerung.sichtbaresBild(), Bild::Normal);
        EXPECT_EQ(knopf.ereignisse,
            fall.enabled ? QStringList { QStringLiteral("MouseUp %1 0 3 4").arg(fall.button) } : QStringList {});
    }
}

TEST(FunbuttonsteuerungTest, HoldingRepeatsOnlyWithRepeatEnabledAndStopsOnRelease)
{
    struct Fall {
        bool repeat;
        qint64 halten;
        std::vector<qint64> klicks;
    };
    // Without repeat one press is one click however long it is held: a second would take a song twice.
    const Fall faelle[] = { { true, 1000, { 0, 650, 800, 950 } }, { false, 2000, { 0 } }, { true, 499, { 0 } } };
    for (const Fall& fall : faelle) {
        Knopf knopf;
        knopf.steuerung.setRepeatEnabled(fall.repeat);
        knopf.halten(kLinks, fall.halten);
        knopf.steuerung.loslassen(kLinks, 0, 0, 0);
        knopf.zeit.vergehen(1000);
        EXPECT_EQ(knopf.klicks, fall.klicks) << fall.halten;
        EXPECT_EQ(knopf.zeit.laufende(), 0) << fall.halten;
    }
}

TEST(FunbuttonsteuerungTest, DisablingWhileRepeatingShowsTheCrossAndEndsAfterOneTick)
{
    Knopf knopf;
    knopf.steuerung.setRepeatEnabled(true);
    knopf.halten(kLinks, 700);
    ASSERT_EQ(knopf.klicks.size(), 2u);
    knopf.steuerung.setEnabled(false);
    EXPECT_EQ(knopf.steuerung.sichtbaresBild(), Bild::Deaktiviert);
    knopf.zeit.vergehen(1000);
    EXPECT_EQ(knopf.klicks, (std::vector<qint64> { 0, 650, 800 }));
    knopf.ereignisse.clear();
    knopf.steuerung.loslassen(kLinks, 0, 0, 0);
    EXPECT_TRUE(knopf.ereignisse.isEmpty()) << "no MouseUp while disabled";

    // Disabled before the delay ran out: the repeat never starts.
    Knopf frueh;
    frueh.steuerung.setRepeatEnabled(true);
    frueh.halten(kLinks, 300);
    frueh.steuerung.setEnabled(false);
    EXPECT_EQ(frueh.steuerung.sichtbaresBild(), Bild::Deaktiviert);
    frueh.zeit.vergehen(1000);
    EXPECT_EQ(frueh.klicks.size(), 1u);
}

TEST(FunbuttonsteuerungTest, EnabledLinksAndRechtsTurnOnlyTheirOwnPressDisabled)
{
    Knopf knopf;
    knopf.halten(kLinks, 10);
    knopf.steuerung.setEnabledRechts(false);
    EXPECT_EQ(knopf.steuerung.sichtbaresBild(), Bild::Gedrueckt);
    knopf.steuerung.setEnabledLinks(false);
    EXPECT_EQ(knopf.steuerung.sichtbaresBild(), Bild::Deaktiviert);
    knopf.steuerung.loslassen(kLinks, 0, 0, 0);

    // They do not decide whether a press counts.
    knopf.ereignisse.clear();
    knopf.steuerung.druecken(kRechts, 0, 0, 0);
    EXPECT_EQ(knopf.steuerung.sichtbaresBild(), Bild::Gedrueckt);
    EXPECT_FALSE(knopf.ereignisse.contains(QStringLiteral("ClickDisabled")));
}

TEST(FunbuttonsteuerungTest, APressWhoseReleaseIsLostEndsLikeARelease)
{
    Knopf knopf;
    knopf.steuerung.setRepeatEnabled(true);
    knopf.halten(kRechts, 800);
    knopf.ereignisse.clear();
    knopf.steuerung.druckVerloren();
    EXPECT_EQ(knopf.ereignisse, QStringList { QStringLiteral("MouseUp 2 0 0 0") });
    EXPECT_FALSE(knopf.steuerung.gedrueckt());
    EXPECT_EQ(knopf.steuerung.sichtbaresBild(), Bild::Normal);
    const size_t klicks = knopf.klicks.size();
    knopf.zeit.vergehen(2000);
    EXPECT_EQ(knopf.klicks.size(), klicks);

    knopf.ereignisse.clear();
    knopf.steuerung.druckVerloren();
    EXPECT_TRUE(knopf.ereignisse.isEmpty()) << "without a press nothing is released";
}

TEST(FunbuttonsteuerungTest, BlinkingAlternatesEveryHalfSecondAndAReleaseShowsTheLook)
{
    Knopf knopf;
    knopf.steuerung.setBlinken(true);
    EXPECT_EQ(knopf.steuerung.sichtbaresBild(), Bild::Keins);
    knopf.zeit.vergehen(500);
    EXPECT_EQ(knopf.steuerung.sichtbaresBild(), Bild::Normal);
    EXPECT_EQ(knopf.steuerung.Blinkphase(), 1);

    knopf.steuerung.setBlinken(true);
    EXPECT_EQ(knopf.steuerung.Blinkphase(), 1) << "switching it on again changes nothing";
    knopf.zeit.vergehen(500);
    EXPECT_EQ(knopf.steuerung.sichtbaresBild(), Bild::Keins);

    knopf.steuerung.druecken(kLinks, 0, 0, 0);
    knopf.zeit.vergehen(500);
    EXPECT_EQ(knopf.steuerung.sichtbaresBild(), Bild::Gedrueckt) << "the pressed look stays while blinking";
    knopf.zeit.vergehen(500);
    knopf.steuerung.loslassen(kLinks, 0, 0, 0);
    EXPECT_EQ(knopf.steuerung.sichtbaresBild(), Bild::Normal);

    knopf.steuerung.setBlinken(false);
    EXPECT_EQ(knopf.steuerung.sichtbaresBild(), Bild::Normal);
    EXPECT_EQ(knopf.zeit.laufende(), 0);
}

} // namespace
