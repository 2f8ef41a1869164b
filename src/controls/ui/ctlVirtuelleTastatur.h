#pragma once

#include "controls/TastaturAufbau.h"

#include <QColor>
#include <QWidget>

// The on-screen keyboard. The host sets the key size (twips), colour and
// which special keys show, lays it out row by row, shows it and gets every
// key as KeyClick. Keys act on the press and never take the focus, so typing
// leaves the focus where the guest was (the archive grid, the code field).
// The keys are drawn by the keyboard itself: a rebuild only replaces records.
class ctlVirtuelleTastatur : public QWidget {
    Q_OBJECT

public:
    explicit ctlVirtuelleTastatur(QWidget* parent = nullptr);

    // 0x00BBGGRR, as the settings store colours.
    void setKeyBackColor(qint32 farbe);
    void setKeyHeight(int twips);
    void setKeyWidth(int twips);
    void setHideSichtbar(bool sichtbar);
    void setLoeschenSichtbar(bool sichtbar);
    void setEnterSichtbar(bool sichtbar);

    // Lays out row Zeile; row 0 starts a new layout. The widget takes the layout's size.
    void Tastatur_Ini(int Zeile, const QString& Buchstaben);

    const TastaturAufbau& aufbau() const { return m_aufbau; }
    // The layout's size in twips, for the host's centring and sliding.
    QSize groesseTwips() const { return m_aufbau.groesse(); }
    // Where a key is drawn, in pixels of this widget.
    QRect tastenRechteck(const Taste& taste) const;

signals:
    // A letter key's text, " " for the space bar, "{BACKSPACE}" for the delete key.
    void KeyClick(const QString& Daten);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QString beschriftung(const Taste& taste) const;
    void ausloesen(const Taste& taste);

    TastaturAufbau m_aufbau;
    QColor m_keyBackColor = QColor(0xE0, 0xE0, 0xE0);
    int m_gedrueckt = -1; // index into the layout's keys while a key is held
};
