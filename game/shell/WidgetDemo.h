#pragma once
// The widget demo: one screen with every standard control, to try them with
// the mouse and the keyboard before the game's screens exist. Buttons (with
// tool tips, greyed, locked, held down, pulsing, auto-repeating, dragged),
// a check box, a slider, a text box and the two message dialogs; a line at
// the bottom tells what the last control reported.
//
// Keys while the screen has the focus: Left and Right move the slider, Up
// and Down change the counter, Return asks the question dialog, F2 goes back
// to the town scene, Escape quits. Escape in the text box gives the keys
// back to the screen.

#include <functional>

#include "game/ui/Button.h"
#include "game/ui/CheckBox.h"
#include "game/ui/MessageDialog.h"
#include "game/ui/Slider.h"
#include "tessel/widgets/Label.h"
#include "tessel/widgets/TextBox.h"

namespace Tessel {
class GameAppBase;
}

namespace Corvanta {

class DemoArt;

class WidgetDemo : public Tessel::Widget,
                   public Tessel::ButtonListener,
                   public Tessel::TextBoxListener,
                   public SliderListener,
                   public MessageDialogListener,
                   public ButtonDragListener {
public:
  enum Control {
    CONTROL_Build,
    CONTROL_Greyed,
    CONTROL_Locked,
    CONTROL_Tool,
    CONTROL_Pulse,
    CONTROL_Minus,
    CONTROL_Plus,
    CONTROL_Drag,
    CONTROL_Ask,
    CONTROL_Notice,
    CONTROL_FollowingTips,
    CONTROL_Name,
    DIALOG_Question,
    DIALOG_Notice,
  };

  WidgetDemo(Tessel::GameAppBase& app, const DemoArt& art);
  ~WidgetDemo() override;

  // F2: back to the scene it was opened from.
  std::function<void()> OnLeave;

  void OnKeyDown(int virtualKey) override;
  void OnUpdate(float dt) override;
  void OnDraw(Tessel::Canvas& canvas) override;

  void OnButtonClick(int identifier) override;
  void OnButtonDisabledClick(int identifier) override;
  void OnKey(int identifier, int virtualKey) override;
  void OnTextChanged(int identifier) override;
  void OnSliderChanged(Slider* slider) override;
  void OnSliderReleased(Slider* slider) override;
  void OnDialogAnswer(int dialogIdentifier, int answer) override;
  void OnButtonDrag(int identifier, float dx, float dy) override;

private:
  Button* AddButton(Control identifier, const char16_t* caption, float x, float y, bool small = false);
  Tessel::Label* AddLabel(const char16_t* text, float x, float y, float width, float height, int alignment,
                          Tessel::Font* font);
  void Report(const Tessel::WideString& text);
  void ShowDialog(MessageDialog* dialog);
  void ShowCounter();
  void ShowVolume();

  Tessel::GameAppBase& App;
  const DemoArt& Art;
  Tessel::Label* Status = nullptr;
  Tessel::Label* CounterLabel = nullptr;
  Tessel::Label* VolumeLabel = nullptr;
  Button* Tool = nullptr;
  Button* Pulse = nullptr;
  Button* Build = nullptr;
  CheckBox* FollowingTips = nullptr;
  Slider* Volume = nullptr;
  Tessel::TextBox* Name = nullptr;
  MessageDialog* Question = nullptr;
  MessageDialog* Notice = nullptr;
  int Counter = 0;
};

}  // namespace Corvanta
