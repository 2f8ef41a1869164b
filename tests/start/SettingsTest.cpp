#include "StartFakes.h"

#include "errors/ErrPtnr.h"
#include "errors/Procedure.h"
#include "start/QSettingsStore.h"
#include "start/Settings.h"
#include "start/SettingText.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

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
    AnsweringErrorWindow& errors = scope.errors;
    MemorySettingsStore store;
};

StartSettings changedSettings()
{
    StartSettings w = StartSettings::defaults();
    w.Pfad = QStringLiteral("/srv/Musik;Rock");
    w.PW = QStringLiteral("Geheim");
    w.Zufall = true;
    w.Doppelklick = true;
    w.Maximieren = false;
    w.Farbe = 0x123456;
    w.Hintergrundfarbe = 0x00FF00;
    w.Fading = 25;
    w.Spiel = false;
    w.Anzahl = 10;
    w.Muelleimer = true;
    w.Playliste = true;
    w.RechteMaus = true;
    w.Pause = false;
    w.Winamp = QStringLiteral("D:\\winamp\\winamp.exe");
    w.Windows = false;
    w.S = 0;
    return w;
}

void expectSame(const StartSettings& a, const StartSettings& b)
{
    EXPECT_EQ(a.Pfad, b.Pfad);
    EXPECT_EQ(a.PW, b.PW);
    EXPECT_EQ(a.Zufall, b.Zufall);
    EXPECT_EQ(a.Doppelklick, b.Doppelklick);
    EXPECT_EQ(a.Maximieren, b.Maximieren);
    EXPECT_EQ(a.Farbe, b.Farbe);
    EXPECT_EQ(a.Hintergrundfarbe, b.Hintergrundfarbe);
    EXPECT_EQ(a.Fading, b.Fading);
    EXPECT_EQ(a.Spiel, b.Spiel);
    EXPECT_EQ(a.Anzahl, b.Anzahl);
    EXPECT_EQ(a.Muelleimer, b.Muelleimer);
    EXPECT_EQ(a.Playliste, b.Playliste);
    EXPECT_EQ(a.RechteMaus, b.RechteMaus);
    EXPECT_EQ(a.Pause, b.Pause);
    EXPECT_EQ(a.Winamp, b.Winamp);
    EXPECT_EQ(a.Windows, b.Windows);
    EXPECT_EQ(a.S, b.S);
}

TEST_F(SettingsTest, FirstRunGivesTheTableDefaults)
{
    const StartSettings w = load(store);
    EXPECT_EQ(w.Pfad,
        QStandardPaths::writableLocation(QStandardPaths::MusicLocation).isEmpty()
            ? QDir::homePath()
            : QStandardPaths::writableLocation(QStandardPaths::MusicLocation));
    EXPECT_EQ(w.PW, QString());
    EXPECT_EQ(w.Farbe, 0 + 256 * 255 + 65536 * 255); // cyan
    EXPECT_EQ(w.Hintergrundfarbe, 65536 * 255); // blue
    EXPECT_EQ(w.Fading, 10);
    EXPECT_EQ(w.Anzahl, 0);
    EXPECT_EQ(StartSettings::anzahlListe().value(w.Anzahl), QStringLiteral("unbegrenzt"));
    EXPECT_EQ(w.S, 3);
    EXPECT_EQ(w.schriftgroesse(), 18.0);
    // Checked exactly: Maximieren, Spiel, Pause, Windows.
    EXPECT_TRUE(w.Maximieren && w.Spiel && w.Pause && w.Windows);
    EXPECT_FALSE(w.Zufall || w.Doppelklick || w.Muelleimer || w.Playliste || w.RechteMaus);
    EXPECT_EQ(w.Winamp,
        QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) + QDir::separator() + "winamp"
            + QDir::separator() + "winamp.exe");
    EXPECT_TRUE(store.writes.isEmpty()) << "reading writes nothing";
    EXPECT_TRUE(errors.reports.isEmpty());
}

TEST_F(SettingsTest, SaveAllWritesSeventeenKeysInOrderAndReadsBack)
{
    const StartSettings saved = changedSettings();
    ASSERT_TRUE(Settings(store).saveAll(saved));
    EXPECT_EQ(store.writes, Settings::keys());
    EXPECT_EQ(Settings::keys(),
        QStringList({ "Pfad", "PW", "Zufall", "Doppelklick", "Maximieren", "Farbe", "Hintergrundfarbe", "Fading",
            "Spiel", "Anzahl", "Muelleimer", "Playliste", "RechteMaus", "Pause", "Winamp", "Windows", "S" }));
    // Stored text forms.
    EXPECT_EQ(store.values.value("Data/Zufall"), "1");
    EXPECT_EQ(store.values.value("Data/Maximieren"), "0");
    EXPECT_EQ(store.values.value("Data/Farbe"), QString::number(0x123456));
    EXPECT_EQ(store.values.value("Data/Anzahl"), "10");
    EXPECT_EQ(store.values.value("Data/Pfad"), "/srv/Musik;Rock");
    expectSame(load(store), saved);
}

TEST_F(SettingsTest, StartWithoutScanKeepsOnlyFolderPasswordAndTwoOptions)
{
    const StartSettings before = changedSettings();
    ASSERT_TRUE(Settings(store).saveAll(before));
    store.writes.clear();

    StartSettings changed = before;
    changed.Pfad = QStringLiteral("/neu");
    changed.PW = QStringLiteral("Anders");
    changed.Zufall = false;
    changed.Doppelklick = false;
    changed.Farbe = 0xFFFFFF;
    changed.S = 2;
    changed.Windows = true;
    ASSERT_TRUE(Settings(store).saveOhneScan(changed));

    EXPECT_EQ(store.writes, QStringList({ "Pfad", "PW", "Zufall", "Doppelklick" }));
    const StartSettings next = load(store);
    EXPECT_EQ(next.Pfad, "/neu");
    EXPECT_EQ(next.PW, "Anders");
    EXPECT_FALSE(next.Zufall);
    EXPECT_FALSE(next.Doppelklick);
    EXPECT_EQ(next.Farbe, before.Farbe);
    EXPECT_EQ(next.S, before.S);
    EXPECT_EQ(next.Windows, before.Windows);
}

TEST_F(SettingsTest, CheckBoxTextsFollowTheTextToBooleanRule)
{
    const struct {
        const char* text;
        bool checked;
    } cases[] = { { "1", true }, { "0", false }, { "True", true }, { "False", false }, { "true", true },
        { "FALSE", false }, { "-1", true }, { "2", true }, { " 0 ", false } };
    for (const auto& c : cases) {
        store.values.insert("Data/Zufall", c.text);
        EXPECT_EQ(load(store).Zufall, c.checked) << c.text;
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
    EXPECT_EQ(errors.reports[0].rows[0], "Typen unverträglich (13)");
    EXPECT_EQ(errors.reports[1].rows[0], "Ungültiger Eigenschaftswert (380)");
    EXPECT_EQ(errors.reports[0].rows[1], "frmStart");
    const StartSettings d = StartSettings::defaults();
    EXPECT_EQ(w.Farbe, d.Farbe);
    EXPECT_EQ(w.Fading, d.Fading);
    EXPECT_EQ(w.Anzahl, d.Anzahl);
    EXPECT_EQ(w.Spiel, d.Spiel);
    // The keys around the broken ones are read all the same.
    EXPECT_EQ(w.PW, "abc");
    EXPECT_EQ(w.S, 1);
}

TEST_F(SettingsTest, LeavingTheProcedureStopsReadingTheRemainingKeys)
{
    errors.code = ErrPtnr::ProzedurVerlassen;
    store.values.insert("Data/Farbe", "x");
    store.values.insert("Data/S", "0");
    Procedure proc("frmStart", "void frmStart::Form_Load()");
    StartSettings w = StartSettings::defaults();
    EXPECT_FALSE(Settings(store).load(w, proc));
    EXPECT_EQ(w.S, 3);
}

TEST_F(SettingsTest, PresettingTheMusicFolderTouchesNothingElse)
{
    ASSERT_TRUE(Settings(store).saveMusikordner("/srv/Demo"));
    EXPECT_EQ(store.writes, QStringList { "Pfad" });
    EXPECT_EQ(load(store).Pfad, "/srv/Demo");
}

TEST_F(SettingsTest, InspectorFileKeyLivesInTheSameSection)
{
    Settings settings(store);
    EXPECT_EQ(settings.File(), QString());
    ASSERT_TRUE(settings.saveFile("/srv/Musik/a.mp3"));
    EXPECT_EQ(store.values.value("Data/File"), "/srv/Musik/a.mp3");
    EXPECT_EQ(settings.File(), "/srv/Musik/a.mp3");
}

TEST_F(SettingsTest, AnUnwritableStoreIsReported)
{
    store.writable = false;
    EXPECT_FALSE(Settings(store).saveAll(StartSettings::defaults()));
    EXPECT_FALSE(Settings(store).saveOhneScan(StartSettings::defaults()));
}

TEST(SettingTextTest, NumbersRoundAndFailLoudly)
{
    EXPECT_EQ(SettingText::toLong(" 42 "), 42);
    EXPECT_EQ(SettingText::toLong("2.5"), 2); // halves to even
    EXPECT_EQ(SettingText::toLong("3.5"), 4);
    EXPECT_EQ(SettingText::toLongIn("30", 0, 30), 30);
    try {
        SettingText::toLong("3000000000");
        ADD_FAILURE() << "no overflow";
    } catch (const FaultError& e) {
        EXPECT_EQ(e.number(), 6);
    }
    EXPECT_THROW(SettingText::toLong(""), FaultError);
    EXPECT_THROW(SettingText::toLong("12abc"), FaultError);
    EXPECT_THROW(SettingText::toLongIn("-1", 0, 3), FaultError);
    EXPECT_THROW(SettingText::toBoolean("ja"), FaultError);
}

// The real per-user store, redirected into a temporary config folder.
class QSettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(config.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
    }
    QString iniFile(const QString& app) const { return config.filePath("Quorvane/" + app + ".ini"); }

    QTemporaryDir config;
};

TEST_F(QSettingsStoreTest, WritesSectionDataIntoTheApplicationsIniFile)
{
    {
        QSettingsStore store("tonvaro");
        Settings settings(store);
        StartSettings w = StartSettings::defaults();
        w.Pfad = "/srv/Musik";
        ASSERT_TRUE(settings.saveAll(w));
    }
    ASSERT_TRUE(QFileInfo::exists(iniFile("tonvaro")));
    QSettings ini(iniFile("tonvaro"), QSettings::IniFormat);
    EXPECT_EQ(ini.value("Data/Pfad").toString(), "/srv/Musik");
    EXPECT_EQ(ini.value("Data/Zufall").toString(), "0");
    EXPECT_EQ(ini.value("Data/S").toString(), "3");

    QSettingsStore again("tonvaro");
    EXPECT_EQ(again.GetSetting("Data", "Pfad", "?"), "/srv/Musik");
    EXPECT_EQ(again.GetSetting("Data", "Fehlt", "?"), "?");
}

TEST_F(QSettingsStoreTest, AnotherExecutableNameStartsWithDefaults)
{
    {
        QSettingsStore store("tonvaro");
        store.SaveSetting("Data", "Farbe", "255");
        ASSERT_TRUE(store.sync());
    }
    QSettingsStore renamed("jukebox2");
    EXPECT_EQ(renamed.GetSetting("Data", "Farbe", "default"), "default");
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
