#pragma once

class QRect;
class QWidget;

// The one place that sizes the program's dialogs and message boxes for a
// finger: buttons at least 35 px high (about 10 mm on a 15-inch 1024 x 768
// screen) and text at least as large as the grids' font. Windows that no
// window manager places open centred over the jukebox's screen.
class Dialogstil {
public:
    static constexpr int kKnopfhoehe = 35;
    // Dialog text never goes below the start window's touch size.
    static constexpr double kMindestpunkte = 12;

    // Added to the dialog's own style sheet, not the application's: changing
    // that would polish every widget anew and drop the colours set on them.
    static void anwenden(QWidget& dialog, double schriftgroesse);
    // Moves the window so that its frame is centred over flaeche.
    static void zentrieren(QWidget& fenster, const QRect& flaeche);
};
