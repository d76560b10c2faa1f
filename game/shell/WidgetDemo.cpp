#include "game/shell/WidgetDemo.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "game/shell/DemoArt.h"
#include "tessel/Format.h"
#include "tessel/app/GameAppBase.h"
#include "tessel/app/VirtualKeys.h"
#include "tessel/graphics/Canvas.h"
#include "tessel/widgets/WidgetManager.h"

using namespace Tessel;

namespace Corvanta {

namespace {


constexpr uint32_t Paper = 0xFFF6EBD0;
constexpr uint32_t Wood = 0xFF8A5A2B;
constexpr uint32_t Ink = 0xFF3B2A1A;
constexpr uint32_t Warning = 0xFFD9482B;

void Fill(Canvas& canvas, const RectF& rect, uint32_t color) { canvas.DrawImage(RectF{}, rect, nullptr, color); }

}  // namespace

WidgetDemo::WidgetDemo(GameAppBase& app, const DemoArt& art) : App(app), Art(art) {
  SetRect(0, 0, 1024, 768);
  IsFocusable = true;  // a click on the paper takes the keys back from the text box

  AddLabel(u"Corvanta widget toolkit", 0, 14, 1024, 40, 15, Art.BoldFont);
  AddLabel(u"Hover for tool tips. Keys: Left/Right slider, Up/Down counter, Return asks, F2 town, Esc quits.", 0, 54,
           1024, 20, 15, Art.SmallFont);

  AddLabel(u"Buttons", 60, 96, 300, 24, ALIGN_Left | ALIGN_VerticalCentre, Art.BoldFont);
  Build = AddButton(CONTROL_Build, u"Build", 60, 130);
  auto* buildTip = new ToolTip(u"Build\nOrders a new house on the map.\nVans drive out from the office.");
  buildTip->AddExtraLine(u"Price", u"$ 12,500");
  buildTip->AddExtraLine(u"Income", u"$ 340 a day");
  Build->SetToolTip(buildTip);
  AddButton(CONTROL_Greyed, u"Greyed", 240, 130)->SetDisabled(true);
  Button* locked = AddButton(CONTROL_Locked, u"Locked", 420, 130);
  locked->SetLocked(true);
  locked->SetToolTipText(u"Locked\nBuy the upgrade on the company screen first.");
  Tool = AddButton(CONTROL_Tool, u"Tool", 600, 130);
  Tool->SetToolTipText(u"Tool\nClick to hold it down, click again to let go.");
  Pulse = AddButton(CONTROL_Pulse, u"Pulse", 780, 130);
  Pulse->SetToolTipText(u"Pulse\nA tutorial points here. Click to pulse for three seconds.");
  Pulse->StartHighlight(3.0f);

  Button* minus = AddButton(CONTROL_Minus, u"-", 60, 200, true);
  minus->IsAutoRepeat = true;
  minus->SetToolTipText(u"Less\nHold it down to repeat.");
  CounterLabel = AddLabel(u"", 104, 200, 92, 40, 15, Art.BoldFont);
  Button* plus = AddButton(CONTROL_Plus, u"+", 196, 200, true);
  plus->IsAutoRepeat = true;
  plus->SetToolTipText(u"More\nHold it down to repeat.");
  ShowCounter();
  Button* drag = AddButton(CONTROL_Drag, u"Drag me", 420, 200);
  drag->DragListener = this;
  drag->SetToolTipText(u"Drag me\nHold the left button and move.");
  AddButton(CONTROL_Ask, u"Ask", 600, 200)->SetToolTipText(u"Ask\nA question with Yes and No (or press Return).");
  AddButton(CONTROL_Notice, u"Notice", 780, 200)->SetToolTipText(u"Notice\nA message with OK.");

  AddLabel(u"Options", 60, 286, 300, 24, ALIGN_Left | ALIGN_VerticalCentre, Art.BoldFont);
  FollowingTips = new CheckBox(CONTROL_FollowingTips, this);
  FollowingTips->SetPosition(60, 310);
  FollowingTips->SetToolTipText(u"Tool tips\nLet the tool tips follow the mouse.");
  AddChild(FollowingTips);
  AddLabel(u"Tool tips follow the mouse", 100, 319, 360, 30, ALIGN_Left | ALIGN_VerticalCentre, Art.TextFont);
  Volume = new Slider(this);
  Volume->SetPosition(560, 306);
  Volume->SetValue(0.5f);
  AddChild(Volume);
  VolumeLabel = AddLabel(u"", 760, 306, 240, 47, ALIGN_Left | ALIGN_VerticalCentre, Art.TextFont);
  ShowVolume();

  AddLabel(u"Company name", 60, 400, 300, 24, ALIGN_Left | ALIGN_VerticalCentre, Art.BoldFont);
  Name = new TextBox(CONTROL_Name, this, Art.TextFont);
  Name->SetRect(66, 430, 388, 36);
  Name->Color = Ink;
  Name->MaxCharacters = 24;
  Name->MaxTextWidth = 376;
  AddChild(Name);
  AddLabel(u"Click the box and type; Backspace, Delete, Home, End and the arrows edit; Escape leaves it.", 60, 474, 900,
           20, ALIGN_Left | ALIGN_VerticalCentre, Art.SmallFont);

  Status = AddLabel(u"Try the controls.", 0, 700, 1024, 40, 15, Art.BoldFont);

  Question =
      new MessageDialog(DIALOG_Question, this, u"Sell the cottage?",
                        u"A buyer offers $ 15,000 for your cottage on Elm Road. Do you accept?", DIALOGBUTTONS_YesNo);
  Notice =
      new MessageDialog(DIALOG_Notice, this, u"Pay day",
                        u"Your houses brought in $ 1,240 today.\nThe bank account holds $ 48,300.", DIALOGBUTTONS_Ok);
}

// The dialogs are the screen's, shown or not.
WidgetDemo::~WidgetDemo() {
  delete Question;
  delete Notice;
}

Button* WidgetDemo::AddButton(Control identifier, const char16_t* caption, float x, float y, bool small) {
  auto* button = new Button(identifier, this);
  button->SetImageStrip(small ? Art.SmallButtonStrip : Art.ButtonStrip);
  button->SetPosition(x, y);
  button->SetCaption(caption, Art.BoldFont);
  std::fill(std::begin(button->CaptionColors), std::end(button->CaptionColors), Ink);
  button->CaptionColors[BUTTONSTATE_Disabled] = 0xFF7A7A7A;
  AddChild(button);
  return button;
}

Label* WidgetDemo::AddLabel(const char16_t* text, float x, float y, float width, float height, int alignment,
                            Font* font) {
  auto* label = new Label(font, text, Ink, alignment);
  label->SetRect(x, y, width, height);
  AddChild(label);
  return label;
}

void WidgetDemo::Report(const WideString& text) { Status->SetText(text); }

void WidgetDemo::ShowDialog(MessageDialog* dialog) {
  if (!dialog->IsShown()) dialog->Show(*this);
}

void WidgetDemo::ShowCounter() { CounterLabel->SetText(FormatWide(u"%i", Counter)); }

void WidgetDemo::ShowVolume() {
  VolumeLabel->SetText(FormatWide(u"Volume %i %%", static_cast<int>(std::lround(Volume->GetValue() * 100))));
}

// ---- what the controls report

void WidgetDemo::OnButtonClick(int identifier) {
  switch (identifier) {
    case CONTROL_Build: Report(u"Build: a house is ordered."); break;
    case CONTROL_Tool:
      Tool->SetHeldDown(!Tool->IsHeldDown());
      Report(Tool->IsHeldDown() ? u"Tool: held down." : u"Tool: let go.");
      break;
    case CONTROL_Pulse:
      Pulse->StartHighlight(3.0f);
      Report(u"Pulse: highlighted for three seconds.");
      break;
    case CONTROL_Minus:
    case CONTROL_Plus:
      Counter += identifier == CONTROL_Plus ? 1 : -1;
      ShowCounter();
      break;
    case CONTROL_Drag: Report(u"Drag me: clicked, not dragged."); break;
    case CONTROL_Ask: ShowDialog(Question); break;
    case CONTROL_Notice: ShowDialog(Notice); break;
    case CONTROL_FollowingTips: {
      bool follows = FollowingTips->IsChecked();
      for (Widget* child = GetFirstChild(); child; child = child->GetNextSibling())
        if (auto* button = dynamic_cast<Button*>(child)) button->ToolTipFollowsMouse = follows;
      Report(follows ? u"Tool tips now follow the mouse." : u"Tool tips now sit under their buttons.");
      break;
    }
    default: break;
  }
}

void WidgetDemo::OnButtonDisabledClick(int identifier) {
  Report(identifier == CONTROL_Locked ? u"Locked: not yet available." : u"Greyed: this button is disabled.");
}

void WidgetDemo::OnButtonDrag(int identifier, float dx, float dy) {
  Report(FormatWide(u"Drag me: moved %i, %i from the press.", static_cast<int>(dx), static_cast<int>(dy)));
}

void WidgetDemo::OnSliderChanged(Slider* slider) { ShowVolume(); }

void WidgetDemo::OnSliderReleased(Slider* slider) {
  Report(FormatWide(u"Volume set to %i %%.", static_cast<int>(std::lround(slider->GetValue() * 100))));
}

void WidgetDemo::OnTextChanged(int identifier) {
  Report(Name->GetText().empty() ? WideString(u"The company has no name.") : u"Company name: " + Name->GetText());
}

void WidgetDemo::OnKey(int identifier, int virtualKey) {
  if (virtualKey == VK_ESCAPE || virtualKey == VK_RETURN) GetManager()->SetFocus(this);
  if (virtualKey == VK_F2 && OnLeave) OnLeave();
}

void WidgetDemo::OnDialogAnswer(int dialogIdentifier, int answer) {
  if (dialogIdentifier == DIALOG_Question)
    Report(answer == DIALOGANSWER_Yes ? u"Sold for $ 15,000." : u"You keep the cottage.");
  else
    Report(u"Noted.");
}

// ---- the screen itself

void WidgetDemo::OnKeyDown(int virtualKey) {
  switch (virtualKey) {
    case VK_ESCAPE: App.Quit(); break;
    case VK_F2:
      if (OnLeave) OnLeave();
      break;
    case VK_RETURN: ShowDialog(Question); break;
    case VK_LEFT:
    case VK_RIGHT:
      Volume->SetValue(std::clamp(Volume->GetValue() + (virtualKey == VK_RIGHT ? 0.05f : -0.05f), 0.0f, 1.0f));
      ShowVolume();
      break;
    case VK_UP:
    case VK_DOWN:
      Counter += virtualKey == VK_UP ? 1 : -1;
      ShowCounter();
      break;
    default: break;
  }
}

// The keys come back to the screen whenever nothing else wants them (a
// dialog that has closed).
void WidgetDemo::OnUpdate(float dt) {
  WidgetManager* manager = GetManager();
  if (manager && IsVisible() && !manager->GetFocusedWidget()) manager->SetFocus(this);
}

void WidgetDemo::OnDraw(Canvas& canvas) {
  Fill(canvas, RectF{0, 0, 1024, 768}, Paper);
  Fill(canvas, RectF{0, 0, 1024, 84}, 0xFFE9D6AE);
  Fill(canvas, RectF{0, 84, 1024, 3}, Wood);
  Fill(canvas, RectF{0, 690, 1024, 3}, Wood);
  // The text box's field; brass while it has the keys.
  RectF field{Name->X - 6, Name->Y, Name->Width + 12, Name->Height};
  Fill(canvas, field, 0xFFFFF8E8);
  canvas.DrawRect(field, Name->IsEditing() ? 0xFFC99A3C : Wood);
  if (Name->GetText().empty() && !Name->IsEditing())
    Art.SmallFont->DrawText(canvas, Name->X, Name->Y + 12, u"(no name yet)", Warning);
}

}  // namespace Corvanta
