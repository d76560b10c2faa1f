#include "fontgen/AtlasPacker.h"

#include <algorithm>
#include <numeric>

namespace FontGen {

namespace {

int NextPowerOfTwo(int v) {
  int p = 1;
  while (p < v) p *= 2;
  return p;
}

// Shelf packing into the given width; returns the height used.
int PackInto(std::vector<PackedRect>& rects, const std::vector<size_t>& order, int width, int gap) {
  int x = gap, y = gap, shelf = 0;
  for (size_t i : order) {
    PackedRect& r = rects[i];
    if (r.Width == 0 || r.Height == 0) {
      r.X = r.Y = 0;
      continue;
    }
    if (x + r.Width + gap > width) {
      x = gap;
      y += shelf + gap;
      shelf = 0;
    }
    r.X = x;
    r.Y = y;
    x += r.Width + gap;
    shelf = std::max(shelf, r.Height);
  }
  return y + shelf + gap;
}

}  // namespace

AtlasSize PackRectangles(std::vector<PackedRect>& rects, int gap) {
  std::vector<size_t> order(rects.size());
  std::iota(order.begin(), order.end(), size_t(0));
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    if (rects[a].Height != rects[b].Height) return rects[a].Height > rects[b].Height;
    return rects[a].Width > rects[b].Width;
  });
  int widest = 1;
  for (const PackedRect& r : rects) widest = std::max(widest, r.Width + 2 * gap);
  for (int width = NextPowerOfTwo(std::max(64, widest));; width *= 2) {
    int height = NextPowerOfTwo(PackInto(rects, order, width, gap));
    if (height <= width) return AtlasSize{width, height};
  }
}

}  // namespace FontGen
