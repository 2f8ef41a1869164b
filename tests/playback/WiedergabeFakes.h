#pragma once

#include "common/FlexGrid.h"
#include "playback/PlayerControl.h"
#include "playback/Wiedergabe.h"
#include "playback/Wiedergabefenster.h"
#include "support/FakeZeit.h"
#include "support/ReporterScope.h"

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
    int starts = 0; // calls of PlayMP3
    int befehle = 0; // calls that open, play, pause or stop

    void OpenMP3(int index, const QString& datei) override
    {
        befehl(index) = Geraet { datei, 0, lieder.count(datei) ? lieder[datei] : 0, Other };
    }
    void PlayMP3(int index) override
    {
        ++starts;
        if (befehl(index).positionMs < g(index).laengeMs)
            g(index).status = Playing;
    }
    void PauseMP3(int index) override
    {
        if (befehl(index).status == Playing)
            g(index).status = Paused;
    }
    void StopMP3(int index) override { befehl(index).status = Other; }
    qint64 GetPosition(int index) override { return g(index).positionMs; }
    void SetPosition(int index, qint64 position) override { g(index).positionMs = position; }
    qint64 GetLength(int index) override { return (g(index).laengeMs + 500) / 1000; }
    int GetStatus(int index) override { return g(index).status; }
    QString GetFileName(int index) override { return g(index).datei; }
    qint64 GetSongLength(const QString& datei) override { return lieder.count(datei) ? lieder[datei] / 1000 : 300; }

    void vorspulen(qint64 ms)
    {
        for (Geraet& geraet : geraete)
            if (geraet.status == Playing) {
                geraet.positionMs = std::min(geraet.laengeMs, geraet.positionMs + ms);
                if (geraet.positionMs >= geraet.laengeMs)
                    geraet.status = Other;
            }
    }
    QList<int> spielende() const
    {
        QList<int> result;
        for (int i : { 0, 1 })
            if (geraete.at(std::size_t(i)).status == Playing)
                result << i;
        return result;
    }

private:
    Geraet& g(int index) { return geraete.at(std::size_t(index)); }
    Geraet& befehl(int index)
    {
        ++befehle;
        return g(index);
    }
};

// The jukebox screen as the playback core sees it; records what it is asked.
class AufgezeichnetesFenster : public Wiedergabefenster {
public:
    Wiedergabeoptionen werte;
    bool schloss = true;
    bool uebernehmenEnabled = true;
    bool loeschenEnabled = true;
    QStringList meldungen;
    int enableButtons = 0;
    int archivZeile = 1;
    QList<int> sortiert;
    int beschriftet = 0;
    QString fokus;

    Wiedergabeoptionen optionen() const override { return werte; }
    bool schlossAuf() const override { return schloss; }
    void setUebernehmenEnabled(bool enabled) override { uebernehmenEnabled = enabled; }
    bool cmdLoeschenEnabled() const override { return loeschenEnabled; }
    void setCmdLoeschenEnabled(bool enabled) override { loeschenEnabled = enabled; }
    bool cmdHochEnabled(int) const override { return true; }
    void EnableButtons() override { ++enableButtons; }
    void Meldung(const QString& text) override { meldungen << text; }
    void playlistFokus() override { fokus = QStringLiteral("playlist"); }
    void archivFokus() override { fokus = QStringLiteral("archiv"); }
    void KontextmenueZeigen() override { }
    int ArchivZeile() const override { return archivZeile; }
    void setArchivZeile(int zeile) override { archivZeile = zeile; }
    void ArchivSortieren(int spalte) override { sortiert << spalte; }
    void TabellenBeschriften() override { ++beschriftet; }
};

// Archive and playlist grids, pretend players and time, and the playback core
// on them. Songs are "/m/<name>.mp3".
class WiedergabeTest : public ::testing::Test {
protected:
    WiedergabeTest()
    {
        archiv.setRows(1);
        playlist.setRows(1);
        fenster.werte.Fadingzeit = 10;
    }

    static QString pfad(const QString& name) { return QStringLiteral("/m/%1.mp3").arg(name); }
    // Appends an archive row and tells the players the song's length.
    int archivLied(const QString& name, qint64 sekunden = 180, const QString& dauer = {})
    {
        archiv.AddItem(name);
        archiv.setRowTexts(
            archiv.Rows() - 1, { name, "Band " + name, "Rock", dauer, pfad(name), "Band " + name + name });
        player.lieder[pfad(name)] = sekunden * 1000;
        return archiv.Rows() - 1;
    }
    void uebernehmen(int archivzeile)
    {
        archiv.setRow(archivzeile);
        wiedergabe->playliste().Uebernehmen_Click();
    }
    QStringList titel() const
    {
        QStringList result;
        for (int zeile = 1; zeile < playlist.Rows(); ++zeile)
            result << playlist.TextMatrix(zeile, 0);
        return result;
    }
    QStringList playlistZeile(int zeile) const
    {
        QStringList texte;
        for (int spalte = 0; spalte < 6; ++spalte)
            texte << playlist.TextMatrix(zeile, spalte);
        return texte;
    }
    // Ticks every 250 ms of pretend time for the given seconds.
    void spielen(double sekunden)
    {
        for (int i = 0; i < int(sekunden * 4); ++i) {
            player.vorspulen(250);
            uhr.vergehen(250);
            wiedergabe->sequenzer().Timer1_Timer();
        }
    }

    ReporterScope scope { ErrPtnr::ProzedurVerlassen };
    QString ordner = scope.folder.path();
    FlexGrid archiv;
    FlexGrid playlist;
    PretendPlayer player;
    FakeZeit uhr;
    AufgezeichnetesFenster fenster;
    double zufall = 0.5;
    std::unique_ptr<Wiedergabe> neueWiedergabe()
    {
        return std::make_unique<Wiedergabe>(
            Wiedergabe::Teile { archiv, playlist, player, uhr, fenster }, [this] { return zufall; },
            [this](const QString& datei) { return player.GetSongLength(datei); }, PlaylistDatei(ordner, { ordner }));
    }
    std::unique_ptr<Wiedergabe> wiedergabe = neueWiedergabe();
};
