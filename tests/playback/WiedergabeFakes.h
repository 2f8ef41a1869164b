#pragma once

#include "common/Clock.h"
#include "common/FlexGrid.h"
#include "common/ProgrammEnde.h"
#include "errors/ErrorReport.h"
#include "errors/ErrorWindow.h"
#include "errors/ErrPtnr.h"
#include "platform/AppPaths.h"
#include "playback/PlayerControl.h"
#include "playback/Wiedergabe.h"
#include "playback/Wiedergabefenster.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <array>
#include <map>

// Players that play in pretend time: a song lasts as long as the test says,
// and vorspulen() moves every playing player forward.
class PretendPlayer : public PlayerControl {
public:
    struct Geraet {
        QString datei;
        qint64 positionMs = 0;
        qint64 laengeMs = 0;
        int status = Other;
    };
    std::array<Geraet, 3> geraete;
    // Length of each file in ms; a file not listed cannot be played.
    std::map<QString, qint64> lieder;
    QStringList protokoll;

    void OpenMP3(int index, const QString& datei) override
    {
        protokoll << QStringLiteral("Open(%1,%2)").arg(index).arg(datei);
        Geraet& g = geraete.at(std::size_t(index));
        g = Geraet { datei, 0, 0, Other };
        if (const auto lied = lieder.find(datei); lied != lieder.end())
            g.laengeMs = lied->second;
    }
    void PlayMP3(int index) override
    {
        protokoll << QStringLiteral("Play(%1)").arg(index);
        Geraet& g = geraete.at(std::size_t(index));
        if (g.laengeMs > 0 && g.positionMs < g.laengeMs)
            g.status = Playing;
    }
    void PauseMP3(int index) override
    {
        protokoll << QStringLiteral("Pause(%1)").arg(index);
        if (geraete.at(std::size_t(index)).status == Playing)
            geraete.at(std::size_t(index)).status = Paused;
    }
    void StopMP3(int index) override
    {
        protokoll << QStringLiteral("Stop(%1)").arg(index);
        geraete.at(std::size_t(index)).status = Other;
    }
    qint64 GetPosition(int index) override { return geraete.at(std::size_t(index)).positionMs; }
    void SetPosition(int index, qint64 position) override { geraete.at(std::size_t(index)).positionMs = position; }
    qint64 GetLength(int index) override { return (geraete.at(std::size_t(index)).laengeMs + 500) / 1000; }
    int GetStatus(int index) override { return geraete.at(std::size_t(index)).status; }
    QString GetFileName(int index) override { return geraete.at(std::size_t(index)).datei; }
    qint64 GetSongLength(const QString& datei) override { return lieder.count(datei) ? lieder[datei] / 1000 : 300; }

    void vorspulen(qint64 ms)
    {
        for (Geraet& g : geraete) {
            if (g.status != Playing)
                continue;
            g.positionMs = std::min(g.laengeMs, g.positionMs + ms);
            if (g.positionMs >= g.laengeMs)
                g.status = Other;
        }
    }
    // The players that are playing now.
    QList<int> spielende() const
    {
        QList<int> result;
        for (int i = 0; i < 2; ++i)
            if (geraete.at(std::size_t(i)).status == Playing)
                result << i;
        return result;
    }
};

class StehendeUhr : public Clock {
public:
    QDateTime zeit { QDate(2024, 3, 9), QTime(20, 0, 0) };
    QDateTime now() const override { return zeit; }
    qint64 milliseconds() const override { return zeit.toMSecsSinceEpoch(); }
};

// The jukebox screen as the playback core sees it; records what it is asked.
class AufgezeichnetesFenster : public Wiedergabefenster {
public:
    Wiedergabeoptionen werte;
    bool schloss = true;
    bool uebernehmenEnabled = true;
    bool loeschenEnabled = true;
    std::array<bool, 2> hochEnabled { true, true };
    QStringList meldungen;
    int enableButtons = 0;
    int archivZeile = 1;
    QList<int> sortiert;
    int beschriftet = 0;
    QStringList fokus;

    Wiedergabeoptionen optionen() const override { return werte; }
    bool schlossAuf() const override { return schloss; }
    void setUebernehmenEnabled(bool enabled) override { uebernehmenEnabled = enabled; }
    bool cmdLoeschenEnabled() const override { return loeschenEnabled; }
    void setCmdLoeschenEnabled(bool enabled) override { loeschenEnabled = enabled; }
    bool cmdHochEnabled(int index) const override { return hochEnabled.at(std::size_t(index)); }
    void EnableButtons() override { ++enableButtons; }
    void Meldung(const QString& text) override { meldungen << text; }
    void playlistFokus() override { fokus << QStringLiteral("playlist"); }
    void archivFokus() override { fokus << QStringLiteral("archiv"); }
    void KontextmenueZeigen() override { }
    int ArchivZeile() const override { return archivZeile; }
    void setArchivZeile(int zeile) override { archivZeile = zeile; }
    void ArchivSortieren(int spalte) override { sortiert << spalte; }
    void TabellenBeschriften() override { ++beschriftet; }
};

// Stands for the operator at the error window: always "Prozedur verlassen".
class VerlassendesFehlerfenster : public ErrorWindow {
public:
    QList<ErrorReport> berichte;
    int showReport(const ErrorReport& report) override
    {
        berichte << report;
        return 2;
    }
};

// Archive and playlist grids, pretend players and a standing clock, and the
// playback core on them. Songs are "/m/<name>.mp3".
class WiedergabeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ProgrammEnde = false;
        ErrPtnr::instance().reset();
        ErrPtnr::instance().setWindow(&fehlerfenster);
        ErrPtnr::instance().setEndProgram([] {});
        ASSERT_TRUE(ordner.isValid());
        AppPaths::setProgramFolder(ordner.path());
        archiv.setRows(1);
        playlist.setRows(1);
        fenster.werte.Fadingzeit = 10;
    }
    void TearDown() override
    {
        ErrPtnr::instance().reset();
        AppPaths::setProgramFolder(QString());
    }

    static QString pfad(const QString& name) { return QStringLiteral("/m/%1.mp3").arg(name); }
    // Appends an archive row and tells the players the song's length.
    int archivLied(const QString& name, qint64 sekunden = 180, const QString& dauer = {})
    {
        archiv.AddItem(name);
        const int zeile = archiv.Rows() - 1;
        archiv.setRowTexts(zeile, { name, "Band " + name, "Rock", dauer, pfad(name), "Band " + name + name });
        player.lieder[pfad(name)] = sekunden * 1000;
        return zeile;
    }
    void uebernehmen(int archivzeile)
    {
        archiv.setRow(archivzeile);
        wiedergabe->playliste().Uebernehmen_Click();
    }
    // The titles of the playlist rows, in order.
    QStringList titel() const
    {
        QStringList result;
        for (int zeile = 1; zeile < playlist.Rows(); ++zeile)
            result << playlist.TextMatrix(zeile, 0);
        return result;
    }
    // Ticks every 250 ms of pretend time for the given seconds.
    void spielen(double sekunden)
    {
        for (int i = 0; i < int(sekunden * 4); ++i) {
            player.vorspulen(250);
            uhr.zeit = uhr.zeit.addMSecs(250);
            wiedergabe->sequenzer().Timer1_Timer();
        }
    }

    QTemporaryDir ordner;
    VerlassendesFehlerfenster fehlerfenster;
    FlexGrid archiv;
    FlexGrid playlist;
    PretendPlayer player;
    StehendeUhr uhr;
    AufgezeichnetesFenster fenster;
    double zufall = 0.5;
    std::unique_ptr<Wiedergabe> wiedergabe = std::make_unique<Wiedergabe>(
        Wiedergabe::Teile { archiv, playlist, player, uhr, fenster }, [this] { return zufall; },
        [this](const QString& datei) { return player.GetSongLength(datei); },
        PlaylistDatei(ordner.path(), { ordner.path() }));
};
