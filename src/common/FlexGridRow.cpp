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

qsizetype FlexGridRow::cellStart(int col, int cols) const
{
    qsizetype start = 2 * qsizetype(cols);
    for (int c = 0; c < col; ++c)
        start += entry(c) & kLengthMask;
    return start;
}

QStringView FlexGridRow::cell(int col, int cols) const
{
    if (m_packed.isNull())
        return {};
    return QStringView(m_packed).sliced(cellStart(col, cols), entry(col) & kLengthMask);
}

bool FlexGridRow::bold(int col, int) const
{
    return entry(col) & kBoldBit;
}

void FlexGridRow::setCell(int col, int cols, QStringView text)
{
    const Cell cell { text, bold(col, cols) };
    rebuild(col, { &cell, 1 }, cols);
}

void FlexGridRow::setCells(const QStringList& texts, int cols)
{
    QVarLengthArray<Cell, 8> cells;
    for (qsizetype col = 0; col < texts.size(); ++col)
        cells.append({ texts[col], bold(int(col), cols) });
    rebuild(0, cells, cols);
}

void FlexGridRow::setBold(int col, int cols, bool bold)
{
    if (bold == this->bold(col, cols))
        return;
    const Cell cell { this->cell(col, cols), bold };
    rebuild(col, { &cell, 1 }, cols);
}

void FlexGridRow::rebuild(int first, std::span<const Cell> cells, int cols)
{
    const auto replaced = [&](int col) -> const Cell* {
        return col >= first && col - first < qsizetype(cells.size()) ? &cells[col - first] : nullptr;
    };
    const auto length = [&](int col) -> qsizetype {
        const Cell* cell = replaced(col);
        return cell ? cell->text.size() : entry(col) & kLengthMask;
    };
    const auto flag = [&](int col) -> bool {
        const Cell* cell = replaced(col);
        return cell ? cell->bold : entry(col) & kBoldBit;
    };

    const qsizetype header = 2 * qsizetype(cols);
    qsizetype total = header;
    bool anything = false;
    for (int col = 0; col < cols; ++col) {
        total += length(col);
        anything = anything || flag(col);
    }
    if (total == header && !anything) {
        m_packed = QString();
        return;
    }

    // Exact size: a row never carries spare capacity.
    QString packed(total, Qt::Uninitialized);
    QChar* out = packed.data();
    for (int col = 0; col < cols; ++col) {
        const quint32 value = quint32(length(col)) | (flag(col) ? kBoldBit : 0);
        *out++ = QChar(char16_t(value >> 16));
        *out++ = QChar(char16_t(value & 0xFFFF));
    }
    const QChar* old = m_packed.isNull() ? nullptr : m_packed.constData() + header;
    for (int col = 0; col < cols; ++col) {
        const qsizetype oldLength = entry(col) & kLengthMask;
        if (const Cell* cell = replaced(col))
            out = std::copy(cell->text.begin(), cell->text.end(), out);
        else if (old)
            out = std::copy(old, old + oldLength, out);
        if (old)
            old += oldLength;
    }
    m_packed = std::move(packed);
}
