#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <span>

// One row of a FlexGrid packed into a single string, so that a row costs one
// allocation instead of one per cell (the archive may hold 100,000 songs).
// Layout: for each column two QChars holding the cell's length (low 31 bits)
// and its bold flag (top bit), then the cell texts end to end. A row whose
// cells are all empty and plain holds no string at all. The row does not
// know its column count; the grid passes it in.
class FlexGridRow {
public:
    QStringView cell(int col, int cols) const;
    void setCell(int col, int cols, QStringView text);
    // Cells 0 .. texts.size() - 1 at once, with a single allocation.
    void setCells(const QStringList& texts, int cols);
    bool bold(int col, int cols) const;
    void setBold(int col, int cols, bool bold);

private:
    quint32 entry(int col) const;
    qsizetype cellStart(int col, int cols) const;
    struct Cell {
        QStringView text;
        bool bold;
    };
    // Rebuilds the packed string with the cells from first on replaced by cells.
    void rebuild(int first, std::span<const Cell> cells, int cols);

    QString m_packed;
};
