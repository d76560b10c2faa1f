#include "tessel/app/HeadlessPlatform.h"

#include <cstring>

#include "tessel/app/GameAppBase.h"

namespace Tessel {

String HeadlessPlatform::CreateMainWindow(const WindowPlacement& placement, GameAppBase& app) {
  Placement = placement;
  HasWindow = true;
  return String();
}

void HeadlessPlatform::PumpMessages(GameAppBase& app) {
  while (!Queue.empty()) {
    WindowMessage message = Queue.front();
    Queue.pop_front();
    app.DispatchWindowMessage(message);
  }
}

void HeadlessPlatform::GetKeyboardState(uint8_t* state) { std::memcpy(state, KeyboardState, 256); }

ClientRect HeadlessPlatform::GetClientRect() {
  return HasWindow ? ClientRect{Placement.X, Placement.Y, Placement.Width, Placement.Height} : ClientRect{};
}

void HeadlessPlatform::GetCursorPosition(int& x, int& y) {
  x = CursorX;
  y = CursorY;
}

void HeadlessPlatform::ShowMessageBox(const String& text, const String& caption, bool isError) {
  ++MessageBoxCount;  // the shell has logged it; there is nobody to show it to
}

}  // namespace Tessel
