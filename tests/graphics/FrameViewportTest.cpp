#include <gtest/gtest.h>

#include "tessel/graphics/FrameViewport.h"

using namespace Tessel;

TEST(FrameViewport, TheFrameIsScaledToFitAndCentred) {
  const struct {
    int WindowWidth, WindowHeight;
    FrameViewport Expected;
  } cases[] = {
      {1024, 768, {0, 0, 1024, 768}},
      {1920, 1080, {240, 0, 1440, 1080}},  // bars left and right
      {1280, 1024, {0, 32, 1280, 960}},    // bars above and below
      {512, 384, {0, 0, 512, 384}},
      {0, 768, {0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    FrameViewport v = FrameViewport::Fit(1024, 768, c.WindowWidth, c.WindowHeight);
    EXPECT_EQ(v.X, c.Expected.X) << c.WindowWidth << "x" << c.WindowHeight;
    EXPECT_EQ(v.Y, c.Expected.Y) << c.WindowWidth << "x" << c.WindowHeight;
    EXPECT_EQ(v.Width, c.Expected.Width) << c.WindowWidth << "x" << c.WindowHeight;
    EXPECT_EQ(v.Height, c.Expected.Height) << c.WindowWidth << "x" << c.WindowHeight;
  }
}

TEST(FrameViewport, WindowPositionsMapBackToFramePixels) {
  FrameViewport v = FrameViewport::Fit(1024, 768, 1920, 1080);
  int x, y;
  v.ToFrame(1024, 768, 240, 0, x, y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  v.ToFrame(1024, 768, 1679.9, 1079.9, x, y);
  EXPECT_EQ(x, 1023);
  EXPECT_EQ(y, 767);
  v.ToFrame(1024, 768, 100, 540, x, y);
  EXPECT_LT(x, 0) << "on the bar left of the frame";
  EXPECT_EQ(y, 384);
}
