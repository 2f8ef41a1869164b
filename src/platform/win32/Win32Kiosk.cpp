#include "platform/win32/Win32Kiosk.h"

namespace {

constexpr UINT kOhneBewegung = SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;

HWND desktopView(bool NoInteract)
{
    HWND view = FindWindowExA(FindWindowA("Progman", nullptr), nullptr, "SHELLDLL_DefView", nullptr);
    if (!NoInteract && view)
        view = FindWindowExA(view, nullptr, "SysListView32", nullptr);
    return view;
}

} // namespace

bool Win32Kiosk::ToggleDesktopIcons(bool NoInteract)
{
    HWND view = desktopView(NoInteract);
    if (!view)
        return false;
    if (!IsWindowVisible(view)) {
        ShowWindow(view, SW_SHOW);
        return true;
    }
    ShowWindow(view, SW_HIDE);
    return false;
}

void Win32Kiosk::sperren()
{
    if (!TaskleisteHwnd) {
        HWND taskleiste = FindWindowA("Shell_traywnd", nullptr);
        if (taskleiste && IsWindowVisible(taskleiste)) {
            SetWindowPos(taskleiste, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | kOhneBewegung);
            TaskleisteHwnd = taskleiste;
        }
    }
    // Toggling a view that someone else hid would show it, so only a visible one is hidden.
    HWND view = desktopView(true);
    if (!DesktopVersteckt && view && IsWindowVisible(view)) {
        ToggleDesktopIcons(true);
        DesktopVersteckt = true;
    }
}

void Win32Kiosk::freigeben()
{
    if (TaskleisteHwnd) {
        SetWindowPos(TaskleisteHwnd, nullptr, 0, 0, 0, 0, SWP_SHOWWINDOW | kOhneBewegung);
        TaskleisteHwnd = nullptr;
    }
    if (DesktopVersteckt) {
        ToggleDesktopIcons(true);
        DesktopVersteckt = false;
    }
}
