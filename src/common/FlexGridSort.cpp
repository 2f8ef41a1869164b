#include "common/FlexGridSort.h"

#include "common/Windows1252.h"

#include <algorithm>

namespace {

unsigned sortWeight(char16_t c)
{
    const int code = windows1252Code(c);
    return code >= 0 ? unsigned(code) : 0x10000u + c;
}

// A key with its first 16 characters packed as one byte each (the weight),
// big-endian, so that most comparisons of a large sort are decided by two
// integers without reaching into the rows' memory. Weights from 0xFF up all
// become 0xFF, so packing stops there: bytes after an inexact one could
// reverse the order. Heads that are equal fall back to the full comparison.
struct SortEntry {
    quint64 head[2] = { 0, 0 };
    QStringView key;
    int row = 0;

    SortEntry(QStringView text, int rowIndex)
        : key(text)
        , row(rowIndex)
    {
        const qsizetype n = std::min<qsizetype>(16, text.size());
        for (qsizetype i = 0; i < n; ++i) {
            const quint64 byte = std::min(sortWeight(text[i].unicode()), 0xFFu);
            head[i / 8] |= byte << (56 - 8 * (i % 8));
            if (byte == 0xFF)
                break;
        }
    }
};

bool lessEntry(const SortEntry& a, const SortEntry& b)
{
    if (a.head[0] != b.head[0])
        return a.head[0] < b.head[0];
    if (a.head[1] != b.head[1])
        return a.head[1] < b.head[1];
    return lessByCodes(a.key, b.key);
}

bool lessEntryByValue(const SortEntry& a, const SortEntry& b)
{
    return a.key.size() != b.key.size() ? a.key.size() < b.key.size() : lessEntry(a, b);
}

} // namespace

bool lessByCodes(QStringView a, QStringView b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t ca = a[i].unicode();
        const char16_t cb = b[i].unicode();
        if (ca != cb)
            return sortWeight(ca) < sortWeight(cb);
    }
    return a.size() < b.size();
}

bool lessInOrder(QStringView a, QStringView b, FlexGridOrder order)
{
    if (order == FlexGridOrder::Value && a.size() != b.size())
        return a.size() < b.size();
    return lessByCodes(a, b);
}

void sortRows(std::vector<FlexGridRow>& rows, int first, int last, FlexGridOrder order,
    const std::function<QStringView(const FlexGridRow&)>& key)
{
    // Sort small entries and move each row once afterwards.
    std::vector<SortEntry> entries;
    entries.reserve(last - first + 1);
    for (int r = first; r <= last; ++r)
        entries.emplace_back(key(rows[r]), r);
    std::stable_sort(entries.begin(), entries.end(), order == FlexGridOrder::Value ? lessEntryByValue : lessEntry);

    std::vector<FlexGridRow> sorted;
    sorted.reserve(entries.size());
    for (const SortEntry& entry : entries)
        sorted.push_back(std::move(rows[entry.row]));
    std::move(sorted.begin(), sorted.end(), rows.begin() + first);
}
