#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTimer>

#include <array>
#include <functional>

// The guided help tour of the main window: a speech bubble points at eight
// controls one after another, each for a few seconds. The tour runs on a
// timer, so the screen stays usable meanwhile; the window shows and hides
// the bubble through the callbacks it gives. All places are in twips of the
// main window.
class Hilfetour : public QObject {
    Q_OBJECT

public:
    enum class Ziel { ArchivSpalte0, ArchivSpalte1, Uebernehmen, ArchivNav0, ArchivNav1, Hoch0, Hoch1, Loeschen };

    struct Schritt {
        Ziel ziel;
        int Pfeilposition;
        // An empty size keeps the size of the step before.
        QSize groesse;
        QString text;
        int dauer;
    };

    // Where the controls stand when a step begins.
    struct Ziele {
        QRect archiv;
        int spalte0Breite = 0;
        int spalte1Breite = 0;
        QRect Uebernehmen;
        std::array<QRect, 2> FunbuttonArchivNav;
        std::array<QRect, 2> cmdHoch;
        QRect cmdLoeschen;
    };

    // What the bubble is to show: set the arrow position and size before the point.
    struct Blase {
        int Pfeilposition = 0;
        QSize groesse;
        QPoint punkt;
        QString text;
    };

    struct Anzeige {
        std::function<Ziele()> ziele;
        std::function<void(const Blase&)> zeigen;
        std::function<void()> verstecken;
    };

    static constexpr int kSchritte = 8;
    static const std::array<Schritt, kSchritte>& schritte();
    // The point the bubble's tip touches for a target.
    static QPoint punkt(Ziel ziel, const Ziele& ziele);

    explicit Hilfetour(Anzeige anzeige, QObject* parent = nullptr);

    bool HilfeAktiv() const { return m_HilfeAktiv; }
    // The step on show (0 ... 7), or -1 outside a tour.
    int schritt() const { return m_schritt; }
    // Ends the step on show; Hilfetour runs it by itself after the step's time.
    const QTimer& wecker() const { return m_wecker; }

    // The help button and F1: starts a tour unless one runs.
    void cmdFragezeichen_Click();
    // The step's time is up: hide the bubble and show the next step, or end the tour.
    void weiter();
    // Ends a running tour at once and hides the bubble (closing, F12).
    void abbrechen();

private:
    void zeigen(int schritt);
    void zuruecksetzen();

    Anzeige m_anzeige;
    QTimer m_wecker;
    bool m_HilfeAktiv = false;
    int m_schritt = -1;
    QSize m_groesse;
};
