#pragma once
// An application with an SDL window (offscreen in tests) and the OpenGL
// device, plus helpers to draw one frame and read its pixels back.

#include <gtest/gtest.h>

#include <memory>

#include "tessel/app/GameAppBase.h"
#include "tessel/platform/gl/GraphicsGL.h"
#include "tessel/platform/sdl/SdlPlatform.h"
#include "tessel/resources/Bitmap.h"

namespace Testing {

// Red, green, blue of one pixel (the frame's alpha is whatever blending left).
struct Rgb {
  int R, G, B;
  bool operator==(const Rgb& o) const { return R == o.R && G == o.G && B == o.B; }
};
std::ostream& operator<<(std::ostream& out, const Rgb& c);

// Within two steps per channel, for the renderer's rounding.
::testing::AssertionResult Near(const Rgb& actual, const Rgb& expected, int tolerance = 2);

class GlDevice : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  // Begins a frame cleared to the colour.
  void Begin(uint32_t clearColor = 0xFF000000);
  // Ends the frame and reads the whole frame back.
  void End();
  Rgb At(int x, int y) const;
  int AlphaAt(int x, int y) const;

  static Tessel::Quad MakeQuad(float x, float y, float w, float h, float u, float v, float tw, float th,
                               uint32_t color = 0xFFFFFFFF, uint32_t secondary = 0);
  // A bitmap of one colour (ARGB).
  static std::unique_ptr<Tessel::Bitmap> Solid(int w, int h, uint32_t argb, bool texture = false);
  static void Fill(Tessel::Bitmap& b, int x0, int y0, int x1, int y1, uint32_t argb);

  std::unique_ptr<Tessel::SdlPlatform> Platform;
  std::unique_ptr<Tessel::GameAppBase> App;
  Tessel::GraphicsGL* Device = nullptr;
  Tessel::ImageData Frame;
};

}  // namespace Testing
