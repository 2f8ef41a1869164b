#pragma once

#include "common/FlexGridRow.h"

#include <QStringView>

#include <vector>

// Order of the grid sort: by character codes, case-sensitively. Characters
// that Windows-1252 holds compare by their byte there, as the tag texts did
// on disk (so "Š" and "€" come between ASCII and "À"); any other character
// comes after all of them, by its UTF-16 code. A shorter text comes before
// every longer text that begins with it.
bool lessByCodes(QStringView a, QStringView b);

// Sorts rows[first..last] ascending by column col with lessByCodes; rows
// with equal texts keep their order.
void sortRowsByCodes(std::vector<FlexGridRow>& rows, int first, int last, int col, int cols);

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
