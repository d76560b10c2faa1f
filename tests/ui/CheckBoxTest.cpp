// The check box: a click toggles it before the listener hears it; only the
// box takes the mouse.
#include "game/ui/CheckBox.h"
#include "tests/ui/ControlFixture.h"

using namespace Tessel;
using namespace Corvanta;

namespace {

struct CheckListener : ButtonListener {
  void OnButtonClick(int id) override { Seen.push_back(Box->IsChecked()); }
  CheckBox* Box = nullptr;
  std::vector<bool> Seen;
};

class CheckBoxTest : public Testing::ControlFixture {
protected:
  CheckBoxTest() {
    Box = new CheckBox(2, &Listener);
    Listener.Box = Box;
    Box->SetPosition(100, 100);
    Manager().AddChild(Box);
  }
  ~CheckBoxTest() override { ClearScreen(); }
  ResourceBase* DrawnImage() {
    auto calls = DrawFrame();
    return calls.empty() ? nullptr : calls[0].Image;
  }

  CheckListener Listener;
  CheckBox* Box;
};

}  // namespace

TEST_F(CheckBoxTest, AClickTogglesItBeforeTheListenerHearsIt) {
  EXPECT_FALSE(Box->IsChecked());
  EXPECT_EQ(DrawnImage(), TheControlResources.CheckBoxNormal);
  Click(110, 120);
  EXPECT_TRUE(Box->IsChecked());
  EXPECT_EQ(DrawnImage(), TheControlResources.CheckBoxChecked);
  Click(110, 120);
  EXPECT_EQ(Listener.Seen, (std::vector<bool>{true, false}));
}

TEST_F(CheckBoxTest, OnlyTheBoxTakesTheMouse) {
  EXPECT_EQ(Box->Width, 32) << "sized by its picture";
  Click(100, 100);  // the picture's corner, outside the box at (1, 9)
  Click(132, 140);  // beyond the box's far corner (31, 39)
  EXPECT_TRUE(Listener.Seen.empty());
  Click(131, 139);
  EXPECT_EQ(Listener.Seen.size(), 1u);
}

TEST_F(CheckBoxTest, ALockedCheckBoxDoesNotToggle) {
  Box->SetLocked(true);
  Click(110, 120);
  Box->OnClick();
  EXPECT_FALSE(Box->IsChecked());
  EXPECT_TRUE(Listener.Seen.empty());
}

TEST_F(CheckBoxTest, ItsToolTipGoesWithTheClick) {
  Box->SetToolTipText(u"Full screen");
  MoveTo(110, 120);
  ASSERT_TRUE(Box->IsToolTipShown());
  Press(110, 120);
  Release(110, 120);
  EXPECT_FALSE(Box->IsToolTipShown());
}
