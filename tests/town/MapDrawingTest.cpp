// What the map draws of its roads, on the recording device.

#include "game/town/TownArt.h"
#include "support/RecordingGraphicsDevice.h"
#include "tessel/graphics/Canvas.h"
#include "tessel/resources/Bitmap.h"
#include "town/TownTestSupport.h"

using namespace Corvanta;
using namespace Testing;

namespace {

class MapDrawing : public TownTest {
protected:
  MapDrawing() : Roads(320, 160, Tessel::PIXEL_A8R8G8B8), TheCanvas(&Device) {}
  void SetUp() override {
    TownTest::SetUp();
    Art.Roads[DECOR_Forest] = &Roads;
    map->Art = &Art;
  }
  std::vector<Tessel::Quad> Draw() {
    map->Draw(TheCanvas);
    TheCanvas.Finish();
    std::vector<Tessel::Quad> quads;
    for (const RecordingGraphicsDevice::Call& call : Device.Calls)
      if (call.Image == &Roads) quads.insert(quads.end(), call.Quads.begin(), call.Quads.end());
    return quads;
  }
  static void ExpectQuad(const Tessel::Quad& quad, float x, float y, float u, float v, float size) {
    EXPECT_NEAR(quad.Position[0].X, x, 1e-4);
    EXPECT_NEAR(quad.Position[0].Y, y, 1e-4);
    EXPECT_NEAR(quad.Position[2].X, x + size, 1e-4);
    EXPECT_NEAR(quad.TexCoord[0].X, u, 1e-4);
    EXPECT_NEAR(quad.TexCoord[0].Y, v, 1e-4);
    EXPECT_NEAR(quad.TexCoord[2].X, u + size, 1e-4);
  }

  Tessel::Bitmap Roads;
  TownArt Art;
  RecordingGraphicsDevice Device;
  Tessel::Canvas TheCanvas;
};

TEST_F(MapDrawing, ARoadDrawsTheTileOfItsMaskAndItsNeighboursTheirCornerPieces) {
  Build({"##.", "..."});
  std::vector<Tessel::Quad> quads = Draw();
  ASSERT_EQ(quads.size(), 9u);
  ExpectQuad(quads[0], 0, 0, 2 * 40, 0, 40);   // (0, 0): a road to the right, tile 2
  ExpectQuad(quads[1], 40, 0, 1 * 40, 0, 40);  // (1, 0): a road to the left, tile 1
  // (2, 0) beside the road's end: pieces 0 and 4 on its left half.
  ExpectQuad(quads[2], 80, 0, 160, 0, 20);
  ExpectQuad(quads[3], 80, 20, 160, 20, 20);
  // (0, 1) and (1, 1) below the road: pieces 2 and 3 on their top halves.
  ExpectQuad(quads[4], 0, 40, 160 + 2 * 20, 0, 20);
  ExpectQuad(quads[5], 20, 40, 160 + 3 * 20, 0, 20);
  ExpectQuad(quads[7], 60, 40, 160 + 3 * 20, 0, 20);
  // (2, 1) has the road's end diagonally at its top-left: piece 10 there.
  ExpectQuad(quads[8], 80, 40, 160 + 2 * 20, 2 * 20, 20);
}

TEST_F(MapDrawing, TheDraggedRoadIsDrawnHalfTransparent) {
  Build({"....", "...."});
  map->SetTool(MAPTOOL_Road);
  map->OnMouseMove(PixelX(0), PixelY(0));
  map->OnMouseDown(PixelX(0), PixelY(0), 1);
  map->OnMouseMove(PixelX(2), PixelY(0));
  std::vector<Tessel::Quad> quads = Draw();
  ASSERT_EQ(quads.size(), 3u);
  for (const Tessel::Quad& quad : quads) EXPECT_EQ(quad.Diffuse, 0x7FFFFFFFu);
  ExpectQuad(quads[1], 40, 0, 3 * 40, 0, 40);  // left and right: tile 3
}

TEST_F(MapDrawing, WithoutArtTheMapDrawsNothingOfItsOwn) {
  Build({"##.", "..."});
  map->Art = nullptr;
  EXPECT_TRUE(Draw().empty());
  EXPECT_TRUE(Device.Calls.empty());
}

}  // namespace
