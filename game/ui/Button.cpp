#include "game/ui/Button.h"

#include <algorithm>
#include <cmath>

#include "game/ui/ControlResources.h"
#include "tessel/graphics/Canvas.h"
#include "tessel/graphics/GraphicsDevice.h"
#include "tessel/widgets/WidgetGuard.h"
#include "tessel/widgets/WidgetManager.h"

using namespace Tessel;

namespace Corvanta {

namespace {

constexpr float ToolTipMouseOffsetX = 10, ToolTipMouseOffsetY = 35;
constexpr float ToolTipGap = 4;  // between the caption rectangle and a tool tip under it

RectF WholeImage(Bitmap* image) {
  return image ? RectF{0, 0, static_cast<float>(image->GetWidth()), static_cast<float>(image->GetHeight())} : RectF{};
}

}  // namespace

Button::Button(int identifier, ButtonListener* listener) : ButtonBase(identifier, listener) {}

Button::~Button() {
  IsToolTipEnabled = false;  // the hover the removal re-evaluates must not show it again
  HideToolTip();
}

// ---- looks

void Button::SetImages(Bitmap* normal, Bitmap* pressed, Bitmap* disabled, Bitmap* hover) {
  SetImages(normal, pressed, disabled, hover, WholeImage(normal));
}

void Button::SetImages(Bitmap* normal, Bitmap* pressed, Bitmap* disabled, Bitmap* hover, const RectF& source) {
  Bitmap* images[NumStates] = {normal, pressed, disabled, hover};
  for (int i = 0; i < NumStates; ++i) {
    Images[i] = images[i];
    Sources[i] = source;
  }
  SetSize(source.Width, source.Height);
}

void Button::SetImageStrip(Bitmap* strip, bool hasThreeRows) {
  RectF whole = WholeImage(strip);
  float rowHeight = whole.Height / (hasThreeRows ? 3 : 4);
  for (int i = 0; i < NumStates; ++i) {
    int row = hasThreeRows ? std::min(i, 2) : i;
    Images[i] = strip;
    Sources[i] = RectF{0, row * rowHeight, whole.Width, rowHeight};
  }
  SetSize(whole.Width, rowHeight);
}

void Button::SetCaption(const WideString& text, Font* font, float verticalOffset) {
  Caption = text;
  CaptionFont = font;
  CaptionOffsetY = verticalOffset;
  CaptionWidth = font ? static_cast<float>(font->MeasureText(text)) : 0;
}

void Button::SetCaptionRect(const RectF& rect, bool isHitArea) {
  CaptionRect = rect;
  HasCaptionRect = true;
  IsCaptionRectHitArea = isHitArea;
  if (Manager) Manager->ReevaluateHover();
}

RectF Button::GetCaptionRect() const { return HasCaptionRect ? CaptionRect : RectF{0, 0, Width, Height}; }

void Button::SetBottomText(int index, const WideString& text) {
  if (index >= 0 && index < MaxBottomTexts) BottomTexts[index] = text;
}

// ---- states

// Locked counts as disabled; unlocking restores what was asked for.
void Button::SetDisabled(bool disabled) {
  WantsDisabled = disabled;
  ButtonBase::SetDisabled(disabled || Locked);
}

void Button::SetLocked(bool locked) {
  Locked = locked;
  ButtonBase::SetDisabled(WantsDisabled || Locked);
}

void Button::SetHeldDown(bool heldDown) { HeldDown = heldDown; }

int Button::GetDrawState() const {
  if (IsDisabled() || Locked) return BUTTONSTATE_Disabled;
  if (HeldDown || (Pressed && IsHovered())) return BUTTONSTATE_Pressed;
  if (IsHovered()) return BUTTONSTATE_Hover;
  return BUTTONSTATE_Normal;
}

bool Button::Contains(float x, float y) const {
  if (!IsCaptionRectHitArea) return ButtonBase::Contains(x, y);
  RectF r = GetCaptionRect();
  return x >= r.X && x <= r.X + r.Width && y >= r.Y && y <= r.Y + r.Height;
}

// ---- sounds

void Button::PlayControlSound(Sound* sound) {
  if (!IsSilent && Manager) Manager->PlaySound(sound);
}

// ---- tool tip

void Button::SetToolTip(ToolTip* toolTip) {
  HideToolTip();
  TheToolTip.reset(toolTip);
  if (toolTip) toolTip->IsOwnedByParent = false;
  if (toolTip && IsHovered()) ShowToolTip();
}

void Button::SetToolTipText(const WideString& text) { SetToolTip(new ToolTip(text)); }

bool Button::IsToolTipShown() const { return TheToolTip && TheToolTip->GetParent(); }

void Button::ShowToolTip() {
  if (!TheToolTip || !IsToolTipEnabled || !Manager || TheToolTip->GetParent()) return;
  PlaceToolTip();
  Manager->AddChild(TheToolTip.get());
}

void Button::HideToolTip() {
  if (!TheToolTip) return;
  if (WidgetContainer* parent = TheToolTip->GetParent()) parent->RemoveChild(TheToolTip.get());
}

// Under the caption, or beside the mouse when it follows it; kept on the
// screen: moved left at the right edge, and put above when it would leave
// at the bottom (the HUD's buttons sit at the screen's lower edge).
void Button::PlaceToolTip() {
  if (!TheToolTip || !Manager) return;
  float width = TheToolTip->Width, height = TheToolTip->Height;
  float x, y, above;
  if (ToolTipFollowsMouse) {
    Point mouse = Manager->GetMousePosition();
    x = static_cast<float>(mouse.X) + ToolTipMouseOffsetX;
    y = static_cast<float>(mouse.Y) + ToolTipMouseOffsetY;
    above = static_cast<float>(mouse.Y) - ToolTipGap - height;
  } else {
    RectF caption = GetCaptionRect();
    Vector2 corner = LocalToScreen(caption.X, caption.Y);
    x = corner.X;
    y = corner.Y + caption.Height + ToolTipGap;
    above = corner.Y - ToolTipGap - height;
  }
  float screenWidth = Manager->Width, screenHeight = Manager->Height;
  if (screenWidth > 0 && x + width > screenWidth) x = screenWidth - width;
  if (screenHeight > 0 && y + height > screenHeight && above >= 0) y = above;
  TheToolTip->SetPosition(x, y);
}

// ---- input

void Button::OnMouseDown(float x, float y, int button) {
  if (button == 1 && !Locked) {
    if (!HeldDown) {
      Dragging = true;
      PressX = x;
      PressY = y;
    }
    // A disabled button sounds its own note (OnDisabledClick).
    if (!IsDisabled()) PlayControlSound(TheControlResources.Click);
  }
  WidgetGuard alive(this);
  ButtonBase::OnMouseDown(x, y, button);
  if (alive && button == 1 && IsAutoRepeat) RepeatTimer = -RepeatDelay;
}

void Button::OnMouseUp(float x, float y, int button) {
  if (button == 1) Dragging = false;
  ButtonBase::OnMouseUp(x, y, button);
}

void Button::OnMouseMove(float x, float y) {
  if (!DragListener || !Dragging || Locked || HeldDown || !IsHovered() || !Manager || !Manager->IsMouseButtonDown(1))
    return;
  DragListener->OnButtonDrag(Identifier, x - PressX, y - PressY);
}

void Button::OnClick() {
  if (Locked) return;
  WidgetGuard alive(this);
  ButtonBase::OnClick();
  if (alive) HideToolTip();
}

void Button::OnDisabledClick() {
  PlayControlSound(TheControlResources.ClickDisabled);
  ButtonBase::OnDisabledClick();
}

void Button::OnMouseEnter() {
  if (Highlighted && !HighlightEnds) StopHighlight();
  ShowToolTip();
  if (!IsDisabled() && IsVisible()) PlayControlSound(TheControlResources.MouseEnter);
}

void Button::OnMouseLeave() {
  WidgetGuard alive(this);
  ButtonBase::OnMouseLeave();
  if (!alive) return;
  Dragging = false;
  HideToolTip();
}

// ---- the frame

void Button::StartHighlight(float seconds, std::function<bool()> isFinished) {
  Highlighted = true;
  HighlightTime = seconds;
  HighlightPhase = 1;
  HighlightEnds = std::move(isFinished);
}

void Button::StopHighlight() {
  Highlighted = false;
  HighlightTime = HighlightPhase = 0;
  HighlightEnds = nullptr;
}

void Button::UpdateHighlight(float dt) {
  if (!Highlighted) return;
  if (HighlightEnds && HighlightEnds()) {
    StopHighlight();
    return;
  }
  HighlightTime -= dt;
  HighlightPhase -= dt;
  if (HighlightPhase >= 0) return;
  if (HighlightTime > 0 || HighlightEnds)
    HighlightPhase += 1;
  else
    StopHighlight();
}

void Button::UpdateAutoRepeat(float dt) {
  if (!IsAutoRepeat || !Pressed || !IsHovered()) return;
  RepeatTimer += dt;
  WidgetGuard alive(this);
  // A small tolerance: the frame steps add up in floats.
  while (alive && Pressed && RepeatTimer >= RepeatInterval - 1e-4f) {
    RepeatTimer -= RepeatInterval;
    PlayControlSound(Locked ? TheControlResources.ClickDisabled : TheControlResources.Click);
    OnClick();
  }
}

void Button::OnUpdate(float dt) {
  UpdateHighlight(dt);
  WidgetGuard alive(this);
  UpdateAutoRepeat(dt);
  if (alive && IsToolTipShown() && ToolTipFollowsMouse) PlaceToolTip();
}

uint32_t Button::WithAlpha(uint32_t color) const {
  float alpha = static_cast<float>(color >> 24) * std::clamp(Alpha, 0.0f, 1.0f);
  return (static_cast<uint32_t>(std::lround(alpha)) << 24) | (color & 0x00FFFFFF);
}

void Button::DrawStateImage(Canvas& canvas, int state, uint32_t color, int blendMode) {
  Bitmap* image = Images[state] ? Images[state] : Images[0];
  const RectF& source = Images[state] ? Sources[state] : Sources[0];
  if (!image) return;
  if (blendMode != canvas.GetState().BlendMode) {
    canvas.PushState();
    canvas.SetBlendMode(blendMode);
    canvas.DrawImage(source, RectF{0, 0, source.Width, source.Height}, image, color);
    canvas.PopState();
  } else {
    canvas.DrawImage(source, RectF{0, 0, source.Width, source.Height}, image, color);
  }
}

void Button::OnDraw(Canvas& canvas) {
  int state = GetDrawState();
  uint32_t white = WithAlpha(0xFFFFFFFF);
  DrawStateImage(canvas, state, white, canvas.GetState().BlendMode);
  if (Highlighted) {
    // A soft glow that swells and fades once a second.
    float pulse = std::sin(std::clamp(HighlightPhase, 0.0f, 1.0f) * 3.14159265f);
    DrawStateImage(canvas, state, WithAlpha(static_cast<uint32_t>(pulse * 160) << 24 | 0xFFFFFF), BLEND_Additive);
  }
  if (Locked) {
    Bitmap* lock = LockImage ? LockImage : TheControlResources.Lock;
    if (lock)
      canvas.DrawImage(lock, white, std::trunc((Width - static_cast<float>(lock->GetWidth())) / 2),
                       std::trunc((Height - static_cast<float>(lock->GetHeight())) / 2));
    return;
  }
  if (CaptionFont && !Caption.empty()) {
    RectF r = GetCaptionRect();
    float x = r.X + std::trunc((r.Width - CaptionWidth) / 2);
    float y = r.Y + std::trunc((r.Height - static_cast<float>(CaptionFont->Height)) / 2) + CaptionOffsetY;
    if (state == BUTTONSTATE_Pressed) y += 1;  // pressed art sits a pixel lower
    CaptionFont->DrawText(canvas, x, y, Caption, WithAlpha(CaptionColors[state]));
  }
  if (BottomFont) {
    float y = Height;
    for (const WideString& text : BottomTexts) {
      if (text.empty()) continue;
      float x = std::trunc((Width - static_cast<float>(BottomFont->MeasureText(text))) / 2);
      BottomFont->DrawText(canvas, x, y, text, WithAlpha(BottomTextColor));
      y += static_cast<float>(BottomFont->Height);
    }
  }
}

}  // namespace Corvanta
