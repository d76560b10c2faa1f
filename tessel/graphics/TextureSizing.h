#pragma once
// How an image becomes a texture the renderer accepts: the size rounding some
// renderers need (powers of two, square) and the choice of a texture format
// when the image's own one is not supported.

#include <functional>

namespace Tessel {

// What the renderer can do with textures. Tests switch the restrictions on
// to exercise the rounding on renderers that have none.
struct TextureCapabilities {
  bool RequiresPowerOfTwo = false;
  bool RequiresSquare = false;
  bool SupportsMipmaps = true;
  bool SupportsCompressedFormats = true;
  int MaxWidth = 4096;
  int MaxHeight = 4096;
};

// A side as a power of two: rounded up for a Bitmap (the image must fit),
// to the nearest power for a Texture (which may be cut off). 0 becomes 1.
int RoundToPowerOfTwo(int side, bool nearest);

struct TextureSize {
  int Width, Height;
};
TextureSize ComputeTextureSize(int width, int height, bool isTexture, const TextureCapabilities& caps);

// The image's format when supported, else the first supported entry of its
// fallback list; 0 when none is supported or the code is unknown.
int ChooseTextureFormat(int imageFormat, const std::function<bool(int)>& isSupported);

}  // namespace Tessel
