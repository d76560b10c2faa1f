// The render-state and stage words: what each setting selects, and that
// only changes reach the renderer.
#include <gtest/gtest.h>

#include <algorithm>

#include "graphics/RecordingDevice.h"
#include "tessel/resources/Bitmap.h"

using namespace Tessel;
using Strings = std::vector<std::string>;

namespace {

class StateCache : public testing::Test {
protected:
  void SetUp() override {
    bool windowed = true;
    Device.SetMode(1024, 768, &windowed);
    Device.BeginFrame();
    Device.ClearRecords();
  }
  void Draw(ResourceBase* image) { Device.DrawQuads(image, 1, &OneQuad); }
  uint32_t Handle(ResourceBase* image) { return Device.FindCachedTexture(image)->Handle; }

  Testing::RecordingDevice Device;
  Bitmap Image{64, 64, PIXEL_A8R8G8B8}, Other{32, 32, PIXEL_A8R8G8B8}, Mask{64, 64, PIXEL_A8R8G8B8};
  Quad OneQuad{{{0, 0}, {8, 0}, {8, 8}, {0, 8}}, {{0, 0}, {8, 0}, {8, 8}, {0, 8}}, 0xFFFFFFFF, 0};
};

TEST_F(StateCache, TheSameBatchTwiceSetsNothingTheSecondTime) {
  Draw(&Image);
  EXPECT_FALSE(Device.Changes.empty());
  Device.Changes.clear();
  Draw(&Image);
  EXPECT_TRUE(Device.Changes.empty()) << Device.Changes[0];
  EXPECT_EQ(Device.Draws.size(), 2u);
}

TEST_F(StateCache, QuadsBlendWithoutDepthOrCulling) {
  Draw(&Image);
  EXPECT_EQ(Device.GetRenderStateWord(), 0x7001u) << "alpha blending is the initial mode";
  EXPECT_EQ(Device.GetStageWord(0), 0x7373u);
  EXPECT_EQ(Device.GetPixelShader(), NoShader);
}

TEST_F(StateCache, BlendModesMapToTheirBlendFunctions) {
  const std::pair<int, uint32_t> cases[] = {{BLEND_Opaque, 0x7000}, {BLEND_Additive, 0x7004}, {BLEND_Alpha, 0x7001}};
  for (auto [mode, word] : cases) {
    Device.SetBlendMode(mode);
    Draw(&Image);
    EXPECT_EQ(Device.GetRenderStateWord(), word) << "mode " << mode;
  }
}

TEST_F(StateCache, ChangingTheBlendModeBetweenBatchesOfOneImageReselectsIt) {
  Draw(&Image);
  Device.SetBlendMode(BLEND_Additive);
  EXPECT_EQ(Device.GetCurrentImage(), nullptr);
  Device.Changes.clear();
  Draw(&Image);
  EXPECT_EQ(Device.Draws.size(), 2u);
  EXPECT_EQ(Device.Changes, (Strings{"stage 0 0x7373", "render 0x7004"}));
  Device.Changes.clear();
  Device.SetBlendMode(BLEND_Additive);
  Draw(&Image);
  EXPECT_TRUE(Device.Changes.empty()) << "setting the same mode again changes nothing";
}

TEST_F(StateCache, ANewAlphaTestTakesEffectWithTheSameImage) {
  Draw(&Image);
  Device.SetAlphaTest(5, 0x80);
  Draw(&Image);
  EXPECT_EQ(Device.GetRenderStateWord(), 0x05807001u);
  Device.SetAlphaTest(0, 0x80);
  Draw(&Image);
  EXPECT_EQ(Device.GetRenderStateWord(), 0x7001u) << "no reference without a function";
}

TEST_F(StateCache, AlphaTestWordsKeepOnlyKnownFunctions) {
  const struct {
    int Function, Reference;
    uint32_t Word;
  } cases[] = {{1, 0, 0x01000000}, {6, 255, 0x06FF0000}, {7, 0x10, 0x00100000}, {3, 0x1FF, 0x03FF0000}};
  for (const auto& c : cases) {
    Device.SetAlphaTest(c.Function, c.Reference);
    Draw(&Image);
    EXPECT_EQ(Device.GetRenderStateWord(), c.Word | 0x7001) << c.Function;
  }
}

TEST_F(StateCache, ColourModesSelectTheirStagesOrShaders) {
  const struct {
    int Mode;
    uint32_t Stage0, Stage1;
    int Shader;
  } cases[] = {
      {COLOR_Modulate, 0x7373, 0x0000, NoShader},       {COLOR_LerpSecondary, 0x2173, 0x732D, NoShader},
      {COLOR_AddSecondary, 0x7373, 0x0125, NoShader},   {COLOR_MultiplySecondary, 0x7373, 0x0123, NoShader},
  };
  for (const auto& c : cases) {
    Device.SetColorMode(c.Mode);
    Draw(&Image);
    EXPECT_EQ(Device.GetStageWord(0), c.Stage0) << "mode " << c.Mode;
    EXPECT_EQ(Device.GetStageWord(1), c.Stage1) << "mode " << c.Mode;
    EXPECT_EQ(Device.GetPixelShader(), c.Shader) << "mode " << c.Mode;
  }
  const std::pair<int, int> shaders[] = {
      {COLOR_Grey, 0}, {COLOR_GreyTinted, 1}, {COLOR_GreyBrightened, 2}, {COLOR_GreyMultiplied, 3}, {3, NoShader}};
  for (auto [mode, shader] : shaders) {
    Device.SetColorMode(mode);
    Draw(&Image);
    EXPECT_EQ(Device.GetPixelShader(), shader) << "mode " << mode;
  }
}

TEST_F(StateCache, LerpModeSamplesTheImageInStageOneToo) {
  Device.SetColorMode(COLOR_LerpSecondary);
  Draw(&Image);
  EXPECT_EQ(Device.GetStageTexture(1), Device.FindCachedTexture(&Image));
  EXPECT_EQ(Device.GetStageCoordinateSet(1), 0);
}

TEST_F(StateCache, AMaskMultipliesTheImageAlpha) {
  Device.SetMaskTexture(&Mask);
  Draw(&Image);
  EXPECT_EQ(Device.GetPixelShader(), 5);
  EXPECT_EQ(Device.GetStageTexture(1), Device.FindCachedTexture(&Mask));
  Device.SetMaskTexture(nullptr);
  Draw(&Image);
  EXPECT_EQ(Device.GetPixelShader(), NoShader) << "removing the mask takes effect with the same image";
}

TEST_F(StateCache, ATwoTextureDrawLeavesNothingBehind) {
  Draw(&Image);
  QuadEx quad{};
  Device.DrawQuadsEx(QUADEX_Mask, &Image, &Other, 1, &quad);
  EXPECT_EQ(Device.Changes.back(), "stage 0 0x4242");
  Draw(&Image);
  EXPECT_EQ(Device.GetPixelShader(), NoShader);
  EXPECT_EQ(Device.GetStageTexture(1), nullptr);
  EXPECT_EQ(Device.GetStageWord(1) & 0x0F0F, 0u);
  EXPECT_EQ(Device.GetStageWord(0), 0x7373u);
}

TEST_F(StateCache, TwoTextureModesPickTheirShadersAndCoordinateSets) {
  QuadEx quad{};
  Device.DrawQuadsEx(QUADEX_CrossFade, &Image, &Other, 1, &quad);
  Strings expected{"texture 0 #" + std::to_string(Handle(&Image)) + " set 0",
                   "texture 1 #" + std::to_string(Handle(&Other)) + " set 1", "shader 4"};
  EXPECT_EQ(Strings(Device.Changes.begin(), Device.Changes.begin() + 3), expected);
  Device.Changes.clear();
  Device.DrawQuadsEx(QUADEX_Mask, &Image, &Other, 1, &quad);
  EXPECT_NE(std::find(Device.Changes.begin(), Device.Changes.end(), "shader 5"), Device.Changes.end());
}

TEST_F(StateCache, LinesDrawUntexturedWithAlphaBlending) {
  Device.SetAlphaTest(5, 10);
  Draw(&Image);
  LineSegment line{0, 0, 5, 5, 0xFFFFFFFF, 0xFFFFFFFF};
  Device.DrawLines(1, &line);
  EXPECT_EQ(Device.GetRenderStateWord(), 0x7001u) << "no alpha test for lines";
  EXPECT_EQ(Device.GetStageWord(0), 0x4242u);
  EXPECT_EQ(Device.GetStageTexture(0), nullptr);
  EXPECT_EQ(Device.GetCurrentImage(), nullptr);
  Draw(&Image);
  EXPECT_EQ(Device.GetStageTexture(0), Device.FindCachedTexture(&Image)) << "the next quads select their image again";
}

}  // namespace
