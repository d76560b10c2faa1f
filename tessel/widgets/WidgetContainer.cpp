#include "tessel/widgets/WidgetContainer.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "tessel/Exception.h"
#include "tessel/graphics/Canvas.h"
#include "tessel/widgets/Widget.h"
#include "tessel/widgets/WidgetGuard.h"
#include "tessel/widgets/WidgetManager.h"

namespace Tessel {

TESSEL_IMPLEMENT_CLASS(WidgetContainer, Object);

namespace {

std::vector<Widget*> ChildrenOf(const WidgetContainer& container) {
  std::vector<Widget*> children;
  for (Widget* child = container.GetFirstChild(); child; child = child->GetNextSibling()) children.push_back(child);
  return children;
}

// The children as they were when a walk started, each with a guard: the
// handlers called on the way (OnAttach, OnMouseLeave...) may delete or move
// any of them.
class ChildWalk {
public:
  explicit ChildWalk(const WidgetContainer& container) {
    for (Widget* child : ChildrenOf(container)) Children.push_back({child, std::make_unique<WidgetGuard>(child)});
  }
  template <typename Visit>
  void ForEachRemaining(const WidgetContainer& parent, Visit visit) {
    for (auto& [child, guard] : Children)
      if (*guard && child->GetParent() == &parent) visit(child);
  }

private:
  std::vector<std::pair<Widget*, std::unique_ptr<WidgetGuard>>> Children;
};

}  // namespace

WidgetContainer::~WidgetContainer() {
  for (WidgetGuard* guard = Guards; guard; guard = guard->Next) guard->Target = nullptr;
  Guards = nullptr;
  // A deleted child unlinks itself, so the list shrinks from the front.
  while (Widget* child = FirstChild) {
    if (child->IsOwnedByParent)
      delete child;
    else
      DetachChild(child);
  }
}

// ---- linking

void WidgetContainer::LinkLast(Widget* widget) {
  widget->PreviousSibling = LastChild;
  widget->NextSibling = nullptr;
  if (LastChild)
    LastChild->NextSibling = widget;
  else
    FirstChild = widget;
  LastChild = widget;
  ++ChildCount;
}

void WidgetContainer::LinkBefore(Widget* widget, Widget* reference) {
  if (!reference) {
    LinkLast(widget);
    return;
  }
  widget->NextSibling = reference;
  widget->PreviousSibling = reference->PreviousSibling;
  if (reference->PreviousSibling)
    reference->PreviousSibling->NextSibling = widget;
  else
    FirstChild = widget;
  reference->PreviousSibling = widget;
  ++ChildCount;
}

void WidgetContainer::UnlinkChild(Widget* widget) {
  if (widget == UpdateCursor) {
    UpdateCursor = widget->NextSibling;
    IsCursorUnlinked = true;
  }
  if (widget->PreviousSibling)
    widget->PreviousSibling->NextSibling = widget->NextSibling;
  else
    FirstChild = widget->NextSibling;
  if (widget->NextSibling)
    widget->NextSibling->PreviousSibling = widget->PreviousSibling;
  else
    LastChild = widget->PreviousSibling;
  widget->PreviousSibling = widget->NextSibling = nullptr;
  widget->Parent = nullptr;
  --ChildCount;
}

bool WidgetContainer::HasChild(const Widget* widget) const { return widget && widget->Parent == this; }

// ---- attaching

void WidgetContainer::AttachSubtree(Widget* widget) {
  WidgetGuard alive(widget);
  if (!widget->Manager) {
    widget->Manager = Manager;
    widget->OnAttach();
    if (!alive || !widget->Manager) return;
  }
  ChildWalk children(*widget);
  children.ForEachRemaining(*widget, [&](Widget* child) {
    if (alive) widget->AttachSubtree(child);
  });
}

void WidgetContainer::DetachSubtree(Widget* widget) {
  WidgetManager* manager = widget->Manager;
  if (!manager) return;
  WidgetGuard alive(widget);
  ChildWalk children(*widget);
  manager->ReleaseWidget(widget);
  if (!alive) return;
  children.ForEachRemaining(*widget, [&](Widget* child) {
    if (alive) DetachSubtree(child);
  });
  if (!alive) return;
  widget->OnDetach();
  if (alive) widget->Manager = nullptr;
}

void WidgetContainer::NotifyTreeChanged() {
  if (Manager) Manager->ReevaluateHover();
}

// ---- tree operations

void WidgetContainer::AddChild(Widget* widget) {
  TESSEL_ASSERT(widget != nullptr);
  for (WidgetContainer* ancestor = this; ancestor; ancestor = ancestor->Parent) TESSEL_ASSERT(ancestor != widget);
  if (widget->Parent == this) return;
  if (widget->Parent) widget->Parent->RemoveChild(widget);
  LinkLast(widget);
  widget->Parent = this;
  if (Manager) {
    AttachSubtree(widget);
    NotifyTreeChanged();
  }
}

void WidgetContainer::DetachChild(Widget* widget) {
  WidgetGuard alive(widget);
  DetachSubtree(widget);
  // A handler may have moved or deleted it meanwhile.
  if (alive && widget->Parent == this) UnlinkChild(widget);
}

void WidgetContainer::RemoveChild(Widget* widget) {
  if (!HasChild(widget)) return;
  DetachChild(widget);
  NotifyTreeChanged();
}

void WidgetContainer::RemoveAllChildren(bool deleteChildren, bool recursive) {
  while (Widget* child = FirstChild) {
    // A widget owned elsewhere only leaves; its insides stay its owner's.
    if (recursive && child->IsOwnedByParent) child->RemoveAllChildren(deleteChildren, recursive);
    WidgetGuard alive(child);
    RemoveChild(child);
    if (!alive) continue;
    if (child->Parent == this) break;  // a handler put it back: stop rather than loop
    if (!deleteChildren || !child->IsOwnedByParent) continue;
    // An attached container defers the deletion past the frame; a detached
    // one has nobody dispatching to the child, so it may go at once.
    if (Manager)
      Manager->DeleteLater(child);
    else
      delete child;
  }
}

void WidgetContainer::BringToFront(Widget* widget) {
  if (!HasChild(widget) || widget == LastChild) return;
  UnlinkChild(widget);
  LinkLast(widget);
  widget->Parent = this;
  NotifyTreeChanged();
}

void WidgetContainer::SendToBack(Widget* widget) {
  if (!HasChild(widget) || widget == FirstChild) return;
  UnlinkChild(widget);
  LinkBefore(widget, FirstChild);
  widget->Parent = this;
  NotifyTreeChanged();
}

void WidgetContainer::MoveBefore(Widget* widget, Widget* reference) {
  if (!HasChild(widget) || !HasChild(reference) || widget == reference) return;
  UnlinkChild(widget);
  LinkBefore(widget, reference);
  widget->Parent = this;
  NotifyTreeChanged();
}

void WidgetContainer::MoveAfter(Widget* widget, Widget* reference) {
  if (!HasChild(widget) || !HasChild(reference) || widget == reference) return;
  UnlinkChild(widget);
  LinkBefore(widget, reference->NextSibling);
  widget->Parent = this;
  NotifyTreeChanged();
}

int WidgetContainer::CompareSortKeys(const Widget* first, const Widget* second) {
  return second->SortKey - first->SortKey;
}

void WidgetContainer::SortChildren(ChildOrder order) {
  if (ChildCount < 2) return;
  std::vector<Widget*> children = ChildrenOf(*this);
  std::stable_sort(children.begin(), children.end(),
                   [order](const Widget* a, const Widget* b) { return order(a, b) > 0; });
  // Relinked in place: the update cursor, if any, stays on its widget.
  FirstChild = LastChild = nullptr;
  int count = ChildCount;
  ChildCount = 0;
  for (Widget* child : children) LinkLast(child);
  ChildCount = count;
  NotifyTreeChanged();
}

// ---- hit testing, update, drawing

bool WidgetContainer::Contains(float x, float y) const { return x >= 0 && x <= Width && y >= 0 && y <= Height; }

Widget* WidgetContainer::HitTest(float x, float y) {
  for (Widget* child = LastChild; child; child = child->PreviousSibling) {
    if (!child->IsVisible() || !child->IsAttached()) continue;
    float localX = x - child->X, localY = y - child->Y;
    if (Widget* hit = child->HitTest(localX, localY)) return hit;
    if (child->IsHitTestable && child->Contains(localX, localY)) return child;
  }
  return nullptr;
}

void WidgetContainer::Update(float dt) {
  OnUpdate(dt);
  Widget* child = FirstChild;
  while (child) {
    UpdateCursor = child;
    IsCursorUnlinked = false;
    child->Update(dt);
    child = IsCursorUnlinked ? UpdateCursor : child->NextSibling;
  }
  UpdateCursor = nullptr;
  IsCursorUnlinked = false;
}

void WidgetContainer::Draw(Canvas& canvas) {
  OnDraw(canvas);
  for (Widget* child = FirstChild; child; child = child->NextSibling) {
    if (!child->IsVisible()) continue;
    Transform2D saved = canvas.GetTransform();
    canvas.Translate(child->X, child->Y);
    child->Draw(canvas);
    canvas.SetTransform(saved);
  }
}

}  // namespace Tessel
