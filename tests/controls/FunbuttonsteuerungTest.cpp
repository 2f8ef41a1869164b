#include "support/FakeZeit.h"

#include "controls/Funbuttonsteuerung.h"

#include <gtest/gtest.h>
#include <QStringList>

namespace {

using Bild = Funbuttonsteuerung::Bild;

// A button on stepped time that writes down its events and the times of its clicks.
struct Knopf {
    FakeZeit zeit;
    Funbuttonsteuerung s { zeit.fabrik() };
    QStringList ereignisse;
    std::vector<qint64> klicks;

    explicit Knopf(bool repeat = false)
    {
        s.setRepeatEnabled(repeat);
        const auto maus = [this](const char* name) {
            return [this, name](int b, int, int x, int y) {
                ereignisse << QStringLiteral("%1 %2 %3 %4").arg(name).arg(b).arg(x).arg(y);
            };
        };
        QObject::connect(&s, &Funbuttonsteuerung::MouseDown, maus("MouseDown"));
        QObject::connect(&s, &Funbuttonsteuerung::MouseUp, maus("MouseUp"));
        QObject::connect(&s, &Funbuttonsteuerung::Click, [this] {
            ereignisse << QStringLiteral("Click");
            klicks.push_back(zeit.jetzt);
        });
        QObject::connect(
            &s, &Funbuttonsteuerung::ClickDisabled, [this] { ereignisse << QStringLiteral("ClickDisabled"); });
    }
    void halten(int button, qint64 ms)
    {
        s.druecken(button, 0, 10.4, 19.6);
        zeit.vergehen(ms);
    }
};

TEST(FunbuttonsteuerungTest, PressesThatCountAsDisabledRaiseClickDisabledNeverRepeatAndGetNoMouseUp)
{
    // Enabled, "LinksGesperrt", button; whether the press counts as disabled.
    const std::tuple<bool, bool, int, bool> faelle[] = { { true, false, 1, false }, { false, false, 1, true },
        { true, true, 1, true }, { true, true, 4, true }, { true, true, 2, false } };
    for (const auto& [enabled, linksGesperrt, button, deaktiviert] : faelle) {
        SCOPED_TRACE(testing::Message() << enabled << linksGesperrt << button);
        Knopf k(true);
        k.s.setEnabled(enabled);
        k.s.LinksGesperrt = linksGesperrt;
        k.halten(button, 1000);
        EXPECT_EQ(k.s.sichtbaresBild(), deaktiviert ? Bild::Deaktiviert : Bild::Gedrueckt);
        QStringList erwartet { QStringLiteral("MouseDown %1 10 20").arg(button), QStringLiteral("Click") };
        if (deaktiviert)
            erwartet << QStringLiteral("ClickDisabled");
        EXPECT_EQ(k.ereignisse.mid(0, erwartet.size()), erwartet);
        EXPECT_EQ(k.klicks, (deaktiviert ? std::vector<qint64> { 0 } : std::vector<qint64> { 0, 650, 800, 950 }));

        k.ereignisse.clear();
        k.s.loslassen(button, 0, 3, 4);
        k.zeit.vergehen(1000);
        EXPECT_EQ(k.s.sichtbaresBild(), Bild::Normal);
        EXPECT_EQ(
            k.ereignisse, enabled ? QStringList { QStringLiteral("MouseUp %1 3 4").arg(button) } : QStringList {});
        EXPECT_EQ(k.zeit.laufende(), 0) << "the release ends the repeat at once";
    }
}

TEST(FunbuttonsteuerungTest, BlinkingAlternatesEveryHalfSecondAndAReleaseShowsTheLook)
{
    Knopf k;
    k.s.setBlinken(true);
    EXPECT_EQ(k.s.sichtbaresBild(), Bild::Keins);
    k.zeit.vergehen(500);
    EXPECT_EQ(k.s.sichtbaresBild(), Bild::Normal);

    k.halten(1, 1500); // the phase now hides the button
    EXPECT_EQ(k.s.sichtbaresBild(), Bild::Gedrueckt) << "the pressed look stays while blinking";
    k.s.loslassen(1, 0, 0, 0);
    EXPECT_EQ(k.s.sichtbaresBild(), Bild::Normal) << "the release shows the look whatever the phase";
    k.s.setBlinken(false);
    EXPECT_EQ(k.zeit.laufende(), 0);
}

} // namespace
