#include "fontgen/GlyphRasterizer.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <stdexcept>

namespace FontGen {

GlyphRasterizer::GlyphRasterizer(const std::string& fontPath, int pixelSize) {
  if (FT_Init_FreeType(&Library) != 0) throw std::runtime_error("FreeType did not start");
  if (FT_New_Face(Library, fontPath.c_str(), 0, &Face) != 0) {
    FT_Done_FreeType(Library);
    throw std::runtime_error("cannot open font " + fontPath);
  }
  FT_Set_Pixel_Sizes(Face, 0, FT_UInt(pixelSize));
  // Hinted metrics are already whole pixels in 26.6.
  AscenderPixels = int((Face->size->metrics.ascender + 32) >> 6);
  int descender = int((-Face->size->metrics.descender + 32) >> 6);
  LineHeightPixels = AscenderPixels + descender;
}

GlyphRasterizer::~GlyphRasterizer() {
  FT_Done_Face(Face);
  FT_Done_FreeType(Library);
}

bool GlyphRasterizer::HasGlyph(char16_t code) const { return FT_Get_Char_Index(Face, code) != 0; }

RasterGlyph GlyphRasterizer::Render(char16_t code) const {
  FT_UInt index = FT_Get_Char_Index(Face, code);
  if (FT_Load_Glyph(Face, index, FT_LOAD_DEFAULT | FT_LOAD_TARGET_NORMAL) != 0 ||
      FT_Render_Glyph(Face->glyph, FT_RENDER_MODE_NORMAL) != 0) {
    throw std::runtime_error("FreeType cannot render character " + std::to_string(int(code)));
  }
  const FT_GlyphSlot slot = Face->glyph;
  const FT_Bitmap& bitmap = slot->bitmap;
  RasterGlyph glyph;
  glyph.Advance = int((slot->advance.x + 32) >> 6);
  glyph.Ink = Coverage(int(bitmap.width), int(bitmap.rows), slot->bitmap_left, AscenderPixels - slot->bitmap_top);
  for (unsigned y = 0; y < bitmap.rows; ++y) {
    const unsigned char* row = bitmap.buffer + ptrdiff_t(y) * bitmap.pitch;
    for (unsigned x = 0; x < bitmap.width; ++x) glyph.Ink.Ref(int(x), int(y)) = row[x] / 255.0f;
  }
  return glyph;
}

int GlyphRasterizer::Kerning(char16_t first, char16_t second) const {
  FT_Vector delta{0, 0};
  FT_Get_Kerning(Face, FT_Get_Char_Index(Face, first), FT_Get_Char_Index(Face, second), FT_KERNING_DEFAULT, &delta);
  // FT_KERNING_DEFAULT rounds to whole pixels already.
  return int(delta.x >= 0 ? (delta.x + 32) >> 6 : -((-delta.x + 32) >> 6));
}

}  // namespace FontGen
