// Pixels the OpenGL device draws, read back through CaptureScreen: blending,
// colour modes, the six pixel shaders and the alpha test on known inputs.
#include "gl/GlDeviceFixture.h"

using namespace Tessel;
using Testing::Near;
using Testing::Rgb;

namespace {

using GlPixels = Testing::GlDevice;

TEST_F(GlPixels, UntexturedQuadsFillExactlyTheirPixels) {
  Begin(0xFF000000);
  Device->SetBlendMode(BLEND_Opaque);
  Quad quad = MakeQuad(10, 20, 30, 40, 0, 0, 0, 0, 0xFF336699);
  Device->DrawQuads(nullptr, 1, &quad);
  End();
  EXPECT_EQ(At(10, 20), (Rgb{0x33, 0x66, 0x99}));
  EXPECT_EQ(At(39, 59), (Rgb{0x33, 0x66, 0x99}));
  EXPECT_EQ(At(9, 20), (Rgb{0, 0, 0}));
  EXPECT_EQ(At(40, 59), (Rgb{0, 0, 0}));
  EXPECT_EQ(At(10, 60), (Rgb{0, 0, 0}));
  EXPECT_EQ(At(10, 19), (Rgb{0, 0, 0})) << "row 0 of the frame is its top";
}

TEST_F(GlPixels, EachBlendModeOnAKnownBackground) {
  const struct {
    int Mode;
    Rgb Expected;
  } cases[] = {
      {BLEND_Opaque, {200, 50, 0}},
      {BLEND_Alpha, {150, 75, 50}},       // half of (200, 50, 0) over (100, 100, 100)
      {BLEND_Additive, {255, 150, 100}},  // the colour is added whatever its alpha
  };
  for (const auto& c : cases) {
    Begin(0xFF646464);
    Device->SetBlendMode(c.Mode);
    Quad quad = MakeQuad(0, 0, 64, 64, 0, 0, 0, 0, 0x80C83200);
    Device->DrawQuads(nullptr, 1, &quad);
    End();
    EXPECT_TRUE(Near(At(32, 32), c.Expected)) << "blend mode " << c.Mode;
  }
}

TEST_F(GlPixels, ColourModesCombineTextureDiffuseAndSecondary) {
  auto grey = Solid(16, 16, 0xFF808080);
  const uint32_t diffuse = 0xFFFF80FF, secondary = 0x800040FF;
  const struct {
    int Mode;
    Rgb Expected;
  } cases[] = {
      {COLOR_Modulate, {128, 64, 128}},
      {COLOR_LerpSecondary, {64, 64, 192}},   // half way to the secondary colour
      {COLOR_AddSecondary, {128, 128, 255}},
      {COLOR_MultiplySecondary, {0, 16, 128}},
  };
  for (const auto& c : cases) {
    Begin();
    Device->SetBlendMode(BLEND_Opaque);
    Device->SetColorMode(c.Mode);
    Quad quad = MakeQuad(0, 0, 16, 16, 0, 0, 16, 16, diffuse, secondary);
    Device->DrawQuads(grey.get(), 1, &quad);
    End();
    EXPECT_TRUE(Near(At(8, 8), c.Expected)) << "colour mode " << c.Mode;
  }
}

TEST_F(GlPixels, GreyShadersKeepTheirArithmetic) {
  // Luminance of (200, 100, 50): 0.3 * 200 + 0.59 * 100 + 0.11 * 50 = 124.5.
  auto orange = Solid(16, 16, 0xFFC86432);
  const uint32_t diffuse = 0xFF80FFFF, secondary = 0x80FF0000;
  const struct {
    int Mode;
    Rgb Expected;
  } cases[] = {
      {COLOR_Grey, {62, 124, 124}},             // grey x diffuse
      {COLOR_GreyTinted, {159, 62, 62}},        // then half way to the secondary colour
      {COLOR_GreyBrightened, {255, 124, 124}},  // grey x diffuse + secondary
      {COLOR_GreyMultiplied, {62, 0, 0}},       // grey x diffuse x secondary
  };
  for (const auto& c : cases) {
    Begin();
    Device->SetBlendMode(BLEND_Opaque);
    Device->SetColorMode(c.Mode);
    Quad quad = MakeQuad(0, 0, 16, 16, 0, 0, 16, 16, diffuse, secondary);
    Device->DrawQuads(orange.get(), 1, &quad);
    End();
    EXPECT_TRUE(Near(At(8, 8), c.Expected, 3)) << "colour mode " << c.Mode;
  }
}

TEST_F(GlPixels, GreyAlphaIsTextureTimesDiffuseExceptWhenBrightened) {
  auto halfOrange = Solid(16, 16, 0x80C86432);
  for (int mode : {COLOR_Grey, COLOR_GreyBrightened}) {
    Begin(0xFF000000);
    Device->SetBlendMode(BLEND_Alpha);
    Device->SetColorMode(mode);
    Quad quad = MakeQuad(0, 0, 16, 16, 0, 0, 16, 16, 0x80FFFFFF, 0);  // diffuse alpha one half
    Device->DrawQuads(halfOrange.get(), 1, &quad);
    End();
    int expected = mode == COLOR_Grey ? 31 : 62;  // 124.5 x 1/4, or x 1/2
    EXPECT_TRUE(Near(At(8, 8), Rgb{expected, expected, expected}, 3)) << "colour mode " << mode;
  }
}

TEST_F(GlPixels, CrossFadeMixesByTheSecondaryAlpha) {
  auto red = Solid(8, 8, 0xFFFF0000), blue = Solid(8, 8, 0xFF0000FF);
  Fill(*red, 0, 0, 4, 8, 0x00000000);  // the left half of the first image is transparent black
  Begin();
  Device->SetBlendMode(BLEND_Opaque);
  QuadEx quad{{{0, 0}, {8, 0}, {8, 8}, {0, 8}}, {{0, 0}, {8, 0}, {8, 8}, {0, 8}}, {{0, 0}, {8, 0}, {8, 8}, {0, 8}},
              0xFFFFFFFF, 0x40000000};
  Device->DrawQuadsEx(QUADEX_CrossFade, red.get(), blue.get(), 1, &quad);
  End();
  EXPECT_TRUE(Near(At(6, 4), Rgb{191, 0, 64})) << "three quarters of the first image";
  EXPECT_TRUE(Near(At(1, 4), Rgb{0, 0, 255})) << "a transparent texel takes the other image's colour";
}

TEST_F(GlPixels, TheSecondImageHasItsOwnTextureCoordinates) {
  auto red = Solid(8, 8, 0xFFFF0000), second = Solid(16, 8, 0xFF0000FF);
  Fill(*second, 8, 0, 16, 8, 0xFF00FF00);  // its right half is green
  Begin();
  Device->SetBlendMode(BLEND_Opaque);
  QuadEx quad{{{0, 0}, {8, 0}, {8, 8}, {0, 8}}, {{0, 0}, {8, 0}, {8, 8}, {0, 8}}, {{8, 0}, {16, 0}, {16, 8}, {8, 8}},
              0xFFFFFFFF, 0xFF000000};
  Device->DrawQuadsEx(QUADEX_CrossFade, red.get(), second.get(), 1, &quad);
  End();
  EXPECT_EQ(At(1, 4), (Rgb{0, 255, 0}));
  EXPECT_EQ(At(6, 4), (Rgb{0, 255, 0}));
}

TEST_F(GlPixels, TheMaskMultipliesTheFirstImagesAlpha) {
  auto green = Solid(8, 8, 0xFF00FF00), mask = Solid(8, 8, 0xFFFFFFFF);
  Fill(*mask, 0, 0, 4, 8, 0x00FFFFFF);
  for (bool twoTextureCall : {true, false}) {
    Begin(0xFF000000);
    Device->SetBlendMode(BLEND_Alpha);
    if (twoTextureCall) {
      QuadEx quad{{{0, 0}, {8, 0}, {8, 8}, {0, 8}}, {{0, 0}, {8, 0}, {8, 8}, {0, 8}}, {{0, 0}, {8, 0}, {8, 8}, {0, 8}},
                  0xFFFFFFFF, 0};
      Device->DrawQuadsEx(QUADEX_Mask, green.get(), mask.get(), 1, &quad);
    } else {
      Device->SetMaskTexture(mask.get());
      Quad quad = MakeQuad(0, 0, 8, 8, 0, 0, 8, 8);
      Device->DrawQuads(green.get(), 1, &quad);
      Device->SetMaskTexture(nullptr);
    }
    End();
    EXPECT_EQ(At(6, 4), (Rgb{0, 255, 0})) << (twoTextureCall ? "DrawQuadsEx" : "DrawQuads with a mask");
    EXPECT_EQ(At(1, 4), (Rgb{0, 0, 0})) << (twoTextureCall ? "DrawQuadsEx" : "DrawQuads with a mask");
  }
}

TEST_F(GlPixels, TheAlphaTestDiscardsFailingPixels) {
  auto image = Solid(8, 8, 0xFFFFFFFF);
  Fill(*image, 0, 0, 4, 8, 0x64FFFFFF);  // alpha 100 on the left, 255 on the right
  const struct {
    int Function, Reference;
    bool LeftDrawn, RightDrawn;
  } cases[] = {
      {0, 0, true, true},     {5, 128, false, true}, {3, 128, true, false}, {1, 100, true, false},
      {2, 100, false, true},  {6, 255, false, true}, {4, 99, false, false},
  };
  for (const auto& c : cases) {
    Begin(0xFF000000);
    Device->SetBlendMode(BLEND_Opaque);
    Device->SetAlphaTest(c.Function, c.Reference);
    Quad quad = MakeQuad(0, 0, 8, 8, 0, 0, 8, 8);
    Device->DrawQuads(image.get(), 1, &quad);
    End();
    EXPECT_EQ(At(1, 4).R == 255, c.LeftDrawn) << "function " << c.Function << " reference " << c.Reference;
    EXPECT_EQ(At(6, 4).R == 255, c.RightDrawn) << "function " << c.Function << " reference " << c.Reference;
  }
}

TEST_F(GlPixels, AChangedAlphaTestAppliesToTheSameImage) {
  auto image = Solid(8, 8, 0x64FFFFFF);
  Begin(0xFF000000);
  Device->SetBlendMode(BLEND_Opaque);
  Quad left = MakeQuad(0, 0, 8, 8, 0, 0, 8, 8), right = MakeQuad(16, 0, 8, 8, 0, 0, 8, 8);
  Device->DrawQuads(image.get(), 1, &left);
  Device->SetAlphaTest(5, 200);
  Device->DrawQuads(image.get(), 1, &right);
  End();
  EXPECT_EQ(At(4, 4).R, 255);
  EXPECT_EQ(At(20, 4).R, 0);
}

TEST_F(GlPixels, ATwoTextureDrawLeavesNoShaderForTheNextBatch) {
  auto red = Solid(8, 8, 0xFFFF0000), blue = Solid(8, 8, 0xFF0000FF);
  Begin();
  Device->SetBlendMode(BLEND_Opaque);
  Quad first = MakeQuad(0, 0, 8, 8, 0, 0, 8, 8);
  Device->DrawQuads(red.get(), 1, &first);
  QuadEx fade{{{8, 0}, {16, 0}, {16, 8}, {8, 8}}, {{0, 0}, {8, 0}, {8, 8}, {0, 8}}, {{0, 0}, {8, 0}, {8, 8}, {0, 8}},
              0xFFFFFFFF, 0xFF000000};
  Device->DrawQuadsEx(QUADEX_CrossFade, red.get(), blue.get(), 1, &fade);
  Quad after = MakeQuad(16, 0, 8, 8, 0, 0, 8, 8, 0xFF00FFFF);  // red x cyan is black
  Device->DrawQuads(red.get(), 1, &after);
  End();
  EXPECT_EQ(At(12, 4), (Rgb{0, 0, 255}));
  EXPECT_EQ(At(20, 4), (Rgb{0, 0, 0})) << "the image is modulated, not faded";
}

}  // namespace
