#include "tessel/graphics/TextureSizing.h"

#include <algorithm>

#include "tessel/resources/PixelFormat.h"

namespace Tessel {

int RoundToPowerOfTwo(int side, bool nearest) {
  if (side <= 1) return 1;
  int lower = 1;
  while (lower <= side / 2) lower *= 2;
  if (lower == side) return side;
  // Nearest on the log2 scale: above lower * sqrt(2) goes up.
  if (!nearest) return lower * 2;
  return static_cast<long long>(side) * side >= 2LL * lower * lower ? lower * 2 : lower;
}

TextureSize ComputeTextureSize(int width, int height, bool isTexture, const TextureCapabilities& caps) {
  TextureSize size{width, height};
  if (caps.RequiresPowerOfTwo) {
    size.Width = RoundToPowerOfTwo(width, isTexture);
    size.Height = RoundToPowerOfTwo(height, isTexture);
  }
  if (caps.RequiresSquare) size.Width = size.Height = std::max(size.Width, size.Height);
  size.Width = std::min(size.Width, caps.MaxWidth);
  size.Height = std::min(size.Height, caps.MaxHeight);
  return size;
}

int ChooseTextureFormat(int imageFormat, const std::function<bool(int)>& isSupported) {
  static const int Opaque[] = {PIXEL_R8G8B8,   PIXEL_X8R8G8B8, PIXEL_R5G6B5,   PIXEL_X1R5G5B5, PIXEL_R3G3B2,
                               PIXEL_X4R4G4B4, PIXEL_A8R8G8B8, PIXEL_A1R5G5B5, PIXEL_A4R4G4B4, PIXEL_A8R3G3B2};
  static const int WithAlpha[] = {PIXEL_A8R8G8B8, PIXEL_A1R5G5B5, PIXEL_A4R4G4B4, PIXEL_A8R3G3B2};
  if (!IsKnownImageFormat(imageFormat)) return 0;
  if (isSupported(imageFormat)) return imageFormat;
  bool alpha = imageFormat == PIXEL_A8R8G8B8 || imageFormat == PIXEL_A1R5G5B5 || imageFormat == PIXEL_A4R4G4B4 ||
               (imageFormat >= PIXEL_DXT2 && imageFormat <= PIXEL_DXT5);
  if (alpha) {
    for (int f : WithAlpha)
      if (isSupported(f)) return f;
  } else {
    for (int f : Opaque)
      if (isSupported(f)) return f;
  }
  return 0;
}

}  // namespace Tessel
