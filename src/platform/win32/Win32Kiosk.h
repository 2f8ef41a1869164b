#pragma once

#include "platform/Kiosk.h"

#include <windows.h>

// Hides the shell's task bar and desktop view while the jukebox runs.
class Win32Kiosk : public Kiosk {
public:
    void sperren() override;
    void freigeben() override;
    bool vollbild() const override { return false; }

    // Shows the desktop view if it is hidden (returns true), hides it
    // otherwise (returns false). With NoInteract the whole view
    // ("SHELLDLL_DefView") is switched, else only its icon list.
    static bool ToggleDesktopIcons(bool NoInteract = false);

private:
    // The task bar as hidden by sperren(), nullptr when this program hid none.
    HWND TaskleisteHwnd = nullptr;
    bool DesktopVersteckt = false;
};
