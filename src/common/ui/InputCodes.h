#pragma once

#include <Qt>

class QKeyEvent;

// Key and mouse events in the numbers the windows' handlers take: Windows
// virtual-key codes, Shift bits and button numbers.
namespace InputCodes {

constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;

// The Windows virtual-key code of the key; 0 for keys no window of the program asks about.
int virtualKeyCode(const QKeyEvent& event);
// 1 Shift, 2 Ctrl, 4 Alt.
int shiftBits(Qt::KeyboardModifiers modifiers);
// kLeftButton, kRightButton, kMiddleButton; 0 for any other.
int buttonNumber(Qt::MouseButton button);

} // namespace InputCodes
