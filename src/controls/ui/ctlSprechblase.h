#pragma once

#include <QString>
#include <QWidget>

// A comic speech bubble: a rounded box with text and a pointer whose tip the
// host puts on a point of its window. Positions and the point are in twips of
// the host window; the host sizes and shows the bubble itself. The bubble lets
// every touch through to what lies below it.
class ctlSprechblase : public QWidget {
    Q_OBJECT

public:
    explicit ctlSprechblase(QWidget* parent = nullptr);

    int MyBorderWidth() const { return m_borderWidth; }
    // Negative widths are ignored.
    void setMyBorderWidth(int breite);
    int Pfeilposition() const { return m_pfeilposition; }
    // 0 top, 1 right, 2 lower right, 3 bottom; other values are ignored.
    void setPfeilposition(int position);
    QString TextMy() const { return m_text; }
    void setTextMy(const QString& text);
    // Move the bubble so that its pointer's tip lands on this x (y) of the host; set the arrow position and
    // size first, since the tip's place inside the bubble depends on them.
    void setPunktX(int twips);
    void setPunktY(int twips);

    // The tip inside the bubble, in twips.
    QPoint spitze() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QSize groesseTwips() const;
    int zuPixeln(int twips) const;

    int m_borderWidth = 3;
    int m_pfeilposition = 0;
    QString m_text;
};
