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

TEST_F(SperreTest, TheCodeStaysOffTheArchiveMayBeCorrectedInAnyCaseHoldsMoreThanASearchAndNeedsAPassword)
{
    passwort = QStringLiteral("zo1");
    sperre.SchlossProzedur();
    Timer2.starten();
    for (const char* taste : { "Z", "x", "{BACKSPACE}", "O" }) {
        EXPECT_FALSE(tasten.KeyClick(QString::fromLatin1(taste), 0).sperreGewechselt);
        uhr.vergehen(4999);
    }
    EXPECT_FALSE(Timer2.abgelaufen()) << "each key starts the five seconds over";
    // "Z" would have jumped to "Zorro": the code stays off the archive.
    EXPECT_EQ(std::pair(archiv.Row(), tasten.suche().Suchtext()), std::pair(2, QString()));
    EXPECT_TRUE(tippen(QStringLiteral("1")).sperreGewechselt && sperre.gesperrt() && !Timer2.aktiv());
    EXPECT_EQ(tippen(QStringLiteral("z")).zeile, 3) << "with the entry closed the keys search again";

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
