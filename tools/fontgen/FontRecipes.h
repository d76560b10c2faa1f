#pragma once
// The game's fonts and how each is made. The number in a font's name is its
// size in points at 96 dots per inch, the way a Windows font dialog names
// sizes (Verdana 8 = 11 pixels to the em). Verdana's part is played by DejaVu
// Sans (the same wide, open screen design), Trebuchet's by Liberation Sans.
//
// Plain fonts are white coverage on one image, so the caller's colour tints
// them. Layered fonts bake their colours: a soft shadow, a dark outline and a
// gradient fill, drawn in that order, readable on grass, water or panels.

#include <string>
#include <vector>

namespace FontGen {

struct Colour {
  float R, G, B;
};

struct LayerStyle {
  float OutlineRadius = 0;  // pixels around the fill
  int ShadowX = 0, ShadowY = 0;
  int ShadowBlur = 0;       // box blur radius in pixels
  float ShadowOpacity = 0;
  Colour Outline{0, 0, 0};
  Colour FillTop{1, 1, 1};  // at the cap height
  Colour FillBottom{1, 1, 1};  // at the baseline
};

struct FontRecipe {
  std::string Name;      // "TrebuchetMSBold10": written as fonts/<Name>.xml
  std::string FontFile;  // below the system font folder
  int PixelSize = 0;
  bool Layered = false;
  LayerStyle Layers;
  int ExtraLineSpacing = 0;
};

const std::vector<FontRecipe>& AllFontRecipes();
const FontRecipe* FindFontRecipe(const std::string& name);

}  // namespace FontGen
