#pragma once

// A jukebox screen without widgets for the playback benchmarks: archive and
// playlist grids, players that only keep numbers, and a clock the benchmark
// moves.
#include "common/Clock.h"
#include "common/FlexGrid.h"
#include "playback/PlayerControl.h"
#include "playback/Wiedergabe.h"
#include "playback/Wiedergabefenster.h"

#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <vector>

class ZahlenPlayer : public PlayerControl {
public:
    std::array<QString, 4> dateien;
    std::array<int, 3> status {};
    std::array<qint64, 3> position {};
    void OpenMP3(int i, const QString& d) override
    {
        dateien[i] = d;
        status[i] = 0;
        position[i] = 0;
    }
    void PlayMP3(int i) override { status[i] = dateien[i].isEmpty() ? 0 : 2; }
    void PauseMP3(int i) override { status[i] = 1; }
    void StopMP3(int i) override { status[i] = 0; }
    qint64 GetPosition(int i) override { return position[i]; }
    void SetPosition(int i, qint64 p) override { position[i] = p; }
    qint64 GetLength(int i) override { return dateien[i].isEmpty() ? 0 : 180; }
    int GetStatus(int i) override { return status[i]; }
    QString GetFileName(int i) override { return dateien[i]; }
    qint64 GetSongLength(const QString&) override { return 180; }
};

class GestellteUhr : public Clock {
public:
    QDateTime zeit { QDate(2024, 3, 9), QTime(20, 0, 0) };
    QDateTime now() const override { return zeit; }
    qint64 milliseconds() const override { return zeit.toMSecsSinceEpoch(); }
};

class StillesFenster : public Wiedergabefenster {
public:
    Wiedergabeoptionen optionen() const override { return {}; }
    bool schlossAuf() const override { return true; }
    void setUebernehmenEnabled(bool) override { }
    bool cmdLoeschenEnabled() const override { return true; }
    void setCmdLoeschenEnabled(bool) override { }
    bool cmdHochEnabled(int) const override { return true; }
    void EnableButtons() override { }
    void Meldung(const QString&) override { }
    void playlistFokus() override { }
    void archivFokus() override { }
    void KontextmenueZeigen() override { }
    int ArchivZeile() const override { return 1; }
    void setArchivZeile(int) override { }
    void ArchivSortieren(int) override { }
    void TabellenBeschriften() override { }
};

struct Jukebox {
    explicit Jukebox(int archivzeilen, int queue)
    {
        archiv.setRows(1);
        playlist.setRows(1);
        archiv.setRows(archivzeilen + 1);
        for (int i = 1; i <= archivzeilen; ++i) {
            archiv.setRowTexts(i,
                { QStringLiteral("Titel %1").arg(i), QStringLiteral("Band %1").arg(i % 997), QStringLiteral("Rock"),
                    QStringLiteral("03:%1").arg(i % 60, 2, 10, QLatin1Char('0')),
                    QStringLiteral("/musik/band%1/titel%2.mp3").arg(i % 997).arg(i), QString() });
        }
        for (int i = 1; i <= queue; ++i) {
            archiv.setRow(i * (archivzeilen / queue));
            wiedergabe.playliste().Uebernehmen_Click();
        }
    }

    FlexGrid archiv;
    FlexGrid playlist;
    ZahlenPlayer player;
    GestellteUhr uhr;
    StillesFenster fenster;
    QTemporaryDir ordner;
    Wiedergabe wiedergabe { Wiedergabe::Teile { archiv, playlist, player, uhr, fenster }, [] { return 0.5; },
        [](const QString&) { return qint64(180); }, PlaylistDatei(ordner.path(), { ordner.path() }) };
};

// Median of the samples, in milliseconds.
inline double median(std::vector<double> werte)
{
    std::sort(werte.begin(), werte.end());
    return werte[werte.size() / 2];
}

template <typename F> double millisekunden(F&& f)
{
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}
