#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>
#include <thread>
#include <vector>

class FlexGrid;

// Fills the archive's "Dauer" column in the background. A worker thread
// reads the files; the lengths come back to the UI thread, which writes a
// length only where the row still holds the measured file (a sort or a new
// scan in between must not put it on another song). Neither a slow share nor
// a large archive ever holds up a tick, a touch or the close: the full scan
// walks the archive a slice at a time, only as far as the worker needs
// work, and closing does not wait for a file read that hangs.
class Dauermessung : public QObject {
    Q_OBJECT

public:
    // A file's length in whole seconds. Runs on the worker thread: it must
    // only read the file.
    using Laengenmesser = std::function<qint64(const QString& datei)>;

    Dauermessung(FlexGrid& archiv, Laengenmesser messer, QObject* parent = nullptr);
    ~Dauermessung() override;

    // False: a new full scan of every archive row without a duration, all
    // files measured afresh (the archive was just built); True: only the rows
    // now visible, measured before anything else. Rows that have a duration
    // are never measured again.
    void ZeitenEinlesen(bool NurSichtbare);
    // The archive's order changed (sort, search): the full scan walks the
    // rows again from row 1 at its next step.
    void setZeitenNeustart(bool neustart);
    bool ZeitenLaeuft() const { return m_vollLaeuft; }
    bool ZeitenFertig() const { return m_fertig; }
    void setZeitenFertig(bool fertig) { m_fertig = fertig; }
    // Files waiting or being measured.
    int offen() const { return int(m_unterwegs.size()); }

    // The length as the players will count it; 300 s for a file without MPEG audio.
    static qint64 Dateilaenge(const QString& datei);

signals:
    // The full scan has measured every row it found empty.
    void fertig();

private:
    struct Arbeit;
    struct Ergebnis {
        int zeile;
        QString datei;
        qint64 sekunden;
        int lauf;
    };
    // Files queued ahead of the worker; the walk tops the queue up as results come back.
    static constexpr int kVorrat = 256;
    // Rows looked at per turn of the event loop.
    static constexpr int kSchritt = 4096;

    static void arbeiten(const std::shared_ptr<Arbeit>& arbeit);
    void neuerLauf();
    // Applies a restart and tops the worker's queue up from the walk, a slice per turn.
    void weitergehen();
    void sichtbareZeilen();
    // true when the row has no duration and none was measured for its file already.
    bool leer(int zeile);
    void buendel(const std::vector<Ergebnis>& ergebnisse);
    void ergebnis(const Ergebnis& e);
    void beenden();
    void pruefeFertig();

    FlexGrid& m_archiv;
    // Lengths measured for paths whose row had moved: written when the walk passes them.
    QHash<QString, qint64> m_gemessen;
    // Files queued or being measured for this scan.
    QSet<QString> m_unterwegs;
    bool m_vollLaeuft = false;
    bool m_fertig = false;
    bool m_neustart = false;
    // A length went to m_gemessen: the walk passes the archive once more at its end.
    bool m_nachlese = false;
    bool m_weiterGeplant = false;
    // Next row of the full scan's walk.
    int m_zeiger = 1;
    // Results of an earlier scan (the archive was rebuilt since) are dropped.
    int m_lauf = 0;

    std::shared_ptr<Arbeit> m_arbeit;
    std::thread m_arbeiter;
};
