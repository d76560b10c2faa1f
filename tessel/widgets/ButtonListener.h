#pragma once
// ButtonListener: how screens, dialogs and the HUD hear their buttons. The
// identifier is the one the button was given, so one listener serves many
// buttons.

namespace Tessel {

class ButtonListener {
public:
  virtual ~ButtonListener() = default;
  virtual void OnButtonClick(int identifier) {}
  // A press on a disabled (or locked) button.
  virtual void OnButtonDisabledClick(int identifier) {}
  virtual void OnButtonPress(int identifier) {}
  // After the click, or when a press is cancelled by leaving the button.
  virtual void OnButtonRelease(int identifier) {}
};

}  // namespace Tessel
