#pragma once

#include "controls/Funbuttonsteuerung.h"
#include "controls/Taktgeber.h"

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

// The touch button: drawn from one source picture, reacting on the press.
//
// Its three looks are computed once per Ini from PictureMy, the container's
// background colour and Grundfarbe; pressing and blinking only switch
// between the ready pixmaps. Enabled is the button's own state, not
// QWidget's: a disabled button still takes presses, to report them as
// ClickDisabled. Touch input arrives as the mouse events Qt synthesizes from
// it, one press per tap; the second tap of a double tap comes as a
// double-click, which the button takes as an instant left press and release.
class Funbutton : public QWidget {
    Q_OBJECT

public:
    // The picture is kept without building the looks: the container calls Ini once its colours are set.
    explicit Funbutton(const QImage& PictureMy = {}, QWidget* parent = nullptr, const Taktgeber::Fabrik& timer = {});

    // Builds the three looks at the button's current size. Prozent only goes to IniState.
    void Ini(qint16 Prozent);

    QImage PictureMy() const { return m_PictureMy; }
    // Keeps the picture and prepares the button with Ini(100).
    void setPictureMy(const QImage& bild);

    bool Enabled() const { return m_steuerung.Enabled(); }
    void setEnabled(bool wert) { m_steuerung.setEnabled(wert); }
    bool EnabledLinks() const { return m_steuerung.EnabledLinks(); }
    void setEnabledLinks(bool wert) { m_steuerung.setEnabledLinks(wert); }
    bool EnabledRechts() const { return m_steuerung.EnabledRechts(); }
    void setEnabledRechts(bool wert) { m_steuerung.setEnabledRechts(wert); }
    bool RepeatEnabled() const { return m_steuerung.RepeatEnabled(); }
    void setRepeatEnabled(bool wert) { m_steuerung.setRepeatEnabled(wert); }
    bool Blinken() const { return m_steuerung.Blinken(); }
    void setBlinken(bool wert) { m_steuerung.setBlinken(wert); }
    bool LinksGesperrt() const { return m_steuerung.LinksGesperrt; }
    void setLinksGesperrt(bool wert) { m_steuerung.LinksGesperrt = wert; }

    // 0x00BBGGRR. The face colour the next Ini shades the artwork from.
    qint32 Grundfarbe = 0;
    qint32 Schattenfarbe() const { return m_Schattenfarbe; }
    void setSchattenfarbe(qint32 farbe) { m_Schattenfarbe = farbe; }
    // Fill behind the looks, shown where no look is drawn; invalid (the default) shows the container.
    QColor Color() const { return m_Color; }
    void setColor(const QColor& farbe);
    qint16 IniState() const { return m_IniState; }

    // The centre in the container's pixels; setting them moves the button.
    int X() const { return m_X; }
    void setX(int x);
    int Y() const { return m_Y; }
    void setY(int y);

    Funbuttonsteuerung::Bild sichtbaresBild() const { return m_steuerung.sichtbaresBild(); }
    // The look shown now; null while none is shown (blinking) or before the first Ini.
    QPixmap sichtbarePixmap() const;

signals:
    void MouseDown(int Button, int Shift, int X, int Y);
    void Click();
    void ClickDisabled();
    void MouseUp(int Button, int Shift, int X, int Y);

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    Funbuttonsteuerung m_steuerung;
    QImage m_PictureMy;
    QPixmap m_normal;
    QPixmap m_gedrueckt;
    QPixmap m_deaktiviert;
    QColor m_Color;
    qint32 m_Schattenfarbe = 0;
    qint16 m_IniState = 0;
    int m_X = 0;
    int m_Y = 0;
};
