#pragma once

#include <QObject>
#include <QString>

class FlexGrid;
class PlayerControl;

// What the time bar under the playlist shows.
struct Balkenzustand {
    // 600 seconds fill the full bar width; longer songs are not clamped.
    static constexpr double kVolleBreiteSekunden = 600.0;

    // Seconds of song the bar stands for.
    qint64 BalkenLaenge = 0;
    QString Balkentext;
    // The note's centre, in seconds along the bar.
    double Noteposition = 0;
    bool Blinken = false;

    bool operator==(const Balkenzustand&) const = default;
};

// The time bar's rule: the current song's length as a bar, its title on
// it, and the note moving along it as the song plays.
class Zeitbalken : public QObject {
    Q_OBJECT

public:
    Zeitbalken(PlayerControl& player, const FlexGrid& playlist, QObject* parent = nullptr);

    // Every tick: the state of the current player.
    void aktualisieren(int AktiverPlayer, qint64 Liedlaenge);
    const Balkenzustand& zustand() const { return m_zustand; }

signals:
    void geaendert(const Balkenzustand& zustand);

private:
    PlayerControl& m_player;
    const FlexGrid& m_playlist;
    Balkenzustand m_zustand;
};
