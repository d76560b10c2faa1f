#include "game/ui/MessageDialog.h"

#include <algorithm>
#include <cmath>

#include "game/ui/ControlResources.h"
#include "tessel/Exception.h"
#include "tessel/app/VirtualKeys.h"
#include "tessel/graphics/Canvas.h"
#include "tessel/text/LocalizedText.h"
#include "tessel/widgets/WidgetManager.h"

using namespace Tessel;

namespace Corvanta {

namespace {

// The background picture reaches this far beyond the panel's content.
constexpr float BackgroundOffsetX = 11, BackgroundOffsetY = 7;
constexpr float DefaultBackgroundWidth = 420, DefaultBackgroundHeight = 200;
constexpr float DefaultButtonWidth = 120, DefaultButtonHeight = 32;
constexpr uint32_t CaptionColor = 0xFF6A4C1B;
constexpr uint32_t TextColor = 0xFF4A331F;
constexpr uint32_t ButtonCaptionColor = 0xFF404040;

uint32_t Faded(uint32_t color, float fade) {
  return static_cast<uint32_t>(std::lround(static_cast<float>(color >> 24) * fade)) << 24 | (color & 0x00FFFFFF);
}

}  // namespace

MessageDialog::MessageDialog(int identifier, MessageDialogListener* listener, const WideString& caption,
                             const WideString& text, DialogButtons buttons)
    : Identifier(identifier), Listener(listener) {
  IsHitTestable = true;
  IsFilterExempt = true;
  IsOwnedByParent = false;  // its screen keeps it between showings
  SetRect(0, 0, ScreenWidth, ScreenHeight);
  CaptionLabel = new Label(TheControlResources.DialogCaptionFont, caption, CaptionColor, 15);
  TextLabel = new Label(TheControlResources.DialogTextFont, text, TextColor, 15);
  AddChild(CaptionLabel);
  AddChild(TextLabel);

  // The English words stand in until the text table is loaded.
  struct Choice {
    const char* TextKey;
    const char16_t* Fallback;
    int Answer;
  };
  std::vector<Choice> choices;
  if (buttons == DIALOGBUTTONS_Ok)
    choices = {{"Dialog.Ok", u"OK", DIALOGANSWER_Ok}};
  else
    choices = {{"Dialog.Yes", u"Yes", DIALOGANSWER_Yes}, {"Dialog.No", u"No", DIALOGANSWER_No}};
  for (const Choice& choice : choices) {
    auto* button = new Button(static_cast<int>(Buttons.size()), this);
    Bitmap* const* art = TheControlResources.DialogButton;
    if (art[0])
      button->SetImages(art[0], art[1], art[2], art[3]);
    else
      button->SetSize(DefaultButtonWidth, DefaultButtonHeight);
    button->SetCaption(GetText(choice.TextKey, choice.Fallback), TheControlResources.DialogButtonFont);
    std::fill(std::begin(button->CaptionColors), std::end(button->CaptionColors), ButtonCaptionColor);
    AddChild(button);
    Buttons.push_back(button);
    Answers.push_back(choice.Answer);
  }
  Layout();
  ApplyFade();
}

void MessageDialog::SetCaption(const WideString& caption) { CaptionLabel->SetText(caption); }
void MessageDialog::SetText(const WideString& text) { TextLabel->SetText(text); }

// The panel is centred on the screen: the caption along its top, the text
// in the middle, the buttons along its bottom.
void MessageDialog::Layout() {
  Bitmap* background = TheControlResources.DialogBackground;
  float backgroundWidth = background ? static_cast<float>(background->GetWidth()) : DefaultBackgroundWidth;
  float backgroundHeight = background ? static_cast<float>(background->GetHeight()) : DefaultBackgroundHeight;
  PanelWidth = backgroundWidth - 2 * BackgroundOffsetX;
  PanelHeight = backgroundHeight - 2 * BackgroundOffsetY;
  PanelX = std::trunc((ScreenWidth - backgroundWidth) / 2) + BackgroundOffsetX;
  PanelY = std::trunc((ScreenHeight - backgroundHeight) / 2) + BackgroundOffsetY;

  float buttonHeight = Buttons.empty() ? 0 : Buttons[0]->Height;
  float buttonsTop = PanelY + PanelHeight - buttonHeight - 12;
  Font* captionFont = CaptionLabel->GetFont();
  float captionHeight = captionFont ? static_cast<float>(captionFont->Height) + 8 : 30;
  CaptionLabel->SetRect(PanelX + 10, PanelY + 8, PanelWidth - 20, captionHeight);
  float textTop = PanelY + 8 + captionHeight + 4;
  TextLabel->SetRect(PanelX + 16, textTop, PanelWidth - 32, std::max(0.0f, buttonsTop - 6 - textTop));
  int count = static_cast<int>(Buttons.size());
  for (int i = 0; i < count; ++i) {
    Button* button = Buttons[static_cast<size_t>(i)];
    float centre = PanelX + PanelWidth * (2 * i + 1) / (2 * count);
    button->SetPosition(std::trunc(centre - button->Width / 2), buttonsTop);
  }
}

void MessageDialog::Show(WidgetContainer& parent) {
  TESSEL_ASSERT(GetParent() == nullptr);
  parent.AddChild(this);
}

void MessageDialog::Close() {
  TESSEL_ASSERT(GetParent() != nullptr);
  Closing = true;
}

void MessageDialog::OnAttach() {
  Fade = 0;
  Closing = false;
  ApplyFade();
  GetManager()->PlaySound(TheControlResources.DialogPopup);
  GetManager()->SetFocus(this);
}

void MessageDialog::ApplyFade() {
  CaptionLabel->Color = Faded(CaptionColor, Fade);
  TextLabel->Color = Faded(TextColor, Fade);
  for (Button* button : Buttons) button->Alpha = Fade;
}

void MessageDialog::OnKeyDown(int virtualKey) {
  size_t index = virtualKey == VK_RETURN ? 0 : virtualKey == VK_ESCAPE ? 1 : Buttons.size();
  if (Closing || index >= Buttons.size() || Buttons[index]->IsDisabled()) return;
  Buttons[index]->OnClick();
}

void MessageDialog::OnButtonClick(int identifier) {
  if (identifier >= 0 && identifier < static_cast<int>(Buttons.size())) Answer(identifier);
}

// The listener is told last: it may delete the dialog.
void MessageDialog::Answer(int buttonIndex) {
  if (Closing || !IsShown()) return;
  Close();
  if (Listener) Listener->OnDialogAnswer(Identifier, Answers[static_cast<size_t>(buttonIndex)]);
}

void MessageDialog::OnUpdate(float dt) {
  if (Closing) {
    Fade -= FadeSpeed * dt;
    if (Fade <= 0) {
      Fade = 0;
      Closing = false;
      ApplyFade();
      if (WidgetContainer* parent = GetParent()) parent->RemoveChild(this);
      return;
    }
  } else if (Fade < 1) {
    Fade = std::min(1.0f, Fade + FadeSpeed * dt);
  }
  ApplyFade();
}

void MessageDialog::OnDraw(Canvas& canvas) {
  if (IsDimming)
    canvas.DrawImage(RectF{}, RectF{0, 0, ScreenWidth, ScreenHeight}, nullptr,
                     static_cast<uint32_t>(std::lround(Fade * 127)) << 24);
  uint32_t white = Faded(0xFFFFFFFF, Fade);
  float x = PanelX - BackgroundOffsetX, y = PanelY - BackgroundOffsetY;
  if (Bitmap* background = TheControlResources.DialogBackground) {
    canvas.DrawImage(background, white, x, y);
    return;
  }
  RectF panel{x, y, PanelWidth + 2 * BackgroundOffsetX, PanelHeight + 2 * BackgroundOffsetY};
  canvas.DrawImage(RectF{}, panel, nullptr, Faded(0xFFF6EBD0, Fade));
  canvas.DrawRect(panel, Faded(0xFF8A5A2B, Fade));
}

}  // namespace Corvanta
