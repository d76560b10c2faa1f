#include "tessel/graphics/FrameViewport.h"

#include <cmath>

namespace Tessel {

FrameViewport FrameViewport::Fit(int frameWidth, int frameHeight, int windowWidth, int windowHeight) {
  FrameViewport v;
  if (frameWidth <= 0 || frameHeight <= 0 || windowWidth <= 0 || windowHeight <= 0) return v;
  // Compare the aspect ratios in integers so that an exact fit stays exact.
  if (static_cast<long long>(windowWidth) * frameHeight <= static_cast<long long>(windowHeight) * frameWidth) {
    v.Width = windowWidth;
    v.Height = static_cast<int>(static_cast<long long>(frameHeight) * windowWidth / frameWidth);
  } else {
    v.Height = windowHeight;
    v.Width = static_cast<int>(static_cast<long long>(frameWidth) * windowHeight / frameHeight);
  }
  v.X = (windowWidth - v.Width) / 2;
  v.Y = (windowHeight - v.Height) / 2;
  return v;
}

void FrameViewport::ToFrame(int frameWidth, int frameHeight, double windowX, double windowY, int& frameX,
                            int& frameY) const {
  if (Width <= 0 || Height <= 0) {
    frameX = static_cast<int>(windowX);
    frameY = static_cast<int>(windowY);
    return;
  }
  frameX = static_cast<int>(std::floor((windowX - X) * frameWidth / Width));
  frameY = static_cast<int>(std::floor((windowY - Y) * frameHeight / Height));
}

}  // namespace Tessel
