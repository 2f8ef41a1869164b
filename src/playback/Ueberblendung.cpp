#include "playback/Ueberblendung.h"

#include "playback/PlayerControl.h"

bool Ueberblendung::Liedende(double positionSekunden, qint64 laenge, int fadingzeit, int status)
{
    if (status != PlayerControl::Playing && status != PlayerControl::Paused)
        return true;
    return positionSekunden > double(laenge - fadingzeit);
}

qint64 Ueberblendung::Startabstand(qint64 laenge, int fadingzeit)
{
    return qMax<qint64>(0, laenge - fadingzeit);
}
