#pragma once
// A font made in code from a 5 x 8 pixel pattern per printable ASCII
// character, for screens that must show text before the game's font files
// exist (the widget demo). Each pattern pixel becomes a square of `scale`
// pixels; a bold font doubles every stroke one pixel to the right.

#include <memory>

#include "tessel/graphics/Font.h"
#include "tessel/resources/Bitmap.h"

namespace Corvanta {

struct PixelFont {
  std::unique_ptr<Tessel::Bitmap> Atlas;
  std::unique_ptr<Tessel::Font> TheFont;
};

PixelFont MakePixelFont(int scale, bool bold);

}  // namespace Corvanta
