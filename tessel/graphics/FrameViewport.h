#pragma once
// FrameViewport: where the fixed-size frame (1024 x 768) sits in a window of
// another size. The frame is scaled by the same factor in both directions to
// the largest size that fits and centred, leaving black bars ("letterbox");
// mouse positions in the window map back to frame pixels through the same
// rectangle.

namespace Tessel {

struct FrameViewport {
  int X = 0, Y = 0, Width = 0, Height = 0;  // in window pixels

  static FrameViewport Fit(int frameWidth, int frameHeight, int windowWidth, int windowHeight);
  // A window position as a frame position (outside the frame it is outside
  // 0 .. frame size - 1 too).
  void ToFrame(int frameWidth, int frameHeight, double windowX, double windowY, int& frameX, int& frameY) const;
};

}  // namespace Tessel
