#pragma once
// The characters every game font carries: printable ASCII, Latin-1 and the
// extra letters and marks of Windows-1252 (euro sign, typographic quotes and
// dashes, ellipsis), so English and German texts, names typed by players and
// money patterns always have their glyphs.

#include <vector>

namespace FontGen {

std::vector<char16_t> GameCharacterSet();

}  // namespace FontGen
