#include "platform/Keys.h"

#include <QKeyEvent>

namespace tessaro {

int statoShift(Qt::KeyboardModifiers m) {
  int s = 0;
  if (m & Qt::ShiftModifier) s |= shiftmask::Shift;
  if (m & Qt::ControlModifier) s |= shiftmask::Ctrl;
  if (m & Qt::AltModifier) s |= shiftmask::Alt;
  return s;
}

int statoShift(const QKeyEvent& e) { return statoShift(e.modifiers()); }

int codiceTasto(const QKeyEvent& e) {
  const int k = e.key();
  const bool tastierino = e.modifiers() & Qt::KeypadModifier;
  if (tastierino) {
    // The keypad's keys have codes of their own, so they are no shortcuts.
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return 96 + (k - Qt::Key_0);
    switch (k) {
      case Qt::Key_Plus: return 107;
      case Qt::Key_Minus: return 109;
      case Qt::Key_Asterisk: return 106;
      case Qt::Key_Slash: return 111;
      case Qt::Key_Enter: return vk::Return;
      default: break;
    }
  }
  if (k >= Qt::Key_A && k <= Qt::Key_Z) return vk::A + (k - Qt::Key_A);
  if (k >= Qt::Key_0 && k <= Qt::Key_9) return vk::Zero + (k - Qt::Key_0);
  switch (k) {
    case Qt::Key_Backspace: return vk::Back;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return vk::Tab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return vk::Return;
    case Qt::Key_Space: return vk::Space;
    case Qt::Key_Escape: return vk::Escape;
    case Qt::Key_Left: return vk::Left;
    case Qt::Key_Up: return vk::Up;
    case Qt::Key_Right: return vk::Right;
    case Qt::Key_Down: return vk::Down;
    case Qt::Key_Plus:
    case Qt::Key_Equal: return vk::OemPlus;
    case Qt::Key_Minus: return vk::OemMinus;
    default: return 0;
  }
}

}  // namespace tessaro
