#include "tessel/widgets/WidgetGuard.h"

namespace Tessel {

// Out of line: guards live on the stack, and a compiler that sees the list
// link to a local variable inlined would warn of a pointer that in fact is
// unlinked again before the variable goes.
WidgetGuard::WidgetGuard(WidgetContainer* target) : Target(target) {
  if (!Target) return;
  Next = Target->Guards;
  Target->Guards = this;
}

WidgetGuard::~WidgetGuard() {
  if (!Target) return;
  for (WidgetGuard** link = &Target->Guards; *link; link = &(*link)->Next)
    if (*link == this) {
      *link = Next;
      break;
    }
}

}  // namespace Tessel
