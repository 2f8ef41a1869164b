#include "playback/Sequenzer.h"

#include "common/Clock.h"
#include "common/FlexGrid.h"
#include "errors/Procedure.h"
#include "library/Archiv.h"
#include "playback/Lautheitsausgleich.h"
#include "playback/PlayerControl.h"
#include "playback/Playlistspalte.h"
#include "playback/Startzeiten.h"
#include "playback/Ueberblendung.h"
#include "playback/Wiedergabefenster.h"
#include "playback/Zeitbalken.h"

#include <QLoggingCategory>

#include <cmath>
#include <utility>

namespace {
// Off unless asked for (QT_LOGGING_RULES="tonvaro.wiedergabe.info=true"): one line per song started.
Q_LOGGING_CATEGORY(lcWiedergabe, "tonvaro.wiedergabe", QtWarningMsg)
} // namespace

Sequenzer::Sequenzer(Teile teile, Zufallsquelle zufall, std::function<void()> uebernehmen)
    : m_teile(teile)
    , m_zufall(std::move(zufall))
    , m_uebernehmen(std::move(uebernehmen))
    , m_zustand(teile.zustand)
{
}

void Sequenzer::Timer1_Timer()
{
    if (m_imTick)
        return;
    m_imTick = true;
    Procedure proc("Sequenzer", "void Sequenzer::Timer1_Timer()");
    proc.run([&] { m_teile.zeitbalken.aktualisieren(m_zustand.AktiverPlayer, m_zustand.Liedlaenge); }) && proc.run([&] {
        const QDateTime jetzt = m_teile.clock.now();
        if (!m_zustand.LetzteMinute.isValid() || jetzt.time().minute() != m_zustand.LetzteMinute.time().minute()) {
            m_teile.startzeiten.Uhrzeiten();
            m_zustand.LetzteMinute = jetzt;
        }
    }) && proc.run([&] { ende(); });
    m_imTick = false;
}

void Sequenzer::ende()
{
    PlayerControl& player = m_teile.player;
    FlexGrid& playlist = m_teile.playlist;
    const int aktiv = m_zustand.AktiverPlayer;
    const double position = double(player.GetPosition(aktiv)) / 1000.0;
    if (!Ueberblendung::Liedende(
            position, player.GetLength(aktiv), m_teile.fenster.optionen().Fadingzeit, player.GetStatus(aktiv)))
        return;
    if (playlist.Rows() > 1) {
        if (m_zustand.AktuelleDatei == playlist.TextMatrix(1, Playlistspalte::Pfad)) {
            if (playlist.Rows() >= 3)
                playlist.RemoveItem(1);
            else
                playlist.setRows(1);
            m_zustand.AktuelleDatei.clear();
        }
        m_zustand.AktiverPlayer = aktiv == 0 ? 1 : 0;
        Naechstes();
        // After the switch: the rules read the player now current, so delete is
        // not offered for a song that only fades out on the other one.
        m_teile.fenster.EnableButtons();
        return;
    }
    // An idle jukebox with "Zufall" on plays by itself, not only after a song or a delete.
    Naechstes();
    if (playlist.Rows() <= 1 && player.GetStatus(aktiv) == PlayerControl::Other && !player.GetFileName(aktiv).isEmpty())
        player.OpenMP3(aktiv, QString());
}

void Sequenzer::Naechstes()
{
    Procedure proc("Sequenzer", "void Sequenzer::Naechstes()");
    FlexGrid& playlist = m_teile.playlist;
    if (playlist.Rows() <= 1 && !proc.run([&] { zufallsfuellung(); }))
        return;
    if (playlist.Rows() <= 1)
        return;
    proc.run([&] {
        const QString datei = playlist.TextMatrix(1, Playlistspalte::Pfad);
        if (datei != m_zustand.AktuelleDatei)
            starten(datei);
    }) && proc.run([&] { m_teile.startzeiten.Uhrzeiten(); });
}

void Sequenzer::starten(const QString& datei)
{
    // Recorded before the player is touched and without letting events run
    // in between, so no other tick can start the same song a second time.
    m_zustand.Startzeit = m_teile.clock.now();
    m_zustand.AktuelleZeile = 1;
    m_zustand.AktuelleDatei = datei;
    qCInfo(lcWiedergabe).noquote() << "Start" << datei;
    PlayerControl& player = m_teile.player;
    const int aktiv = m_zustand.AktiverPlayer;
    player.SetVerstaerkung(aktiv, m_teile.fenster.optionen().Lautheit ? m_teile.lautheit.faktor(datei) : 1.0);
    player.OpenMP3(aktiv, datei);
    if (!player.GetFileName(aktiv).isEmpty())
        player.PlayMP3(aktiv);
    // The engine knows the length as soon as the file is open.
    m_zustand.Liedlaenge = player.GetLength(aktiv);
}

void Sequenzer::zufallsfuellung()
{
    if (!m_teile.fenster.optionen().Zufall || m_zufallAngehalten)
        return;
    FlexGrid& archiv = m_teile.archiv;
    const int zeile = Zufallszeile(naechsterZufall(), archiv.Rows());
    if (zeile == 0)
        return;
    const int gemerkt = archiv.Row();
    archiv.setRow(zeile);
    m_uebernehmen();
    archiv.selectRow(gemerkt);
    zufallVormerken();
}

double Sequenzer::naechsterZufall()
{
    if (m_vorgezogen)
        return *std::exchange(m_vorgezogen, std::nullopt);
    return m_zufall();
}

void Sequenzer::zufallVormerken()
{
    // A random song is drawn only when it is to play: to be measured while
    // the one before it plays, it is drawn one song ahead. The draws stay
    // the same; only their time moves.
    if (!m_teile.fenster.optionen().Lautheit)
        return;
    m_vorgezogen = m_zufall();
    const int zeile = Zufallszeile(*m_vorgezogen, m_teile.archiv.Rows());
    if (zeile != 0)
        m_teile.lautheit.vormerken(m_teile.archiv.TextMatrix(zeile, Archiv::Pfad));
}

int Sequenzer::Zufallszeile(double r, int archivRows)
{
    // Nearest whole number, halves to even: the end rows get half an interval each.
    const int zeile = int(std::nearbyint(r * (archivRows - 2) + 1));
    return zeile >= 1 && zeile <= archivRows - 1 ? zeile : 0;
}

void Sequenzer::Pause()
{
    Procedure proc("Sequenzer", "void Sequenzer::Pause()");
    proc.run([&] {
        const int aktiv = m_zustand.AktiverPlayer;
        if (m_teile.player.GetStatus(aktiv) == PlayerControl::Playing)
            m_teile.player.PauseMP3(aktiv);
        else
            m_teile.player.PlayMP3(aktiv);
    }) && proc.run([&] { m_teile.fenster.EnableButtons(); });
}

void Sequenzer::Positionsgrafik_Click()
{
    if (m_teile.fenster.optionen().Pause)
        Pause();
}
