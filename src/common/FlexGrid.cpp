#include "common/FlexGrid.h"

#include "common/FlexGridSort.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace {

// The description of fault number 9 (index out of range) in the error window.
constexpr const char* kOutOfRange = "Index außerhalb des gültigen Bereichs";

} // namespace

FlexGrid::FlexGrid(int cols, QObject* parent)
    : QAbstractTableModel(parent)
    , m_cols(std::max(1, cols))
    , m_rows(2)
    , m_order(m_cols)
    , m_place(m_cols)
    , m_announcedRows(2)
    , m_alignment(m_cols, Qt::AlignLeft | Qt::AlignVCenter)
    , m_colWidth(m_cols, kDefaultColWidth)
{
    std::iota(m_order.begin(), m_order.end(), 0);
    m_place = m_order;
    m_announceTimer.setSingleShot(true);
    connect(&m_announceTimer, &QTimer::timeout, this, &FlexGrid::announcePendingRows);
}

void FlexGrid::announcePendingRows()
{
    m_announceTimer.stop();
    if (m_announcedRows == Rows())
        return;
    beginInsertRows({}, m_announcedRows - 1, Rows() - 2);
    m_announcedRows = Rows();
    endInsertRows();
    m_sinceAnnouncement.start();
}

void FlexGrid::scheduleAnnouncement()
{
    if (m_announceTimer.isActive())
        return;
    const qint64 since = m_sinceAnnouncement.isValid() ? m_sinceAnnouncement.elapsed() : kAnnounceIntervalMs;
    m_announceTimer.start(int(std::max<qint64>(0, kAnnounceIntervalMs - since)));
}

void FlexGrid::checkRow(int row) const
{
    if (row < 0 || row >= Rows())
        throw std::out_of_range(kOutOfRange);
}

void FlexGrid::checkCol(int col) const
{
    if (col < 0 || col >= m_cols)
        throw std::out_of_range(kOutOfRange);
}

bool FlexGrid::joined(int row, int col) const
{
    return row > 0 && col >= 0 && col == m_join.col;
}

FlexGridRow::Layout FlexGrid::layout() const
{
    return { m_cols, m_order, m_place };
}

QStringView FlexGrid::cell(int row, int col) const
{
    if (joined(row, col))
        return m_rows[row].cells(m_join.first, m_join.second, layout());
    return m_rows[row].cell(col, layout());
}

bool FlexGrid::changes(int col, int watched) const
{
    return col == watched || (watched >= 0 && watched == m_join.col && (col == m_join.first || col == m_join.second));
}

// --- rows and columns ---

int FlexGrid::Rows() const
{
    return int(m_rows.size());
}

void FlexGrid::setRows(int rows)
{
    if (rows < 1)
        throw std::out_of_range(kOutOfRange);
    announcePendingRows();
    const int old = Rows();
    if (rows > old) {
        m_sortedCol = -1;
        m_rows.resize(rows);
        scheduleAnnouncement();
    } else if (rows < old) {
        beginRemoveRows({}, rows - 1, old - 2);
        m_rows.resize(rows);
        m_announcedRows = rows;
        // A grid emptied after a scan should give its memory back.
        if (m_rows.capacity() > 4 * m_rows.size() + 64)
            m_rows.shrink_to_fit();
        endRemoveRows();
        clampToRows();
    }
}

int FlexGrid::FixedRows() const
{
    return 1;
}

void FlexGrid::setFixedRows(int fixedRows)
{
    if (fixedRows != 1)
        throw std::out_of_range(kOutOfRange);
}

int FlexGrid::Cols() const
{
    return m_cols;
}

// --- cells ---

QString FlexGrid::TextMatrix(int row, int col) const
{
    checkRow(row);
    checkCol(col);
    return cell(row, col).toString();
}

QStringView FlexGrid::TextView(int row, int col) const
{
    checkRow(row);
    checkCol(col);
    return cell(row, col);
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text)
{
    checkRow(row);
    checkCol(col);
    if (joined(row, col))
        return;
    m_rows[row].setCell(col, layout(), text);
    if (row > 0 && changes(col, m_sortedCol))
        m_sortedCol = -1;
    cellsChanged(row, col, col);
    if (row > 0 && changes(col, m_join.col))
        cellsChanged(row, m_join.col, m_join.col);
}

void FlexGrid::setRowTexts(int row, const QStringList& texts)
{
    checkRow(row);
    if (texts.size() > m_cols)
        throw std::out_of_range(kOutOfRange);
    if (texts.isEmpty())
        return;
    if (joined(row, m_join.col) && texts.size() > m_join.col) {
        QStringList stored = texts;
        stored[m_join.col] = QString();
        m_rows[row].setCells(stored, layout());
    } else {
        m_rows[row].setCells(texts, layout());
    }
    const bool joinChanged = m_join.col >= 0 && std::min(m_join.first, m_join.second) < texts.size();
    if (row > 0 && (m_sortedCol < texts.size() || (joinChanged && m_sortedCol == m_join.col)))
        m_sortedCol = -1;
    cellsChanged(row, 0, joinChanged ? std::max(int(texts.size()) - 1, m_join.col) : int(texts.size()) - 1);
}

void FlexGrid::setJoinedCol(int col, int first, int second)
{
    checkCol(col);
    checkCol(first);
    checkCol(second);
    if (col == first || col == second || first == second)
        throw std::out_of_range(kOutOfRange);
    // Each row is packed anew in the new order, its joined cell emptied.
    std::vector<QStringList> texts(m_rows.size());
    for (size_t row = 0; row < m_rows.size(); ++row) {
        for (int c = 0; c < m_cols; ++c)
            texts[row].append(row > 0 && c == col ? QString() : cell(int(row), c).toString());
    }
    m_order.erase(std::find(m_order.begin(), m_order.end(), second));
    m_order.insert(std::find(m_order.begin(), m_order.end(), first) + 1, second);
    for (int place = 0; place < m_cols; ++place)
        m_place[m_order[place]] = place;
    m_join = { col, first, second };
    for (size_t row = 0; row < m_rows.size(); ++row)
        m_rows[row].setCells(texts[row], layout());
    if (m_sortedCol == col)
        m_sortedCol = -1;
    announceCells(0, Rows() - 1);
}

void FlexGrid::cellsChanged(int row, int firstCol, int lastCol)
{
    if (row == 0) {
        if (m_redraw)
            emit headerDataChanged(Qt::Horizontal, firstCol, lastCol);
        else
            m_cellsChangedWhileHidden = true;
    } else if (row >= m_announcedRows) {
        // Not yet in the view; announcing the row shows the text.
    } else if (m_redraw) {
        emit dataChanged(index(row - 1, firstCol), index(row - 1, lastCol), { Qt::DisplayRole });
    } else {
        m_cellsChangedWhileHidden = true;
    }
}

void FlexGrid::AddItem(const QString& text0)
{
    AddItem(text0, Rows());
}

void FlexGrid::AddItem(const QString& text0, int row)
{
    if (row < 1 || row > Rows())
        throw std::out_of_range(kOutOfRange);
    FlexGridRow added;
    added.setCell(0, layout(), text0);
    m_sortedCol = -1;
    if (row == Rows()) {
        m_rows.push_back(std::move(added));
        scheduleAnnouncement();
        return;
    }
    announcePendingRows();
    beginInsertRows({}, row - 1, row - 1);
    m_rows.insert(m_rows.begin() + row, std::move(added));
    ++m_announcedRows;
    endInsertRows();
}

void FlexGrid::RemoveItem(int row)
{
    if (row < 1 || row >= Rows())
        throw std::out_of_range(kOutOfRange);
    announcePendingRows();
    beginRemoveRows({}, row - 1, row - 1);
    m_rows.erase(m_rows.begin() + row);
    --m_announcedRows;
    endRemoveRows();
    clampToRows();
}

void FlexGrid::Clear()
{
    announcePendingRows();
    std::fill(m_rows.begin(), m_rows.end(), FlexGridRow());
    m_sortedCol = -1;
    announceCells(0, Rows() - 1);
}

// --- current cell, selection, scrolling ---

int FlexGrid::Row() const
{
    return m_row;
}

void FlexGrid::setRow(int row)
{
    checkRow(row);
    if (row == m_row && row == m_rowSel)
        return;
    m_row = m_rowSel = row;
    emit selectionChanged();
}

int FlexGrid::Col() const
{
    return m_col;
}

void FlexGrid::setCol(int col)
{
    checkCol(col);
    if (col == m_col && col == m_colSel)
        return;
    m_col = m_colSel = col;
    emit selectionChanged();
}

int FlexGrid::RowSel() const
{
    return m_rowSel;
}

void FlexGrid::setRowSel(int row)
{
    checkRow(row);
    if (row == m_rowSel)
        return;
    m_rowSel = row;
    emit selectionChanged();
}

int FlexGrid::ColSel() const
{
    return m_colSel;
}

void FlexGrid::setColSel(int col)
{
    checkCol(col);
    if (col == m_colSel)
        return;
    m_colSel = col;
    emit selectionChanged();
}

void FlexGrid::selectRow(int row)
{
    checkRow(row);
    if (row == m_row && row == m_rowSel && m_col == 0 && m_colSel == m_cols - 1)
        return;
    m_row = m_rowSel = row;
    m_col = 0;
    m_colSel = m_cols - 1;
    emit selectionChanged();
}

int FlexGrid::TopRow() const
{
    return m_topRow;
}

int FlexGrid::maxTopRow() const
{
    const int lastRow = Rows() - 1;
    return std::max(1, m_visibleRows > 0 ? lastRow - m_visibleRows + 1 : lastRow);
}

void FlexGrid::setTopRow(int row)
{
    applyTopRow(row);
}

void FlexGrid::applyTopRow(int row)
{
    const int clamped = std::clamp(row, 1, maxTopRow());
    if (clamped == m_topRow)
        return;
    m_topRow = clamped;
    emit topRowChanged(m_topRow);
}

bool FlexGrid::RowIsVisible(int row) const
{
    if (row == 0)
        return true;
    if (row < 1 || row >= Rows())
        return false;
    return row >= m_topRow && row < m_topRow + m_visibleRows;
}

void FlexGrid::setVisibleRowCount(int rows)
{
    m_visibleRows = std::max(0, rows);
    applyTopRow(m_topRow);
}

int FlexGrid::visibleRowCount() const
{
    return m_visibleRows;
}

int FlexGrid::MouseRow() const
{
    return m_mouseRow;
}

int FlexGrid::MouseCol() const
{
    return m_mouseCol;
}

void FlexGrid::setMouseCell(int row, int col)
{
    m_mouseRow = row;
    m_mouseCol = col;
}

void FlexGrid::clampToRows()
{
    const int lastRow = Rows() - 1;
    if (m_row > lastRow || m_rowSel > lastRow) {
        m_row = std::min(m_row, lastRow);
        m_rowSel = std::min(m_rowSel, lastRow);
        emit selectionChanged();
    }
    applyTopRow(m_topRow);
}

// --- sort ---

void FlexGrid::Sort(FlexGridOrder order)
{
    const int first = std::max(1, std::min(m_row, m_rowSel));
    const int last = std::max(m_row, m_rowSel);
    if (order != FlexGridOrder::Codes)
        m_sortedCol = -1;
    else if (first == 1 && last >= Rows() - 1)
        m_sortedCol = m_col;
    else if (m_col != m_sortedCol) // sorting part of the rows on the sorted column keeps them in order
        m_sortedCol = -1;
    if (last <= first)
        return;
    announcePendingRows();

    const bool joined = m_col == m_join.col;
    const FlexGridRow::Layout cells = layout();
    sortRows(m_rows, first, last, order, [&](const FlexGridRow& row) {
        return joined ? row.cells(m_join.first, m_join.second, cells) : row.cell(m_col, cells);
    });
    announceCells(first, last);
}

int FlexGrid::sortedCol() const
{
    return m_sortedCol;
}

// --- look ---

void FlexGrid::setRedraw(bool redraw)
{
    if (redraw == m_redraw)
        return;
    m_redraw = redraw;
    if (!redraw) {
        emit redrawDisabled();
        return;
    }
    if (m_cellsChangedWhileHidden) {
        m_cellsChangedWhileHidden = false;
        announceCells(0, Rows() - 1);
    }
    emit redrawEnabled();
}

bool FlexGrid::Redraw() const
{
    return m_redraw;
}

void FlexGrid::announceCells(int firstRow, int lastRow)
{
    if (!m_redraw) {
        m_cellsChangedWhileHidden = true;
        return;
    }
    if (firstRow == 0) {
        emit headerDataChanged(Qt::Horizontal, 0, m_cols - 1);
        firstRow = 1;
    }
    lastRow = std::min(lastRow, m_announcedRows - 1);
    if (lastRow >= firstRow)
        emit dataChanged(index(firstRow - 1, 0), index(lastRow - 1, m_cols - 1));
}

void FlexGrid::setColAlignment(int col, Qt::Alignment alignment)
{
    checkCol(col);
    m_alignment[col] = alignment;
    emit columnLayoutChanged();
}

Qt::Alignment FlexGrid::ColAlignment(int col) const
{
    checkCol(col);
    return m_alignment[col];
}

void FlexGrid::setColWidth(int col, int twips)
{
    checkCol(col);
    m_colWidth[col] = std::max(0, twips);
    emit columnLayoutChanged();
}

int FlexGrid::ColWidth(int col) const
{
    checkCol(col);
    return m_colWidth[col];
}

void FlexGrid::setCellFontBold(bool bold)
{
    checkRow(m_row);
    m_rows[m_row].setBold(m_col, layout(), bold);
    announceCells(m_row, m_row);
}

bool FlexGrid::CellFontBold(int row, int col) const
{
    checkRow(row);
    checkCol(col);
    return m_rows[row].bold(col);
}

void FlexGrid::setFontSize(double points)
{
    if (points <= 0 || points == m_fontSize)
        return;
    m_fontSize = points;
    emit lookChanged();
}

double FlexGrid::FontSize() const
{
    return m_fontSize;
}

void FlexGrid::setWidth(int twips)
{
    m_width = std::max(0, twips);
}

int FlexGrid::Width() const
{
    return m_width;
}

void FlexGrid::setColours(const Colours& colours)
{
    m_colours = colours;
    emit lookChanged();
}

FlexGrid::Colours FlexGrid::colours() const
{
    return m_colours;
}
