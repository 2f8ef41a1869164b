#pragma once

// Which mouse button may delete or move a playlist row, by the options
// "Muelleimer" (only the right button) and "RechteMaus" (right button off).
class Maustasten {
public:
    enum class Aktion {
        Ausfuehren,
        Nichts,
        // The right button is both required and switched off: delete can never act.
        LoeschenSperren,
    };
    enum class Knopf { Loeschen, Verschieben };

    // button: 1 left, 2 right, 4 middle.
    static Aktion entscheiden(Knopf knopf, int button, bool muelleimer, bool rechteMaus);
};
