#include "common/FlexGridRow.h"

#include <QVarLengthArray>

namespace {

constexpr quint32 kBoldBit = 0x80000000u;
constexpr quint32 kLengthMask = 0x7FFFFFFFu;

} // namespace

quint32 FlexGridRow::entry(int col) const
{
    if (m_packed.isNull())
        return 0;
    return (quint32(m_packed[2 * col].unicode()) << 16) | m_packed[2 * col + 1].unicode();
}

qsizetype FlexGridRow::length(int col) const
{
    return entry(col) & kLengthMask;
}

qsizetype FlexGridRow::cellStart(int col, const Layout& layout) const
{
    qsizetype start = 2 * qsizetype(layout.cols);
    for (int i = 0; i < layout.place[col]; ++i)
        start += length(layout.order[i]);
    return start;
}

QStringView FlexGridRow::cell(int col, const Layout& layout) const
{
    if (m_packed.isNull())
        return {};
    return QStringView(m_packed).sliced(cellStart(col, layout), length(col));
}

QStringView FlexGridRow::cells(int first, int second, const Layout& layout) const
{
    if (m_packed.isNull())
        return {};
    return QStringView(m_packed).sliced(cellStart(first, layout), length(first) + length(second));
}

bool FlexGridRow::bold(int col) const
{
    return entry(col) & kBoldBit;
}

void FlexGridRow::setCell(int col, const Layout& layout, QStringView text)
{
    const Cell cell { text, bold(col) };
    rebuild(col, { &cell, 1 }, layout);
}

void FlexGridRow::setCells(const QStringList& texts, const Layout& layout)
{
    QVarLengthArray<Cell, 8> cells;
    for (qsizetype col = 0; col < texts.size(); ++col)
        cells.append({ texts[col], bold(int(col)) });
    rebuild(0, cells, layout);
}

void FlexGridRow::setBold(int col, const Layout& layout, bool bold)
{
    if (bold == this->bold(col))
        return;
    const Cell cell { this->cell(col, layout), bold };
    rebuild(col, { &cell, 1 }, layout);
}

void FlexGridRow::rebuild(int first, std::span<const Cell> cells, const Layout& layout)
{
    const auto replaced = [&](int col) -> const Cell* {
        return col >= first && col - first < qsizetype(cells.size()) ? &cells[col - first] : nullptr;
    };
    const auto newLength = [&](int col) -> qsizetype {
        const Cell* cell = replaced(col);
        return cell ? cell->text.size() : length(col);
    };
    const auto flag = [&](int col) -> bool {
        const Cell* cell = replaced(col);
        return cell ? cell->bold : bold(col);
    };

    const qsizetype header = 2 * qsizetype(layout.cols);
    qsizetype total = header;
    bool anything = false;
    for (int col = 0; col < layout.cols; ++col) {
        total += newLength(col);
        anything = anything || flag(col);
    }
    if (total == header && !anything) {
        m_packed = QString();
        return;
    }

    // Exact size: a row never carries spare capacity.
    QString packed(total, Qt::Uninitialized);
    QChar* out = packed.data();
    for (int col = 0; col < layout.cols; ++col) {
        const quint32 value = quint32(newLength(col)) | (flag(col) ? kBoldBit : 0);
        *out++ = QChar(char16_t(value >> 16));
        *out++ = QChar(char16_t(value & 0xFFFF));
    }
    const QChar* old = m_packed.isNull() ? nullptr : m_packed.constData() + header;
    for (const int col : layout.order) {
        const qsizetype oldLength = length(col);
        if (const Cell* cell = replaced(col))
            out = std::copy(cell->text.begin(), cell->text.end(), out);
        else if (old)
            out = std::copy(old, old + oldLength, out);
        if (old)
            old += oldLength;
    }
    m_packed = std::move(packed);
}
