#include "game/ui/Slider.h"

#include <algorithm>
#include <cmath>

#include "game/ui/ControlResources.h"
#include "tessel/graphics/Canvas.h"
#include "tessel/graphics/GraphicsDevice.h"
#include "tessel/widgets/WidgetGuard.h"
#include "tessel/widgets/WidgetManager.h"

using namespace Tessel;

namespace Corvanta {

Slider::Slider(SliderListener* listener) : Listener(listener) { SetSize(185, 47); }

float Slider::GetValue() const { return std::clamp(Value, 0.0f, 1.0f); }

void Slider::FollowMouse(float x) {
  Value = (x - BarLeft) / BarLength;
  if (Listener) Listener->OnSliderChanged(this);
}

// A disabled slider is drawn grey without its pin: it takes no drags either.
void Slider::OnMouseDown(float x, float y, int button) {
  if (button != 1 || IsDisabled() || !GetManager()) return;
  GetManager()->SetCapture(this);
  if (IsCaptured()) FollowMouse(x);
}

void Slider::OnMouseMove(float x, float y) {
  if (IsCaptured()) FollowMouse(x);
}

void Slider::OnMouseUp(float x, float y, int button) {
  if (button != 1 || !IsCaptured()) return;
  WidgetGuard alive(this);
  GetManager()->SetCapture(nullptr);
  if (alive && Listener) Listener->OnSliderReleased(this);
}

void Slider::OnDraw(Canvas& canvas) {
  uint32_t white = static_cast<uint32_t>(std::lround(std::clamp(Alpha, 0.0f, 1.0f) * 255)) << 24 | 0xFFFFFF;
  canvas.PushState();
  if (IsDisabled()) canvas.SetColorMode(COLOR_Grey);
  if (Bitmap* bar = TheControlResources.SliderBar) {
    canvas.DrawImage(bar, white, 0, 17);
  } else {
    canvas.DrawImage(RectF{}, RectF{BarLeft, 21, BarLength, 5}, nullptr, white & 0xFF8A5A2B);
  }
  canvas.PopState();
  if (IsDisabled()) return;
  float pinX = std::round(GetValue() * BarLength);
  Bitmap* pin =
      IsCaptured() || IsHovered() ? TheControlResources.SliderPinActive : TheControlResources.SliderPinInactive;
  if (pin) {
    canvas.DrawImage(pin, white, pinX, 0);
  } else {
    uint32_t color = IsCaptured() || IsHovered() ? 0xFFE0B050 : 0xFFC99A3C;
    canvas.DrawImage(RectF{}, RectF{pinX + BarLeft - 6, 12, 12, 24}, nullptr, white & color);
  }
}

}  // namespace Corvanta
