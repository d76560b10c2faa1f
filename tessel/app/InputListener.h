#pragma once
// InputListener: how keyboard and mouse input reaches the framework (the
// widget manager is the listener). Keys are Windows virtual-key codes
// (VirtualKeys.h), characters 16-bit code units, positions frame pixels as
// signed 16-bit values, buttons 1 left, 2 right, 3 middle, the wheel in
// notches.

namespace Tessel {

class InputListener {
public:
  virtual ~InputListener() = default;
  virtual void OnChar(int code) {}
  virtual void OnKeyDown(int virtualKey) {}
  virtual void OnKeyUp(int virtualKey) {}
  virtual void OnMouseMove(int x, int y) {}
  virtual void OnMouseDown(int x, int y, int button) {}
  virtual void OnMouseUp(int x, int y, int button) {}
  virtual void OnMouseWheel(int notches) {}
};

}  // namespace Tessel
