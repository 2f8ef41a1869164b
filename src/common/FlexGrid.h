#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QString>

#include <vector>

// The grid component: a table of text cells that is the only store of the
// archive and of the playlist. Row 0 is the fixed header row; data rows are
// 1 .. Rows() - 1. Besides the cells it keeps what the callers treat as grid
// state: the current cell and selection (whole rows), the top row, and how
// many rows the view shows, so all logic on grids runs without widgets.
// FlexGridView (common/ui) shows it and feeds back clicks and its height.
class FlexGrid : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit FlexGrid(int cols = 6, QObject* parent = nullptr);

    // --- rows and columns ---
    int Rows() const;
    // Writing 1 leaves only the header; rows beyond a new count disappear, new rows are empty.
    void setRows(int rows);
    int FixedRows() const;
    void setFixedRows(int fixedRows);
    int Cols() const;

    // --- cells ---
    QString TextMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);
    // Appends a row whose column 0 is text0; the other cells are empty.
    void AddItem(const QString& text0);
    // Inserts a row at position row; the rows from there move down by one.
    void AddItem(const QString& text0, int row);
    void RemoveItem(int row);
    // Every cell text becomes empty, the header's too; the row count stays.
    void Clear();

    // --- current cell, selection, scrolling ---
    int Row() const;
    void setRow(int row);
    int Col() const;
    void setCol(int col);
    int RowSel() const;
    void setRowSel(int row);
    int ColSel() const;
    void setColSel(int col);
    // Selects row across all columns: Row = RowSel = row, Col = 0, ColSel = Cols - 1.
    void selectRow(int row);
    int TopRow() const;
    void setTopRow(int row);
    // True only when the row is fully visible in the view.
    bool RowIsVisible(int row) const;
    // Set by the view when its height changes: data rows fully visible below the header.
    void setVisibleRowCount(int rows);
    int visibleRowCount() const;
    int MouseRow() const;
    int MouseCol() const;
    void setMouseCell(int row, int col);

    // --- sort ---
    // Sorts rows Row()..RowSel() ascending by the text of column Col(), by character codes.
    void Sort();

    // --- look ---
    void setRedraw(bool redraw);
    bool Redraw() const;
    void setColAlignment(int col, Qt::Alignment alignment);
    Qt::Alignment ColAlignment(int col) const;
    // Width in twips; the view converts to pixels.
    void setColWidth(int col, int twips);
    int ColWidth(int col) const;
    // Bold font for the current cell (Row(), Col()).
    void setCellFontBold(bool bold);
    bool CellFontBold(int row, int col) const;
    void setFontSize(double points);
    double FontSize() const;
    // Width of the whole grid in twips, set by the view (used for column widths).
    void setWidth(int twips);
    int Width() const;

    struct Colours {
        QColor back, fore, backFixed, foreFixed, backSel, foreSel, backBkg;
    };
    void setColours(const Colours& colours);
    Colours colours() const;

    // --- QAbstractItemModel: rows below the header are the model's rows ---
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    // Row, Col, RowSel or ColSel changed.
    void selectionChanged();
    void topRowChanged(int row);
    void columnLayoutChanged();
    void lookChanged();
    void redrawEnabled();

private:
    // implementation chosen by the grid's author
};
