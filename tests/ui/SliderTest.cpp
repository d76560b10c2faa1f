// The slider: the capture while it is dragged, its value and its drawing.
#include "game/ui/Slider.h"
#include "tessel/graphics/GraphicsDevice.h"
#include "tessel/widgets/ButtonBase.h"
#include "tests/ui/ControlFixture.h"

using namespace Tessel;
using namespace Corvanta;
using Testing::Strings;

namespace {

struct RecordingSliderListener : SliderListener {
  void OnSliderChanged(Slider* s) override { Values.push_back(s->GetRawValue()); }
  void OnSliderReleased(Slider* s) override { ++Releases; }
  std::vector<float> Values;
  int Releases = 0;
};

struct CountingButtonListener : ButtonListener {
  void OnButtonPress(int) override { ++Presses; }
  int Presses = 0;
};

// The slider at (100, 200): its value 0 lies at x = 111, 1 at x = 274.
class SliderTest : public Testing::ControlFixture {
protected:
  SliderTest() {
    TheSlider = new Slider(&Listener);
    TheSlider->SetPosition(100, 200);
    Manager().AddChild(TheSlider);
  }
  ~SliderTest() override { ClearScreen(); }
  // The pin's picture and x in the last frame.
  std::pair<ResourceBase*, float> DrawnPin() {
    for (const auto& call : DrawFrame())
      for (const Quad& q : call.Quads)
        if (call.Image == TheControlResources.SliderPinActive || call.Image == TheControlResources.SliderPinInactive)
          return {call.Image, q.Position[0].X};
    return {nullptr, 0};
  }

  RecordingSliderListener Listener;
  Slider* TheSlider;
};

}  // namespace

TEST_F(SliderTest, ItIs185By47) {
  EXPECT_EQ(TheSlider->Width, 185);
  EXPECT_EQ(TheSlider->Height, 47);
}

TEST_F(SliderTest, DraggingCapturesTheMouseAndTheValueFollowsItBeyondTheEnds) {
  auto* neighbour = new ButtonBase(1, nullptr);
  neighbour->SetRect(400, 200, 100, 47);
  Manager().AddChild(neighbour);

  MoveTo(192, 210);
  Press(192, 210);  // 81.5 / 163: the middle
  EXPECT_EQ(Manager().GetCapturedWidget(), TheSlider);
  MoveTo(450, 220);  // far right, over the neighbour
  EXPECT_EQ(Manager().GetHoveredWidget(), TheSlider) << "the neighbour is not hovered during the drag";
  EXPECT_FALSE(neighbour->IsHovered());
  MoveTo(50, 400);  // far left, outside
  Release(50, 400);

  ASSERT_EQ(Listener.Values.size(), 3u);
  EXPECT_NEAR(Listener.Values[0], 0.5f, 0.01f);
  EXPECT_NEAR(Listener.Values[1], (350 - 11) / 163.0f, 1e-4f) << "stored beyond the right end";
  EXPECT_NEAR(Listener.Values[2], (-50 - 11) / 163.0f, 1e-4f);
  EXPECT_EQ(TheSlider->GetValue(), 0) << "reading clamps";
  EXPECT_EQ(Listener.Releases, 1);
  EXPECT_EQ(Manager().GetCapturedWidget(), nullptr);
  MoveTo(420, 210);
  EXPECT_TRUE(neighbour->IsHovered());
}

TEST_F(SliderTest, ThePinIsDrawnAtTheClampedValueActiveWhileHoveredOrDragged) {
  TheSlider->SetValue(0.25f);
  auto [image, x] = DrawnPin();
  EXPECT_EQ(image, TheControlResources.SliderPinInactive);
  EXPECT_FLOAT_EQ(x, 100 + 41) << "round(0.25 x 163)";
  TheSlider->SetValue(1.7f);
  MoveTo(110, 210);
  std::tie(image, x) = DrawnPin();
  EXPECT_EQ(image, TheControlResources.SliderPinActive);
  EXPECT_FLOAT_EQ(x, 100 + 163) << "a value beyond the end draws the pin at the end";
}

TEST_F(SliderTest, ADisabledSliderIsGreyWithoutAPinAndTakesNoDrag) {
  TheSlider->SetDisabled(true);
  MoveTo(150, 210);
  Press(150, 210);
  EXPECT_EQ(Manager().GetCapturedWidget(), nullptr);
  EXPECT_TRUE(Listener.Values.empty());
  std::vector<Testing::RecordingGraphicsDevice::Call> calls = DrawFrame();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].Image, TheControlResources.SliderBar);
  EXPECT_EQ(calls[0].ColorMode, COLOR_Grey);
  EXPECT_FLOAT_EQ(calls[0].Quads[0].Position[0].Y, 200 + 17);
}

TEST_F(SliderTest, TheSlidersAlphaFadesBarAndPin) {
  TheSlider->Alpha = 0.5f;
  for (const auto& call : DrawFrame()) EXPECT_EQ(call.Quads[0].Diffuse, 0x80FFFFFFu);
}
