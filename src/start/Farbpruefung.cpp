#include "start/Farbpruefung.h"

#include "common/Farbe.h"

namespace {
constexpr qint32 kMindesthelligkeit = 70;
}

bool Farbpruefung::zuDunkel(qint32 farbe)
{
    const TypeFarbe rgb = ColorToRGB(farbe);
    return rgb.R < kMindesthelligkeit && rgb.G < kMindesthelligkeit && rgb.B < kMindesthelligkeit;
}

QString Farbpruefung::meldung(Farbziel ziel)
{
    const QString erste = ziel == Buttonfarbe ? QStringLiteral("Die Buttonfarbe ist zu dunkel!")
                                              : QStringLiteral("Die Hintergrundfarbe ist zu dunkel!");
    return erste + QLatin1Char('\n') + QStringLiteral("Bitte eine andere Farbe wählen.");
}
