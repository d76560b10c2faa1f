#pragma once
// Small geometry values shared by drawing, widgets and the XML attributes.

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

}  // namespace Tessel
