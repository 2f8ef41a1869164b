#include "common/Clock.h"
#include "common/FlexGrid.h"
#include "mainwindow/Bildschirmsperre.h"
#include "mainwindow/Leerlaufzeit.h"
#include "mainwindow/Tastenverteiler.h"

#include <gtest/gtest.h>

namespace {

class SchrittUhr : public Clock {
public:
    qint64 ms = 1000;
    QDateTime now() const override { return QDateTime::fromMSecsSinceEpoch(ms); }
    qint64 milliseconds() const override { return ms; }
};

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

    // Types a word key by key on the on-screen keyboard.
    Tastenverteiler::Ergebnis tippen(const QString& wort)
    {
        Tastenverteiler::Ergebnis letztes;
        for (const QChar c : wort)
            letztes = tasten.KeyClick(QString(c), 0);
        return letztes;
    }

    SchrittUhr uhr;
    QString passwort = QStringLiteral("zoo");
    FlexGrid archiv;
    Bildschirmsperre sperre { [this] { return passwort; } };
    Leerlaufzeit Timer2 { uhr };
    Tastenverteiler tasten { archiv, sperre, Timer2 };
};

TEST_F(SperreTest, CodeMatchesWithoutEnterWhateverTheCaseAndLeavesTheArchiveStill)
{
    EXPECT_EQ(sperre.Tag(), QStringLiteral("Auf"));
    sperre.SchlossProzedur();
    EXPECT_FALSE(tippen(QStringLiteral("ZO")).sperreGewechselt);
    EXPECT_EQ(sperre.anzeige(), QStringLiteral("##"));
    EXPECT_EQ(sperre.code(), QStringLiteral("ZO"));
    EXPECT_TRUE(tippen(QStringLiteral("o")).sperreGewechselt);
    EXPECT_EQ(sperre.Tag(), QStringLiteral("Zu"));
    EXPECT_FALSE(sperre.codeEingabeOffen());
    EXPECT_FALSE(Timer2.aktiv());
    // "Z" and "O" would have jumped to "Zorro" and "Otto": the code stays off the archive.
    EXPECT_EQ(archiv.Row(), 2);
    EXPECT_EQ(tasten.suche().Suchtext(), QString());

    // Unlocking takes the password again, read anew: the operator changed it meanwhile.
    passwort = QStringLiteral("Neu");
    sperre.SchlossProzedur();
    EXPECT_TRUE(tippen(QStringLiteral("NEU")).sperreGewechselt);
    EXPECT_EQ(sperre.Tag(), QStringLiteral("Auf"));

    // With the entry closed the keys search again.
    EXPECT_EQ(tippen(QStringLiteral("z")).zeile, 3);
}

TEST_F(SperreTest, AWrongLetterOnlyMatchesAfterTheIdleTimeGaveUpAndTheEntryReopened)
{
    sperre.SchlossProzedur();
    Timer2.starten();
    tippen(QStringLiteral("ZX"));
    uhr.ms += 4999;
    EXPECT_FALSE(Timer2.abgelaufen());
    tippen(QStringLiteral("OO")); // each key starts the five seconds over
    uhr.ms += 4999;
    EXPECT_FALSE(Timer2.abgelaufen());
    EXPECT_EQ(sperre.Tag(), QStringLiteral("Auf"));
    uhr.ms += 1;
    EXPECT_TRUE(Timer2.abgelaufen());
    EXPECT_FALSE(Timer2.abgelaufen()); // gives up once
    sperre.aufgeben();
    EXPECT_FALSE(sperre.codeEingabeOffen());
    EXPECT_EQ(sperre.Tag(), QStringLiteral("Auf"));

    sperre.SchlossProzedur();
    EXPECT_TRUE(tippen(QStringLiteral("ZOO")).sperreGewechselt);
}

TEST_F(SperreTest, HardwareKeysMayCorrectAndTheCodeHoldsNinetyNineCharacters)
{
    passwort = QStringLiteral("ab1");
    sperre.SchlossProzedur();
    for (const char* taste : { "a", "x", "{BACKSPACE}", "b" })
        EXPECT_FALSE(sperre.taste(QString::fromLatin1(taste)));
    EXPECT_TRUE(sperre.taste(QStringLiteral("1")));
    EXPECT_TRUE(sperre.gesperrt());

    // A long password is not cut at the search's ten characters.
    passwort = QString(99, u'q');
    sperre.SchlossProzedur();
    tippen(QString(98, u'q'));
    EXPECT_EQ(sperre.code().size(), 98);
    EXPECT_TRUE(tippen(QStringLiteral("q")).sperreGewechselt);
    EXPECT_FALSE(sperre.gesperrt());

    passwort = QStringLiteral("p");
    sperre.SchlossProzedur();
    tippen(QString(120, u'q'));
    EXPECT_EQ(sperre.code().size(), Bildschirmsperre::kMaxCodeLaenge);

    // Without the entry open keys do not reach the code; an empty password never matches.
    sperre.aufgeben();
    passwort.clear();
    EXPECT_FALSE(sperre.taste(QStringLiteral("a")));
    EXPECT_EQ(sperre.code(), QString());
    sperre.SchlossProzedur();
    EXPECT_FALSE(sperre.taste(QStringLiteral("{BACKSPACE}")));
    EXPECT_FALSE(sperre.gesperrt());
}

} // namespace
