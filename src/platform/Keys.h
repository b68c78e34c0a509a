// Keys as the program sees them: the Windows virtual-key codes and the shift
// mask (1 Shift, 2 Ctrl, 4 Alt).
#pragma once

#include <Qt>

class QKeyEvent;

namespace tessaro {

namespace vk {
inline constexpr int Back = 8, Tab = 9, Return = 13, Escape = 27, Space = 32;
inline constexpr int Left = 37, Up = 38, Right = 39, Down = 40;
inline constexpr int Zero = 48, A = 65, Z = 90;
inline constexpr int OemPlus = 187, OemMinus = 189;
}  // namespace vk

namespace shiftmask {
inline constexpr int Shift = 1, Ctrl = 2, Alt = 4;
}

// The virtual-key code of a Qt key event (0 when it has none we know).
int codiceTasto(const QKeyEvent& e);
// The shift mask of a Qt key event.
int statoShift(const QKeyEvent& e);
int statoShift(Qt::KeyboardModifiers m);

}  // namespace tessaro
