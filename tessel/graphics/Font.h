#pragma once
// Font: a bitmap font described by an XML file: for every character a
// rectangle in the font image, an offset and an advance, optional kerning
// pairs, and optional layers (the same glyphs in several images, each drawn
// in its own colour, for outlines, fills and shadows). Each glyph is one quad
// on the Canvas, so a line of text in one layer is one batch.

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "tessel/Array.h"
#include "tessel/Geometry.h"
#include "tessel/WideText.h"
#include "tessel/resources/ResourceBase.h"

namespace Tessel {

class Bitmap;
class Canvas;
class ResourceManager;

enum TextAlignment {
  ALIGN_Left = 0x1,
  ALIGN_Right = 0x2,
  ALIGN_HorizontalCentre = 0x3,
  ALIGN_Top = 0x4,
  ALIGN_Bottom = 0x8,
  ALIGN_VerticalCentre = 0xC,
};

struct KerningPair {
  char16_t Next;
  int16_t Offset;
};

struct Glyph {
  RectF Source;
  int OffsetX = 0, OffsetY = 0;
  int Advance = 0;
  std::vector<KerningPair> Kerning;
};

struct FontLayer {
  WideString Name;
  Bitmap* Image = nullptr;
  uint32_t Color = 0xFFFFFFFF;
};

class Font : public ResourceBase {
  TESSEL_DECLARE_CLASS(Font)
public:
  // Reads the resource manager's base folder + Name + ".xml"; images come
  // from the manager. A broken file leaves the font empty (it draws nothing).
  void Load(ResourceManager& manager);

  const Glyph* FindGlyph(char16_t c) const;
  // Adds the glyph of a character, or replaces it (fonts made in code).
  void AddGlyph(char16_t code, const Glyph& glyph);
  int GetAdvance(char16_t c, char16_t next) const;
  int MeasureText(std::u16string_view text) const;
  void DrawText(Canvas& canvas, float x, float y, std::u16string_view text, uint32_t color) const;
  void DrawTextLayer(Canvas& canvas, Bitmap* image, float x, float y, std::u16string_view text, uint32_t color) const;
  // ASCII text (numbers, debug lines) with the main image.
  void DrawText8(Canvas& canvas, float x, float y, const char* text, uint32_t color) const;
  // Word-wrapped and aligned in the rectangle (ALIGN_* flags).
  void DrawTextInRect(Canvas& canvas, const RectF& rect, std::u16string_view text, uint32_t color, int flags) const;
  Bitmap* GetMainImage() const { return Layers.empty() ? nullptr : Layers[0].Image; }

  struct Line {
    size_t Start, Count;
    int Width;
  };
  // The lines DrawTextInRect would draw in a rectangle of that width.
  std::vector<Line> BreakLines(std::u16string_view text, float width) const;

  int Height = 0;
  int Spacing = 0;
  std::vector<FontLayer> Layers;

private:
  void SetGlyph(char16_t code, int index);

  std::vector<Glyph> Glyphs;
  std::array<std::unique_ptr<std::array<int, 256>>, 256> Pages;
};

}  // namespace Tessel
