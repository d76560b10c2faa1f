#pragma once
// SdlPlatform: the application shell on SDL2. One SDL window with an OpenGL
// drawable (the graphics device makes its context); full screen is the
// desktop's own mode, and the window may be resized, with the frame scaled
// and letterboxed by the device and mouse positions mapped back.
//
// With no display SDL falls back to its offscreen driver, so the game and
// its render tests run headless too.

#include <SDL.h>

#include "tessel/app/AppPlatform.h"
#include "tessel/platform/sdl/SdlClock.h"
#include "tessel/platform/sdl/SdlEventTranslator.h"

namespace Tessel {

class SdlPlatform : public AppPlatform {
public:
  SdlPlatform();
  ~SdlPlatform() override;

  Clock& GetClock() override { return TheClock; }
  DisplayMode GetDesktopMode() override;
  String Initialize() override;
  void Shutdown() override;
  String CreateMainWindow(const WindowPlacement& placement, GameAppBase& app) override;
  void DestroyMainWindow() override;
  void* GetWindowHandle() override { return Window; }
  void PumpMessages(GameAppBase& app) override;
  void GetKeyboardState(uint8_t* state) override;
  ClientRect GetClientRect() override;
  void GetCursorPosition(int& x, int& y) override;
  void ShowSystemCursor(bool visible) override;
  void SetMouseCapture(bool captured) override;
  void ShowMessageBox(const String& text, const String& caption, bool isError) override;

  SDL_Window* GetWindow() const { return Window; }
  const SdlEventTranslator& GetTranslator() const { return Translator; }

private:
  bool InitVideo();
  void UpdateGeometry();

  SdlClock TheClock;
  SdlEventTranslator Translator;
  SDL_Window* Window = nullptr;
  GameAppBase* App = nullptr;
  bool VideoInitialized = false;
};

}  // namespace Tessel
