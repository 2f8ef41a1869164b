#include "playback/Autospeicherung.h"

#include "common/FlexGrid.h"
#include "errors/Procedure.h"
#include "playback/Playlistspalte.h"

Autospeicherung::Autospeicherung(FlexGrid& playlist, std::function<void()> speichern, QObject* parent)
    : QObject(parent)
    , m_speichern(std::move(speichern))
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kVerzoegerungMs);
    connect(&m_timer, &QTimer::timeout, this, &Autospeicherung::Timer_Timer);
    connect(&playlist, &QAbstractItemModel::rowsInserted, this, &Autospeicherung::aenderung);
    connect(&playlist, &QAbstractItemModel::rowsRemoved, this, &Autospeicherung::aenderung);
    connect(&playlist, &QAbstractItemModel::rowsMoved, this, &Autospeicherung::aenderung);
    connect(&playlist, &QAbstractItemModel::modelReset, this, &Autospeicherung::aenderung);
    connect(&playlist, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& von, const QModelIndex& bis) {
        // The start times change every minute without the queue changing.
        if (von.column() != Playlistspalte::Start || bis.column() != Playlistspalte::Start)
            aenderung();
    });
}

void Autospeicherung::aenderung()
{
    m_timer.start();
}

void Autospeicherung::Timer_Timer()
{
    Procedure proc("Autospeicherung", "void Autospeicherung::Timer_Timer()");
    m_timer.stop();
    if (m_gemeldet) {
        try {
            m_speichern();
            m_gemeldet = false;
        } catch (...) {
            // Reported already: the queue stays in memory, the next change tries again.
        }
        return;
    }
    // Marked before the error window opens: changes while it is open save quietly.
    proc.run([&] {
        m_gemeldet = true;
        m_speichern();
        m_gemeldet = false;
    });
}
