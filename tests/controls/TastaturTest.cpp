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

TEST(TastaturAufbauTest, SearchLayoutGivesIndentedRowsSpecialKeysAndSize)
{
    TastaturAufbau aufbau;
    bauen(aufbau, kSuche);
    // Letters, indent, right edge. Row 1: 11 letters and the BS key (one and a half keys); row 3: 7 letters and the
    // space bar.
    const std::tuple<int, int, int> erwartet[] = { { 10, 600, 600 + 10 * 1200 }, { 11, 0, 11 * 1200 + 1800 },
        { 11, 600, 600 + 11 * 1200 }, { 7, 1200, 1200 + 7 * 1200 + 3600 } };
    for (int zeile = 0; zeile < 4; ++zeile) {
        const auto tasten = reihe(aufbau, zeile);
        const int zeichen = int(
            std::count_if(tasten.begin(), tasten.end(), [](const Taste* t) { return t->art == Taste::Art::Zeichen; }));
        EXPECT_EQ(std::tuple(zeichen, tasten.front()->lage.x(), tasten.back()->lage.right() + 1), erwartet[zeile])
            << zeile;
    }
    EXPECT_EQ(std::tuple(reihe(aufbau, 1).back()->art, reihe(aufbau, 3).back()->art, reihe(aufbau, 3).back()->text),
        std::tuple(Taste::Art::Loeschen, Taste::Art::Leertaste, QStringLiteral(" ")));
    // The widest row plus 90, the bottom of the last row plus 360.
    EXPECT_EQ(aufbau.groesse(), QSize(11 * 1200 + 1800 + 90, 4 * 1200 + 360));
}

TEST(TastaturAufbauTest, UnlockLayoutHasNoDigitsNoSpaceAHiddenOrAbsentDeleteKeyAndWordsOnlyWhereTheyStart)
{
    TastaturAufbau aufbau;
    bauen(aufbau, kSuche);
    bauen(aufbau, kSperre, false);
    EXPECT_EQ(aufbau.tasten().size(), 11u + 11u + 7u);
    EXPECT_EQ(aufbau.tasteBei(QPoint(600 + 100, 100)), &aufbau.tasten()[0]); // "Q" now, the digit row is gone
    EXPECT_EQ(aufbau.groesse(), QSize(600 + 11 * 1200 + 90, 3 * 1200 + 360)); // the indented row is widest

    // A hidden BS key keeps its room but cannot be touched.
    bauen(aufbau, kSuche, false);
    const Taste* bs = reihe(aufbau, 1).back();
    EXPECT_TRUE(!bs->sichtbar && aufbau.tasteBei(bs->lage.center()) == nullptr);
    EXPECT_EQ(aufbau.groesse().width(), 11 * 1200 + 1800 + 90);

    // "B" and "S" apart are letters; a decomposed "Ü" is still one key.
    aufbau.Tastatur_Ini(0, QStringLiteral("B SU\u0308BS"));
    QStringList texte;
    for (const Taste* taste : reihe(aufbau, 0))
        texte << taste->text;
    EXPECT_EQ(texte, QStringList({ "B", "S", "Ü", "{BACKSPACE}" }));
}

// A search keyboard with hide and enter keys under a focused field.
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

TEST(ctlVirtuelleTastaturTest, HideKeyHidesOnlyTheKeyboardAndEnterReachesTheFocusedField)
{
    Fenster f;
    f.tastatur.setHideSichtbar(true);
    f.tastatur.setEnterSichtbar(true);
    f.tastatur.Tastatur_Ini(0, QStringLiteral("AEnterHide"));
    f.tastatur.show();
    QSignalSpy eingabe(&f.feld, &QLineEdit::returnPressed);
    const auto& tasten = f.tastatur.aufbau().tasten();
    for (const Taste& taste : { tasten[1], tasten[2] })
        QTest::mouseClick(&f.tastatur, Qt::LeftButton, {}, f.tastatur.tastenRechteck(taste).center());
    EXPECT_EQ(std::tuple(eingabe.count(), f.klicks.count(), f.tastatur.isVisible(), f.fenster.isVisible()),
        std::tuple(1, 0, false, true));
}

} // namespace
