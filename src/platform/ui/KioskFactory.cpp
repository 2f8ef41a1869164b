#include "platform/ui/KioskFactory.h"

#ifdef Q_OS_WIN
#include "platform/win32/Win32Kiosk.h"
#else
#include "platform/ui/QtKiosk.h"
#endif

std::unique_ptr<Kiosk> KioskFactory::create([[maybe_unused]] QWidget* fenster)
{
#ifdef Q_OS_WIN
    return std::make_unique<Win32Kiosk>();
#else
    return std::make_unique<QtKiosk>(fenster);
#endif
}
