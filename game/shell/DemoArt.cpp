#include "game/shell/DemoArt.h"

#include <algorithm>
#include <cmath>

using namespace Tessel;

namespace Corvanta {

namespace {

constexpr uint32_t Paper = 0xFFF6EBD0;
constexpr uint32_t Wood = 0xFF8A5A2B;
constexpr uint32_t Brass = 0xFFC99A3C;
constexpr uint32_t Ink = 0xFF3B2A1A;
constexpr uint32_t Leaf = 0xFF4E9A36;

uint32_t Channel(uint32_t color, int shift) { return color >> shift & 0xFF; }

uint32_t Shade(uint32_t color, float k) {
  auto scaled = [&](int shift) {
    return static_cast<uint32_t>(std::clamp(static_cast<float>(Channel(color, shift)) * k, 0.0f, 255.0f)) << shift;
  };
  return (color & 0xFF000000) | scaled(16) | scaled(8) | scaled(0);
}

uint32_t Grey(uint32_t color) {
  auto luma = static_cast<uint32_t>(0.3f * Channel(color, 16) + 0.59f * Channel(color, 8) + 0.11f * Channel(color, 0));
  return (color & 0xFF000000) | luma << 16 | luma << 8 | luma;
}

uint32_t WithAlpha(uint32_t color, uint32_t alpha) { return alpha << 24 | (color & 0xFFFFFF); }

// Source over destination, in the bitmap's B, G, R, A byte order.
void Blend(Bitmap& b, int x, int y, uint32_t argb) {
  if (x < 0 || y < 0 || x >= b.Width || y >= b.Height) return;
  uint8_t* p = &b.Pixels[(static_cast<size_t>(y) * b.Width + x) * 4];
  float a = Channel(argb, 24) / 255.0f;
  float keep = 1 - a;
  p[0] = static_cast<uint8_t>(Channel(argb, 0) * a + p[0] * keep);
  p[1] = static_cast<uint8_t>(Channel(argb, 8) * a + p[1] * keep);
  p[2] = static_cast<uint8_t>(Channel(argb, 16) * a + p[2] * keep);
  p[3] = static_cast<uint8_t>(std::min(255.0f, Channel(argb, 24) + p[3] * keep));
}

struct Box {
  float X, Y, W, H, Radius;
  bool Holds(int px, int py) const {
    float x = px + 0.5f, y = py + 0.5f;
    if (x < X || y < Y || x > X + W || y > Y + H) return false;
    float cx = std::clamp(x, X + Radius, X + W - Radius), cy = std::clamp(y, Y + Radius, Y + H - Radius);
    return std::hypot(x - cx, y - cy) <= Radius;
  }
  Box Inset(float d) const { return Box{X + d, Y + d, W - 2 * d, H - 2 * d, std::max(0.0f, Radius - d)}; }
};

// A rounded panel lighter at the top, with an outline of its own darker hue.
void Panel(Bitmap& b, int top, const Box& box, uint32_t fill, bool outline = true) {
  for (int y = 0; y < b.Height; ++y)
    for (int x = 0; x < b.Width; ++x) {
      if (!box.Holds(x, y - top)) continue;
      float t = (y - top - box.Y) / std::max(1.0f, box.H);
      uint32_t color = Shade(fill, 1.15f - 0.25f * t);
      if (outline && !box.Inset(1).Holds(x, y - top)) color = Shade(fill, 0.6f);
      Blend(b, x, y, color);
    }
}

void Shadow(Bitmap& b, int top, const Box& box) {
  Box offset{box.X + 2, box.Y + 2, box.W, box.H, box.Radius};
  for (int y = 0; y < b.Height; ++y)
    for (int x = 0; x < b.Width; ++x)
      if (offset.Holds(x, y - top)) Blend(b, x, y, 0x40000000);
}

// One row of a bevelled button in the state's look.
void ButtonRow(Bitmap& b, int top, int width, int height, int state, uint32_t fill) {
  bool pressed = state == 1;
  uint32_t color = state == 1 ? Shade(fill, 0.82f) : state == 2 ? Grey(fill) : state == 3 ? Shade(fill, 1.12f) : fill;
  Box body{0, pressed ? 1.0f : 0.0f, width - 2.0f, height - 2.0f, 6};
  if (!pressed) Shadow(b, top, body);
  Panel(b, top, body, color);
  // The light top edge.
  for (int x = 4; x < width - 6; ++x) Blend(b, x, top + static_cast<int>(body.Y) + 2, 0x70FFFFFF);
}

void Line(Bitmap& b, float x0, float y0, float x1, float y1, float thickness, uint32_t color) {
  int steps = static_cast<int>(std::hypot(x1 - x0, y1 - y0) * 2) + 1;
  for (int i = 0; i <= steps; ++i) {
    float t = static_cast<float>(i) / steps, cx = x0 + (x1 - x0) * t, cy = y0 + (y1 - y0) * t;
    for (int y = static_cast<int>(cy - thickness); y <= static_cast<int>(cy + thickness); ++y)
      for (int x = static_cast<int>(cx - thickness); x <= static_cast<int>(cx + thickness); ++x)
        if (std::hypot(x + 0.5f - cx, y + 0.5f - cy) <= thickness / 2) Blend(b, x, y, color);
  }
}

}  // namespace

Bitmap* DemoArt::Make(int width, int height) {
  Pictures.push_back(std::make_unique<Bitmap>(width, height, PIXEL_A8R8G8B8));
  return Pictures.back().get();
}

DemoArt::DemoArt() {
  ButtonStrip = Make(140, 4 * 40);
  for (int state = 0; state < 4; ++state) ButtonRow(*ButtonStrip, state * 40, 140, 40, state, Brass);
  SmallButtonStrip = Make(40, 4 * 40);
  for (int state = 0; state < 4; ++state) ButtonRow(*SmallButtonStrip, state * 40, 40, 40, state, Leaf);

  SliderBar = Make(185, 13);
  Panel(*SliderBar, 0, Box{8, 3, 169, 7, 3.5f}, Wood);
  SliderPinActive = Make(22, 47);
  SliderPinInactive = Make(22, 47);
  for (Bitmap* pin : {SliderPinActive, SliderPinInactive}) {
    Box knob{4, 6, 14, 36, 5};
    Shadow(*pin, 0, knob);
    Panel(*pin, 0, knob, pin == SliderPinActive ? Shade(Brass, 1.2f) : Brass);
    for (int y : {18, 23, 28}) Line(*pin, 8, y, 14, y, 1.5f, WithAlpha(Wood, 0xC0));
  }

  CheckBoxNormal = Make(32, 48);
  CheckBoxChecked = Make(32, 48);
  for (Bitmap* box : {CheckBoxNormal, CheckBoxChecked}) {
    Box frame{1, 9, 30, 30, 5};
    Shadow(*box, 0, frame);
    Panel(*box, 0, frame, Paper);
  }
  Line(*CheckBoxChecked, 8, 24, 14, 31, 4, Leaf);
  Line(*CheckBoxChecked, 14, 31, 25, 15, 4, Leaf);

  DialogBackground = Make(462, 254);
  Box frame{2, 0, 454, 248, 12};
  Shadow(*DialogBackground, 0, frame);
  Panel(*DialogBackground, 0, frame, Wood);
  Panel(*DialogBackground, 0, Box{9, 6, 440, 236, 8}, Paper);
  for (int i = 0; i < 4; ++i) {
    DialogButton[i] = Make(100, 30);
    ButtonRow(*DialogButton[i], 0, 100, 30, i, Brass);
  }

  Lock = Make(20, 24);
  Line(*Lock, 6, 12, 6, 6, 2.5f, 0xFF707070);
  Line(*Lock, 14, 12, 14, 6, 2.5f, 0xFF707070);
  Line(*Lock, 6, 6, 10, 2.5f, 2.5f, 0xFF707070);
  Line(*Lock, 10, 2.5f, 14, 6, 2.5f, 0xFF707070);
  Panel(*Lock, 0, Box{2, 10, 16, 13, 3}, Brass);
  Line(*Lock, 10, 14, 10, 18, 2, Ink);

  ToolTipFrame = Make(48, 48);
  Panel(*ToolTipFrame, 0, Box{0, 0, 47, 47, 6}, Paper);

  Fonts.push_back(MakePixelFont(2, false));
  Fonts.push_back(MakePixelFont(2, true));
  Fonts.push_back(MakePixelFont(1, true));
  TextFont = Fonts[0].TheFont.get();
  BoldFont = Fonts[1].TheFont.get();
  SmallFont = Fonts[2].TheFont.get();
}

void DemoArt::FillIn(ControlResources& r) const {
  r.SliderBar = SliderBar;
  r.SliderPinActive = SliderPinActive;
  r.SliderPinInactive = SliderPinInactive;
  r.CheckBoxNormal = CheckBoxNormal;
  r.CheckBoxChecked = CheckBoxChecked;
  r.DialogBackground = DialogBackground;
  for (int i = 0; i < 4; ++i) r.DialogButton[i] = DialogButton[i];
  r.Lock = Lock;
  r.ToolTipFrame = ToolTipFrame;
  r.DialogCaptionFont = BoldFont;
  r.DialogTextFont = TextFont;
  r.DialogButtonFont = BoldFont;
  r.ToolTipTitleFont = BoldFont;
  r.ToolTipTextFont = SmallFont;
}

}  // namespace Corvanta
