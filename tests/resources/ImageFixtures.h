#pragma once
// Small image files made by the tests themselves, in every format and
// flavour the decoders must handle.

#include <cstdint>
#include <string>
#include <vector>

namespace Testing {

enum PngKind { PNG_Rgb, PNG_Rgba, PNG_Grey, PNG_GreyAlpha, PNG_Palette, PNG_PaletteTransparent, PNG_Rgb16 };

// A width x height PNG whose pixel (x, y) has red x * 16, green y * 16, blue 200
// (greys use the red value; alpha is 255 - x * 16).
std::string MakePng(PngKind kind, int width, int height, bool interlaced = false);
// 24-bit TGA with the same pattern, stored bottom-up (or top-down).
std::string MakeTga(int width, int height, bool topDown = false);
// A colour-mapped TGA whose pixels index a palette of `colours` entries.
std::string MakePalettedTga(int width, int height, int colours, int maxIndex);
// A DDS header (and pixels) of the given four-character code or RGB layout.
std::string MakeDds(int width, int height, const char* fourCC, uint32_t caps2 = 0);

}  // namespace Testing
