#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class FlexGrid;

// Fills the archive's "Dauer" column in the background. A worker thread
// reads the files; the lengths come back to the UI thread, which writes a
// length only where the row still holds the measured file (a sort or a new
// scan in between must not put it on another song). Neither a slow share nor
// a large archive ever holds up a tick or a touch.
class Dauermessung : public QObject {
    Q_OBJECT

public:
    // A file's length in whole seconds. Runs on the worker thread: it must
    // only read the file.
    using Laengenmesser = std::function<qint64(const QString& datei)>;

    Dauermessung(FlexGrid& archiv, Laengenmesser messer, QObject* parent = nullptr);
    ~Dauermessung() override;

    // False: every archive row without a duration; True: only the rows now
    // visible, measured before anything else. Rows that have a duration are
    // never measured again.
    void ZeitenEinlesen(bool NurSichtbare);
    // The archive's order changed (sort, search): the full scan walks the
    // rows again from row 1 at its next step.
    void setZeitenNeustart(bool neustart);
    bool ZeitenLaeuft() const { return m_vollLaeuft; }
    bool ZeitenFertig() const { return m_fertig; }
    void setZeitenFertig(bool fertig) { m_fertig = fertig; }
    // Files waiting or being measured.
    int offen() const { return m_offen; }

    // The length as the players will count it; 300 s for a file without MPEG audio.
    static qint64 Dateilaenge(const QString& datei);

signals:
    // The full scan has measured every row it found empty.
    void fertig();

private:
    struct Auftrag {
        int zeile;
        QString datei;
    };
    struct Ergebnis {
        int zeile;
        QString datei;
        qint64 sekunden;
    };
    static constexpr std::size_t kBuendel = 64;
    static constexpr std::chrono::milliseconds kHoechstensWarten { 20 };

    void vollerLauf();
    void sichtbareZeilen();
    // true when the row has no duration and none was measured for it already.
    bool braucht(int zeile);
    void ergebnis(int zeile, const QString& datei, qint64 sekunden);
    void beenden();
    void arbeiten();
    void pruefeFertig();

    FlexGrid& m_archiv;
    Laengenmesser m_messer;
    // Lengths measured for paths whose row had moved: written at the next walk.
    QHash<QString, qint64> m_gemessen;
    bool m_vollLaeuft = false;
    bool m_fertig = false;
    bool m_neustart = false;
    int m_offen = 0;

    std::mutex m_mutex;
    std::condition_variable m_wecker;
    std::deque<Auftrag> m_auftraege;
    bool m_ende = false;
    std::thread m_arbeiter;
};
