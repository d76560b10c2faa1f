#pragma once
// Coverage: a glyph's ink as floats 0..1, with the offsets that place it
// relative to the pen (x to the right, y down from the line's top).

#include <cstddef>
#include <vector>

namespace FontGen {

struct Coverage {
  int Width = 0;
  int Height = 0;
  int Left = 0;  // pen-relative position of column 0
  int Top = 0;   // line-top-relative position of row 0
  std::vector<float> Values;

  Coverage() = default;
  Coverage(int width, int height, int left, int top)
      : Width(width), Height(height), Left(left), Top(top), Values(size_t(width) * height, 0.0f) {}
  float At(int x, int y) const {
    if (x < 0 || y < 0 || x >= Width || y >= Height) return 0.0f;
    return Values[size_t(y) * Width + x];
  }
  float& Ref(int x, int y) { return Values[size_t(y) * Width + x]; }
  bool IsEmpty() const { return Width == 0 || Height == 0; }
};

// A copy grown by the given margins, the ink staying where it was on the line.
Coverage Expand(const Coverage& c, int left, int top, int right, int bottom);

// Ink spread by a round brush of the given radius (an outline, ink included).
Coverage Dilate(const Coverage& c, float radius);

// Ink moved by (dx, dy), blurred by a box of the given radius and scaled.
Coverage Shadow(const Coverage& c, int dx, int dy, int blur, float opacity);

// The smallest rectangle holding the ink of all, in line coordinates, as a
// coverage of zeros.
Coverage Union(const std::vector<const Coverage*>& parts);

// c's ink copied into the frame of target (same line coordinates).
Coverage Reframe(const Coverage& c, const Coverage& frame);

}  // namespace FontGen
