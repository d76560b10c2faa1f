#pragma once
// CheckBox: a button whose held-down state is the tick. A click toggles it
// and then tells the listener; only the box itself (1, 9, 30 x 30) takes the
// mouse.

#include "game/ui/Button.h"

namespace Corvanta {

class CheckBox : public Button {
public:
  CheckBox(int identifier, Tessel::ButtonListener* listener);

  bool IsChecked() const { return IsHeldDown(); }
  void SetChecked(bool checked) { SetHeldDown(checked); }

  void OnClick() override;
  void OnDraw(Tessel::Canvas& canvas) override;
};

}  // namespace Corvanta
