#pragma once
// ToolTip: the little window a button shows while the mouse rests on it. Its
// text is split at line feeds into a title line and description lines; extra
// lines (a price, an income) may add a second column, 20 pixels right of the
// widest first column. It sizes itself to its content with 10 pixels left
// and right and 8 above and below, and draws a frame cut from 16 x 16
// pieces of the frame picture (corners, stretched edges, a stretched
// middle).
//
// The mouse passes through it; its button owns it and shows it on top of
// everything, in the widget manager.

#include <cstdint>
#include <vector>

#include "tessel/WideText.h"
#include "tessel/graphics/Font.h"
#include "tessel/widgets/Widget.h"

namespace Corvanta {

class ToolTip : public Tessel::Widget {
public:
  // Fonts and frame from the control resources.
  explicit ToolTip(const Tessel::WideString& text = Tessel::WideString());

  void SetText(const Tessel::WideString& text);
  void AddExtraLine(const Tessel::WideString& left, const Tessel::WideString& right = Tessel::WideString());
  void ClearExtraLines();
  void SetFonts(Tessel::Font* titleFont, Tessel::Font* textFont);

  void OnDraw(Tessel::Canvas& canvas) override;

  struct Line {
    Tessel::WideString Left, Right;
    Tessel::Font* TheFont = nullptr;
    uint32_t Color = 0;
  };
  const std::vector<Line>& GetLines() const { return Lines; }
  // Where the second column starts (0 without one).
  float GetSecondColumnX() const { return SecondColumnX; }

  Tessel::Bitmap* FrameImage = nullptr;
  uint32_t TitleColor = 0xFF3B2A1A;
  uint32_t TextColor = 0xFF5A4330;

private:
  void Measure();
  void DrawFrame(Tessel::Canvas& canvas);

  Tessel::WideString Text;
  std::vector<Line> ExtraLines;
  std::vector<Line> Lines;
  Tessel::Font* TitleFont = nullptr;
  Tessel::Font* TextFont = nullptr;
  float SecondColumnX = 0;
};

}  // namespace Corvanta
