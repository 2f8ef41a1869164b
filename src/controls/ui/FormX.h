#pragma once

#include <QObject>
#include <QPointer>
#include <QRegion>
#include <QWidget>

// Shapes the window it is given: cuts its outline down to its visible
// controls (Transparent), keeps it above other windows (TopMost) and lets a
// touch anywhere drag it (DragForm).
class FormX : public QObject {
    Q_OBJECT

public:
    static constexpr int kMaxTransparent = 3;

    explicit FormX(QWidget* host);
    ~FormX() override;

    int Transparent() const { return m_transparent; }
    // 0 full window, 1 controls only, 2 controls only or nothing, 3 nothing. A value outside
    // 0 ... 3 is refused (false) and the old one kept.
    bool setTransparent(int wert);
    bool TopMost() const { return m_topMost; }
    void setTopMost(bool oben);
    // Starts moving the window with the pointer, as a press on its title bar would.
    void DragForm();
    // Builds the outline again from the controls as they are now.
    void Refresh();

    // Qt takes an empty mask as "no mask"; a window cut down to nothing gets this one instead.
    static QRegion nichtsSichtbar();

protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;

private:
    void umrissAnwenden();

    QPointer<QWidget> m_host;
    int m_transparent = 0;
    bool m_topMost = false;
};
