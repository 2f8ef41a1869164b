#pragma once

#include <QWidget>

class Clock;
class ctlLaufschrift;
class ctlSprechblase;

// A small window with a marquee and a speech bubble pointing at it.
class frmButton : public QWidget {
    Q_OBJECT

public:
    explicit frmButton(const Clock& uhr, QWidget* parent = nullptr);

    ctlLaufschrift* ctlLaufschrift1() const { return m_laufschrift; }
    ctlSprechblase* ctlSprechblase1() const { return m_sprechblase; }

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    ctlLaufschrift* m_laufschrift;
    ctlSprechblase* m_sprechblase;
};
