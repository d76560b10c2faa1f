// The road images, one per landscape, 240 x 160:
//  - on the left sixteen 40 x 40 road tiles, tile m at ((m % 4) * 40,
//    (m / 4) * 40) for the road mask m (1 a road to the left, 2 to the
//    right, 4 below, 8 above);
//  - from x 160 sixteen 20 x 20 corner pieces, piece v at (160 + (v % 4) *
//    20, (v / 4) * 20), which the squares beside a road draw into their
//    quarters: 0/4 a road to the left, 1/5 to the right, 2/3 above, 6/7
//    below, 8/9/12/13 roads on both sides of the corner, 10/11/14/15 a road
//    only at the diagonal. Pieces are drawn over the ground, so they are the
//    verge alone (a worn strip, leaves, a snow bank), transparent elsewhere.
//
// A road square is an asphalt carriageway 24 px wide with 8 px pavements on
// the sides that lead nowhere and pavement corners where roads meet, where
// the pedestrians walk (cells of 5 px: columns 0 and 7, rows 1 and 6).
#include <cmath>

#include "townart/Landscape.h"
#include "townart/Pictures.h"

namespace TownArt {

namespace {

constexpr int Tile = 40, Walk = 8;

bool IsCarriageway(int mask, int u, int v) {
  bool inX = u >= Walk && u < Tile - Walk, inY = v >= Walk && v < Tile - Walk;
  if (inX && inY) return true;
  if (inY && u < Walk) return mask & 1;
  if (inY && u >= Tile - Walk) return mask & 2;
  if (inX && v >= Tile - Walk) return mask & 4;
  if (inX && v < Walk) return mask & 8;
  return false;
}

Texel RoadTexel(const LandPalette& pal, int mask, int u, int v, uint32_t seed) {
  double grain = Noise(u * 0.9, v * 0.9, seed, 36) - 0.5;
  double patch = Fractal(u / 10.0, v / 10.0, seed + 7, 2, 4) - 0.5;
  if (IsCarriageway(mask, u, v)) {
    Colour c = pal.Asphalt.Lighter(0.0);
    c = grain > 0 ? c.Lighter(grain * 0.18) : c.Darker(-grain * 0.18);
    c = patch > 0 ? c.Lighter(patch * 0.12) : c.Darker(-patch * 0.1);
    // The kerb's shadow falls on the carriageway below and right of a pavement.
    if (!IsCarriageway(mask, u, v - 1) || !IsCarriageway(mask, u, v - 2)) c = c.Darker(0.22);
    if (!IsCarriageway(mask, u - 1, v)) c = c.Darker(0.12);
    if (pal.SnowOnTop) {
      // Slush at the kerbs, tyre tracks in the middle.
      bool nearKerb = false;
      for (int d = 1; d <= 3 && !nearKerb; ++d)
        nearKerb = !IsCarriageway(mask, u - d, v) || !IsCarriageway(mask, u + d, v) || !IsCarriageway(mask, u, v - d) ||
                   !IsCarriageway(mask, u, v + d);
      double slush = Noise(u * 0.5, v * 0.5, seed + 3, 20);
      if (nearKerb && slush > 0.35) c = Mix(c, pal.Pavement, 0.55);
    }
    return {c, 1};
  }
  // Pavement: slabs of 8 px with joints, the edge of the kerb lit.
  Colour c = pal.Pavement;
  c = grain > 0 ? c.Lighter(grain * 0.12) : c.Darker(-grain * 0.1);
  bool slabJoint = (u % 8 == 7) || (v % 8 == 7);
  if (slabJoint && !pal.SnowOnTop) c = Mix(c, pal.PavementJoint, 0.4);
  if (pal.SnowOnTop) {
    double drift = Fractal(u / 6.0, v / 6.0, seed + 11, 2, 6);
    c = Mix(pal.Pavement, Hex(0xFFFFFF), 0.4 + 0.6 * drift);
    if (slabJoint && drift < 0.35) c = Mix(c, pal.PavementJoint, 0.5);
  }
  bool kerb = IsCarriageway(mask, u + 1, v) || IsCarriageway(mask, u - 1, v) || IsCarriageway(mask, u, v + 1) ||
              IsCarriageway(mask, u, v - 1);
  if (kerb) c = IsCarriageway(mask, u, v + 1) || IsCarriageway(mask, u + 1, v) ? pal.Kerb : pal.Kerb.Darker(0.18);
  return {c, 1};
}

// Opacity of the verge at a distance from the road's edge.
double VergeAlpha(double d, bool snow) {
  const double reach = snow ? 8.0 : 7.0;
  if (d >= reach) return 0;
  double t = 1 - d / reach;
  return snow ? std::min(1.0, 1.6 * t) : 0.55 * t * t;
}

// The four blocks of corner pieces, each drawn as one 40 x 40 square
// beside roads and cut into quarters: roads left and right; above and
// below; all four sides; the four diagonals.
double DistanceToRoad(int block, double u, double v) {
  double left = u, right = Tile - u, top = v, bottom = Tile - v;
  switch (block) {
    case 0: return std::min(left, right);
    case 1: return std::min(top, bottom);
    case 2: return std::min(std::min(left, right), std::min(top, bottom));
    default: {
      double cu = u < Tile / 2 ? u : Tile - u, cv = v < Tile / 2 ? v : Tile - v;
      return std::sqrt(cu * cu + cv * cv) - 2;  // the pavement corner is rounded a little
    }
  }
}

Texel VergeTexel(const LandPalette& pal, int block, int u, int v, uint32_t seed) {
  double d = DistanceToRoad(block, u + 0.5, v + 0.5);
  double wobble = (Noise(u * 0.35, v * 0.35, seed + 5, 14) - 0.5) * 3;
  double a = VergeAlpha(std::max(0.0, d + wobble), pal.SnowOnTop);
  if (a <= 0) return {pal.Verge, 0};
  if (pal.SnowOnTop) {
    // A bank of ploughed snow, its far side in blue shade.
    double edge = std::clamp((d + wobble) / 8.0, 0.0, 1.0);
    return {Mix(Hex(0xFFFFFF), pal.GrassDark, edge * edge), a};
  }
  double n = Noise(u * 0.6, v * 0.6, seed + 9, 24);
  return {pal.Verge.Lighter(n * 0.15), a};
}

void DrawCentreLines(cairo_t* cr, int mask, double ox, double oy, const LandPalette& pal) {
  int links = (mask & 1) + ((mask >> 1) & 1) + ((mask >> 2) & 1) + ((mask >> 3) & 1);
  if (links > 2) return;  // junctions are left clear
  Colour paint = pal.SnowOnTop ? Hex(0xE9EEF2) : Hex(0xF2EEDC);
  double alpha = pal.SnowOnTop ? 0.5 : 0.85;
  auto dash = [&](double x0, double y0, double x1, double y1) {
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, ox + x0, oy + y0);
          cairo_line_to(c, ox + x1, oy + y1);
        },
        paint, 2, alpha);
  };
  cairo_save(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  // Dashes of 10 with gaps of 10, across the tiles as within them.
  if (mask & 1) dash(5, 20, 15, 20);
  if (mask & 2) dash(25, 20, 35, 20);
  if (mask & 8) dash(20, 5, 20, 15);
  if (mask & 4) dash(20, 25, 20, 35);
  cairo_restore(cr);
}

// Fallen leaves on pavements and verges in the fall.
void DrawLeaves(cairo_t* cr, double x, double y, double w, double h, int count, uint32_t seed, const LandPalette& pal,
                double alpha) {
  Rng rng(seed);
  for (int i = 0; i < count; ++i) {
    double lx = x + rng.Range(1, w - 1), ly = y + rng.Range(1, h - 1);
    Colour c = Mix(pal.Foliage, pal.FoliageLight, rng.Next());
    if (rng.Next() < 0.3) c = Hex(0xC8452A);
    cairo_save(cr);
    cairo_translate(cr, lx, ly);
    cairo_rotate(cr, rng.Range(0, Pi));
    Fill(
        cr, [](cairo_t* c) { Ellipse(c, 0, 0, 1.6, 0.9); }, c, alpha);
    cairo_restore(cr);
  }
}

Tools::Image DrawRoads(Landscape land) {
  const LandPalette& pal = PaletteOf(land);
  Picture picture(240, 160);
  const uint32_t seed = 1000 + uint32_t(land) * 17;
  PaintPixels(picture, [&](int x, int y) -> Texel {
    if (x < 160) return RoadTexel(pal, (x / Tile) + 4 * (y / Tile), x % Tile, y % Tile, seed);
    if (y >= 80) return {pal.Verge, 0};
    int block = (x - 160) / Tile + 2 * (y / Tile);
    return VergeTexel(pal, block, (x - 160) % Tile, y % Tile, seed);
  });
  cairo_t* cr = picture.Cr();
  for (int mask = 0; mask < 16; ++mask) {
    double ox = (mask % 4) * Tile, oy = (mask / 4) * Tile;
    DrawCentreLines(cr, mask, ox, oy, pal);
    if (land == LAND_Fall) {
      cairo_save(cr);
      cairo_rectangle(cr, ox, oy, Tile, Tile);
      cairo_clip(cr);
      for (int side = 0; side < 4; ++side) {
        if (mask & (1 << side)) continue;
        double bx = side == 1 ? ox + 32 : ox, by = side == 2 ? oy + 32 : oy;
        double bw = side < 2 ? 8 : 40, bh = side < 2 ? 40 : 8;
        DrawLeaves(cr, bx, by, bw, bh, 3, seed + mask * 8 + side, pal, 0.9);
      }
      cairo_restore(cr);
    }
  }
  if (land == LAND_Fall) {
    cairo_save(cr);
    cairo_rectangle(cr, 160, 0, 80, 80);
    cairo_clip(cr);
    for (int block = 0; block < 4; ++block) {
      double bx = 160 + (block % 2) * Tile, by = (block / 2) * Tile;
      // Leaves gather along the verge.
      Rng rng(seed + 300 + block);
      for (int i = 0; i < 10; ++i) {
        double u = rng.Range(1, 39), v = rng.Range(1, 39);
        if (DistanceToRoad(block, u, v) > 4) continue;
        DrawLeaves(cr, bx + u - 1, by + v - 1, 2, 2, 1, seed + block * 31 + i, pal, 0.9);
      }
    }
    cairo_restore(cr);
  }
  return picture.ToImage();
}

}  // namespace

void AddRoadPictures(Recipes& out) {
  for (Landscape land : {LAND_Forest, LAND_Fall, LAND_Snow, LAND_Tropic})
    out.push_back({std::string("images/Roads/") + LandscapeName(land), [land] { return DrawRoads(land); }});
}

}  // namespace TownArt
