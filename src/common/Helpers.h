#pragma once

#include <QString>

// General helpers that every subsystem uses.

// Boolean to check-box state: true gives 1, false 0.
int CChk(bool value);

// The path without one trailing path separator: "\" or "/" on Windows, only
// "/" elsewhere. An empty path stays empty.
QString Backslash(const QString& pfad);

template <typename T>
T Min(const T& val1, const T& val2)
{
    return val2 < val1 ? val2 : val1;
}

template <typename T>
T Max(const T& val1, const T& val2)
{
    return val1 < val2 ? val2 : val1;
}

// Every ";" becomes "_": the playlist file uses ";" as its field separator.
QString OhneSemikolon(const QString& text);

// The text as the screen shows it: up to its first NUL. Tag fields padded
// with NUL bytes keep them in the cells (they are compared, sorted and
// stored), but a label or a grid draws only what stands before them.
QString Anzeigetext(const QString& text);

// Waits the given milliseconds while pending events keep running, so the
// screen stays alive during animations and polling loops.
void MySleep(int millisec);
