#pragma once
// Label: text laid out in the widget's rectangle, broken at line feeds and
// wrapped between words, aligned with the font's ALIGN_* flags (15 centres
// both ways), drawn with every font layer in the label's colour. The mouse
// falls through it.
//
// Wrapping measures each glyph by its advance alone (no spacing, no
// kerning): that is the rule the game's texts were fitted to.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "tessel/Geometry.h"
#include "tessel/WideText.h"
#include "tessel/graphics/Font.h"
#include "tessel/widgets/Widget.h"

namespace Tessel {

class Label : public Widget {
public:
  struct Line {
    size_t Start = 0, Count = 0;
    int Width = 0;
  };

  Label();
  Label(Font* font, const WideString& text, uint32_t color = 0xFFFFFFFF, int alignment = 15);

  virtual void SetFont(Font* font);
  virtual void SetText(const WideString& text);
  using Widget::SetRect;
  // A change of width lays the text out again.
  void SetRect(float x, float y, float width, float height) override;
  void OnDraw(Canvas& canvas) override;

  Font* GetFont() const { return TheFont; }
  const WideString& GetText() const { return Text; }
  const std::vector<Line>& GetLines() const { return Lines; }
  // Where the line is drawn, in local coordinates.
  Vector2 GetLinePosition(size_t line) const;

  uint32_t Color = 0xFFFFFFFF;
  int Alignment = 15;

protected:
  virtual void Layout();
  int GlyphAdvance(char16_t c) const;

  Font* TheFont = nullptr;
  WideString Text;
  std::vector<Line> Lines;
};

}  // namespace Tessel
