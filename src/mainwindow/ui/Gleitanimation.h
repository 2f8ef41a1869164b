#pragma once

#include "mainwindow/Gleitschritte.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

// Runs one slide of the on-screen keyboard and its text field: ten steps,
// one every 20 ms, driven by a timer rather than a sleeping loop, so no
// touch can start another slide half way through one. A new slide stops the
// one running where it stands. A slide that gives up hides both at its end.
// Stops by itself once ProgrammEnde is set.
class Gleitanimation : public QObject {
    Q_OBJECT

public:
    explicit Gleitanimation(QObject* parent = nullptr);

    // Both widgets share one parent; positions are twips of that parent.
    void starten(const Gleitschritte& plan, QWidget* tastatur, QWidget* feld);
    void stoppen();
    bool laeuft() const { return m_timer.isActive(); }
    // Where the widgets stand now, in twips.
    Gleitschritte::Lage lage() const { return m_lage; }

    // One step; the timer calls it, tests may call it directly.
    void schritt();

signals:
    // Once per slide that ran to its end.
    void fertig();

private:
    void setzen();

    QTimer m_timer;
    Gleitschritte m_plan = Gleitschritte::einblenden({}, {}, 0);
    Gleitschritte::Lage m_lage;
    int m_schritt = 0;
    QPointer<QWidget> m_tastatur;
    QPointer<QWidget> m_feld;
};
