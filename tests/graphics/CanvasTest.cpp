#include <gtest/gtest.h>

#include "support/RecordingGraphicsDevice.h"
#include "tessel/Exception.h"
#include "tessel/graphics/Canvas.h"
#include "tessel/resources/Bitmap.h"
#include "tessel/resources/PixelFormat.h"

using namespace Tessel;

namespace {

class CanvasTest : public ::testing::Test {
protected:
  CanvasTest() : TheCanvas(&Device), A(32, 16, PIXEL_A8R8G8B8), B(8, 8, PIXEL_A8R8G8B8) {}
  Testing::RecordingGraphicsDevice Device;
  Canvas TheCanvas;
  Bitmap A, B;
};

void ExpectPoint(const QuadVertex& v, float x, float y) {
  EXPECT_NEAR(v.X, x, 1e-4f);
  EXPECT_NEAR(v.Y, y, 1e-4f);
}

}  // namespace

TEST_F(CanvasTest, OneImageIsOneBatch) {
  for (int i = 0; i < 500; ++i) TheCanvas.DrawImage(&A, static_cast<float>(i), 0);
  TheCanvas.DrawImage(&B, 0, 0);
  EXPECT_EQ(Device.Summary(), "quads:500");
  TheCanvas.Finish();
  EXPECT_EQ(Device.Summary(), "quads:500 quads:1");
  EXPECT_EQ(Device.Calls[1].Image, &B);
  EXPECT_EQ(TheCanvas.GetPendingQuads(), 0);
}

TEST_F(CanvasTest, AQuadCarriesCornersTexelsAndColours) {
  TheCanvas.DrawImage(RectF{2, 3, 10, 5}, RectF{100, 50, 20, 10}, &A, 0x80FF0000);
  TheCanvas.Finish();
  const Quad& q = Device.Calls[0].Quads[0];
  ExpectPoint(q.Position[0], 100, 50);
  ExpectPoint(q.Position[1], 100, 60);
  ExpectPoint(q.Position[2], 120, 60);
  ExpectPoint(q.Position[3], 120, 50);
  ExpectPoint(q.TexCoord[0], 2, 3);
  ExpectPoint(q.TexCoord[2], 12, 8);
  EXPECT_EQ(q.Diffuse, 0x80FF0000u);
  EXPECT_EQ(q.Secondary, 0u) << "colour mode 0 carries no secondary colour";

  TheCanvas.SetColorMode(COLOR_LerpSecondary);
  TheCanvas.SetSecondaryColor(0x40102030);
  TheCanvas.DrawImagePart(&A, 0xFFFFFFFF, 0, 0, 64, 64);
  TheCanvas.Finish();
  EXPECT_EQ(Device.Calls[1].Quads[0].Secondary, 0x40102030u);
  ExpectPoint(Device.Calls[1].Quads[0].TexCoord[2], 64, 64);  // larger than the image: it repeats
  EXPECT_EQ(Device.Calls[1].ColorMode, COLOR_LerpSecondary);
}

TEST_F(CanvasTest, OnlyRealStateChangesFinishTheBatch) {
  TheCanvas.DrawImage(&A, 0, 0);
  TheCanvas.SetColorMode(COLOR_Modulate);
  TheCanvas.SetBlendMode(BLEND_Alpha);
  TheCanvas.SetAlphaTest(0, 0);
  EXPECT_EQ(TheCanvas.GetPendingQuads(), 1) << "the same values change nothing";
  TheCanvas.SetColorMode(COLOR_Grey);
  EXPECT_EQ(Device.Summary(), "quads:1");
  EXPECT_EQ(Device.Calls[0].ColorMode, COLOR_Modulate) << "drawn with the state it was made in";
  TheCanvas.SetAlphaTest(5, 0x180);
  TheCanvas.DrawImage(&A, 0, 0);
  TheCanvas.Finish();
  EXPECT_EQ(Device.Calls[1].AlphaFunction, 5);
  EXPECT_EQ(Device.Calls[1].AlphaReference, 0x80) << "the reference's low byte";
}

TEST_F(CanvasTest, PopStateDrawsWithTheStateBeforeThePop) {
  TheCanvas.PushState();
  TheCanvas.SetBlendMode(BLEND_Additive);
  TheCanvas.Translate(10, 20);
  TheCanvas.DrawImage(&A, 0, 0);
  TheCanvas.PopState();
  EXPECT_EQ(Device.Calls[0].BlendMode, BLEND_Additive);
  ExpectPoint(Device.Calls[0].Quads[0].Position[0], 10, 20);
  EXPECT_EQ(TheCanvas.GetState().BlendMode, BLEND_Alpha);
  EXPECT_TRUE(TheCanvas.GetTransform() == Transform2D());
  EXPECT_THROW(TheCanvas.PopState(), AssertionFailedException) << "popping an empty stack";
}

TEST_F(CanvasTest, TransformsScaleAboutAPivotAndRotate) {
  TheCanvas.Scale(2, 2, 10, 10);
  QuadVertex pivot = TheCanvas.GetTransform().Apply(10, 10);
  ExpectPoint(pivot, 10, 10);
  ExpectPoint(TheCanvas.GetTransform().Apply(15, 10), 20, 10);
  TheCanvas.Reset();
  TheCanvas.DrawImageRotated(&A, 0xFFFFFFFF, 100, 100, 90);
  TheCanvas.Finish();
  const Quad& q = Device.Calls[0].Quads[0];
  // The top-left corner (-16, -8) turns a quarter counter-clockwise on screen.
  ExpectPoint(q.Position[0], 100 - 8, 100 + 16);
  ExpectPoint(q.Position[2], 100 + 8, 100 - 16);
}

// Nothing is left pending, and what was drawn first stays first.
TEST_F(CanvasTest, LinesAndQuadsKeepTheirOrder) {
  TheCanvas.DrawImage(&A, 0, 0);
  TheCanvas.DrawRect(RectF{0, 0, 10, 10}, 0xFF00FF00);
  TheCanvas.DrawImage(nullptr, 0, 0, 5, 5);  // an untextured quad after the lines
  TheCanvas.DrawLine(0, 0, 1, 1, 0xFFFFFFFF);
  TheCanvas.Finish();
  EXPECT_EQ(Device.Summary(), "quads:1 lines:4 quads:1 lines:1");
  EXPECT_EQ(TheCanvas.GetPendingLines(), 0);
  EXPECT_EQ(TheCanvas.GetPendingQuads(), 0);
}

TEST_F(CanvasTest, PairsAreDrawnAtOnce) {
  TheCanvas.DrawImage(&B, 0, 0);
  TheCanvas.DrawImagePair(&A, &B, 0xFFFFFFFF, 0x80000000, 5, 6);
  EXPECT_EQ(Device.Summary(), "quads:1 quadsex:1");
  ExpectPoint(Device.Calls[1].QuadsEx[0].Position[2], 37, 22);
  ExpectPoint(Device.Calls[1].QuadsEx[0].TexCoord2[2], 8, 8);
  TheCanvas.DrawImage(nullptr, 1, 1);  // nothing without an image
  TheCanvas.Finish();
  EXPECT_EQ(Device.Calls.size(), 2u);
}
