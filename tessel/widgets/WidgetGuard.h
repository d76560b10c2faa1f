#pragma once
// WidgetGuard: tells whether a widget still exists after a handler ran.
//
// A click handler may delete the very button that called it (a dialog that
// closes and is deleted at once); the button must not touch itself after
// that. Guards are registered in the widget, and the widget's destruction
// clears them, so checking one is a pointer test.

#include "tessel/widgets/WidgetContainer.h"

namespace Tessel {

class WidgetGuard {
public:
  explicit WidgetGuard(WidgetContainer* target);
  ~WidgetGuard();
  WidgetGuard(const WidgetGuard&) = delete;
  WidgetGuard& operator=(const WidgetGuard&) = delete;

  bool IsAlive() const { return Target != nullptr; }
  explicit operator bool() const { return IsAlive(); }

private:
  friend class WidgetContainer;
  WidgetContainer* Target;
  WidgetGuard* Next = nullptr;
};

}  // namespace Tessel
