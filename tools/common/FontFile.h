#pragma once
// FontFile: what a game font file says, read by the rules the game's font
// loader follows (element and attribute names in any case; a "char" whose
// code is missing or 0 is ignored; a later "char" of the same code replaces
// the earlier one; a kerning pair counts only when its first character was
// defined before it and its offset is not 0). Used by the contact sheet to
// draw specimens and by the content tests to check the files.

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tessel/text/ValueParsers.h"

namespace Tools {

struct FontGlyph {
  Tessel::Rect Source;
  Tessel::Point Offset;
  int Advance = 0;
};

struct FontLayer {
  std::string Name;
  std::string Image;  // relative to the font file's folder, no extension
  uint32_t Colour = 0xFFFFFFFF;  // ARGB
};

struct FontFile {
  bool Loaded = false;  // the file was read and its root is "font"
  std::string Error;
  int Height = 0;
  int Spacing = 0;
  std::map<char16_t, FontGlyph> Glyphs;
  std::map<std::pair<char16_t, char16_t>, int> Kerning;
  std::vector<FontLayer> Layers;  // empty: one layer, the image of the font's own name

  bool HasGlyph(char16_t c) const { return Glyphs.count(c) != 0; }
  // The pen advance of c before next, as the game computes it.
  int GetAdvance(char16_t c, char16_t next) const;
  int MeasureText(const std::u16string& text) const;
};

// path is the ".xml" file.
FontFile ReadFontFile(const std::string& path);

}  // namespace Tools
