#pragma once

#include "controls/LaufschriftLauf.h"

#include <QTimer>
#include <QWidget>

class Clock;

// A one-line text running from right to left and repeating without a gap.
// Placeholders in the text show the clock and countdowns (see Textersetzen).
// Each tick of Timer1 (every Geschwindigkeit milliseconds) moves it one step.
class ctlLaufschrift : public QWidget {
    Q_OBJECT

public:
    explicit ctlLaufschrift(const Clock& uhr, QWidget* parent = nullptr);

    QString Laufschrifttext() const { return m_lauf.Laufschrifttext(); }
    // A text starts the run; an empty text stops it and leaves the last drawing.
    void setLaufschrifttext(const QString& text);
    qint32 Textfarbe() const { return m_textfarbe; }
    void setTextfarbe(qint32 farbe);
    void setHintergrundfarbe(qint32 farbe);
    void setGeschwindigkeit(qint64 millisekunden);
    WId HwndMy() { return winId(); }

    // One scroll step, as Timer1 performs it.
    void TimerCallback();

    const LaufschriftLauf& lauf() const { return m_lauf; }
    const QTimer& Timer1() const { return m_Timer1; }
    // The text as the last step drew it, placeholders filled in.
    const QString& angezeigt() const { return m_angezeigt; }

    // The largest point size from 120 down to 4 at which a line of `schrift` fits `hoehe` pixels.
    static int passendeSchriftgroesse(QFont schrift, int hoehe);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void laufAnwenden();

    const Clock& m_uhr;
    LaufschriftLauf m_lauf;
    QTimer m_Timer1;
    qint32 m_textfarbe = 0;
    QString m_angezeigt;
};
