#pragma once

#include <QList>
#include <QRect>
#include <QRegion>

#include <optional>

// The outline of a window cut down to its controls, for the form shaper's
// mode `transparent`: 0 keeps the full window (no outline); 1 and 2 give the
// union of the controls' rectangles, and without any control 1 keeps the
// full window while 2 hides it; 3 always hides it. A hidden window has an
// empty region.
std::optional<QRegion> Fensterumriss(int transparent, const QList<QRect>& steuerelemente);
