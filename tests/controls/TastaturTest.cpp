#include "controls/TastaturAufbau.h"
#include "controls/ui/ctlVirtuelleTastatur.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QStringList kSuche = { QStringLiteral(" 1234567890"), QStringLiteral("QWERTZUIOPÜBS"),
    QStringLiteral(" ASDFGHJKLÖÄ"), QStringLiteral("  YXCVBNMSpace") };
const QStringList kSperre
    = { QStringLiteral("QWERTZUIOPÜ"), QStringLiteral(" ASDFGHJKLÖÄ"), QStringLiteral("  YXCVBNM") };

template <typename Keyboard> void bauen(Keyboard& tastatur, const QStringList& zeilen, bool loeschen = true)
{
    tastatur.setKeyWidth(1200);
    tastatur.setKeyHeight(1200);
    tastatur.setLoeschenSichtbar(loeschen);
    for (int zeile = 0; zeile < zeilen.size(); ++zeile)
        tastatur.Tastatur_Ini(zeile, zeilen[zeile]);
}

std::vector<const Taste*> reihe(const TastaturAufbau& aufbau, int zeile)
{
    std::vector<const Taste*> tasten;
    for (const Taste& taste : aufbau.tasten())
        if (taste.lage.y() == zeile * aufbau.KeyHeight())
            tasten.push_back(&taste);
    return tasten;
}

// Keys inside the keyboard, never overlapping and found where they lie: the texts fuzz harness's oracle.
TEST(TastaturAufbauTest, AHiddenDeleteKeyKeepsItsRoomAndWordsAreKeysOnlyWhereTheyStart)
{
    TastaturAufbau aufbau;
    bauen(aufbau, kSuche, false);
    const Taste* bs = reihe(aufbau, 1).back();
    EXPECT_TRUE(bs->art == Taste::Art::Loeschen && !bs->sichtbar && aufbau.tasteBei(bs->lage.center()) == nullptr);
    EXPECT_EQ(aufbau.groesse().width(), 11 * 1200 + 1800 + 90);

    // "B" and "S" apart are letters; a decomposed "Ü" is still one key.
    aufbau.Tastatur_Ini(0, QStringLiteral("B SU\u0308BS"));
    QStringList texte;
    for (const Taste* taste : reihe(aufbau, 0))
        texte << taste->text;
    EXPECT_EQ(texte, QStringList({ "B", "S", "Ü", "{BACKSPACE}" }));
}

// A keyboard under a focused field.
struct Fenster {
    QWidget fenster;
    QLineEdit feld { &fenster };
    ctlVirtuelleTastatur tastatur { &fenster };
    QSignalSpy klicks { &tastatur, &ctlVirtuelleTastatur::KeyClick };

    Fenster()
    {
        fenster.resize(1400, 600);
        fenster.show();
        feld.setFocus();
    }
    void druecke(const QString& text)
    {
        for (const Taste& taste : tastatur.aufbau().tasten())
            if (taste.text == text)
                return QTest::mouseClick(&tastatur, Qt::LeftButton, {}, tastatur.tastenRechteck(taste).center());
        FAIL() << "no key " << text.toStdString();
    }
};

TEST(ctlVirtuelleTastaturTest, KeysReportOnPressKeepTheFocusAndRespondAfterTenRebuilds)
{
    Fenster f;
    for (int i = 0; i < 10; ++i)
        bauen(f.tastatur, i % 2 ? kSperre : kSuche);
    bauen(f.tastatur, kSuche);
    f.tastatur.show();
    EXPECT_EQ(f.tastatur.size(), QSize(1006, 344)); // 15090 x 5160 twips at 96 dpi, as after the first build

    const QPoint q = f.tastatur.tastenRechteck(*reihe(f.tastatur.aufbau(), 1).front()).center();
    QTest::mousePress(&f.tastatur, Qt::LeftButton, {}, q);
    ASSERT_EQ(f.klicks.count(), 1); // before the release
    QTest::mouseRelease(&f.tastatur, Qt::LeftButton, {}, q);
    for (const QString taste : { " ", "{BACKSPACE}", "Ä" })
        f.druecke(taste);
    QStringList gemeldet;
    for (const auto& klick : f.klicks)
        gemeldet << klick.at(0).toString();
    EXPECT_EQ(gemeldet, (QStringList { "Q", " ", "{BACKSPACE}", "Ä" }));
    EXPECT_EQ(f.fenster.focusWidget(), &f.feld);

    // The unlock layout leaves no key of the search layout usable: the space bar's place is empty.
    const QPoint leertaste = f.tastatur.tastenRechteck(*reihe(f.tastatur.aufbau(), 3).back()).center();
    bauen(f.tastatur, kSperre, false);
    f.klicks.clear();
    QTest::mouseClick(&f.tastatur, Qt::LeftButton, {}, leertaste);
    EXPECT_EQ(f.klicks.count(), 0);
}

} // namespace
