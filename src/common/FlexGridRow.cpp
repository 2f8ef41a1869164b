#include "common/FlexGridRow.h"

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
    rebuild(col, cols, text, bold(col, cols));
}

void FlexGridRow::setBold(int col, int cols, bool bold)
{
    if (bold != this->bold(col, cols))
        rebuild(col, cols, cell(col, cols), bold);
}

void FlexGridRow::rebuild(int col, int cols, QStringView text, bool bold)
{
    const qsizetype header = 2 * qsizetype(cols);
    const qsizetype oldTotal = m_packed.isNull() ? header : m_packed.size();
    const qsizetype oldLength = entry(col) & kLengthMask;
    const qsizetype newTotal = oldTotal - oldLength + text.size();

    bool anything = newTotal > header || bold;
    for (int c = 0; c < cols && !anything; ++c)
        anything = c != col && (entry(c) & kBoldBit);
    if (!anything) {
        m_packed = QString();
        return;
    }

    // Exact size: a row never carries spare capacity.
    QString packed(newTotal, Qt::Uninitialized);
    QChar* out = packed.data();
    for (int c = 0; c < cols; ++c) {
        const quint32 value = c == col ? (quint32(text.size()) | (bold ? kBoldBit : 0)) : entry(c);
        *out++ = QChar(char16_t(value >> 16));
        *out++ = QChar(char16_t(value & 0xFFFF));
    }
    const qsizetype start = cellStart(col, cols);
    if (!m_packed.isNull())
        out = std::copy(m_packed.constData() + header, m_packed.constData() + start, out);
    out = std::copy(text.begin(), text.end(), out);
    if (!m_packed.isNull())
        std::copy(m_packed.constData() + start + oldLength, m_packed.constData() + oldTotal, out);
    m_packed = std::move(packed);
}
