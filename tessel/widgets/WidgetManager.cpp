#include "tessel/widgets/WidgetManager.h"

#include <algorithm>

#include "tessel/app/GameAppBase.h"
#include "tessel/audio/AudioInterface.h"
#include "tessel/resources/Bitmap.h"
#include "tessel/widgets/WidgetGuard.h"

namespace Tessel {

TESSEL_IMPLEMENT_ABSTRACT_CLASS(WidgetManager, WidgetContainer);

namespace {

bool IsInSubtree(const Widget* widget, const WidgetContainer* root) {
  for (const WidgetContainer* node = widget; node; node = node->GetParent())
    if (node == root) return true;
  return false;
}

// A tree change handler that changes the tree again could chase the hover
// for ever; a few rounds always settle a sane tree.
constexpr int MaxHoverRounds = 8;

}  // namespace

WidgetManager::WidgetManager(GameAppBase* app) : TheApp(app), TheCanvas(app ? app->TheGraphicsDevice : nullptr) {
  Manager = this;
  if (TheApp) TheApp->AddInputListener(this);
}

WidgetManager::~WidgetManager() {
  RemoveAllChildren(true, true);
  DeletePendingWidgets();
  Hovered = Focused = Captured = nullptr;
  if (TheApp) TheApp->RemoveInputListener(this);
}

void WidgetManager::SetSize(float width, float height) {
  Width = width;
  Height = height;
}

// ---- deletion

void WidgetManager::DeleteLater(Widget* widget) {
  if (!widget || widget->PendingDeleteBy) return;
  widget->PendingDeleteBy = this;
  DeleteList.push_back(widget);
}

void WidgetManager::ForgetPendingDelete(Widget* widget) {
  auto found = std::find(DeleteList.begin(), DeleteList.end(), widget);
  if (found != DeleteList.end()) DeleteList.erase(found);
  widget->PendingDeleteBy = nullptr;
}

// One at a time: deleting a widget deletes its children, and any of them may
// be in the list too (each takes itself out as it goes).
void WidgetManager::DeletePendingWidgets() {
  bool deletedAny = !DeleteList.empty();
  while (!DeleteList.empty()) {
    Widget* widget = DeleteList.front();
    DeleteList.erase(DeleteList.begin());
    widget->PendingDeleteBy = nullptr;
    delete widget;
  }
  // What lay under a deleted widget is hovered without waiting for a move.
  if (deletedAny && !Hovered) ReevaluateHover();
}

void WidgetManager::ForgetWidget(Widget* widget) {
  if (Hovered == widget) Hovered = nullptr;
  if (Focused == widget) Focused = nullptr;
  if (Captured == widget) Captured = nullptr;
}

// ---- focus, capture, hover

void WidgetManager::SetFocus(Widget* widget) {
  if (widget && widget->Manager != this) return;
  if (widget == Focused) return;
  if (Widget* old = Focused) {
    Focused = nullptr;
    old->Focused = false;
    WidgetGuard alive(widget);
    old->OnFocusLost();
    if (widget && !alive) return;
    if (Focused) return;  // the handler gave the focus elsewhere
  }
  if (!widget || widget->Manager != this) return;
  Focused = widget;
  widget->Focused = true;
  widget->OnFocusGained();
}

void WidgetManager::SetCapture(Widget* widget) {
  if (widget && widget->Manager != this) return;
  if (Captured) Captured->Captured = false;
  Captured = widget;
  if (widget) widget->Captured = true;
  if (Hovered != widget) {
    Widget* old = Hovered;
    Hovered = widget;
    if (widget) widget->Hovered = true;
    if (old) {
      old->Hovered = false;
      old->OnMouseLeave();
    }
  }
  // Released: the widget under the mouse is hovered again at once.
  if (!widget && !Captured) ReevaluateHover();
}

void WidgetManager::ReleaseWidget(Widget* widget) {
  if (!widget) return;
  WidgetGuard alive(widget);
  if (Hovered == widget) {
    Hovered = nullptr;
    widget->Hovered = false;
    widget->OnMouseLeave();
    if (!alive) return;
  }
  if (Focused == widget) {
    Focused = nullptr;
    widget->Focused = false;
    widget->OnFocusLost();
    if (!alive) return;
  }
  if (Captured == widget) {
    Captured = nullptr;
    widget->Captured = false;
  }
}

void WidgetManager::ReleaseSubtree(Widget* widget) {
  Widget* held[3] = {Hovered, Focused, Captured};
  for (Widget* candidate : held) {
    // Each release may change the others: test again against the live fields.
    if (candidate && (candidate == Hovered || candidate == Focused || candidate == Captured) &&
        IsInSubtree(candidate, widget))
      ReleaseWidget(candidate);
  }
}

void WidgetManager::ReevaluateHover() { UpdateHover(true); }

void WidgetManager::UpdateHover(bool sendMove) {
  for (int round = 0; round < MaxHoverRounds; ++round) {
    if (Captured) return;
    Widget* hit = HitTest(static_cast<float>(MouseX), static_cast<float>(MouseY));
    if (hit == Hovered) return;
    if (Widget* old = Hovered) {
      Hovered = nullptr;
      old->Hovered = false;
      old->OnMouseLeave();
      continue;  // the handler may have changed the tree: test again
    }
    Hovered = hit;
    hit->Hovered = true;
    WidgetGuard alive(hit);
    hit->OnMouseEnter();
    if (!alive || Hovered != hit) continue;
    if (sendMove) {
      Vector2 local = hit->ScreenToLocal(static_cast<float>(MouseX), static_cast<float>(MouseY));
      hit->OnMouseMove(local.X, local.Y);
    }
    return;
  }
}

// ---- the input filter

void WidgetManager::SetInputFilter(bool on, bool leftAllowed, bool rightAllowed, bool middleAllowed, uint32_t mask) {
  IsFilterOn = on;
  FilterButtons[1] = leftAllowed;
  FilterButtons[2] = rightAllowed;
  FilterButtons[3] = middleAllowed;
  FilterMask = mask;
}

bool WidgetManager::PassesInputFilter(const Widget* widget, int button) const {
  if (!IsFilterOn) return true;
  for (const WidgetContainer* node = widget; node && node != this; node = node->GetParent())
    if (IsKindOf<Widget>(node) && static_cast<const Widget*>(node)->IsFilterExempt) return true;
  bool allowed = button >= 1 && button <= 3 && FilterButtons[button];
  return allowed && (widget->InputMask & FilterMask) != 0;
}

// ---- the frame

void WidgetManager::OnUpdate(float dt) {
  if (MouseX != ProcessedX || MouseY != ProcessedY) {
    ProcessedX = MouseX;
    ProcessedY = MouseY;
    if (!Captured) UpdateHover(false);
    if (Widget* target = Captured ? Captured : Hovered) {
      Vector2 local = target->ScreenToLocal(static_cast<float>(MouseX), static_cast<float>(MouseY));
      target->OnMouseMove(local.X, local.Y);
    }
  }
  // Every frame, whether the mouse moved or not.
  DeletePendingWidgets();
}

void WidgetManager::Draw() {
  if (TheApp && TheApp->TheGraphicsDevice) TheCanvas.SetDevice(TheApp->TheGraphicsDevice);
  TheCanvas.Reset();
  Draw(TheCanvas);
  DrawCursor();
  TheCanvas.Finish();
}

void WidgetManager::DrawCursor() {
  if (!TheApp || !IsCursorShown || !IsKindOf<Bitmap>(TheApp->CursorImage)) return;
  auto* image = static_cast<Bitmap*>(TheApp->CursorImage);
  RectF source{TheApp->CursorSourceX, TheApp->CursorSourceY, TheApp->CursorSourceWidth, TheApp->CursorSourceHeight};
  RectF destination{static_cast<float>(MouseX) - TheApp->CursorHotspotX,
                    static_cast<float>(MouseY) - TheApp->CursorHotspotY, source.Width, source.Height};
  TheCanvas.Reset();
  TheCanvas.DrawImage(source, destination, image, 0xFFFFFFFF);
}

void WidgetManager::PlaySound(Sound* sound) {
  if (sound && TheApp && TheApp->TheAudio) TheApp->TheAudio->PlaySound(sound);
}

// ---- input

void WidgetManager::OnChar(int code) {
  if (Focused) Focused->OnChar(code);
}

void WidgetManager::OnKeyDown(int virtualKey) {
  if (Focused) Focused->OnKeyDown(virtualKey);
}

void WidgetManager::OnKeyUp(int virtualKey) {
  if (Focused) Focused->OnKeyUp(virtualKey);
}

void WidgetManager::OnMouseWheel(int notches) {
  if (Focused) Focused->OnMouseWheel(notches);
}

void WidgetManager::OnMouseMove(int x, int y) {
  MouseX = x;
  MouseY = y;
}

bool WidgetManager::IsMouseButtonDown(int button) const { return button >= 1 && button <= 3 && ButtonsDown[button]; }

void WidgetManager::OnMouseDown(int x, int y, int button) {
  if (button >= 1 && button <= 3) ButtonsDown[button] = true;
  Widget* target = Captured && PassesInputFilter(Captured, button) ? Captured
                   : Hovered && PassesInputFilter(Hovered, button) ? Hovered
                                                                   : nullptr;
  if (!target) return;
  if (button == 1 && target->Hovered && target->IsFocusable && !target->Disabled) {
    WidgetGuard alive(target);
    SetFocus(target);
    if (!alive || (target != Hovered && target != Captured)) return;
  }
  Vector2 local = target->ScreenToLocal(static_cast<float>(x), static_cast<float>(y));
  target->OnMouseDown(local.X, local.Y, button);
}

void WidgetManager::OnMouseUp(int x, int y, int button) {
  if (button >= 1 && button <= 3) ButtonsDown[button] = false;
  Widget* target = Captured && PassesInputFilter(Captured, button) ? Captured
                   : Hovered && PassesInputFilter(Hovered, button) ? Hovered
                                                                   : nullptr;
  if (!target) return;
  Vector2 local = target->ScreenToLocal(static_cast<float>(x), static_cast<float>(y));
  target->OnMouseUp(local.X, local.Y, button);
}

}  // namespace Tessel
