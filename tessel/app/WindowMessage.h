#pragma once
// The window's messages as the application shell handles them. The platform
// layer translates its own events into these (keys as virtual-key codes,
// positions in frame pixels), so the shell's rules for each message are the
// same on every platform and can be tested without a window.

#include <cstdint>

namespace Tessel {

enum WindowMessageKind {
  MSG_Size,          // Param: SIZE_*
  MSG_Move,
  MSG_Paint,
  MSG_Close,
  MSG_ActivateApp,   // Param: 1 active, 0 another application is active
  MSG_KeyDown,       // Param: virtual key
  MSG_KeyUp,
  MSG_Char,          // Param: 16-bit code unit
  MSG_SysKeyDown,    // a key pressed with Alt held (and F10)
  MSG_SysKeyUp,
  MSG_MouseMove,     // X, Y
  MSG_ButtonDown,    // X, Y, Param: 1 left, 2 right, 3 middle
  MSG_ButtonUp,
  MSG_MouseWheel,    // Param: signed distance, 120 a notch
};

enum SizeKind { SIZE_Restored = 0, SIZE_Minimized = 1, SIZE_Maximized = 2 };

struct WindowMessage {
  WindowMessageKind Kind;
  int Param = 0;
  int X = 0, Y = 0;
};

}  // namespace Tessel
