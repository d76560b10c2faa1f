// The framework's button: what its listener hears for presses, releases,
// clicks, cancelled presses and presses on a disabled button.
#include <gtest/gtest.h>

#include "tessel/widgets/ButtonBase.h"
#include "tessel/widgets/WidgetManager.h"

using namespace Tessel;
using Strings = std::vector<std::string>;

namespace {

struct RecordingButtonListener : ButtonListener {
  void OnButtonClick(int id) override { Calls.push_back("click " + std::to_string(id)); }
  void OnButtonDisabledClick(int id) override { Calls.push_back("disabled " + std::to_string(id)); }
  void OnButtonPress(int id) override { Calls.push_back("press " + std::to_string(id)); }
  void OnButtonRelease(int id) override { Calls.push_back("release " + std::to_string(id)); }
  Strings Calls;
};

class ButtonBaseTest : public testing::Test {
protected:
  ButtonBaseTest() {
    Manager.SetSize(1024, 768);
    Button = new ButtonBase(3, &Listener);
    Button->SetRect(100, 100, 80, 30);
    Manager.AddChild(Button);
  }
  void MoveTo(int x, int y) {
    Manager.OnMouseMove(x, y);
    Manager.Update(0.01f);
  }

  WidgetManager Manager{nullptr};
  RecordingButtonListener Listener;
  ButtonBase* Button;
};

}  // namespace

TEST_F(ButtonBaseTest, APressAndAReleaseOnTheButtonClickIt) {
  MoveTo(110, 110);
  Manager.OnMouseDown(110, 110, 1);
  EXPECT_TRUE(Button->IsPressed());
  Manager.OnMouseUp(110, 110, 1);
  EXPECT_FALSE(Button->IsPressed());
  EXPECT_EQ(Listener.Calls, (Strings{"press 3", "click 3", "release 3"}));
}

TEST_F(ButtonBaseTest, MovingOutWhilePressedCancelsTheClick) {
  MoveTo(110, 110);
  Manager.OnMouseDown(110, 110, 1);
  MoveTo(500, 500);
  Manager.OnMouseUp(500, 500, 1);
  MoveTo(110, 110);
  Manager.OnMouseUp(110, 110, 1);
  EXPECT_EQ(Listener.Calls, (Strings{"press 3", "release 3"}));
}

TEST_F(ButtonBaseTest, ADisabledButtonReportsDisabledClicksOnly) {
  Button->SetDisabled(true);
  MoveTo(110, 110);
  Manager.OnMouseDown(110, 110, 1);
  Manager.OnMouseUp(110, 110, 1);
  EXPECT_EQ(Listener.Calls, (Strings{"disabled 3"}));
}

TEST_F(ButtonBaseTest, OnlyTheLeftButtonPressesIt) {
  MoveTo(110, 110);
  for (int button : {2, 3}) {
    Manager.OnMouseDown(110, 110, button);
    Manager.OnMouseUp(110, 110, button);
  }
  EXPECT_TRUE(Listener.Calls.empty());
}

TEST_F(ButtonBaseTest, AReleaseWithoutAPressOnTheButtonIsNoClick) {
  MoveTo(500, 500);
  Manager.OnMouseDown(500, 500, 1);
  MoveTo(110, 110);
  Manager.OnMouseUp(110, 110, 1);
  EXPECT_TRUE(Listener.Calls.empty());
}

TEST_F(ButtonBaseTest, DisablingAPressedButtonCancelsThePressSilently) {
  MoveTo(110, 110);
  Manager.OnMouseDown(110, 110, 1);
  Button->SetDisabled(true);
  Manager.OnMouseUp(110, 110, 1);
  EXPECT_FALSE(Button->IsPressed());
  EXPECT_EQ(Listener.Calls, (Strings{"press 3"}));
}
