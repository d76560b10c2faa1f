#pragma once
// Button: the game's button. On top of ButtonBase's press, release and
// click it has a picture per state (normal, pressed, disabled, hover), a
// caption and up to three texts below it, a tool tip, the click sounds, a
// locked state (the lock drawn over the grey picture; presses count as
// disabled clicks), a held-down state (drawn pressed for good: tool pages,
// check boxes), auto-repeat while held (+/- buttons), a drag report (building
// pictures pulled onto the map) and a pulsing highlight (tutorials point at
// it).
//
// Its sounds and the lock picture come from the control resources; its
// tool tip it owns, and shows in the widget manager on top of everything.

#include <cstdint>
#include <functional>
#include <memory>

#include "game/ui/ButtonDragListener.h"
#include "game/ui/ToolTip.h"
#include "tessel/Geometry.h"
#include "tessel/WideText.h"
#include "tessel/graphics/Font.h"
#include "tessel/resources/Bitmap.h"
#include "tessel/widgets/ButtonBase.h"

namespace Tessel {
class Sound;
}

namespace Corvanta {

enum ButtonState { BUTTONSTATE_Normal = 0, BUTTONSTATE_Pressed = 1, BUTTONSTATE_Disabled = 2, BUTTONSTATE_Hover = 3 };

class Button : public Tessel::ButtonBase {
public:
  static constexpr int NumStates = 4;
  static constexpr int MaxBottomTexts = 3;
  static constexpr float RepeatDelay = 0.5f;  // from the press to the first repeat, less one interval
  static constexpr float RepeatInterval = 0.15f;

  Button(int identifier, Tessel::ButtonListener* listener);
  ~Button() override;

  // A picture per state (a missing one shows the normal picture), all cut by
  // one source rectangle (by default the normal picture's whole size). The
  // button takes the rectangle's size.
  void SetImages(Tessel::Bitmap* normal, Tessel::Bitmap* pressed, Tessel::Bitmap* disabled, Tessel::Bitmap* hover);
  void SetImages(Tessel::Bitmap* normal, Tessel::Bitmap* pressed, Tessel::Bitmap* disabled, Tessel::Bitmap* hover,
                 const Tessel::RectF& source);
  // One picture with the states stacked: normal, pressed, disabled, hover;
  // with three rows the hover state uses the third row too.
  void SetImageStrip(Tessel::Bitmap* strip, bool hasThreeRows = false);
  void SetCaption(const Tessel::WideString& text, Tessel::Font* font, float verticalOffset = 0);
  // Where the caption is centred (by default the whole button); with
  // isHitArea only that rectangle takes the mouse.
  void SetCaptionRect(const Tessel::RectF& rect, bool isHitArea);
  // Texts under the button in the bottom font, centred on it.
  void SetBottomText(int index, const Tessel::WideString& text);

  void SetDisabled(bool disabled) override;
  void SetLocked(bool locked);
  void SetHeldDown(bool heldDown);
  // Owned by the button from now on (null removes it).
  void SetToolTip(ToolTip* toolTip);
  void SetToolTipText(const Tessel::WideString& text);
  ToolTip* GetToolTip() const { return TheToolTip.get(); }
  bool IsToolTipShown() const;
  void HideToolTip();

  // Pulses for the given seconds; with a condition, until the condition
  // holds (the tutorial step it points at is done) whatever the time.
  void StartHighlight(float seconds, std::function<bool()> isFinished = nullptr);
  void StopHighlight();
  bool IsHighlighted() const { return Highlighted; }
  float GetHighlightPhase() const { return HighlightPhase; }

  int GetDrawState() const;
  bool IsLocked() const { return Locked; }
  bool IsHeldDown() const { return HeldDown; }
  bool IsDragging() const { return Dragging; }
  const Tessel::WideString& GetCaption() const { return Caption; }
  Tessel::RectF GetCaptionRect() const;

  void OnClick() override;
  void OnDisabledClick() override;
  void OnMouseDown(float x, float y, int button) override;
  void OnMouseUp(float x, float y, int button) override;
  void OnMouseMove(float x, float y) override;
  void OnMouseEnter() override;
  void OnMouseLeave() override;
  void OnUpdate(float dt) override;
  void OnDraw(Tessel::Canvas& canvas) override;
  bool Contains(float x, float y) const override;

  uint32_t CaptionColors[NumStates] = {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF};
  uint32_t BottomTextColor = 0xFFFFFFFF;
  Tessel::Font* BottomFont = nullptr;
  // Multiplied into every colour.
  float Alpha = 1;
  bool IsSilent = false;
  bool IsAutoRepeat = false;
  bool IsToolTipEnabled = true;
  bool ToolTipFollowsMouse = false;
  ButtonDragListener* DragListener = nullptr;
  // Null: the lock of the control resources.
  Tessel::Bitmap* LockImage = nullptr;

protected:
  void PlayControlSound(Tessel::Sound* sound);
  void ShowToolTip();
  void PlaceToolTip();
  uint32_t WithAlpha(uint32_t color) const;
  void DrawStateImage(Tessel::Canvas& canvas, int state, uint32_t color, int blendMode);

  Tessel::Bitmap* Images[NumStates] = {};
  Tessel::RectF Sources[NumStates];

private:
  void UpdateHighlight(float dt);
  void UpdateAutoRepeat(float dt);

  Tessel::WideString Caption;
  Tessel::Font* CaptionFont = nullptr;
  float CaptionWidth = 0;
  float CaptionOffsetY = 0;
  Tessel::RectF CaptionRect;
  bool HasCaptionRect = false;
  bool IsCaptionRectHitArea = false;
  Tessel::WideString BottomTexts[MaxBottomTexts];

  bool WantsDisabled = false;  // as asked, before the lock is added in
  bool Locked = false;
  bool HeldDown = false;
  float RepeatTimer = 0;
  bool Dragging = false;
  float PressX = 0, PressY = 0;
  std::unique_ptr<ToolTip> TheToolTip;
  bool Highlighted = false;
  float HighlightTime = 0, HighlightPhase = 0;
  std::function<bool()> HighlightEnds;
};

}  // namespace Corvanta
