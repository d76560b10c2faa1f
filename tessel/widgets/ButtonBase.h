#pragma once
// ButtonBase: press, release and click with the left button, reported to a
// listener. A click is a press and a release on the button; leaving the
// button while pressed cancels the press (the listener hears the release but
// no click). Disabled buttons report presses as disabled clicks.

#include "tessel/widgets/ButtonListener.h"
#include "tessel/widgets/Widget.h"

namespace Tessel {

class ButtonBase : public Widget {
  TESSEL_DECLARE_CLASS(ButtonBase)
public:
  ButtonBase() = default;
  ButtonBase(int identifier, ButtonListener* listener) : Identifier(identifier), Listener(listener) {}

  virtual void OnClick();
  virtual void OnDisabledClick();

  void OnMouseDown(float x, float y, int button) override;
  void OnMouseUp(float x, float y, int button) override;
  void OnMouseLeave() override;

  bool IsPressed() const { return Pressed; }

  int Identifier = 0;
  ButtonListener* Listener = nullptr;

protected:
  bool Pressed = false;
};

}  // namespace Tessel
