#pragma once

#include <QPointer>
#include <QTableView>

class FlexGrid;

// Shows a FlexGrid: fixed row heights from the grid's font size, column
// widths from its twips, its colours, and the header row as the horizontal
// header. Whole rows are selected. The grid is the truth for the current row,
// the selection and the top row: user clicks, keys, wheel and scroll bar
// update the grid, and changes made to the grid move the view. The view tells
// the grid how many data rows fit and, on every resize, how wide it is.
//
// Events for the program's windows, in the units they use (twips, Windows
// virtual-key codes and button numbers):
// - keyDown comes before the view's own key handling; setting keyCode to 0
//   swallows the key.
// - mouseDown comes after the press has moved the selection; MouseRow and
//   MouseCol of the grid are set on every press, double-click and move
//   (row 0 = header, -1 = beside every row or column).
// - selChange only for selection changes the user made; a drag makes none.
class FlexGridView : public QTableView {
    Q_OBJECT

public:
    explicit FlexGridView(QWidget* parent = nullptr);

    void setGrid(FlexGrid* grid);
    FlexGrid* grid() const;

    // Pixel height of one row (and of the header) for the grid's font size.
    int rowHeight() const;

signals:
    void selChange();
    void dblClick();
    // keyCode: 13 Enter, 32 Space, 37..40 arrows, 65..90 letters, 112.. F-keys ...
    // shift: 1 Shift, 2 Ctrl, 4 Alt.
    void keyDown(int& keyCode, int shift);
    // button: 1 left, 2 right, 4 middle; x and y in twips from the view's top left.
    void mouseDown(int button, int shift, int x, int y);
    // The view lost the input focus.
    void validate();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyboardSearch(const QString& search) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void updateGeometries() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyLook();
    void applyColumnLayout();
    void applyRedraw(bool redraw);
    void showGridSelection();
    void showGridTopRow();
    void userScrolled(int value);
    void pushCurrentRowToGrid();
    void noteMouseCell(const QPoint& viewportPos);
    void noteHeaderMouse(QMouseEvent* event);
    void emitMouseDown(QMouseEvent* event, const QPoint& viewPos);

    // The grid may go before the view (both belong to the window).
    QPointer<FlexGrid> m_grid;
    // Set while the view follows the grid, so that its own reactions
    // (scroll bar range changes, selection updates) are not taken for user input.
    bool m_following = false;
};
