#include "tessel/app/VirtualKeys.h"

namespace Tessel {

// USB HID keyboard usages (SDL_SCANCODE_* carry the same numbers).
int VirtualKeyFromScancode(int scancode) {
  if (scancode >= 4 && scancode <= 29) return VK_A + (scancode - 4);   // A..Z
  if (scancode >= 30 && scancode <= 38) return '1' + (scancode - 30);  // 1..9
  if (scancode == 39) return '0';
  if (scancode >= 58 && scancode <= 69) return VK_F1 + (scancode - 58);      // F1..F12
  if (scancode >= 104 && scancode <= 115) return VK_F1 + 12 + (scancode - 104);  // F13..F24
  if (scancode >= 89 && scancode <= 97) return VK_NUMPAD0 + 1 + (scancode - 89);  // keypad 1..9
  switch (scancode) {
    case 40: return VK_RETURN;
    case 41: return VK_ESCAPE;
    case 42: return VK_BACK;
    case 43: return VK_TAB;
    case 44: return VK_SPACE;
    case 45: return VK_OEM_MINUS;
    case 46: return VK_OEM_PLUS;
    case 47: return VK_OEM_4;
    case 48: return VK_OEM_6;
    case 49: return VK_OEM_5;
    case 50: return VK_OEM_5;  // non-US hash sits where backslash is
    case 51: return VK_OEM_1;
    case 52: return VK_OEM_7;
    case 53: return VK_OEM_3;
    case 54: return VK_OEM_COMMA;
    case 55: return VK_OEM_PERIOD;
    case 56: return VK_OEM_2;
    case 57: return VK_CAPITAL;
    case 70: return VK_SNAPSHOT;
    case 71: return VK_SCROLL;
    case 72: return VK_PAUSE;
    case 73: return VK_INSERT;
    case 74: return VK_HOME;
    case 75: return VK_PRIOR;
    case 76: return VK_DELETE;
    case 77: return VK_END;
    case 78: return VK_NEXT;
    case 79: return VK_RIGHT;
    case 80: return VK_LEFT;
    case 81: return VK_DOWN;
    case 82: return VK_UP;
    case 83: return VK_NUMLOCK;
    case 84: return VK_DIVIDE;
    case 85: return VK_MULTIPLY;
    case 86: return VK_SUBTRACT;
    case 87: return VK_ADD;
    case 88: return VK_RETURN;  // keypad Enter
    case 98: return VK_NUMPAD0;
    case 99: return VK_DECIMAL;
    case 100: return VK_OEM_102;
    case 101: return VK_APPS;
    case 224: case 228: return VK_CONTROL;
    case 225: case 229: return VK_SHIFT;
    case 226: case 230: return VK_MENU;
    case 227: return VK_LWIN;
    case 231: return VK_RWIN;
    default: return VK_None;
  }
}

int SidedVirtualKeyFromScancode(int scancode) {
  switch (scancode) {
    case 224: return VK_LCONTROL;
    case 225: return VK_LSHIFT;
    case 226: return VK_LMENU;
    case 228: return VK_RCONTROL;
    case 229: return VK_RSHIFT;
    case 230: return VK_RMENU;
    default: return VK_None;
  }
}

}  // namespace Tessel
