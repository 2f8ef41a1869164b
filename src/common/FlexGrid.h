#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QElapsedTimer>
#include <QFont>
#include <QString>
#include <QTimer>

#include "common/FlexGridRow.h"
#include "common/FlexGridSort.h"

#include <vector>

// The grid component: a table of text cells that is the only store of the
// archive and of the playlist. Row 0 is the fixed header row; data rows are
// 1 .. Rows() - 1. Besides the cells it keeps what the callers treat as grid
// state: the current cell and selection (whole rows), the top row, and how
// many rows the view shows, so all logic on grids runs without widgets.
// FlexGridView (common/ui) shows it and feeds back clicks and its height.
//
// Row numbers are the grid's: the model rows of Qt's interface are the data
// rows, model row r being grid row r + 1; the header row is the horizontal
// header. Row numbers, not songs, are what the selection and the top row
// keep: inserting, removing or sorting rows leaves Row() at the same number.
//
// Bad row or column numbers (reading or writing a cell, Row/Col/RowSel/ColSel,
// inserting or removing a row, a row count below 1) throw std::out_of_range,
// which a Procedure reports like any other fault. Positions that only scroll
// are clamped instead: setTopRow() keeps the top row within what can be shown,
// RowIsVisible() is false for rows that do not exist.
class FlexGrid : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit FlexGrid(int cols = 6, QObject* parent = nullptr);

    // --- rows and columns ---
    int Rows() const;
    // Writing 1 leaves only the header; rows beyond a new count disappear, new rows are empty.
    void setRows(int rows);
    // The header row is always fixed: 1 is the only value accepted.
    int FixedRows() const;
    void setFixedRows(int fixedRows);
    int Cols() const;

    // --- cells ---
    QString TextMatrix(int row, int col) const;
    // The same text without a copy, valid until the row changes: for scans over all rows.
    QStringView TextView(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);
    // Cells 0 .. texts.size() - 1 of row in one change: a scan writes a whole row per song.
    void setRowTexts(int row, const QStringList& texts);
    // Appends a row whose column 0 is text0; the other cells are empty.
    void AddItem(const QString& text0);
    // Inserts a row at position row (1 .. Rows()); the rows from there move down by one.
    void AddItem(const QString& text0, int row);
    // Removes data row row; rows below move up. Removing the last data row is allowed.
    void RemoveItem(int row);
    // Every cell text becomes empty, the header's too; the row count stays.
    void Clear();
    // From now on column col of every data row reads as the texts of columns
    // first and second end to end (the archive's sort key, artist then
    // title), which are stored side by side so that the cell is a view of
    // them; a text written to that cell of a data row is dropped. The header
    // row keeps a text of its own in col.
    void setJoinedCol(int col, int first, int second);

    // --- current cell, selection, scrolling ---
    // Setting Row collapses the row range (RowSel = Row) and setting Col the
    // column range (ColSel = Col); set RowSel and ColSel afterwards to extend.
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
    // Clamped to 1 .. Rows() - visibleRowCount() (the last page cannot scroll
    // further up than the view can show), at least 1.
    void setTopRow(int row);
    // True only when the row is fully visible in the view; the header row always is.
    bool RowIsVisible(int row) const;
    // Set by the view when its height changes: data rows fully visible below the header.
    // 0 (no view yet) lets TopRow go up to the last row.
    void setVisibleRowCount(int rows);
    int visibleRowCount() const;
    // -1 when the last mouse event was beside every row or column.
    int MouseRow() const;
    int MouseCol() const;
    void setMouseCell(int row, int col);

    // --- sort ---
    // Sorts rows Row()..RowSel() (either order, header excluded) ascending by
    // the text of column Col(), by character codes (see lessByCodes in
    // FlexGridSort.h) or by value; equal texts keep their order.
    void Sort(FlexGridOrder order = FlexGridOrder::Codes);
    // The column by whose text all data rows are in Sort() order by codes,
    // known from the last sort of all data rows and kept while only other
    // columns change or rows are removed; -1 when unknown. Lets searches bisect.
    int sortedCol() const;

    // --- look ---
    // While false, cell changes are not announced one by one; switching back
    // to true announces them at once and emits redrawEnabled().
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
    // The font of the cells at FontSize(); the header row's is bold.
    QFont cellFont(bool bold) const;
    // Point size of the cell font; the view derives its fixed row height from it.
    void setFontSize(double points);
    double FontSize() const;
    // Width of the whole grid in twips, set by the view (used for column widths).
    void setWidth(int twips);
    int Width() const;

    // Cells, header (fixed row), selected row, and the area below the last row.
    struct Colours {
        QColor back = Qt::white, fore = Qt::black;
        QColor backFixed = QColor(0xF0, 0xF0, 0xF0), foreFixed = Qt::black;
        QColor backSel = QColor(0x00, 0x00, 0x80), foreSel = Qt::white;
        QColor backBkg = QColor(0x80, 0x80, 0x80);
    };
    void setColours(const Colours& colours);
    Colours colours() const;

    // --- QAbstractItemModel: rows below the header are the model's rows ---
    //
    // Rows appended at the end reach Qt's interface in batches, at most one
    // batch per kAnnounceIntervalMs (the first at once, on the next pass of
    // the event loop): a scan appending 100,000 rows while events run would
    // otherwise lay out and repaint the view after every row. Until then
    // rowCount() lags behind Rows(); every other change of the rows, and
    // announcePendingRows(), announces them first.
    static constexpr int kAnnounceIntervalMs = 100;
    void announcePendingRows();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    // Row, Col, RowSel or ColSel changed.
    void selectionChanged();
    void topRowChanged(int row);
    void columnLayoutChanged();
    // Font size or colours changed (bold cells come as data changes).
    void lookChanged();
    void redrawDisabled();
    void redrawEnabled();

private:
    static constexpr int kDefaultColWidth = 960;

    void checkRow(int row) const;
    void checkCol(int col) const;
    // Whether the cell reads as the joined texts.
    bool joined(int row, int col) const;
    FlexGridRow::Layout layout() const;
    QStringView cell(int row, int col) const;
    // What a cell shows for role, in the fixed row's colours or the others'.
    QVariant cellData(int row, int col, int role) const;
    // Whether writing col of a data row changes what column watched reads.
    bool changes(int col, int watched) const;
    // After the row count changed: keeps Row, RowSel and TopRow on existing rows.
    void clampToRows();
    int maxTopRow() const;
    void applyTopRow(int row);
    void announceCells(int firstRow, int lastRow);
    // Tells the view about changed cells of one row, or holds it back while redraw is off.
    void cellsChanged(int row, int firstCol, int lastCol);
    void scheduleAnnouncement();

    int m_cols;
    std::vector<FlexGridRow> m_rows; // [0] is the header row
    std::vector<int> m_order; // the columns in the order their texts are stored
    std::vector<int> m_place; // where each column comes in m_order
    struct Join {
        int col = -1, first = -1, second = -1;
    } m_join;
    int m_announcedRows = 1; // rows that Qt's interface reports, header included
    QTimer m_announceTimer;
    QElapsedTimer m_sinceAnnouncement;
    int m_row = 1, m_col = 0, m_rowSel = 1, m_colSel = 0;
    int m_topRow = 1;
    int m_visibleRows = 0;
    int m_mouseRow = 0, m_mouseCol = 0;
    int m_sortedCol = -1;
    bool m_redraw = true;
    bool m_cellsChangedWhileHidden = false;
    std::vector<Qt::Alignment> m_alignment;
    std::vector<int> m_colWidth;
    double m_fontSize = 9.0;
    int m_width = 0;
    Colours m_colours;
};
