#pragma once
// SliderListener: hears a slider's value change while it is dragged and the
// drag end (the options screen applies a volume on release).

namespace Corvanta {

class Slider;

class SliderListener {
public:
  virtual ~SliderListener() = default;
  virtual void OnSliderChanged(Slider* slider) {}
  virtual void OnSliderReleased(Slider* slider) {}
};

}  // namespace Corvanta
