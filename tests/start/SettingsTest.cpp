#include "StartFakes.h"

#include "errors/Procedure.h"
#include "start/QSettingsStore.h"
#include "start/Settings.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

class SettingsTest : public ::testing::Test {
protected:
    // Loads as the start window does, starting from the first-run values.
    StartSettings load(SettingsStore& from)
    {
        Procedure proc("frmStart", "void frmStart::Form_Load()");
        StartSettings werte = StartSettings::defaults();
        Settings(from).load(werte, proc);
        return werte;
    }

    ReporterScope scope;
    ScriptedErrorWindow& errors = scope.errors;
    MemorySettingsStore store;
};

// That every field reads back as saved, through the INI store, is the settings fuzz harness's oracle.
TEST_F(SettingsTest, SaveAllWritesTheSeventeenKeysByNameAndAFirstRunWritesNothing)
{
    EXPECT_TRUE(QFileInfo(load(store).Pfad).isAbsolute());
    EXPECT_EQ(std::pair(store.writes, errors.reports.size()), std::pair(QStringList(), qsizetype(0)));
    StartSettings w = StartSettings::defaults();
    w.Zufall = true;
    w.Maximieren = false;
    w.Farbe = 0x123456;
    ASSERT_TRUE(Settings(store).saveAll(w));
    EXPECT_EQ(store.writes,
        QStringList({ "Pfad", "PW", "Zufall", "Doppelklick", "Maximieren", "Farbe", "Hintergrundfarbe", "Fading",
            "Spiel", "Anzahl", "Muelleimer", "Playliste", "RechteMaus", "Pause", "Winamp", "Windows", "S" }));
    EXPECT_EQ(std::tuple(store.values["Data/Zufall"], store.values["Data/Maximieren"], store.values["Data/Farbe"]),
        std::tuple("1", "0", QString::number(0x123456)));
}

TEST_F(SettingsTest, CheckBoxTextsFollowTheTextToBooleanRule)
{
    const std::pair<const char*, bool> cases[]
        = { { "0", false }, { "True", true }, { "FALSE", false }, { "-1", true }, { "2", true }, { " 0 ", false } };
    for (const auto& [text, checked] : cases) {
        store.values.insert("Data/Zufall", text);
        EXPECT_EQ(load(store).Zufall, checked) << text;
    }
    EXPECT_TRUE(errors.reports.isEmpty());
}

TEST_F(SettingsTest, CorruptValueGoesToTheReporterAndTheFieldKeepsItsDefault)
{
    store.values.insert("Data/Farbe", "hellblau");
    store.values.insert("Data/Fading", "99"); // beyond the slider
    store.values.insert("Data/Anzahl", "11"); // beyond the list
    store.values.insert("Data/Spiel", "vielleicht");
    store.values.insert("Data/S", "1");
    store.values.insert("Data/PW", "abc");

    const StartSettings w = load(store);

    ASSERT_EQ(errors.reports.size(), 4);
    EXPECT_EQ(errors.reports[0].rows.mid(0, 2), QStringList({ "Typen unverträglich (13)", "frmStart" }));
    EXPECT_EQ(errors.reports[1].rows[0], "Ungültiger Eigenschaftswert (380)");
    const StartSettings d = StartSettings::defaults();
    // The keys around the broken ones are read all the same.
    EXPECT_EQ(std::tuple(w.Farbe, w.Fading, w.Anzahl, w.Spiel, w.PW, w.S),
        std::tuple(d.Farbe, d.Fading, d.Anzahl, d.Spiel, QStringLiteral("abc"), 1));

    // Leaving the procedure instead stops reading the remaining keys.
    errors.otherwise = ErrPtnr::ProzedurVerlassen;
    store.values.insert("Data/S", "0");
    Procedure proc("frmStart", "void frmStart::Form_Load()");
    StartSettings verlassen = StartSettings::defaults();
    EXPECT_FALSE(Settings(store).load(verlassen, proc));
    EXPECT_EQ(verlassen.S, 3);
}

TEST_F(SettingsTest, HandSetOptionsAreOffUnlessClearlyOnAndTheStartWindowNeverWritesThem)
{
    EXPECT_FALSE(load(store).Lautheit || load(store).ID3v2); // missing
    const std::pair<const char*, bool> texte[] = { { "1", true }, { " true ", true }, { "2", true }, { "0", false },
        { "ja", false }, { "", false }, { "False", false } };
    for (const auto& [text, ein] : texte) {
        store.values.insert("Data/Lautheit", text);
        store.values.insert("Data/ID3v2", text);
        const StartSettings w = load(store);
        EXPECT_EQ(std::pair(w.Lautheit, w.ID3v2), std::pair(ein, ein)) << text;
    }
    EXPECT_TRUE(errors.reports.isEmpty());

    store.values.insert("Data/Lautheit", "1");
    ASSERT_TRUE(Settings(store).saveAll(StartSettings::defaults()));
    EXPECT_EQ(store.values.value("Data/Lautheit"), "1");
    EXPECT_EQ(store.values.value("Data/ID3v2"), "False");
}

TEST_F(SettingsTest, SingleKeysTouchNothingElseAndAnUnwritableStoreIsReported)
{
    Settings settings(store);
    EXPECT_EQ(settings.File(), QString());
    ASSERT_TRUE(settings.saveMusikordner("/srv/Demo"));
    ASSERT_TRUE(settings.saveFile("/srv/Musik/a.mp3"));
    EXPECT_EQ(store.writes, QStringList({ "Pfad", "File" }));
    EXPECT_EQ(std::pair(load(store).Pfad, settings.File()),
        std::pair(QStringLiteral("/srv/Demo"), QStringLiteral("/srv/Musik/a.mp3")));

    store.writable = false;
    EXPECT_FALSE(settings.saveAll(StartSettings::defaults()) || settings.saveOhneScan(StartSettings::defaults()));
}

class QSettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path()); }

    QTemporaryDir config;
};

TEST_F(QSettingsStoreTest, WritesSectionDataIntoTheApplicationsOwnIniFile)
{
    {
        QSettingsStore store("tonvaro");
        store.SaveSetting("Data", "Pfad", "/srv/Musik");
        ASSERT_TRUE(store.sync());
    }
    QSettings ini(config.filePath("Quorvane/tonvaro.ini"), QSettings::IniFormat);
    EXPECT_EQ(ini.value("Data/Pfad").toString(), "/srv/Musik");
    // Another executable name starts with the defaults.
    EXPECT_EQ(QSettingsStore("jukebox2").GetSetting("Data", "Pfad", "?"), "?");
}

TEST_F(QSettingsStoreTest, HandEditedValuesWithAnUnquotedCommaAreReadWhole)
{
    ASSERT_TRUE(QDir(config.path()).mkpath("Quorvane"));
    QFile ini(config.filePath("Quorvane/tonvaro.ini"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Andere]\nPfad=/falsch, hier\n[Data]\nPfad=/musik/Rock, Pop\nFading = 1,5\nPW=\"a, b\"\n");
    ini.close();
    QSettingsStore store("tonvaro");
    EXPECT_EQ(store.GetSetting("Data", "Pfad", "?"), "/musik/Rock, Pop");
    EXPECT_EQ(store.GetSetting("Data", "Fading", "?"), "1,5");
    EXPECT_EQ(store.GetSetting("Data", "PW", "?"), "a, b");
}

TEST_F(QSettingsStoreTest, AStoreThatCannotBeWrittenReportsTheFailure)
{
    // A file where the store's folder should be: no rights can make that writable.
    QFile blocker(config.filePath("Quorvane"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QSettingsStore store("tonvaro");
    store.SaveSetting("Data", "Pfad", "/srv");
    EXPECT_FALSE(store.sync());
    EXPECT_TRUE(store.location().endsWith("Quorvane/tonvaro.ini"));
}

} // namespace
