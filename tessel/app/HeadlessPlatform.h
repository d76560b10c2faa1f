#pragma once
// HeadlessPlatform: the application shell without a window, for bots,
// benchmarks and tests. Its "window" only remembers its placement; messages
// are whatever was posted to it; message boxes are only counted (the shell logs them); the clock is
// the system clock unless another one is given.

#include <deque>

#include "tessel/app/AppPlatform.h"

namespace Tessel {

class HeadlessPlatform : public AppPlatform {
public:
  explicit HeadlessPlatform(Clock* clock = nullptr) : TheClock(clock ? clock : &System) {}

  Clock& GetClock() override { return *TheClock; }
  DisplayMode GetDesktopMode() override { return Desktop; }
  String CreateMainWindow(const WindowPlacement& placement, GameAppBase& app) override;
  void DestroyMainWindow() override { HasWindow = false; }
  void* GetWindowHandle() override { return HasWindow ? this : nullptr; }
  void PumpMessages(GameAppBase& app) override;
  void GetKeyboardState(uint8_t* state) override;
  ClientRect GetClientRect() override;
  void GetCursorPosition(int& x, int& y) override;
  void ShowSystemCursor(bool visible) override { IsCursorVisible = visible; }
  void SetMouseCapture(bool captured) override { IsMouseCaptured = captured; }
  void ShowMessageBox(const String& text, const String& caption, bool isError) override;

  // Queued for the next PumpMessages.
  void Post(const WindowMessage& message) { Queue.push_back(message); }

  DisplayMode Desktop{32, 1024, 768};
  bool HasWindow = false;
  WindowPlacement Placement;
  int CursorX = 0, CursorY = 0;
  bool IsCursorVisible = true;
  bool IsMouseCaptured = false;
  uint8_t KeyboardState[256] = {};
  int MessageBoxCount = 0;

private:
  SystemClock System;
  Clock* TheClock;
  std::deque<WindowMessage> Queue;
};

}  // namespace Tessel
