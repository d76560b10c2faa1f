#include "tessel/platform/sdl/SdlPlatform.h"

#include <cstring>

#include "tessel/app/GameAppBase.h"
#include "tessel/app/VirtualKeys.h"

namespace Tessel {

SdlPlatform::SdlPlatform() = default;

SdlPlatform::~SdlPlatform() {
  DestroyMainWindow();
  Shutdown();
}

bool SdlPlatform::InitVideo() {
  if (!VideoInitialized) VideoInitialized = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
  return VideoInitialized;
}

DisplayMode SdlPlatform::GetDesktopMode() {
  DisplayMode mode{32, 1024, 768};
  SDL_DisplayMode desktop;
  if (InitVideo() && SDL_GetDesktopDisplayMode(0, &desktop) == 0) {
    mode.Width = desktop.w;
    mode.Height = desktop.h;
    mode.ColorDepth = SDL_BITSPERPIXEL(desktop.format) == 24 ? 32 : static_cast<int>(SDL_BITSPERPIXEL(desktop.format));
  }
  return mode;
}

String SdlPlatform::Initialize() {
  if (!InitVideo()) return String("SDL_Init() failed: ") + SDL_GetError();
  return String();
}

void SdlPlatform::Shutdown() {
  if (VideoInitialized) SDL_QuitSubSystem(SDL_INIT_VIDEO);
  VideoInitialized = false;
}

String SdlPlatform::CreateMainWindow(const WindowPlacement& placement, GameAppBase& app) {
  DestroyMainWindow();
  if (!InitVideo()) return String("SDL_Init() failed: ") + SDL_GetError();
  App = &app;
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
  uint32_t flags = SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
  if (placement.FullScreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
  std::string title = ToUtf8(placement.Title);
  Window = SDL_CreateWindow(title.c_str(), placement.FullScreen ? 0 : placement.X, placement.FullScreen ? 0 : placement.Y,
                            placement.Width, placement.Height, flags);
  if (!Window) return String("SDL_CreateWindow() failed: ") + SDL_GetError();
  SDL_SetWindowMinimumSize(Window, 320, 240);
  UpdateGeometry();
  return String();
}

void SdlPlatform::DestroyMainWindow() {
  if (Window) SDL_DestroyWindow(Window);
  Window = nullptr;
}

void SdlPlatform::UpdateGeometry() {
  if (!Window || !App) return;
  int w = 0, h = 0;
  SDL_GetWindowSize(Window, &w, &h);
  Translator.SetGeometry(App->Width > 0 ? App->Width : 640, App->Height > 0 ? App->Height : 480, w, h);
}

void SdlPlatform::PumpMessages(GameAppBase& app) {
  App = &app;
  UpdateGeometry();
  SDL_Event event;
  std::vector<WindowMessage> messages;
  while (SDL_PollEvent(&event)) {
    if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) UpdateGeometry();
    messages.clear();
    Translator.Translate(event, messages);
    for (const WindowMessage& m : messages) app.DispatchWindowMessage(m);
  }
}

void SdlPlatform::GetKeyboardState(uint8_t* state) {
  std::memset(state, 0, 256);
  int count = 0;
  const uint8_t* keys = SDL_GetKeyboardState(&count);
  for (int scancode = 0; scancode < count; ++scancode) {
    if (!keys[scancode]) continue;
    int key = VirtualKeyFromScancode(scancode), sided = SidedVirtualKeyFromScancode(scancode);
    if (key) state[key] = 0x80;
    if (sided) state[sided] = 0x80;
  }
}

ClientRect SdlPlatform::GetClientRect() {
  ClientRect rect;
  if (!Window) return rect;
  SDL_GetWindowPosition(Window, &rect.X, &rect.Y);
  // The game lives in frame pixels whatever the window's size.
  rect.Width = App ? App->Width : 0;
  rect.Height = App ? App->Height : 0;
  return rect;
}

void SdlPlatform::GetCursorPosition(int& x, int& y) {
  int gx = 0, gy = 0, wx = 0, wy = 0;
  SDL_GetGlobalMouseState(&gx, &gy);
  if (Window) SDL_GetWindowPosition(Window, &wx, &wy);
  Translator.ToFrame(gx - wx, gy - wy, x, y);
}

void SdlPlatform::ShowSystemCursor(bool visible) { SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE); }

void SdlPlatform::SetMouseCapture(bool captured) { SDL_CaptureMouse(captured ? SDL_TRUE : SDL_FALSE); }

void SdlPlatform::ShowMessageBox(const String& text, const String& caption, bool isError) {
  // Without a display there is nobody to show it to; the log has the text.
  SDL_ShowSimpleMessageBox(isError ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION, caption.CStr(), text.CStr(),
                           Window);
}

}  // namespace Tessel
