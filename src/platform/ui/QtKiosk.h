#pragma once

#include "platform/Kiosk.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

// Blocking on desktops without a Windows shell: the jukebox window covers the
// whole screen, frameless and above all others, and holds the keyboard so
// that the desktop's own shortcuts do not reach the session.
class QtKiosk : public QObject, public Kiosk {
public:
    explicit QtKiosk(QWidget* fenster);
    ~QtKiosk() override;

    void sperren() override;
    void freigeben() override;
    bool vollbild() const override { return m_gesperrt; }
    // Minimises the window; activated again, it covers the screen and holds the keyboard as before.
    void zuruecktreten() override;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void tastaturHalten(bool halten);
    void setFlags(Qt::WindowFlags flags);

    QPointer<QWidget> m_fenster;
    bool m_gesperrt = false;
    bool m_tastaturGehalten = false;
    // Only the hints this class added are taken away again.
    Qt::WindowFlags m_hinzugefuegt;
};
