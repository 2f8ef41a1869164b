#pragma once

#include "controls/Taktgeber.h"

#include <QObject>

#include <memory>

// What a touch button does with presses, releases and time, without the
// widget: which look it shows, which events it raises and when.
//
// Click comes on the press, not on the release. An enabled press held for
// 500 ms repeats Click every 150 ms while RepeatEnabled is set; without it a
// press clicks exactly once. A press while disabled, or a non-right press
// while LinksGesperrt, shows the disabled look and raises ClickDisabled
// right after Click. A release ends the repeat at once; a press whose
// release will never come (druckVerloren) ends it too, but acts like no
// release: no MouseUp, and none for a release that comes late after all.
class Funbuttonsteuerung : public QObject {
    Q_OBJECT

public:
    static constexpr int kVerzoegerungMs = 500;
    static constexpr int kRepeatMs = 150;
    static constexpr int kBlinkenMs = 500;

    enum class Bild { Keins, Normal, Gedrueckt, Deaktiviert };

    explicit Funbuttonsteuerung(const Taktgeber::Fabrik& fabrik, QObject* parent = nullptr);
    ~Funbuttonsteuerung() override;

    // Button: 1 left, 2 right, 4 middle; Shift: 1 Shift, 2 Ctrl, 4 Alt.
    void druecken(int Button, int Shift, double X, double Y);
    void loslassen(int Button, int Shift, double X, double Y);
    // The second press of a double click: one instant press and release with
    // the left button at (0, 0), whichever button was pressed.
    void doppelklick();
    // The release of the current press will not arrive (the button was
    // hidden, a modal window opened, the window lost the mouse): stops the
    // timers and shows the normal look, without raising anything.
    void druckVerloren();

    bool Enabled() const { return m_Enabled; }
    void setEnabled(bool wert);
    bool EnabledLinks() const { return m_EnabledLinks; }
    void setEnabledLinks(bool wert);
    bool EnabledRechts() const { return m_EnabledRechts; }
    void setEnabledRechts(bool wert);
    bool RepeatEnabled() const { return m_RepeatEnabled; }
    void setRepeatEnabled(bool wert) { m_RepeatEnabled = wert; }
    bool Blinken() const { return m_Blinken; }
    void setBlinken(bool wert);
    // Read at every press; the button never writes it.
    bool LinksGesperrt = false;

    bool gedrueckt() const { return m_gedrueckt; }
    int Blinkphase() const { return m_Blinkphase; }
    Bild sichtbaresBild() const;

signals:
    void MouseDown(int Button, int Shift, int X, int Y);
    void Click();
    void ClickDisabled();
    void MouseUp(int Button, int Shift, int X, int Y);
    void bildGewechselt();

private:
    void TimerVerzoegerung_Timer();
    void TimerRepeat_Timer();
    void TimerBlinken_Timer();
    bool gesperrt(int Button) const;
    // Ends the press: timers off, the normal look back.
    void beenden();
    // The pressed look turns into the disabled one while the press lasts.
    void druckDeaktivieren();
    void zeigen(bool p1, bool p2, bool p3);

    std::unique_ptr<Taktgeber> m_TimerVerzoegerung;
    std::unique_ptr<Taktgeber> m_TimerRepeat;
    std::unique_ptr<Taktgeber> m_TimerBlinken;
    bool m_Enabled = true;
    bool m_EnabledLinks = true;
    bool m_EnabledRechts = true;
    bool m_RepeatEnabled = false;
    bool m_Blinken = false;
    bool m_gedrueckt = false;
    int m_gedrueckterButton = 0;
    int m_Blinkphase = 0;
    bool m_Picture1 = true;
    bool m_Picture2 = false;
    bool m_Picture3 = false;
};
