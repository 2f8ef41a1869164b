// FlexGrid as Qt's item model: the data rows below the header are the model's rows.

#include "common/FlexGrid.h"

#include <QBrush>

int FlexGrid::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_announcedRows - 1;
}

int FlexGrid::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_cols;
}

QFont FlexGrid::cellFont(bool bold) const
{
    QFont font;
    font.setPointSizeF(m_fontSize);
    font.setBold(bold);
    return font;
}

QVariant FlexGrid::cellData(int row, int col, int role) const
{
    const bool fixed = row == 0;
    switch (role) {
    case Qt::DisplayRole:
        return cell(row, col).toString();
    case Qt::TextAlignmentRole:
        return int(m_alignment[col]);
    case Qt::FontRole:
        return cellFont(m_rows[row].bold(col));
    case Qt::BackgroundRole:
        return QBrush(fixed ? m_colours.backFixed : m_colours.back);
    case Qt::ForegroundRole:
        return QBrush(fixed ? m_colours.foreFixed : m_colours.fore);
    default:
        return {};
    }
}

QVariant FlexGrid::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    return cellData(index.row() + 1, index.column(), role);
}

QVariant FlexGrid::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole && section >= 0 && section < rowCount())
            return section + 1;
        return {};
    }
    if (section < 0 || section >= m_cols)
        return {};
    return cellData(0, section, role);
}

Qt::ItemFlags FlexGrid::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}
