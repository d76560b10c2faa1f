// Batching and chunking: how quads and lines become draws in the three
// dynamic buffers.
#include <gtest/gtest.h>

#include "graphics/RecordingDevice.h"
#include "tessel/resources/Bitmap.h"

using namespace Tessel;

namespace {

Quad MakeQuad(float x, float y, float size, uint32_t color = 0xFFFFFFFF) {
  return Quad{{{x, y}, {x + size, y}, {x + size, y + size}, {x, y + size}},
              {{0, 0}, {size, 0}, {size, size}, {0, size}},
              color,
              0};
}

class Batching : public testing::Test {
protected:
  void SetUp() override {
    bool windowed = true;
    Device.SetMode(1024, 768, &windowed);
    Device.BeginFrame();
    Device.ClearRecords();
  }
  std::vector<Quad> Quads(int n) { return std::vector<Quad>(n, MakeQuad(10, 10, 32)); }

  Testing::RecordingDevice Device;
  Bitmap Image{64, 64, PIXEL_A8R8G8B8};
};

TEST_F(Batching, EmptyOrMissingBatchesDoNothingAtAll) {
  Quad quad = MakeQuad(0, 0, 4);
  LineSegment line{0, 0, 10, 10, 0xFFFFFFFF, 0xFFFFFFFF};
  QuadEx quadEx{};
  Device.DrawQuads(&Image, 0, &quad);
  Device.DrawQuads(&Image, -3, &quad);
  Device.DrawQuads(&Image, 5, nullptr);
  Device.DrawQuadsEx(0, &Image, &Image, 0, &quadEx);
  Device.DrawQuadsEx(0, &Image, &Image, 2, nullptr);
  Device.DrawLines(0, &line);
  Device.DrawLines(-1, &line);
  Device.DrawLines(3, nullptr);
  EXPECT_TRUE(Device.Changes.empty());
  EXPECT_TRUE(Device.Draws.empty());
  EXPECT_EQ(Device.GetCachedTextureCount(), 0) << "not even the texture is loaded";
}

TEST_F(Batching, FiveThousandQuadsGoInChunksOfAtMost1024) {
  std::vector<Quad> quads = Quads(5000);
  Device.DrawQuads(&Image, 5000, quads.data());
  int total = 0;
  for (const auto& draw : Device.Draws) {
    EXPECT_LE(draw.PrimitiveCount, 2 * 1024);
    EXPECT_EQ(draw.VertexCount, 2 * draw.PrimitiveCount);
    total += draw.PrimitiveCount / 2;
  }
  EXPECT_EQ(total, 5000);
  EXPECT_EQ(Device.Draws.size(), 5u);
  EXPECT_EQ(Device.Draws[4].PrimitiveCount, 2 * (5000 - 4 * 1024));
}

TEST_F(Batching, BatchesFollowEachOtherAndDiscardOnlyWhenFull) {
  std::vector<Quad> quads = Quads(1000);
  Device.DrawQuads(&Image, 1000, quads.data());
  Device.DrawQuads(&Image, 20, quads.data());  // 24 quads still fit
  ASSERT_EQ(Device.Draws.size(), 2u);
  EXPECT_EQ(Device.Draws[1].BaseVertex, 4000);
  EXPECT_EQ(Device.Draws[1].FirstIndex, 6000);
  EXPECT_EQ(Device.LockDiscards, (std::vector<bool>{true, true, false, false})) << "the frame's first batch discards";

  Device.DrawQuads(&Image, 10, quads.data());  // 4 quads fit: fewer than 64, so the buffers start over
  ASSERT_EQ(Device.Draws.size(), 3u);
  EXPECT_EQ(Device.Draws[2].BaseVertex, 0);
  EXPECT_EQ(Device.Draws[2].FirstIndex, 0);
}

TEST_F(Batching, ASmallRestFillsTheEndOfTheBuffer) {
  std::vector<Quad> quads = Quads(1020);
  Device.DrawQuads(&Image, 1020, quads.data());
  Device.DrawQuads(&Image, 4, quads.data());  // exactly what is left
  ASSERT_EQ(Device.Draws.size(), 2u);
  EXPECT_EQ(Device.Draws[1].BaseVertex, 4080);
}

TEST_F(Batching, EveryFrameStartsTheBuffersAgain) {
  std::vector<Quad> quads = Quads(100);
  Device.DrawQuads(&Image, 100, quads.data());
  Device.EndFrame();
  Device.BeginFrame();
  Device.DrawQuads(&Image, 100, quads.data());
  EXPECT_EQ(Device.Draws[1].BaseVertex, 0);
  EXPECT_TRUE(Device.LockDiscards[2]);
}

TEST_F(Batching, TwoTextureQuadsBeyondTheSmallBufferStillFinish) {
  Bitmap second(64, 64, PIXEL_A8R8G8B8);
  std::vector<QuadEx> quads(40);
  Device.DrawQuadsEx(QUADEX_CrossFade, &Image, &second, 40, quads.data());
  ASSERT_EQ(Device.Draws.size(), 3u) << "16 quads fit buffer B";
  EXPECT_EQ(Device.Draws[0].PrimitiveCount, 32);
  EXPECT_EQ(Device.Draws[2].PrimitiveCount, 16);
}

TEST_F(Batching, LinesAreIndexedPairsWithTheirEndColours) {
  std::vector<LineSegment> lines(3000, LineSegment{1, 2, 30, 40, 0xFF112233, 0xFF445566});
  Device.DrawLines(3000, lines.data());
  ASSERT_FALSE(Device.Draws.empty());
  int total = 0;
  for (const auto& draw : Device.Draws) {
    EXPECT_EQ(draw.Primitive, PRIMITIVE_Lines);
    EXPECT_EQ(draw.VertexCount, 2 * draw.PrimitiveCount);
    total += draw.PrimitiveCount;
  }
  EXPECT_EQ(total, 3000);
  EXPECT_EQ(Device.Draws[0].PrimitiveCount, 2048) << "vertex buffer A holds 2048 lines";
  const QuadVertexA& end = Device.LastVerticesA[1];
  EXPECT_EQ(end.X, 30);  // lines get no half-pixel offset
  EXPECT_EQ(end.Y, 40);
  EXPECT_EQ(end.Diffuse, 0xFF445566u);
}

TEST_F(Batching, QuadVerticesAreShiftedHalfAPixelAndScaledToTexels) {
  Quad quad = MakeQuad(10, 20, 32);
  Device.DrawQuads(&Image, 1, &quad);
  ASSERT_EQ(Device.LastVerticesA.size(), 4u);
  EXPECT_EQ(Device.LastVerticesA[2].X, 41.5f);
  EXPECT_EQ(Device.LastVerticesA[2].Y, 51.5f);
  EXPECT_EQ(Device.LastVerticesA[2].U, 0.5f);
  EXPECT_EQ(Device.LastVerticesA[2].Rhw, 1.0f);
}

TEST_F(Batching, UntexturedQuadsKeepTheirCoordinatesUnscaled) {
  Quad quad = MakeQuad(0, 0, 8);
  Device.DrawQuads(nullptr, 1, &quad);
  EXPECT_EQ(Device.LastVerticesA[2].U, 8.0f);
  EXPECT_EQ(Device.GetStageWord(0), 0x4242u);
}

}  // namespace
