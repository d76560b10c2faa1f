#include "tessel/widgets/Widget.h"

#include "tessel/widgets/WidgetManager.h"

namespace Tessel {

TESSEL_IMPLEMENT_CLASS(Widget, WidgetContainer);

// Deleting a widget that is still in the tree is safe: it leaves its parent
// and the manager forgets it. It gets no handlers any more (it is half gone);
// its children are deleted after it by the container's destructor.
Widget::~Widget() {
  if (PendingDeleteBy) PendingDeleteBy->ForgetPendingDelete(this);
  if (Parent) Parent->UnlinkChild(this);
  if (Manager) Manager->ForgetWidget(this);
}

void Widget::SetRect(float x, float y, float width, float height) {
  X = x;
  Y = y;
  Width = width;
  Height = height;
  if (Visible && IsHitTestable && Manager) Manager->ReevaluateHover();
}

void Widget::SetVisible(bool visible) {
  if (visible == Visible) return;
  Visible = visible;
  if (!Manager) return;
  // A hidden screen takes its hovered button and focused text box with it.
  if (!visible) Manager->ReleaseSubtree(this);
  Manager->ReevaluateHover();
}

void Widget::SetDisabled(bool disabled) {
  if (disabled == Disabled) return;
  Disabled = disabled;
  if (!Manager) return;
  if (disabled)
    Manager->ReleaseWidget(this);
  else
    Manager->ReevaluateHover();
}

Vector2 Widget::GetScreenPosition() const {
  Vector2 position{X, Y};
  for (const WidgetContainer* ancestor = Parent; ancestor; ancestor = ancestor->GetParent()) {
    position.X += ancestor->X;
    position.Y += ancestor->Y;
  }
  return position;
}

Vector2 Widget::ScreenToLocal(float x, float y) const {
  Vector2 origin = GetScreenPosition();
  return Vector2{x - origin.X, y - origin.Y};
}

Vector2 Widget::LocalToScreen(float x, float y) const {
  Vector2 origin = GetScreenPosition();
  return Vector2{x + origin.X, y + origin.Y};
}

}  // namespace Tessel
