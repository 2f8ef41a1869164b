#pragma once

#include "common/FlexGridRow.h"

#include <QStringView>

#include <functional>
#include <vector>

// How a sort orders a column: by character codes, or by the value of the
// numbers it holds (durations such as "112:07" after "12:00").
enum class FlexGridOrder { Codes, Value };

// Order of the grid sort: by character codes, case-sensitively. Characters
// that Windows-1252 holds compare by their byte there, as the tag texts did
// on disk (so "Š" and "€" come between ASCII and "À"); any other character
// comes after all of them, by its UTF-16 code. A shorter text comes before
// every longer text that begins with it.
bool lessByCodes(QStringView a, QStringView b);

// By value: numbers without leading zeros beyond a fixed width are in value
// order when a shorter text comes first and texts of one length go by codes;
// an empty text comes first.
bool lessInOrder(QStringView a, QStringView b, FlexGridOrder order);

// Sorts rows[first..last] ascending by the text key gives for each, in the
// given order; rows with equal texts keep their order.
void sortRows(std::vector<FlexGridRow>& rows, int first, int last, FlexGridOrder order,
    const std::function<QStringView(const FlexGridRow&)>& key);

// The first row of first .. last - 1 for which holds is false, bisecting:
// holds must be true for a leading part of the rows only.
template <typename Predicate> int partitionRow(int first, int last, Predicate holds)
{
    while (first < last) {
        const int middle = first + (last - first) / 2;
        if (holds(middle))
            first = middle + 1;
        else
            last = middle;
    }
    return first;
}
