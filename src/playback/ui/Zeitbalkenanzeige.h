#pragma once

#include "playback/Zeitbalken.h"

#include <QColor>
#include <QTimer>
#include <QWidget>

// The time bar under the playlist: a bar as long as the current song (600
// seconds fill the width between the margins), its text on it, and the note
// Positionsgrafik moving along it; the note blinks while paused.
class Zeitbalkenanzeige : public QWidget {
    Q_OBJECT

public:
    // Blink rhythm of the note while paused.
    static constexpr int kBlinkMs = 500;

    explicit Zeitbalkenanzeige(QWidget* parent = nullptr);

    void zeigen(const Balkenzustand& zustand);
    void setFarben(const QColor& balken, const QColor& hintergrund);

    // The rectangles as drawn, for hit tests and tests.
    QRect balkenRechteck() const;
    QRect notenRechteck() const;
    bool noteSichtbar() const { return m_noteSichtbar; }

signals:
    void Positionsgrafik_Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int rand() const;
    int volleBreite() const;
    void blinken();

    Balkenzustand m_zustand;
    QColor m_balkenfarbe { 0x00, 0xFF, 0xFF };
    QColor m_hintergrund { 0x00, 0x00, 0xFF };
    QTimer m_blinkTimer;
    bool m_noteSichtbar = true;
};
