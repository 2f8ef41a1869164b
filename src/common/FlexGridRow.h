#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <span>

// One row of a FlexGrid packed into a single string, so that a row costs one
// allocation instead of one per cell (the archive may hold 100,000 songs).
// Layout: for each column two QChars holding the cell's length (low 31 bits)
// and its bold flag (top bit), then the cell texts end to end in the grid's
// storage order. A row whose cells are all empty and plain holds no string at
// all. The row does not know its layout; the grid passes it in.
class FlexGridRow {
public:
    struct Layout {
        int cols;
        std::span<const int> order; // order[i]: the column whose text comes i-th
        std::span<const int> place; // place[col]: where col comes in order
    };

    QStringView cell(int col, const Layout& layout) const;
    // The texts of two columns that follow each other in the storage order, as one text.
    QStringView cells(int first, int second, const Layout& layout) const;
    void setCell(int col, const Layout& layout, QStringView text);
    // Cells 0 .. texts.size() - 1 at once, with a single allocation.
    void setCells(const QStringList& texts, const Layout& layout);
    bool bold(int col) const;
    void setBold(int col, const Layout& layout, bool bold);

private:
    quint32 entry(int col) const;
    qsizetype length(int col) const;
    qsizetype cellStart(int col, const Layout& layout) const;
    struct Cell {
        QStringView text;
        bool bold;
    };
    // Rebuilds the packed string with the cells from first on replaced by cells.
    void rebuild(int first, std::span<const Cell> cells, const Layout& layout);

    QString m_packed;
};
