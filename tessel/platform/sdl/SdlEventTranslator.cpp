#include "tessel/platform/sdl/SdlEventTranslator.h"

#include "tessel/app/VirtualKeys.h"

namespace Tessel {

static_assert(SDL_SCANCODE_A == 4 && SDL_SCANCODE_RETURN == 40 && SDL_SCANCODE_F1 == 58 && SDL_SCANCODE_LCTRL == 224,
              "SDL's scancodes are the USB HID usages the key table is written in");

void SdlEventTranslator::SetGeometry(int frameWidth, int frameHeight, int windowWidth, int windowHeight) {
  FrameWidth = frameWidth;
  FrameHeight = frameHeight;
  Viewport = FrameViewport::Fit(frameWidth, frameHeight, windowWidth, windowHeight);
}

void SdlEventTranslator::ToFrame(double windowX, double windowY, int& x, int& y) const {
  Viewport.ToFrame(FrameWidth, FrameHeight, windowX, windowY, x, y);
}

void AppendUtf16Units(const char* utf8, std::vector<int>& units) {
  const auto* s = reinterpret_cast<const unsigned char*>(utf8);
  while (*s) {
    uint32_t c = *s++;
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    if (c >= 0x80 && c < 0xC0) {
      units.push_back(0xFFFD);
      continue;
    }
    if (extra) c &= 0x3F >> extra;
    for (int i = 0; i < extra; ++i) {
      if ((*s & 0xC0) != 0x80) {
        c = 0xFFFD;
        break;
      }
      c = c << 6 | (*s++ & 0x3F);
    }
    if (c >= 0x10000 && c <= 0x10FFFF) {
      c -= 0x10000;
      units.push_back(static_cast<int>(0xD800 + (c >> 10)));
      units.push_back(static_cast<int>(0xDC00 + (c & 0x3FF)));
    } else {
      units.push_back(static_cast<int>(c > 0xFFFF ? 0xFFFD : c));
    }
  }
}

static int ButtonNumber(uint8_t button) {
  switch (button) {
    case SDL_BUTTON_LEFT: return 1;
    case SDL_BUTTON_RIGHT: return 2;
    case SDL_BUTTON_MIDDLE: return 3;
    default: return 0;
  }
}

void SdlEventTranslator::Translate(const SDL_Event& event, std::vector<WindowMessage>& out) const {
  switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      int key = VirtualKeyFromScancode(event.key.keysym.scancode);
      if (key == VK_None) return;
      bool down = event.type == SDL_KEYDOWN;
      bool system = (event.key.keysym.mod & KMOD_ALT) != 0 || key == VK_MENU || key == VK_F10;
      if (system) {
        out.push_back({down ? MSG_SysKeyDown : MSG_SysKeyUp, key});
        return;
      }
      out.push_back({down ? MSG_KeyDown : MSG_KeyUp, key});
      // The characters TranslateMessage makes of these keys; SDL's text input has none.
      if (down && (key == VK_BACK || key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE))
        out.push_back({MSG_Char, key == VK_RETURN ? '\r' : key});
      return;
    }
    case SDL_TEXTINPUT: {
      // Alt with a letter is a system key, not a character.
      if (SDL_GetModState() & KMOD_ALT) return;
      std::vector<int> units;
      AppendUtf16Units(event.text.text, units);
      for (int unit : units) out.push_back({MSG_Char, unit});
      return;
    }
    case SDL_MOUSEMOTION: {
      WindowMessage m{MSG_MouseMove};
      ToFrame(event.motion.x, event.motion.y, m.X, m.Y);
      out.push_back(m);
      return;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      int button = ButtonNumber(event.button.button);
      if (button == 0) return;
      WindowMessage m{event.type == SDL_MOUSEBUTTONDOWN ? MSG_ButtonDown : MSG_ButtonUp, button};
      ToFrame(event.button.x, event.button.y, m.X, m.Y);
      out.push_back(m);
      return;
    }
    case SDL_MOUSEWHEEL: {
      int notches = event.wheel.y;
      if (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) notches = -notches;
      if (notches != 0) out.push_back({MSG_MouseWheel, notches * 120});
      return;
    }
    case SDL_QUIT: out.push_back({MSG_Close}); return;
    case SDL_WINDOWEVENT:
      switch (event.window.event) {
        case SDL_WINDOWEVENT_EXPOSED: out.push_back({MSG_Paint}); return;
        case SDL_WINDOWEVENT_MOVED: out.push_back({MSG_Move}); return;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
        case SDL_WINDOWEVENT_RESTORED: out.push_back({MSG_Size, SIZE_Restored}); return;
        case SDL_WINDOWEVENT_MINIMIZED: out.push_back({MSG_Size, SIZE_Minimized}); return;
        case SDL_WINDOWEVENT_MAXIMIZED: out.push_back({MSG_Size, SIZE_Maximized}); return;
        case SDL_WINDOWEVENT_FOCUS_GAINED: out.push_back({MSG_ActivateApp, 1}); return;
        case SDL_WINDOWEVENT_FOCUS_LOST: out.push_back({MSG_ActivateApp, 0}); return;
        case SDL_WINDOWEVENT_CLOSE: out.push_back({MSG_Close}); return;
        default: return;
      }
    default: return;
  }
}

}  // namespace Tessel
