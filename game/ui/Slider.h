#pragma once
// Slider: a pin on a bar (the options screen's volumes), 185 x 47 pixels.
// Pressing it captures the mouse, so the drag goes on wherever the mouse
// goes; the value follows the mouse from 0 at the bar's left end to 1 at its
// right end. The stored value may lie beyond the ends while the mouse does;
// reading it clamps it, and the pin is drawn at the end.

#include "game/ui/SliderListener.h"
#include "tessel/widgets/Widget.h"

namespace Corvanta {

class Slider : public Tessel::Widget {
public:
  static constexpr float BarLeft = 11;     // where value 0 lies
  static constexpr float BarLength = 163;  // from value 0 to value 1

  explicit Slider(SliderListener* listener = nullptr);

  float GetValue() const;
  float GetRawValue() const { return Value; }
  void SetValue(float value) { Value = value; }

  void OnMouseDown(float x, float y, int button) override;
  void OnMouseMove(float x, float y) override;
  void OnMouseUp(float x, float y, int button) override;
  void OnDraw(Tessel::Canvas& canvas) override;

  SliderListener* Listener;
  float Alpha = 1;

private:
  void FollowMouse(float x);

  float Value = 0;
};

}  // namespace Corvanta
