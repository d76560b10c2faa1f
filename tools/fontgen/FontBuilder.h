#pragma once
// FontBuilder: turns a recipe into the game's font files: fonts/<Name>.xml
// with every glyph's rectangle, offset and advance and the kerning pairs,
// and the atlas images (fonts/<Name>.png for a plain font; one image per
// layer, fonts/<Name>_shadow, _outline and _fill, for a layered one).

#include <string>

#include "fontgen/FontRecipes.h"

namespace FontGen {

// systemFontFolder holds the Debian font packages' files
// ("/usr/share/fonts/truetype"); dataFolder is the game's data folder.
void BuildFont(const FontRecipe& recipe, const std::string& systemFontFolder, const std::string& dataFolder);

}  // namespace FontGen
