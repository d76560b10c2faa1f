#pragma once
// AppPlatform: everything the application shell asks of the operating system
// and its windowing layer: the clock, the desktop, one main window with its
// messages, cursor and capture, and message boxes. The SDL layer implements
// it for the real game; HeadlessPlatform runs without any window.

#include <cstdint>

#include "tessel/Strings.h"
#include "tessel/WideText.h"
#include "tessel/app/Clock.h"
#include "tessel/app/WindowMessage.h"

namespace Tessel {

class GameAppBase;

struct DisplayMode {
  int ColorDepth = 32;
  int Width = 0;
  int Height = 0;
};

struct WindowPlacement {
  int X = 0, Y = 0;
  int Width = 0, Height = 0;  // of the client area
  bool FullScreen = false;
  WideString Title;
};

struct ClientRect {
  int X = 0, Y = 0, Width = 0, Height = 0;
};

class AppPlatform {
public:
  virtual ~AppPlatform() = default;

  virtual Clock& GetClock() = 0;
  virtual DisplayMode GetDesktopMode() = 0;
  // Start-up before the first window; an error text when it fails.
  virtual String Initialize() { return String(); }
  virtual void Shutdown() {}
  virtual void SetFineTimerResolution(bool fine) {}

  // Creates the main window (an existing one is destroyed first); an error
  // text when it fails.
  virtual String CreateMainWindow(const WindowPlacement& placement, GameAppBase& app) = 0;
  virtual void DestroyMainWindow() = 0;
  virtual void* GetWindowHandle() = 0;  // null without a window
  // Delivers every waiting message through app.DispatchWindowMessage.
  virtual void PumpMessages(GameAppBase& app) = 0;
  // 256 bytes, one per virtual key, bit 7 set while the key is down.
  virtual void GetKeyboardState(uint8_t* state) = 0;
  virtual ClientRect GetClientRect() = 0;
  // The cursor in frame pixels relative to the client area.
  virtual void GetCursorPosition(int& x, int& y) = 0;
  virtual void ShowSystemCursor(bool visible) = 0;
  virtual void SetMouseCapture(bool captured) = 0;
  virtual void ShowMessageBox(const String& text, const String& caption, bool isError) = 0;
};

}  // namespace Tessel
