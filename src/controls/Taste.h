#pragma once

#include <QRect>
#include <QString>

// One key of the on-screen keyboard as the layout placed it, in twips from
// the keyboard's top left. The handler acts on the kind, never on the label.
struct Taste {
    enum class Art {
        Zeichen, // reports its text
        Leertaste, // reports " "
        Loeschen, // reports "{BACKSPACE}"
        Enter, // sends the Enter key stroke to the focused window
        Verbergen, // hides the keyboard
    };

    Art art = Art::Zeichen;
    QString text; // what the key shows and reports
    int nummer = 0; // position counter of the layout (special keys: 200 Enter, 201 BS, 202 Hide)
    QRect lage;
    bool sichtbar = true;
};
