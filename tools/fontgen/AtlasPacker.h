#pragma once
// AtlasPacker: places glyph rectangles on one image in shelves, tallest
// first, with a gap so that filtering never bleeds one glyph into the next.
// The image is square-ish with power-of-two sides, which every texture
// upload accepts.

#include <vector>

namespace FontGen {

struct PackedRect {
  int Width = 0, Height = 0;  // in
  int X = 0, Y = 0;           // out
};

struct AtlasSize {
  int Width = 0, Height = 0;
};

// Places every rectangle (those of zero size at 0, 0); deterministic for
// the same input order.
AtlasSize PackRectangles(std::vector<PackedRect>& rects, int gap);

}  // namespace FontGen
