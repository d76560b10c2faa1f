// The game's button: sounds, the pictures per state, locked and held-down
// buttons, auto-repeat, dragging, the highlight and its tool tip.
#include <cmath>

#include "game/ui/Button.h"
#include "tessel/graphics/GraphicsDevice.h"
#include "tessel/widgets/WidgetGuard.h"
#include "tests/ui/ControlFixture.h"

using namespace Tessel;
using namespace Corvanta;
using Testing::Strings;

namespace {

struct RecordingListener : ButtonListener, ButtonDragListener {
  void OnButtonClick(int id) override { Calls.push_back("click"); }
  void OnButtonDisabledClick(int id) override { Calls.push_back("disabled"); }
  void OnButtonPress(int id) override { Calls.push_back("press"); }
  void OnButtonRelease(int id) override { Calls.push_back("release"); }
  void OnButtonDrag(int id, float dx, float dy) override {
    Calls.push_back("drag " + std::to_string(std::lround(dx)) + "," + std::to_string(std::lround(dy)));
  }
  Strings Calls;
};

// A 100 x 40 button at (200, 300) cut from a strip of four rows.
class ButtonTest : public Testing::ControlFixture {
protected:
  ButtonTest() {
    Strip = Picture(100, 160);
    TheButton = new Button(5, &Listener);
    TheButton->SetImageStrip(Strip);
    TheButton->SetPosition(200, 300);
    Manager().AddChild(TheButton);
    TakeSounds();
  }
  ~ButtonTest() override { ClearScreen(); }
  // The source rectangle's top of the button's picture in the last frame.
  float DrawnRow() {
    for (const auto& call : DrawFrame())
      if (call.Image == Strip) return call.Quads[0].TexCoord[0].Y;
    return -1;
  }

  RecordingListener Listener;
  Bitmap* Strip;
  Button* TheButton;
};

}  // namespace

// ---- sounds and reports

TEST_F(ButtonTest, HoverPressAndReleaseSoundAndReport) {
  MoveTo(210, 310);
  EXPECT_EQ(TakeSounds(), Strings{"mouseEnter"});
  Press(210, 310);
  EXPECT_EQ(TakeSounds(), Strings{"click"});
  Release(210, 310);
  EXPECT_EQ(Listener.Calls, (Strings{"press", "click", "release"}));
  EXPECT_TRUE(TakeSounds().empty());
}

TEST_F(ButtonTest, PressingMovingOutAndReleasingOutsideIsNoClick) {
  MoveTo(210, 310);
  Press(210, 310);
  MoveTo(600, 600);
  Release(600, 600);
  EXPECT_EQ(Listener.Calls, (Strings{"press", "release"}));
}

TEST_F(ButtonTest, ADisabledButtonSoundsClickDisabledAndNeverClicks) {
  TheButton->SetDisabled(true);
  MoveTo(210, 310);
  Press(210, 310);
  Release(210, 310);
  EXPECT_EQ(TakeSounds(), Strings{"clickDisabled"}) << "no mouseEnter and no click for a disabled button";
  EXPECT_EQ(Listener.Calls, Strings{"disabled"});
}

TEST_F(ButtonTest, ASilentButtonPlaysNothing) {
  TheButton->IsSilent = true;
  Click(210, 310);
  TheButton->SetDisabled(true);
  MoveTo(211, 311);  // disabling ended the hover
  Press(211, 311);
  EXPECT_TRUE(TakeSounds().empty());
  EXPECT_EQ(Listener.Calls, (Strings{"press", "click", "release", "disabled"}));
}

// ---- pictures and states

struct StateCase {
  const char* Name;
  bool Hovered, Pressed, HeldDown, Disabled, Locked;
  int State;
};
void PrintTo(const StateCase& c, std::ostream* os) { *os << c.Name; }

class ButtonStates : public ButtonTest, public testing::WithParamInterface<StateCase> {};

TEST_P(ButtonStates, EachStateDrawsItsRowOfTheStrip) {
  const StateCase& c = GetParam();
  if (c.Hovered) MoveTo(210, 310);
  if (c.Pressed) Press(210, 310);
  TheButton->SetHeldDown(c.HeldDown);
  TheButton->SetDisabled(c.Disabled);
  TheButton->SetLocked(c.Locked);
  EXPECT_EQ(TheButton->GetDrawState(), c.State);
  EXPECT_EQ(DrawnRow(), c.State * 40.0f);
}

INSTANTIATE_TEST_SUITE_P(
    States, ButtonStates,
    testing::Values(StateCase{"Normal", false, false, false, false, false, BUTTONSTATE_Normal},
                    StateCase{"Hover", true, false, false, false, false, BUTTONSTATE_Hover},
                    StateCase{"PressedWhileHovered", true, true, false, false, false, BUTTONSTATE_Pressed},
                    StateCase{"HeldDown", false, false, true, false, false, BUTTONSTATE_Pressed},
                    StateCase{"HeldDownAndHovered", true, false, true, false, false, BUTTONSTATE_Pressed},
                    StateCase{"Disabled", true, false, false, true, false, BUTTONSTATE_Disabled},
                    StateCase{"Locked", true, false, true, false, true, BUTTONSTATE_Disabled}),
    [](const testing::TestParamInfo<StateCase>& info) { return info.param.Name; });

TEST_F(ButtonTest, AStripOfThreeRowsUsesTheThirdForHoverTooAndTheButtonTakesARowsSize) {
  Bitmap* three = Picture(80, 90);
  TheButton->SetImageStrip(three, true);
  EXPECT_EQ(TheButton->Width, 80);
  EXPECT_EQ(TheButton->Height, 30);
  MoveTo(210, 310);
  float hoverRow = -1;
  for (const auto& call : DrawFrame())
    if (call.Image == three) hoverRow = call.Quads[0].TexCoord[0].Y;
  EXPECT_EQ(hoverRow, 60);
}

TEST_F(ButtonTest, AMissingStatePictureShowsTheNormalOne) {
  Bitmap* normal = Picture(60, 20);
  Bitmap* pressed = Picture(60, 20);
  TheButton->SetImages(normal, pressed, nullptr, nullptr);
  EXPECT_EQ(TheButton->Width, 60);
  MoveTo(210, 310);  // hover: no picture of its own
  std::vector<ResourceBase*> drawn;
  for (const auto& call : DrawFrame()) drawn.push_back(call.Image);
  EXPECT_EQ(drawn, std::vector<ResourceBase*>{normal});
  Press(210, 310);
  drawn.clear();
  for (const auto& call : DrawFrame()) drawn.push_back(call.Image);
  EXPECT_EQ(drawn, std::vector<ResourceBase*>{pressed});
}

TEST_F(ButtonTest, TheCaptionIsCentredInItsStateColourAndSinksAPixelWhenPressed) {
  TheButton->SetCaption(u"Go", TheFont);  // 20 x 20 in 100 x 40
  TheButton->CaptionColors[BUTTONSTATE_Normal] = 0xFF112233;
  TheButton->CaptionColors[BUTTONSTATE_Pressed] = 0xFF445566;
  TheButton->Alpha = 0.5f;
  auto glyph = [&]() -> Quad {
    for (const auto& call : DrawFrame())
      if (call.Image != Strip) return call.Quads[0];
    return Quad{};
  };
  Quad normal = glyph();
  EXPECT_FLOAT_EQ(normal.Position[0].X, 200 + 40);
  EXPECT_FLOAT_EQ(normal.Position[0].Y, 300 + 10);
  EXPECT_EQ(normal.Diffuse, 0x80112233u) << "the button's alpha is multiplied in";
  MoveTo(210, 310);
  Press(210, 310);
  Quad pressed = glyph();
  EXPECT_FLOAT_EQ(pressed.Position[0].Y, 300 + 11);
  EXPECT_EQ(pressed.Diffuse, 0x80445566u);
}

TEST_F(ButtonTest, ALockedButtonDrawsTheLockOverItsGreyPictureWithoutCaptionAndIgnoresClicks) {
  TheButton->SetCaption(u"Buy", TheFont);
  TheButton->SetLocked(true);
  std::vector<Testing::RecordingGraphicsDevice::Call> calls = DrawFrame();
  ASSERT_EQ(calls.size(), 2u) << "the picture and the lock, no glyphs";
  EXPECT_EQ(calls[0].Quads[0].TexCoord[0].Y, 80) << "the disabled row";
  EXPECT_EQ(calls[1].Image, TheControlResources.Lock);
  EXPECT_FLOAT_EQ(calls[1].Quads[0].Position[0].X, 200 + 40);
  EXPECT_FLOAT_EQ(calls[1].Quads[0].Position[0].Y, 300 + 8);

  Click(210, 310);
  TheButton->OnClick();
  EXPECT_EQ(Listener.Calls, Strings{"disabled"});
  EXPECT_EQ(TakeSounds(), Strings{"clickDisabled"});
}

TEST_F(ButtonTest, UnlockingRestoresTheDisabledStateThatWasAskedFor) {
  TheButton->SetLocked(true);
  EXPECT_TRUE(TheButton->IsDisabled());
  TheButton->SetLocked(false);
  EXPECT_FALSE(TheButton->IsDisabled());
  TheButton->SetDisabled(true);
  TheButton->SetLocked(true);
  TheButton->SetDisabled(false);
  EXPECT_TRUE(TheButton->IsDisabled()) << "still locked";
  TheButton->SetLocked(false);
  EXPECT_FALSE(TheButton->IsDisabled());
}

TEST_F(ButtonTest, TheCaptionRectangleCanBeTheOnlyHitArea) {
  TheButton->SetCaptionRect(RectF{10, 10, 20, 20}, true);
  MoveTo(205, 305);
  EXPECT_EQ(Manager().GetHoveredWidget(), nullptr);
  MoveTo(230, 330);
  EXPECT_EQ(Manager().GetHoveredWidget(), TheButton) << "the far corner of the hit area";
}

// ---- auto-repeat and dragging

TEST_F(ButtonTest, AnAutoRepeatButtonHeldForASecondRepeatsAfterHalfASecondEvery150Milliseconds) {
  TheButton->IsAutoRepeat = true;
  struct Timed : ButtonListener {
    void OnButtonClick(int) override { Times.push_back(*Now); }
    float* Now;
    std::vector<float> Times;
  } timed;
  float now = 0;
  timed.Now = &now;
  TheButton->Listener = &timed;
  MoveTo(210, 310);
  Press(210, 310);
  for (int frame = 1; frame <= 100; ++frame) {
    now = frame * 0.01f;
    Manager().Update(0.01f);
  }
  ASSERT_EQ(timed.Times.size(), 3u);
  EXPECT_NEAR(timed.Times[0], 0.65f, 0.001f);
  EXPECT_NEAR(timed.Times[1], 0.80f, 0.001f);
  EXPECT_NEAR(timed.Times[2], 0.95f, 0.001f);
  EXPECT_EQ(TakeSounds(), (Strings{"mouseEnter", "click", "click", "click", "click"})) << "the press and each repeat";
  Release(210, 310);
  EXPECT_EQ(timed.Times.size(), 4u) << "the release clicks as ever";
}

TEST_F(ButtonTest, AnAutoRepeatButtonStopsRepeatingWhenTheMouseLeaves) {
  TheButton->IsAutoRepeat = true;
  MoveTo(210, 310);
  Press(210, 310);
  Run(0.7f);
  MoveTo(600, 600);
  Run(1.0f);
  EXPECT_EQ(Listener.Calls, (Strings{"press", "click", "release"}));
}

TEST_F(ButtonTest, DraggingReportsTheDistanceFromThePressWhileTheLeftButtonIsDown) {
  TheButton->DragListener = &Listener;
  MoveTo(210, 310);
  Press(210, 310);
  MoveTo(215, 318);
  MoveTo(230, 305);
  Release(230, 305);
  MoveTo(240, 305);
  EXPECT_EQ(Listener.Calls, (Strings{"press", "drag 5,8", "drag 20,-5", "click", "release"}));
}

TEST_F(ButtonTest, HeldDownAndLockedButtonsAreNotDragged) {
  TheButton->DragListener = &Listener;
  TheButton->SetHeldDown(true);
  MoveTo(210, 310);
  Press(210, 310);
  MoveTo(220, 320);
  Release(220, 320);
  TheButton->SetHeldDown(false);
  TheButton->SetLocked(true);
  Press(220, 320);
  MoveTo(225, 325);
  for (const std::string& call : Listener.Calls) EXPECT_EQ(call.rfind("drag", 0), std::string::npos) << call;
  EXPECT_FALSE(TheButton->IsDragging());
}

// ---- highlight

TEST_F(ButtonTest, AHighlightPulsesForItsTimeAndEndsAtTheEndOfAPulse) {
  TheButton->StartHighlight(1.5f);
  Run(0.5f);
  EXPECT_NEAR(TheButton->GetHighlightPhase(), 0.5f, 0.02f);
  Run(1.0f);
  EXPECT_TRUE(TheButton->IsHighlighted()) << "the phase wrapped at 1 s while time remained";
  EXPECT_NEAR(TheButton->GetHighlightPhase(), 0.5f, 0.02f);
  Run(0.6f);
  EXPECT_FALSE(TheButton->IsHighlighted()) << "at 2 s the time is up";
}

TEST_F(ButtonTest, AHighlightWithAConditionLastsUntilTheConditionHoldsEvenWhenHovered) {
  bool done = false;
  TheButton->StartHighlight(0.1f, [&] { return done; });
  Run(3.0f);
  MoveTo(210, 310);
  EXPECT_TRUE(TheButton->IsHighlighted());
  done = true;
  Run(0.01f);
  EXPECT_FALSE(TheButton->IsHighlighted());

  TheButton->StartHighlight(5.0f);
  MoveTo(600, 600);
  MoveTo(210, 310);
  EXPECT_FALSE(TheButton->IsHighlighted()) << "the mouse ends a highlight without a condition";
}

TEST_F(ButtonTest, AHighlightedButtonDrawsAnAdditiveGlowOverItsPicture) {
  TheButton->StartHighlight(1.0f);
  Run(0.5f);
  std::vector<Testing::RecordingGraphicsDevice::Call> calls = DrawFrame();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[1].BlendMode, BLEND_Additive);
  EXPECT_GT(calls[1].Quads[0].Diffuse >> 24, 100u);
  EXPECT_EQ(calls[0].BlendMode, BLEND_Alpha);
}

// ---- tool tips

TEST_F(ButtonTest, TheToolTipAppearsUnderTheButtonOnHoverAndGoesOnLeaveAndOnClick) {
  TheButton->SetToolTipText(u"House\nA small house");
  ToolTip* tip = TheButton->GetToolTip();
  MoveTo(210, 310);
  ASSERT_TRUE(TheButton->IsToolTipShown());
  EXPECT_EQ(tip->GetParent(), &Manager());
  EXPECT_EQ(Manager().GetLastChild(), tip) << "on top of everything";
  EXPECT_EQ(tip->GetRect().X, 200);
  EXPECT_EQ(tip->GetRect().Y, 344) << "4 pixels below the button";
  EXPECT_EQ(Manager().GetHoveredWidget(), TheButton) << "the tool tip lets the mouse through";
  MoveTo(600, 600);
  EXPECT_FALSE(TheButton->IsToolTipShown());
  Click(210, 310);
  EXPECT_FALSE(TheButton->IsToolTipShown()) << "a click takes it away";
}

struct PlacementCase {
  const char* Name;
  float ButtonX, ButtonY;
  bool Follows;
  int MouseX, MouseY;
  float TipX, TipY;
};
void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.Name; }

class ToolTipPlacement : public ButtonTest, public testing::WithParamInterface<PlacementCase> {};

// The tool tip of a title of 15 bold letters is 15 x 12 + 20 = 200 wide and 20 + 16 = 36 high.
TEST_P(ToolTipPlacement, StaysOnTheScreen) {
  const PlacementCase& c = GetParam();
  TheButton->SetPosition(c.ButtonX, c.ButtonY);
  TheButton->ToolTipFollowsMouse = c.Follows;
  TheButton->SetToolTipText(u"ABCDEFGHIJKLMNO");
  ASSERT_EQ(TheButton->GetToolTip()->Width, 200);
  ASSERT_EQ(TheButton->GetToolTip()->Height, 36);
  MoveTo(c.MouseX, c.MouseY);
  ASSERT_TRUE(TheButton->IsToolTipShown());
  EXPECT_EQ(TheButton->GetToolTip()->X, c.TipX);
  EXPECT_EQ(TheButton->GetToolTip()->Y, c.TipY);
}

INSTANTIATE_TEST_SUITE_P(Places, ToolTipPlacement,
                         testing::Values(PlacementCase{"UnderTheButton", 200, 300, false, 250, 320, 200, 344},
                                         PlacementCase{"MovedLeftAtTheRightEdge", 900, 300, false, 950, 320, 824, 344},
                                         PlacementCase{"AboveAtTheBottom", 200, 720, false, 250, 740, 200, 680},
                                         PlacementCase{"BesideTheMouse", 200, 300, true, 250, 320, 260, 355},
                                         PlacementCase{"BesideTheMouseAtTheRightEdge", 900, 300, true, 990, 320, 824,
                                                       355}),
                         [](const testing::TestParamInfo<PlacementCase>& info) { return info.param.Name; });

TEST_F(ButtonTest, AToolTipThatFollowsTheMouseMovesWithItEveryFrame) {
  TheButton->ToolTipFollowsMouse = true;
  TheButton->SetToolTipText(u"Tip");
  MoveTo(210, 310);
  MoveTo(250, 320);
  Manager().Update(0.01f);
  EXPECT_EQ(TheButton->GetToolTip()->X, 260);
  EXPECT_EQ(TheButton->GetToolTip()->Y, 355);
}

TEST_F(ButtonTest, ADisabledToolTipIsNotShownAndAButtonDeletedWhileShowingItTakesItAlong) {
  TheButton->SetToolTipText(u"Tip");
  TheButton->IsToolTipEnabled = false;
  MoveTo(210, 310);
  EXPECT_FALSE(TheButton->IsToolTipShown());
  MoveTo(600, 600);
  TheButton->IsToolTipEnabled = true;
  MoveTo(210, 310);
  ASSERT_TRUE(TheButton->IsToolTipShown());
  delete TheButton;
  EXPECT_EQ(Manager().GetChildCount(), 0);
  DrawFrame();
  MoveTo(220, 320);
}

TEST_F(ButtonTest, TheApplicationsEndDeletesAButtonShowingItsToolTipOnce) {
  TheButton->SetToolTipText(u"Tip");
  MoveTo(210, 310);
  ASSERT_TRUE(TheButton->IsToolTipShown());
  // The fixture's end uninitialises the application with the tool tip on
  // screen; the sanitizer build checks that nothing is freed twice.
}
