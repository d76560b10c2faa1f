#include "tessel/widgets/Label.h"

#include <cmath>

#include "tessel/graphics/Canvas.h"

namespace Tessel {

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

}  // namespace

Label::Label() { IsHitTestable = false; }

Label::Label(Font* font, const WideString& text, uint32_t color, int alignment)
    : Color(color), Alignment(alignment), TheFont(font), Text(text) {
  IsHitTestable = false;
  Layout();
}

void Label::SetFont(Font* font) {
  TheFont = font;
  Layout();
}

void Label::SetText(const WideString& text) {
  Text = text;
  Layout();
}

void Label::SetRect(float x, float y, float width, float height) {
  bool relayout = width != Width;
  Widget::SetRect(x, y, width, height);
  if (relayout) Layout();
}

int Label::GlyphAdvance(char16_t c) const {
  const Glyph* glyph = TheFont ? TheFont->FindGlyph(c) : nullptr;
  return glyph ? glyph->Advance : 0;
}

// A word is its leading blanks and the characters up to the next blank or
// line feed; it moves to the next line when the line already holds one and
// both together would reach the label's width. The blanks at a break are
// not drawn.
void Label::Layout() {
  Lines.clear();
  if (!TheFont || Text.empty()) return;
  size_t n = Text.size();
  Line line;
  bool hasWord = false;
  size_t i = 0;
  while (i < n) {
    if (Text[i] == u'\n') {
      line.Count = i - line.Start;
      Lines.push_back(line);
      line = Line{++i, 0, 0};
      hasWord = false;
      continue;
    }
    size_t end = i;
    while (end < n && IsBlank(Text[end])) ++end;
    while (end < n && !IsBlank(Text[end]) && Text[end] != u'\n') ++end;
    int wordWidth = 0;
    for (size_t k = i; k < end; ++k) wordWidth += GlyphAdvance(Text[k]);
    if (hasWord && static_cast<float>(line.Width + wordWidth) >= Width) {
      line.Count = i - line.Start;
      Lines.push_back(line);
      while (i < n && IsBlank(Text[i])) ++i;
      line = Line{i, 0, 0};
      hasWord = false;
      continue;
    }
    line.Width += wordWidth;
    hasWord = true;
    i = end;
  }
  line.Count = n - line.Start;
  Lines.push_back(line);
}

Vector2 Label::GetLinePosition(size_t index) const {
  float height = TheFont ? static_cast<float>(TheFont->Height) : 0;
  float block = static_cast<float>(Lines.size()) * height;
  float y = 0;
  if ((Alignment & ALIGN_VerticalCentre) == ALIGN_VerticalCentre)
    y = (Height - block) / 2;
  else if (Alignment & ALIGN_Bottom)
    y = Height - block;
  float x = 0;
  float lineWidth = index < Lines.size() ? static_cast<float>(Lines[index].Width) : 0;
  if ((Alignment & ALIGN_HorizontalCentre) == ALIGN_HorizontalCentre)
    x = (Width - lineWidth) / 2;
  else if (Alignment & ALIGN_Right)
    x = Width - lineWidth;
  // Whole pixels keep the glyphs sharp.
  return Vector2{std::trunc(x), std::trunc(y) + static_cast<float>(index) * height};
}

void Label::OnDraw(Canvas& canvas) {
  if (!TheFont) return;
  std::u16string_view text(Text);
  for (size_t i = 0; i < Lines.size(); ++i) {
    Vector2 at = GetLinePosition(i);
    TheFont->DrawText(canvas, at.X, at.Y, text.substr(Lines[i].Start, Lines[i].Count), Color);
  }
}

}  // namespace Tessel
