#include "tessel/widgets/ButtonBase.h"

#include "tessel/widgets/WidgetGuard.h"

namespace Tessel {

TESSEL_IMPLEMENT_CLASS(ButtonBase, Widget);

void ButtonBase::OnClick() {
  if (Listener) Listener->OnButtonClick(Identifier);
}

void ButtonBase::OnDisabledClick() {
  if (Listener) Listener->OnButtonDisabledClick(Identifier);
}

void ButtonBase::OnMouseDown(float x, float y, int button) {
  if (button != 1) return;
  if (IsDisabled()) {
    OnDisabledClick();
    return;
  }
  Pressed = true;
  if (Listener) Listener->OnButtonPress(Identifier);
}

void ButtonBase::OnMouseUp(float x, float y, int button) {
  if (button != 1 || !Pressed) return;
  Pressed = false;
  if (IsDisabled()) return;
  // The click may close the screen and delete the button (and the listener)
  // with it: then nothing is left to report the release to.
  WidgetGuard alive(this);
  OnClick();
  if (alive && Listener) Listener->OnButtonRelease(Identifier);
}

void ButtonBase::OnMouseLeave() {
  if (!Pressed) return;
  Pressed = false;
  if (!IsDisabled() && Listener) Listener->OnButtonRelease(Identifier);
}

}  // namespace Tessel
