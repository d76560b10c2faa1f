#pragma once
// Writes every input call as one line ("down 65", "mouse down 10,20 1").

#include <string>
#include <vector>

#include "tessel/app/InputListener.h"

namespace Testing {

class RecordingInputListener : public Tessel::InputListener {
public:
  void OnChar(int code) override { Calls.push_back("char " + std::to_string(code)); }
  void OnKeyDown(int key) override { Calls.push_back("down " + std::to_string(key)); }
  void OnKeyUp(int key) override { Calls.push_back("up " + std::to_string(key)); }
  void OnMouseMove(int x, int y) override { Calls.push_back("move " + Xy(x, y)); }
  void OnMouseDown(int x, int y, int b) override { Calls.push_back("mouse down " + Xy(x, y) + " " + std::to_string(b)); }
  void OnMouseUp(int x, int y, int b) override { Calls.push_back("mouse up " + Xy(x, y) + " " + std::to_string(b)); }
  void OnMouseWheel(int notches) override { Calls.push_back("wheel " + std::to_string(notches)); }

  std::vector<std::string> Calls;

private:
  static std::string Xy(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
};

}  // namespace Testing
