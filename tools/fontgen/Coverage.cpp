#include "fontgen/Coverage.h"

#include <algorithm>
#include <cmath>
#include <climits>

namespace FontGen {

Coverage Expand(const Coverage& c, int left, int top, int right, int bottom) {
  Coverage out(c.Width + left + right, c.Height + top + bottom, c.Left - left, c.Top - top);
  for (int y = 0; y < c.Height; ++y) {
    for (int x = 0; x < c.Width; ++x) out.Ref(x + left, y + top) = c.At(x, y);
  }
  return out;
}

Coverage Dilate(const Coverage& c, float radius) {
  int r = int(std::ceil(radius));
  Coverage source = Expand(c, r + 1, r + 1, r + 1, r + 1);
  Coverage out(source.Width, source.Height, source.Left, source.Top);
  // The brush: full inside the radius, an antialiased pixel-wide rim.
  std::vector<float> brush;
  for (int dy = -r - 1; dy <= r + 1; ++dy) {
    for (int dx = -r - 1; dx <= r + 1; ++dx) {
      float d = std::sqrt(float(dx * dx + dy * dy));
      brush.push_back(std::clamp(radius + 0.5f - d, 0.0f, 1.0f));
    }
  }
  int side = 2 * r + 3;
  for (int y = 0; y < out.Height; ++y) {
    for (int x = 0; x < out.Width; ++x) {
      float best = 0.0f;
      for (int dy = -r - 1; dy <= r + 1; ++dy) {
        for (int dx = -r - 1; dx <= r + 1; ++dx) {
          float w = brush[size_t(dy + r + 1) * side + (dx + r + 1)];
          if (w <= 0.0f) continue;
          best = std::max(best, source.At(x + dx, y + dy) * w);
        }
      }
      out.Ref(x, y) = best;
    }
  }
  return out;
}

Coverage Shadow(const Coverage& c, int dx, int dy, int blur, float opacity) {
  Coverage moved = Expand(c, blur, blur, blur, blur);
  moved.Left += dx;
  moved.Top += dy;
  if (blur <= 0) {
    for (float& v : moved.Values) v *= opacity;
    return moved;
  }
  Coverage out(moved.Width, moved.Height, moved.Left, moved.Top);
  float area = float((2 * blur + 1) * (2 * blur + 1));
  for (int y = 0; y < out.Height; ++y) {
    for (int x = 0; x < out.Width; ++x) {
      float sum = 0.0f;
      for (int j = -blur; j <= blur; ++j) {
        for (int i = -blur; i <= blur; ++i) sum += moved.At(x + i, y + j);
      }
      out.Ref(x, y) = sum / area * opacity;
    }
  }
  return out;
}

Coverage Union(const std::vector<const Coverage*>& parts) {
  int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
  for (const Coverage* p : parts) {
    if (p->IsEmpty()) continue;
    left = std::min(left, p->Left);
    top = std::min(top, p->Top);
    right = std::max(right, p->Left + p->Width);
    bottom = std::max(bottom, p->Top + p->Height);
  }
  if (left == INT_MAX) return Coverage();
  return Coverage(right - left, bottom - top, left, top);
}

Coverage Reframe(const Coverage& c, const Coverage& frame) {
  Coverage out(frame.Width, frame.Height, frame.Left, frame.Top);
  for (int y = 0; y < out.Height; ++y) {
    for (int x = 0; x < out.Width; ++x) out.Ref(x, y) = c.At(x + frame.Left - c.Left, y + frame.Top - c.Top);
  }
  return out;
}

}  // namespace FontGen
