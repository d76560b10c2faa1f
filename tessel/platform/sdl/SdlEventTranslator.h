#pragma once
// SdlEventTranslator: turns SDL's events into the window messages a Windows
// window would have received, which is what the application shell's rules
// are written for. Keys become virtual-key codes, a key pressed with Alt
// held (and F10) a system key, text input one character message per 16-bit
// unit plus the control characters Windows sends for Back, Tab, Return and
// Escape, window positions frame pixels through the letterbox, the wheel 120
// per notch.

#include <SDL.h>

#include <vector>

#include "tessel/app/WindowMessage.h"
#include "tessel/graphics/FrameViewport.h"

namespace Tessel {

class SdlEventTranslator {
public:
  // The frame's size and the window's (in window coordinates) for mapping
  // mouse positions.
  void SetGeometry(int frameWidth, int frameHeight, int windowWidth, int windowHeight);
  void Translate(const SDL_Event& event, std::vector<WindowMessage>& out) const;
  // A window position in frame pixels.
  void ToFrame(double windowX, double windowY, int& x, int& y) const;

private:
  int FrameWidth = 1024, FrameHeight = 768;
  FrameViewport Viewport = FrameViewport::Fit(1024, 768, 1024, 768);
};

// Appends the UTF-16 units of UTF-8 text (invalid bytes become U+FFFD).
void AppendUtf16Units(const char* utf8, std::vector<int>& units);

}  // namespace Tessel
