#pragma once
// GlyphRasterizer: one TrueType face at one pixel size, through FreeType
// with the font's own hinting, so stems land on whole pixels and small text
// stays crisp.

#include <string>

#include "fontgen/Coverage.h"

typedef struct FT_LibraryRec_* FT_Library;
typedef struct FT_FaceRec_* FT_Face;

namespace FontGen {

struct RasterGlyph {
  Coverage Ink;     // Left/Top relative to the pen on the line's top
  int Advance = 0;  // whole pixels
};

class GlyphRasterizer {
public:
  GlyphRasterizer(const std::string& fontPath, int pixelSize);
  ~GlyphRasterizer();
  GlyphRasterizer(const GlyphRasterizer&) = delete;
  GlyphRasterizer& operator=(const GlyphRasterizer&) = delete;

  bool HasGlyph(char16_t code) const;
  RasterGlyph Render(char16_t code) const;
  // Whole-pixel kerning between two characters (0 for most pairs).
  int Kerning(char16_t first, char16_t second) const;
  int Ascender() const { return AscenderPixels; }
  int LineHeight() const { return LineHeightPixels; }

private:
  FT_Library Library = nullptr;
  FT_Face Face = nullptr;
  int AscenderPixels = 0;
  int LineHeightPixels = 0;
};

}  // namespace FontGen
