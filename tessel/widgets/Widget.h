#pragma once
// Widget: a container with a rectangle, visibility, a disabled state, focus
// and the input handlers. Every screen, dialog, HUD element and map object on
// screen is one.
//
// The manager decides who is hovered, focused and captured and sets those
// flags; a widget only says whether it can take the focus (IsFocusable) and
// whether the mouse stops at it (IsHitTestable). Mouse coordinates handed to
// the handlers are local to the widget; buttons are 1 left, 2 right, 3
// middle; the wheel comes in notches.

#include <cstdint>

#include "tessel/Geometry.h"
#include "tessel/widgets/WidgetContainer.h"

namespace Tessel {

class Widget : public WidgetContainer {
  TESSEL_DECLARE_CLASS(Widget)
public:
  Widget() = default;
  ~Widget() override;

  // Every change of the rectangle comes here (the other forms call it).
  virtual void SetRect(float x, float y, float width, float height);
  void SetRect(const RectF& rect) { SetRect(rect.X, rect.Y, rect.Width, rect.Height); }
  void SetPosition(float x, float y) { SetRect(x, y, Width, Height); }
  void SetSize(float width, float height) { SetRect(X, Y, width, height); }
  // Hiding releases hover, focus and capture; showing re-evaluates the hover.
  virtual void SetVisible(bool visible);
  // Disabling releases hover, focus and capture; enabling re-evaluates the hover.
  virtual void SetDisabled(bool disabled);

  virtual void OnAttach() {}
  virtual void OnDetach() {}
  virtual void OnFocusGained() {}
  virtual void OnFocusLost() {}
  virtual void OnChar(int code) {}
  virtual void OnKeyDown(int virtualKey) {}
  virtual void OnKeyUp(int virtualKey) {}
  virtual void OnMouseEnter() {}
  virtual void OnMouseLeave() {}
  virtual void OnMouseMove(float x, float y) {}
  virtual void OnMouseDown(float x, float y, int button) {}
  virtual void OnMouseUp(float x, float y, int button) {}
  virtual void OnMouseWheel(int notches) {}

  bool IsVisible() const { return Visible; }
  bool IsDisabled() const { return Disabled; }
  bool IsHovered() const { return Hovered; }
  bool IsFocused() const { return Focused; }
  bool IsCaptured() const { return Captured; }
  RectF GetRect() const { return RectF{X, Y, Width, Height}; }
  Widget* GetPreviousSibling() const { return PreviousSibling; }
  Widget* GetNextSibling() const { return NextSibling; }

  // The position of the widget's origin on the screen (its own position plus
  // those of its ancestors).
  Vector2 GetScreenPosition() const;
  Vector2 ScreenToLocal(float x, float y) const;
  Vector2 LocalToScreen(float x, float y) const;

  // False lets the mouse fall through to what lies below (children are
  // still tested).
  bool IsHitTestable = true;
  // A left press gives it the keyboard focus.
  bool IsFocusable = false;
  int SortKey = 0;
  // Tutorials let through only the widgets whose mask meets the filter's.
  uint32_t InputMask = 0;
  // Receives mouse buttons even while the input filter is on; so does every
  // widget inside it (a modal dialog's buttons).
  bool IsFilterExempt = false;
  // False for a widget that is only shown in a container and owned elsewhere:
  // the container neither deletes it with itself nor hands it to the delete
  // list.
  bool IsOwnedByParent = true;

private:
  friend class WidgetContainer;
  friend class WidgetManager;

  bool Visible = true;
  bool Disabled = false;
  bool Hovered = false;
  bool Focused = false;
  bool Captured = false;
  Widget* PreviousSibling = nullptr;
  Widget* NextSibling = nullptr;
  // The manager whose delete list holds the widget.
  WidgetManager* PendingDeleteBy = nullptr;
};

}  // namespace Tessel
