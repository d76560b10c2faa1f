// What a van draws, on the recording device.

#include <memory>
#include <vector>

#include "game/town/TownArt.h"
#include "support/RecordingGraphicsDevice.h"
#include "tessel/graphics/Canvas.h"
#include "tessel/resources/Bitmap.h"
#include "town/VanTestSupport.h"

using namespace Corvanta;
using namespace Testing;

namespace {

class VanDrawing : public VanTest {
protected:
  VanDrawing() : TheCanvas(&Device) {
    for (int frame = 0; frame < 8; ++frame)
      Pictures.push_back(std::make_unique<Tessel::Bitmap>(32, 32, Tessel::PIXEL_A8R8G8B8));
  }
  void SetUp() override {
    VanTest::SetUp();
    for (int frame = 0; frame < 8; ++frame) Art.ConstructionVan[frame] = Pictures[static_cast<size_t>(frame)].get();
    Art.OfficeVanIcon = &VanIcon;
    Art.OfficeSpeedUpIndicator = &Indicator;
    map->Art = &Art;
    Build({
        "..........",
        "..........",
        "..........",
        "##########",
        "..........",
    });
  }
  using Drawn = DrawnVanPicture;
  std::vector<Drawn> DrawVans() { return DrawVanPictures(*map, TheCanvas, Device, Pictures); }

  // The quads drawn with the picture.
  std::vector<Tessel::Quad> DrawnWith(const Tessel::Bitmap* picture) {
    Device.Calls.clear();
    map->Draw(TheCanvas);
    TheCanvas.Finish();
    std::vector<Tessel::Quad> quads;
    for (const RecordingGraphicsDevice::Call& call : Device.Calls)
      if (call.Image == picture) quads.insert(quads.end(), call.Quads.begin(), call.Quads.end());
    return quads;
  }

  std::vector<std::unique_ptr<Tessel::Bitmap>> Pictures;
  Tessel::Bitmap VanIcon{26, 16, Tessel::PIXEL_A8R8G8B8};
  Tessel::Bitmap Indicator{20, 20, Tessel::PIXEL_A8R8G8B8};
  TownArt Art;
  RecordingGraphicsDevice Device;
  Tessel::Canvas TheCanvas;
};

TEST_F(VanDrawing, AVanIsDrawnOnlyOnTheRoadCentredOnItsPositionAndFadingInFromTheOffice) {
  PlaceRealOffice(0, 1, 1);
  ConstructionVan* van = Van(0);
  EXPECT_TRUE(DrawVans().empty());  // at home, inside the office
  Order(BDK_Bungalow, 5, 0);
  map->Update(0.01f);
  map->Update(0.05f);
  ASSERT_EQ(van->state, ConstructionVan::STATE_GotoObjective);
  std::vector<Drawn> drawn = DrawVans();
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].Picture, 3);  // out of the office southwards
  EXPECT_NEAR(drawn[0].CentreX, van->ScreenX, 0.51f);
  EXPECT_NEAR(drawn[0].CentreY, van->ScreenY, 0.51f);
  ASSERT_LT(van->Visibility, 1);
  EXPECT_EQ(drawn[0].Diffuse >> 24, static_cast<uint32_t>(van->Visibility * van->Visibility * 255));
  EXPECT_EQ(drawn[0].Diffuse & 0xFFFFFFu, 0xFFFFFFu);

  // Later, turned east along the road and fully seen.
  ASSERT_TRUE(RunUntil([&] { return van->squareIdx == 2; }));
  drawn = DrawVans();
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].Picture, 0);
  EXPECT_EQ(drawn[0].Diffuse >> 24, 255u);
  EXPECT_EQ(van->GetDrawOrder(), static_cast<int>(van->ScreenY));
}

TEST_F(VanDrawing, TheOfficeShowsItsFreeVansAtItsLowerLeftCorner) {
  Office* office = PlaceRealOffice(0, 1, 1);
  std::vector<Tessel::Quad> icon = DrawnWith(&VanIcon);
  ASSERT_EQ(icon.size(), 1u);
  EXPECT_NEAR(icon[0].Position[0].X, office->InterfaceRect.X, 0.51f);
  EXPECT_NEAR(icon[0].Position[2].Y, office->InterfaceRect.Y + office->InterfaceRect.Height, 0.51f);
  Order(BDK_Bungalow, 5, 0);  // its only van is out
  EXPECT_TRUE(DrawnWith(&VanIcon).empty());
}

TEST_F(VanDrawing, TheSpeedUpIndicatorPopsUpAndSettles) {
  Buy(OFUP_AutoService2);
  Office* office = PlaceRealOffice(0, 1, 0);
  struct Case {
    float Fade, Scale;
    uint32_t Alpha;
  } cases[] = {{0.5f, 0.5f, 127}, {2, 2, 255}, {2.5f, 1.5f, 255}, {3, 1, 255}};
  for (const Case& c : cases) {
    office->IndicatorFade = c.Fade;
    std::vector<Tessel::Quad> quads = DrawnWith(&Indicator);
    ASSERT_EQ(quads.size(), 1u) << c.Fade;
    EXPECT_NEAR(quads[0].Position[2].X - quads[0].Position[0].X, 20 * c.Scale, 1e-3f) << c.Fade;
    EXPECT_NEAR(quads[0].Position[2].Y, office->InterfaceRect.Y, 0.51f) << c.Fade;  // standing on the top edge
    EXPECT_EQ(quads[0].Diffuse >> 24, c.Alpha) << c.Fade;
  }
  office->IndicatorFade = 0;
  EXPECT_TRUE(DrawnWith(&Indicator).empty());
}

}  // namespace
