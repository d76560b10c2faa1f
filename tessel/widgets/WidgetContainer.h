#pragma once
// WidgetContainer: a node of the widget tree. It holds its children in a
// doubly linked list in drawing order (first drawn first, the last one on
// top) with positions relative to itself, and it knows the manager it is
// attached to.
//
// Why a linked list with an update cursor: widgets remove themselves and
// their siblings while the tree is being updated (a dialog that has faded
// out, a building window that closes), so the update loop keeps the node it
// is at and moves on to its successor when that node is unlinked under it.
//
// Ownership: the children a container still holds when it is deleted are
// deleted with it, except those marked IsOwnedByParent = false (tool tips,
// which their buttons own and only show; dialogs, which their screens keep
// between showings). A child deletes cleanly at any time: it unlinks itself
// and the manager forgets it.

#include "tessel/Object.h"

namespace Tessel {

class Canvas;
class Widget;
class WidgetGuard;
class WidgetManager;

class WidgetContainer : public Object {
  TESSEL_DECLARE_CLASS(WidgetContainer)
public:
  // Positive when the first widget must come before the second.
  using ChildOrder = int (*)(const Widget* first, const Widget* second);

  WidgetContainer() = default;
  ~WidgetContainer() override;
  WidgetContainer(const WidgetContainer&) = delete;
  WidgetContainer& operator=(const WidgetContainer&) = delete;

  // Appends the widget on top. A widget that has a parent leaves it first;
  // adding a container to itself or to one of its descendants is an error.
  virtual void AddChild(Widget* widget);
  // Ignored for a widget that is not a child of this container.
  virtual void RemoveChild(Widget* widget);
  // With deleteChildren the removed children are deleted (after the frame
  // when the container is attached); with recursive their children first.
  virtual void RemoveAllChildren(bool deleteChildren, bool recursive);
  virtual void BringToFront(Widget* widget);
  virtual void SendToBack(Widget* widget);
  virtual void MoveBefore(Widget* widget, Widget* reference);
  virtual void MoveAfter(Widget* widget, Widget* reference);
  // The topmost, deepest visible hit-testable widget at the point (in this
  // container's coordinates), or null.
  virtual Widget* HitTest(float x, float y);
  // Stable; by ascending sort key unless told otherwise.
  virtual void SortChildren(ChildOrder order = CompareSortKeys);
  // OnUpdate, then every child in list order (invisible ones too).
  virtual void Update(float dt);
  // OnDraw, then every visible child translated by its position.
  virtual void Draw(Canvas& canvas);
  virtual void OnUpdate(float dt) {}
  virtual void OnDraw(Canvas& canvas) {}
  // Edges included: 0 <= x <= Width, 0 <= y <= Height.
  virtual bool Contains(float x, float y) const;

  static int CompareSortKeys(const Widget* first, const Widget* second);

  WidgetManager* GetManager() const { return Manager; }
  WidgetContainer* GetParent() const { return Parent; }
  bool IsAttached() const { return Manager != nullptr; }
  Widget* GetFirstChild() const { return FirstChild; }
  Widget* GetLastChild() const { return LastChild; }
  int GetChildCount() const { return ChildCount; }
  bool HasChild(const Widget* widget) const;

  // Relative to the parent; widgets change them through SetRect and its
  // relatives so that the hover follows.
  float X = 0, Y = 0, Width = 0, Height = 0;

protected:
  // The manager points to itself.
  WidgetManager* Manager = nullptr;
  WidgetContainer* Parent = nullptr;

  // Detaches the child's subtree, clears its parent and unlinks it, without
  // re-evaluating the hover.
  void DetachChild(Widget* widget);
  // Unlinks without telling anyone (a child that is being deleted).
  void UnlinkChild(Widget* widget);

private:
  friend class WidgetGuard;
  friend class Widget;

  void LinkLast(Widget* widget);
  void LinkBefore(Widget* widget, Widget* reference);
  void AttachSubtree(Widget* widget);
  static void DetachSubtree(Widget* widget);
  // Lets the manager re-evaluate the hover after the tree changed.
  void NotifyTreeChanged();

  Widget* FirstChild = nullptr;
  Widget* LastChild = nullptr;
  int ChildCount = 0;
  // The child being updated, and whether it was unlinked under the loop (the
  // cursor then already points at its successor).
  Widget* UpdateCursor = nullptr;
  bool IsCursorUnlinked = false;
  WidgetGuard* Guards = nullptr;
};

}  // namespace Tessel
