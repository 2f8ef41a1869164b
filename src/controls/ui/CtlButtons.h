#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;

// A general-purpose button with several looks (Stil): 0 a push button, 1 an
// oval and 2 a rounded shape with a centred caption, 3 a bare rectangle. It
// can be an invisible hot spot (Transparent) that still reports clicks,
// remembers and restores its place, and tells whether a point lies inside.
// Mouse events carry Button (1 left, 2 right, 4 middle), Shift (1 Shift,
// 2 Ctrl, 4 Alt) and X, Y in twips inside the part that was touched.
class CtlButtons : public QWidget {
    Q_OBJECT

public:
    explicit CtlButtons(QWidget* parent = nullptr);

    int Stil() const { return m_stil; }
    // Values outside 0 ... 3 change nothing.
    void setStil(int stil);
    // 2 for the oval look, 4 for the rounded look, 0 otherwise.
    int Shape() const;
    void setCaption(const QString& caption);
    qint32 BackColor() const { return m_backColor; }
    void setBackColor(qint32 farbe);
    int BorderWidth() const { return m_borderWidth; }
    // Below 1 the plain push button shows.
    void setBorderWidth(int breite);
    void setTransparent(bool transparent);
    void setMousePointer(const QCursor& zeiger);
    QString Aktion() const { return m_aktion; }
    void setAktion(const QString& aktion) { m_aktion = aktion; }
    WId hwnd() { return winId(); }

    void Save();
    void Restore();
    // Strictly inside the button's rectangle, in its container's coordinates.
    bool PositionCheck(int X, int Y) const;

    QPushButton* Command1() const { return m_command1; }
    QLabel* Label1() const { return m_label1; }
    bool shapeSichtbar() const { return m_form != Form::Keine; }

signals:
    void Click();
    void MouseDown(int Button, int Shift, int X, int Y);
    void MouseUp(int Button, int Shift, int X, int Y);
    void MouseMove(int Button, int Shift, int X, int Y);

protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    enum class Form { Keine, Oval, Abgerundet, Rechteck };

    void zeigeForm(Form form, bool labelSichtbar);
    void labelZentrieren();

    QPushButton* m_command1;
    QLabel* m_label1;
    int m_stil = 0;
    Form m_form = Form::Keine;
    qint32 m_backColor = 0;
    int m_borderWidth = 1;
    QString m_aktion;
    QRect m_gespeichert;
    QString m_gespeicherteCaption;
};
