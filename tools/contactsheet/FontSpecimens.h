#pragma once
// One page of font specimens: each font's sample lines drawn glyph by glyph
// from its font file and atlas images, the way the game draws text (layers
// in file order, kerning, spacing), on the game's backgrounds.

#include <string>

namespace ContactSheet {

int WriteFontSpecimens(const std::string& dataFolder, const std::string& outputFolder);

}  // namespace ContactSheet
