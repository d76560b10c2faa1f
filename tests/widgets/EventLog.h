#pragma once
// Widgets for tests that write every handler call into one shared log, as
// "<name> <event>" lines ("a enter", "b down 5,5 1"), so a test reads the
// order in which the manager called them.

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "tessel/widgets/Widget.h"

namespace Testing {

using EventLines = std::vector<std::string>;

inline std::string Xy(float x, float y) {
  return std::to_string(static_cast<int>(std::lround(x))) + "," + std::to_string(static_cast<int>(std::lround(y)));
}

class LoggingWidget : public Tessel::Widget {
public:
  LoggingWidget(std::string name, EventLines& log, float x = 0, float y = 0, float width = 100, float height = 100)
      : Name(std::move(name)), Log(log) {
    X = x;
    Y = y;
    Width = width;
    Height = height;
  }

  void OnAttach() override { Write("attach"); }
  void OnDetach() override { Write("detach"); }
  void OnFocusGained() override { Write("focus"); }
  void OnFocusLost() override { Write("blur"); }
  void OnChar(int code) override { Write("char " + std::to_string(code)); }
  void OnKeyDown(int key) override { Write("keydown " + std::to_string(key)); }
  void OnKeyUp(int key) override { Write("keyup " + std::to_string(key)); }
  void OnMouseEnter() override { Write("enter"); }
  void OnMouseLeave() override { Write("leave"); }
  void OnMouseMove(float x, float y) override { Write("move " + Xy(x, y)); }
  void OnMouseDown(float x, float y, int button) override {
    Write("down " + Xy(x, y) + " " + std::to_string(button));
    if (OnDown) OnDown();
  }
  void OnMouseUp(float x, float y, int button) override {
    Write("up " + Xy(x, y) + " " + std::to_string(button));
    if (OnUp) OnUp();
  }
  void OnMouseWheel(int notches) override { Write("wheel " + std::to_string(notches)); }
  void OnUpdate(float dt) override {
    if (LogsUpdates) Write("update");
    if (OnUpdateCalled) OnUpdateCalled();
  }

  // What a test wants the widget to do from inside a handler.
  std::function<void()> OnDown, OnUp, OnUpdateCalled;
  std::string Name;
  bool LogsUpdates = false;

private:
  void Write(const std::string& event) { Log.push_back(Name + " " + event); }
  EventLines& Log;
};

// Lines of the log that mention the name, without it.
inline EventLines EventsOf(const EventLines& log, const std::string& name) {
  EventLines out;
  for (const std::string& line : log)
    if (line.compare(0, name.size() + 1, name + " ") == 0) out.push_back(line.substr(name.size() + 1));
  return out;
}

}  // namespace Testing
