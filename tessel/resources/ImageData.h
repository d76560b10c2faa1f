#pragma once
// ImageData: decoded pixels in memory. The image decoders fill it and the
// graphics device's screen capture writes it; rows run top to bottom with no
// padding, in the layout of the pixel format code (see PixelFormat.h).

#include <cstdint>
#include <vector>

namespace Tessel {

struct ImageData {
  int Width = 0;
  int Height = 0;
  int Format = 0;  // pixel format code
  std::vector<uint8_t> Pixels;
};

}  // namespace Tessel
