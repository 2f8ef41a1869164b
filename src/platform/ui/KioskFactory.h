#pragma once

#include "platform/Kiosk.h"

#include <memory>

class QWidget;

class KioskFactory {
public:
    // The platform's way of blocking the desktop around the jukebox window.
    static std::unique_ptr<Kiosk> create(QWidget* fenster);
};
