#pragma once
// WidgetManager: the root of the widget tree and the application's input
// listener. The application creates one at start-up, updates it every frame
// and draws it between the device's BeginFrame and EndFrame.
//
// It decides which widget is under the mouse (hovered), which one takes the
// keys (focused) and which one gets the mouse whatever lies under it
// (captured). Mouse moves are only stored when they arrive and processed
// once per frame in the update, so a frame sees one consistent hover; button
// presses are delivered at once to the widget hovered at the last update.
//
// Widgets are deleted through the delete list at the end of the manager's
// update, after the mouse has been processed, so a handler can delete the
// widget that is calling it. The manager never keeps a pointer to a widget
// that has gone: a widget that is removed, hidden, disabled or deleted is
// forgotten first.
//
// Tutorials restrict the mouse with the input filter: while it is on, only
// the allowed buttons reach only the widgets whose input mask meets the
// filter's mask (and filter-exempt widgets, which receive every button).

#include <cstdint>
#include <vector>

#include "tessel/Geometry.h"
#include "tessel/app/InputListener.h"
#include "tessel/graphics/Canvas.h"
#include "tessel/widgets/Widget.h"

namespace Tessel {

class GameAppBase;
class Sound;

class WidgetManager : public WidgetContainer, public InputListener {
  TESSEL_DECLARE_CLASS(WidgetManager)
public:
  // Registers itself as an input listener of the application (which may be
  // null: a manager of its own, for tests and tools).
  explicit WidgetManager(GameAppBase* app);
  ~WidgetManager() override;

  using WidgetContainer::Draw;
  // The frame: the tree from the identity transform, the software cursor on
  // top, and whatever is still batched handed to the device.
  virtual void Draw();
  virtual void SetSize(float width, float height);

  // Deleted at the end of the next update; a widget queued twice is deleted once.
  virtual void DeleteLater(Widget* widget);
  // Null clears the focus. Only attached widgets take it.
  virtual void SetFocus(Widget* widget);
  // Null releases the capture; the widget under the mouse is hovered again.
  virtual void SetCapture(Widget* widget);
  // Forgets the widget as hovered (it gets OnMouseLeave), focused (it gets
  // OnFocusLost) and captured.
  virtual void ReleaseWidget(Widget* widget);
  // ReleaseWidget for whichever of the hovered, focused and captured widgets
  // lie in the widget's subtree (the widget included).
  void ReleaseSubtree(Widget* widget);
  virtual void SetInputFilter(bool on, bool leftAllowed, bool rightAllowed, bool middleAllowed, uint32_t mask);
  bool IsInputFilterSet() const { return IsFilterOn; }
  // Whether a button press or release of that button may reach the widget.
  bool PassesInputFilter(const Widget* widget, int button) const;

  // Hover follows the mouse again after the tree changed under it.
  void ReevaluateHover();

  // The manager's part of the update: the mouse, then the delete list.
  void OnUpdate(float dt) override;

  // InputListener
  void OnChar(int code) override;
  void OnKeyDown(int virtualKey) override;
  void OnKeyUp(int virtualKey) override;
  void OnMouseMove(int x, int y) override;
  void OnMouseDown(int x, int y, int button) override;
  void OnMouseUp(int x, int y, int button) override;
  void OnMouseWheel(int notches) override;

  Widget* GetHoveredWidget() const { return Hovered; }
  Widget* GetFocusedWidget() const { return Focused; }
  Widget* GetCapturedWidget() const { return Captured; }
  // The latest position the application reported, in screen pixels.
  Point GetMousePosition() const { return Point{MouseX, MouseY}; }
  // Between a press and its release.
  bool IsMouseButtonDown(int button) const;
  int GetPendingDeleteCount() const { return static_cast<int>(DeleteList.size()); }
  Canvas& GetCanvas() { return TheCanvas; }
  // Through the application's audio, when it has one.
  void PlaySound(Sound* sound);

  GameAppBase* TheApp;
  // The software cursor image of the application is drawn while this is set.
  bool IsCursorShown = true;

private:
  friend class Widget;

  void UpdateHover(bool sendMove);
  void DeletePendingWidgets();
  // A widget that is being deleted: cleared from every pointer, no handlers.
  void ForgetWidget(Widget* widget);
  void ForgetPendingDelete(Widget* widget);
  void DrawCursor();

  Canvas TheCanvas;
  Widget* Hovered = nullptr;
  Widget* Focused = nullptr;
  Widget* Captured = nullptr;
  // The current position and the one the last update processed; outside the
  // screen until the mouse first moves.
  int MouseX = -1, MouseY = -1;
  int ProcessedX = -1, ProcessedY = -1;
  bool ButtonsDown[4] = {};
  std::vector<Widget*> DeleteList;
  bool IsFilterOn = false;
  bool FilterButtons[4] = {};
  uint32_t FilterMask = 0;
};

}  // namespace Tessel
