#include "game/ui/CheckBox.h"

#include <algorithm>
#include <cmath>

#include "game/ui/ControlResources.h"
#include "tessel/graphics/Canvas.h"
#include "tessel/widgets/WidgetGuard.h"

using namespace Tessel;

namespace Corvanta {

CheckBox::CheckBox(int identifier, ButtonListener* listener) : Button(identifier, listener) {
  Bitmap* image = TheControlResources.CheckBoxNormal;
  SetSize(image ? static_cast<float>(image->GetWidth()) : 32, image ? static_cast<float>(image->GetHeight()) : 40);
  SetCaptionRect(RectF{1, 9, 30, 30}, true);
}

void CheckBox::OnClick() {
  if (IsLocked()) return;
  SetHeldDown(!IsHeldDown());
  WidgetGuard alive(this);
  if (Listener) Listener->OnButtonClick(Identifier);
  if (alive) HideToolTip();
}

void CheckBox::OnDraw(Canvas& canvas) {
  uint32_t white = static_cast<uint32_t>(std::lround(std::clamp(Alpha, 0.0f, 1.0f) * 255)) << 24 | 0xFFFFFF;
  Bitmap* image = IsChecked() ? TheControlResources.CheckBoxChecked : TheControlResources.CheckBoxNormal;
  if (image) {
    canvas.DrawImage(image, white, 0, 0);
    return;
  }
  // Without the pictures: a paper box, ticked with a dark square.
  canvas.DrawImage(RectF{}, RectF{1, 9, 30, 30}, nullptr, white & 0xFFF6EBD0);
  canvas.DrawRect(RectF{1, 9, 30, 30}, white & 0xFF8A5A2B);
  if (IsChecked()) canvas.DrawImage(RectF{}, RectF{8, 16, 16, 16}, nullptr, white & 0xFF3B2A1A);
}

}  // namespace Corvanta
