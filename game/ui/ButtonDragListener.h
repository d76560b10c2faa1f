#pragma once
// ButtonDragListener: hears a button being dragged with the left button held
// (a building picture pulled out of the HUD onto the map).

namespace Corvanta {

class ButtonDragListener {
public:
  virtual ~ButtonDragListener() = default;
  // How far the mouse has moved since the press, in pixels.
  virtual void OnButtonDrag(int identifier, float dx, float dy) = 0;
};

}  // namespace Corvanta
