#pragma once
// MessageDialog: the modal question or notice ("Dialog.Ok", or "Dialog.Yes"
// and "Dialog.No"). It covers the whole screen and takes the mouse itself,
// so nothing below it hears a click, and it is exempt from the tutorial's
// input filter (its buttons with it). It takes the keyboard focus: return
// answers with the first button, escape with the second.
//
// Shown, it plays "dialogPopup" and fades in, dimming the screen behind its
// panel; answered or closed, it fades out and then leaves its parent. Its
// owner keeps it (the parent does not delete it) and may show it again.

#include <vector>

#include "game/ui/Button.h"
#include "game/ui/MessageDialogListener.h"
#include "tessel/WideText.h"
#include "tessel/widgets/ButtonListener.h"
#include "tessel/widgets/Label.h"
#include "tessel/widgets/Widget.h"

namespace Corvanta {

enum DialogButtons { DIALOGBUTTONS_Ok, DIALOGBUTTONS_YesNo };

class MessageDialog : public Tessel::Widget, public Tessel::ButtonListener {
public:
  static constexpr float ScreenWidth = 1024, ScreenHeight = 768;
  static constexpr float FadeSpeed = 3;  // per second

  MessageDialog(int identifier, MessageDialogListener* listener, const Tessel::WideString& caption,
                const Tessel::WideString& text, DialogButtons buttons);

  // On top of the parent; the dialog must not be shown already.
  void Show(Tessel::WidgetContainer& parent);
  // Fades out, then leaves its parent; the dialog must be shown.
  void Close();
  bool IsShown() const { return GetParent() != nullptr; }
  bool IsClosing() const { return Closing; }
  float GetFade() const { return Fade; }

  void SetCaption(const Tessel::WideString& caption);
  void SetText(const Tessel::WideString& text);
  Tessel::Label& GetCaptionLabel() { return *CaptionLabel; }
  Tessel::Label& GetTextLabel() { return *TextLabel; }
  int GetButtonCount() const { return static_cast<int>(Buttons.size()); }
  Button& GetButton(int index) { return *Buttons[static_cast<size_t>(index)]; }
  // Where the panel's content starts (the background lies 11, 7 further out).
  Tessel::Vector2 GetPanelPosition() const { return Tessel::Vector2{PanelX, PanelY}; }

  void OnAttach() override;
  void OnKeyDown(int virtualKey) override;
  void OnUpdate(float dt) override;
  void OnDraw(Tessel::Canvas& canvas) override;
  void OnButtonClick(int identifier) override;

  int Identifier;
  MessageDialogListener* Listener;
  bool IsDimming = true;

private:
  void Layout();
  void ApplyFade();
  void Answer(int buttonIndex);

  Tessel::Label* CaptionLabel;
  Tessel::Label* TextLabel;
  std::vector<Button*> Buttons;
  std::vector<int> Answers;
  float PanelX = 0, PanelY = 0, PanelWidth = 0, PanelHeight = 0;
  float Fade = 0;
  bool Closing = false;
};

}  // namespace Corvanta
