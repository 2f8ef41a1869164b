#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class FlexGrid;

// Saves the playlist a moment after it changed, so a crash or a power cut
// loses at most the last few seconds of the queue. A burst of changes (a
// guest taking over several songs) costs one save. A failing save (disk
// full, medium gone) is reported once; later ones stay quiet until a save
// has succeeded again.
class Autospeicherung : public QObject {
    Q_OBJECT

public:
    static constexpr int kVerzoegerungMs = 3000;

    // speichern throws when the file cannot be written.
    Autospeicherung(FlexGrid& playlist, std::function<void()> speichern, QObject* parent = nullptr);

    // A save is waiting for its moment.
    bool faellig() const { return m_timer.isActive(); }
    // The moment has come (the timer's slot; tests call it directly).
    void Timer_Timer();

private:
    void aenderung();

    QTimer m_timer;
    std::function<void()> m_speichern;
    bool m_gemeldet = false;
};
