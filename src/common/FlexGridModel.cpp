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

QVariant FlexGrid::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const int row = index.row() + 1;
    switch (role) {
    case Qt::DisplayRole:
        return cell(row, index.column()).toString();
    case Qt::TextAlignmentRole:
        return int(m_alignment[index.column()]);
    case Qt::FontRole:
        return cellFont(m_rows[row].bold(index.column()));
    case Qt::BackgroundRole:
        return QBrush(m_colours.back);
    case Qt::ForegroundRole:
        return QBrush(m_colours.fore);
    default:
        return {};
    }
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
    switch (role) {
    case Qt::DisplayRole:
        return cell(0, section).toString();
    case Qt::TextAlignmentRole:
        return int(m_alignment[section]);
    case Qt::FontRole:
        return cellFont(m_rows[0].bold(section));
    case Qt::BackgroundRole:
        return QBrush(m_colours.backFixed);
    case Qt::ForegroundRole:
        return QBrush(m_colours.foreFixed);
    default:
        return {};
    }
}

Qt::ItemFlags FlexGrid::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}
