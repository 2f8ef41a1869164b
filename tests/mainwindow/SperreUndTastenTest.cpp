#include "common/FlexGrid.h"
#include "mainwindow/Bildschirmsperre.h"
#include "mainwindow/Leerlaufzeit.h"
#include "mainwindow/Tastenverteiler.h"

#include "support/FakeZeit.h"

#include <gtest/gtest.h>

namespace {

class SperreTest : public ::testing::Test {
protected:
    SperreTest()
    {
        archiv.setRows(1);
        for (const char* titel : { "Abba", "Otto", "Zorro" })
            archiv.AddItem(QString::fromLatin1(titel));
        archiv.setVisibleRowCount(2);
        archiv.selectRow(2);
    }

    Tastenverteiler::Ergebnis tippen(const QString& wort)
    {
        Tastenverteiler::Ergebnis letztes;
        for (const QChar c : wort)
            letztes = tasten.KeyClick(QString(c), 0);
        return letztes;
    }

    FakeZeit uhr;
    QString passwort = QStringLiteral("zoo");
    FlexGrid archiv;
    Bildschirmsperre sperre { [this] { return passwort; } };
    Leerlaufzeit Timer2 { uhr };
    Tastenverteiler tasten { archiv, sperre, Timer2 };
};

TEST_F(SperreTest, CodeMatchesWithoutEnterWhateverTheCaseAndLeavesTheArchiveStill)
{
    sperre.SchlossProzedur();
    EXPECT_TRUE(tippen(QStringLiteral("ZOo")).sperreGewechselt);
    EXPECT_EQ(std::pair(sperre.Tag(), Timer2.aktiv()), std::pair(QStringLiteral("Zu"), false));
    // "Z" and "O" would have jumped to "Zorro" and "Otto": the code stays off the archive.
    EXPECT_EQ(std::pair(archiv.Row(), tasten.suche().Suchtext()), std::pair(2, QString()));

    // Unlocking takes the password again, read anew: the operator changed it meanwhile.
    passwort = QStringLiteral("Neu");
    sperre.SchlossProzedur();
    EXPECT_TRUE(tippen(QStringLiteral("NEU")).sperreGewechselt);
    EXPECT_EQ(sperre.Tag(), QStringLiteral("Auf"));

    // With the entry closed the keys search again.
    EXPECT_EQ(tippen(QStringLiteral("z")).zeile, 3);
}

TEST_F(SperreTest, KeysMayCorrectTheCodeWhichHoldsMoreThanASearchAndNeverMatchesAnEmptyPassword)
{
    passwort = QStringLiteral("ab1");
    sperre.SchlossProzedur();
    Timer2.starten();
    for (const char* taste : { "a", "x", "{BACKSPACE}", "b" }) {
        EXPECT_FALSE(tasten.KeyClick(QString::fromLatin1(taste), 0).sperreGewechselt);
        uhr.vergehen(4999);
    }
    EXPECT_FALSE(Timer2.abgelaufen()) << "each key starts the five seconds over";
    EXPECT_TRUE(sperre.taste(QStringLiteral("1")) && sperre.gesperrt());

    // A long password is not cut at the search's ten characters.
    passwort = QString(99, u'q');
    sperre.SchlossProzedur();
    tippen(QString(98, u'q'));
    EXPECT_TRUE(tippen(QStringLiteral("q")).sperreGewechselt && !sperre.gesperrt());

    passwort.clear();
    sperre.SchlossProzedur();
    EXPECT_FALSE(sperre.taste(QStringLiteral("{BACKSPACE}")) || sperre.gesperrt());
}

} // namespace
