#pragma once
// The small tuples that XML attributes carry, read as scanf reads them;
// numbers that are missing stay 0.

#include "tessel/WideText.h"

namespace Tessel {

struct Point {
  int X = 0, Y = 0;
  bool operator==(const Point&) const = default;
};
struct Vector2 {
  float X = 0, Y = 0;
  bool operator==(const Vector2&) const = default;
};
struct Rect {
  int X = 0, Y = 0, Width = 0, Height = 0;
  bool operator==(const Rect&) const = default;
};
struct RectF {
  float X = 0, Y = 0, Width = 0, Height = 0;
  bool operator==(const RectF&) const = default;
};

// "true" in any case is true; everything else false.
bool ParseBool(const WideString& text);
Point ParsePoint(const WideString& text);      // "%i %i"
Vector2 ParseVector(const WideString& text);   // "%f %f"
Rect ParseRect(const WideString& text);        // "%i %i %i %i"
RectF ParseRectF(const WideString& text);      // "%f %f %f %f"

}  // namespace Tessel
