#include "game/ui/ToolTip.h"

#include <algorithm>

#include "game/ui/ControlResources.h"
#include "tessel/graphics/Canvas.h"

using namespace Tessel;

namespace Corvanta {

namespace {

constexpr float PaddingX = 10, PaddingY = 8;
constexpr float ColumnGap = 20;
constexpr float Piece = 16;

float Measured(Font* font, const WideString& text) { return font ? static_cast<float>(font->MeasureText(text)) : 0; }

float LineHeight(Font* font) { return font ? static_cast<float>(font->Height) : 0; }

}  // namespace

ToolTip::ToolTip(const WideString& text)
    : FrameImage(TheControlResources.ToolTipFrame),
      TitleFont(TheControlResources.ToolTipTitleFont),
      TextFont(TheControlResources.ToolTipTextFont) {
  IsHitTestable = false;
  IsOwnedByParent = false;
  SetText(text);
}

void ToolTip::SetText(const WideString& text) {
  Text = text;
  Measure();
}

void ToolTip::AddExtraLine(const WideString& left, const WideString& right) {
  ExtraLines.push_back(Line{left, right, nullptr, 0});
  Measure();
}

void ToolTip::ClearExtraLines() {
  ExtraLines.clear();
  Measure();
}

void ToolTip::SetFonts(Font* titleFont, Font* textFont) {
  TitleFont = titleFont;
  TextFont = textFont;
  Measure();
}

void ToolTip::Measure() {
  Lines.clear();
  size_t start = 0;
  bool isTitle = true;
  while (!Text.empty() && start <= Text.size()) {
    size_t end = Text.find(u'\n', start);
    if (end == WideString::npos) end = Text.size();
    Lines.push_back(Line{Text.substr(start, end - start), WideString(), isTitle ? TitleFont : TextFont,
                         isTitle ? TitleColor : TextColor});
    isTitle = false;
    start = end + 1;
  }
  for (const Line& extra : ExtraLines) Lines.push_back(Line{extra.Left, extra.Right, TextFont, TextColor});

  float firstColumn = 0, secondColumn = 0, widest = 0, height = 0;
  bool hasSecondColumn = false;
  for (const Line& line : Lines) {
    height += LineHeight(line.TheFont);
    if (line.Right.empty()) {
      widest = std::max(widest, Measured(line.TheFont, line.Left));
    } else {
      hasSecondColumn = true;
      firstColumn = std::max(firstColumn, Measured(line.TheFont, line.Left));
      secondColumn = std::max(secondColumn, Measured(line.TheFont, line.Right));
    }
  }
  SecondColumnX = hasSecondColumn ? PaddingX + firstColumn + ColumnGap : 0;
  if (hasSecondColumn) widest = std::max(widest, firstColumn + ColumnGap + secondColumn);
  SetSize(widest + 2 * PaddingX, height + 2 * PaddingY);
}

// Nine pieces: the corners as they are, the edges and the middle stretched
// to the size. Without a frame picture a plain paper panel stands in.
void ToolTip::DrawFrame(Canvas& canvas) {
  if (!FrameImage || FrameImage->GetWidth() < 3 * Piece || FrameImage->GetHeight() < 3 * Piece) {
    canvas.DrawImage(RectF{}, RectF{0, 0, Width, Height}, nullptr, 0xF0F6EBD0);
    canvas.DrawRect(RectF{0, 0, Width, Height}, 0xFF8A5A2B);
    return;
  }
  float xs[3] = {0, Piece, std::max(Piece, Width - Piece)};
  float ws[3] = {Piece, std::max(0.0f, Width - 2 * Piece), Piece};
  float ys[3] = {0, Piece, std::max(Piece, Height - Piece)};
  float hs[3] = {Piece, std::max(0.0f, Height - 2 * Piece), Piece};
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 3; ++column)
      canvas.DrawImage(RectF{column * Piece, row * Piece, Piece, Piece},
                       RectF{xs[column], ys[row], ws[column], hs[row]}, FrameImage, 0xFFFFFFFF);
}

void ToolTip::OnDraw(Canvas& canvas) {
  DrawFrame(canvas);
  float y = PaddingY;
  for (const Line& line : Lines) {
    if (line.TheFont) {
      line.TheFont->DrawText(canvas, PaddingX, y, line.Left, line.Color);
      if (!line.Right.empty()) line.TheFont->DrawText(canvas, SecondColumnX, y, line.Right, line.Color);
    }
    y += LineHeight(line.TheFont);
  }
}

}  // namespace Corvanta
