#pragma once

#include <QWidget>

// One piece of the pastime game: a square cell that shows a coloured smiley
// face while the piece is visible, with a happy or a sad mouth. It reports
// a press as Click.
class ctlSmilie : public QWidget {
    Q_OBJECT

public:
    static constexpr qint32 kStartfarbe = 0x00FFFF; // yellow

    explicit ctlSmilie(QWidget* parent = nullptr);

    // The cell takes its container's background colour.
    void Ini();
    qint32 Farbe() const { return m_farbe; }
    void setFarbe(qint32 farbe);
    bool VisibleMy() const { return m_sichtbar; }
    void setVisibleMy(bool sichtbar);
    // Happy or sad; ignored while the piece is hidden.
    void Mund(bool Gewonnen);
    bool gewonnen() const { return m_gewonnen; }

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    qint32 m_farbe = kStartfarbe;
    bool m_sichtbar = false;
    bool m_gewonnen = true;
    QColor m_zellfarbe;
};
