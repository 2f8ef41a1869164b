#pragma once

// Blocks the use of the rest of the desktop (task bar, desktop icons, other
// programs) while the jukebox runs, and gives back exactly what it took:
// whatever was already hidden before stays as it was.
class Kiosk {
public:
    virtual ~Kiosk() = default;
    // Does nothing when already blocked.
    virtual void sperren() = 0;
    // Restores only what sperren() hid.
    virtual void freigeben() = 0;
    // Whether the jukebox window must cover the whole screen while blocked.
    virtual bool vollbild() const = 0;
    // Lets a window of another program (the file manager) come in front until
    // the jukebox window is activated again. A jukebox window that does not
    // cover the screen is no obstacle, so by default there is nothing to do.
    virtual void zuruecktreten() { }
};
