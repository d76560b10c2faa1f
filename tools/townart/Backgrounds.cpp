// The landscapes of the shipped levels, cut into tiles "images/levels/
// <Level>/cr" (column c, row r) of at most 512 x 512 that the map lays left
// to right, top to bottom, to the level's background size.
//
// Each landscape knows its level's grid (where square (0, 0) lies, the
// playground, the water): inside the playground a mown lawn whose squares
// are faintly striped, so the grid reads without lines; around it wilder
// ground, trees and bushes, which stay clear of the playground so that
// buildings never stand in a painted tree. Each tile is drawn with a margin
// and cut out, so shadows and strokes run on across the seams.
#include <algorithm>
#include <cmath>

#include "townart/Flora.h"
#include "townart/Pictures.h"

namespace TownArt {

namespace {

constexpr int TileSize = 512, Margin = 24, Square = 40;

struct Rect {
  double X, Y, W, H;
  bool Contains(double x, double y, double grow = 0) const {
    return x >= X - grow && y >= Y - grow && x < X + W + grow && y < Y + H + grow;
  }
};

struct LevelLand {
  std::string Name;
  int Width = 0, Height = 0;
  Landscape Land = LAND_Forest;
  Rect Playground{};  // pixels
  // Signed distance to the shore in pixels, negative in the water.
  std::function<double(double, double)> Water;
  // Extra ground marks (a quay, sand) over the base: colour and opacity, or
  // opacity 0 for none.
  std::function<Texel(double, double, double water)> Shore;
  std::vector<TreeSpec> Trees;
  std::function<void(Picture&, const LevelLand&)> Extras;
};

double RoundRectDistance(double x, double y, double x0, double y0, double x1, double y1, double r) {
  double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2, hx = (x1 - x0) / 2 - r, hy = (y1 - y0) / 2 - r;
  double qx = std::abs(x - cx) - hx, qy = std::abs(y - cy) - hy;
  double ox = std::max(qx, 0.0), oy = std::max(qy, 0.0);
  return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0) - r;
}

Rect PlaygroundOf(int offsetX, int offsetY, int x, int y, int w, int h) {
  return {double(offsetX + x * Square), double(offsetY + y * Square), double(w * Square), double(h * Square)};
}

// Trees scattered over the ground around the playground, never closer to
// each other than their size and never rising into the playground.
void ScatterTrees(LevelLand& land, int tries, uint64_t seed, const std::vector<TreeKind>& kinds,
                  const std::function<bool(double, double)>& allowed) {
  Rng rng(seed);
  const Rect& pg = land.Playground;
  for (int i = 0; i < tries; ++i) {
    TreeSpec t;
    t.Kind = kinds[size_t(rng.Below(int(kinds.size())))];
    t.Size = t.Kind == TREE_Bush ? rng.Range(12, 18) : rng.Range(26, 40);
    t.X = rng.Range(-10, land.Width + 10);
    t.Y = rng.Range(t.Size * 0.8, land.Height + 20);
    t.Seed = rng.NextBits();
    // The canopy spans about Size wide, Size tall above the base.
    Rect canopy{t.X - t.Size * 0.45, t.Y - t.Size * 1.05, t.Size * 0.9, t.Size * 1.1};
    bool clear = canopy.X + canopy.W < pg.X - 2 || canopy.X > pg.X + pg.W + 2 || canopy.Y + canopy.H < pg.Y - 2 ||
                 canopy.Y > pg.Y + pg.H + 2;
    if (!clear) continue;
    if (land.Water && land.Water(t.X, t.Y) < 14) continue;
    if (allowed && !allowed(t.X, t.Y)) continue;
    bool crowded = false;
    for (const TreeSpec& o : land.Trees) {
      double dx = o.X - t.X, dy = (o.Y - t.Y) * 1.4, reach = (o.Size + t.Size) * 0.42;
      if (dx * dx + dy * dy < reach * reach) crowded = true;
    }
    if (!crowded) land.Trees.push_back(t);
  }
}

Texel GroundTexel(const LevelLand& land, double x, double y) {
  const LandPalette& pal = PaletteOf(land.Land);
  const Rect& pg = land.Playground;
  double broad = Fractal(x / 140.0, y / 140.0, 501, 3);
  double fine = Noise(x / 2.5, y / 2.5, 503);
  double mid = Fractal(x / 18.0, y / 18.0, 505, 2);
  Colour wild = Mix(pal.GrassDark, pal.Grass, 0.2 + 0.6 * broad);
  wild = Mix(wild, pal.GrassDark.Darker(0.1), 0.35 * mid);
  // The lawn: even, brighter, a faint stripe every other square column.
  Colour lawn = Mix(pal.Grass, pal.GrassLight, 0.15 + 0.3 * broad);
  int column = int(std::floor((x - pg.X) / Square)), row = int(std::floor((y - pg.Y) / Square));
  if (((column + row) & 1) == 0) lawn = pal.SnowOnTop ? lawn.Darker(0.012) : lawn.Lighter(0.028);
  lawn = Mix(lawn, pal.GrassDark, 0.18 * std::max(0.0, mid - 0.45));
  // Inside the playground the lawn, with a soft edge of 3 px.
  double inside = std::min({x - pg.X, pg.X + pg.W - x, y - pg.Y, pg.Y + pg.H - y});
  double t = std::clamp((inside + 1.5) / 3.0, 0.0, 1.0);
  Colour c = Mix(wild, lawn, t);
  // The lawn's edge: a thin strip of trodden earth just outside it.
  if (inside < 0 && inside > -3.5) c = Mix(c, pal.SnowOnTop ? pal.GrassDark : pal.Verge.Darker(0.1), 0.45);
  c = fine > 0.5 ? c.Lighter((fine - 0.5) * 0.08) : c.Darker((0.5 - fine) * 0.08);
  if (land.Water) {
    double d = land.Water(x, y);
    if (land.Shore) {
      Texel s = land.Shore(x, y, d);
      if (s.A > 0) c = Mix(c, s.C, s.A);
    }
    if (d < 0) {
      double depth = std::clamp(-d / 60.0, 0.0, 1.0);
      double wave = Fractal(x / 30.0, y / 12.0, 511, 3);
      Colour w = Mix(pal.Water.Lighter(0.25), pal.WaterDeep, depth);
      w = w.Lighter((wave - 0.5) * 0.16);
      double foam = std::clamp(1 + d / 3.0, 0.0, 1.0);  // a white edge at the shore
      c = Mix(w, Hex(0xF4FBFB), foam * 0.8);
    }
  }
  return {c, 1};
}

// Wave crests on the water: short light arcs.
void DrawWaves(Picture& picture, const LevelLand& land, uint64_t seed) {
  if (!land.Water) return;
  Rng rng(seed);
  cairo_t* cr = picture.Cr();
  for (int i = 0; i < land.Width * land.Height / 900; ++i) {
    double x = rng.Range(0, land.Width), y = rng.Range(0, land.Height), w = rng.Range(4, 9);
    if (land.Water(x, y) > -8) continue;
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, x - w, y);
          cairo_curve_to(c, x - w / 2, y - 2, x + w / 2, y - 2, x + w, y);
        },
        Hex(0xE6FAFF), 1.0, 0.5);
  }
}

Tools::Image DrawTile(const LevelLand& land, int column, int row) {
  const int x0 = column * TileSize, y0 = row * TileSize;
  const int w = std::min(TileSize, land.Width - x0), h = std::min(TileSize, land.Height - y0);
  Picture picture(w + 2 * Margin, h + 2 * Margin);
  PaintPixels(picture,
              [&](int px, int py) { return GroundTexel(land, px - Margin + x0 + 0.5, py - Margin + y0 + 0.5); });
  cairo_t* cr = picture.Cr();
  cairo_translate(cr, Margin - x0, Margin - y0);
  DrawWaves(picture, land, 77);
  if (land.Extras) land.Extras(picture, land);
  std::vector<TreeSpec> near;
  for (const TreeSpec& t : land.Trees)
    if (Rect{double(x0 - 60), double(y0 - 60), double(w + 120), double(h + 120 + t.Size)}.Contains(t.X, t.Y))
      near.push_back(t);
  DrawTrees(picture, near, PaletteOf(land.Land));
  Tools::Image whole = picture.ToImage(), tile(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) tile.At(x, y) = whole.At(x + Margin, y + Margin);
  return tile;
}

// Meadowbrook: a spring meadow with a pond at the top right (the pond
// itself is a prop), woods around the edges.
LevelLand Meadowbrook() {
  LevelLand land;
  land.Name = "Meadowbrook";
  land.Width = 1024;
  land.Height = 768;
  land.Land = LAND_Forest;
  land.Playground = PlaygroundOf(12, 44, 1, 1, 23, 15);
  // The damp ground around the pond at (832, 184).
  land.Water = [](double x, double y) {
    double dx = (x - 832) / 1.0, dy = (y - 184) / 0.95;
    return std::sqrt(dx * dx + dy * dy) - 52;
  };
  land.Shore = [](double, double, double d) -> Texel {
    if (d > 16) return {Hex(0), 0};
    return {Hex(0x5E8A3A), 0.45 * std::clamp((16 - d) / 16, 0.0, 1.0)};
  };
  ScatterTrees(land, 2500, 11, {TREE_Round, TREE_Round, TREE_Pine, TREE_Birch, TREE_Bush, TREE_Bush}, nullptr);
  land.Extras = [](Picture& picture, const LevelLand& l) {
    cairo_t* cr = picture.Cr();
    // Wild flowers in the meadow, a few daisies in the lawn.
    Rng rng(21);
    for (int i = 0; i < 900; ++i) {
      double x = rng.Range(0, l.Width), y = rng.Range(0, l.Height);
      bool lawn = l.Playground.Contains(x, y, 4);
      if (lawn && rng.Next() < 0.75) continue;
      if (l.Water(x, y) < 6) continue;
      DrawFlowers(cr, x, y, 3, 3, lawn ? 1 : 2, rng.NextBits(), lawn ? 0.9 : 1.3);
    }
    // Reeds by the pond.
    for (int i = 0; i < 40; ++i) {
      double a = rng.Range(0, 2 * Pi), r = rng.Range(50, 60);
      double x = 832 + std::cos(a) * r, y = 184 + std::sin(a) * r * 0.95;
      for (int k = 0; k < 3; ++k)
        Stroke(
            cr,
            [=](cairo_t* c) {
              cairo_move_to(c, x + k, y);
              cairo_line_to(c, x + k + (k - 1) * 1.5, y - 6 - k);
            },
            Hex(0x3E7A2A), 0.9, 0.9);
    }
  };
  return land;
}

// Harbourside: a tropical harbour; the basin at the bottom right opens to
// the sea along the bottom and right edges, with a stone quay on its town
// side and beaches elsewhere.
LevelLand Harbourside() {
  LevelLand land;
  land.Name = "Harbourside";
  land.Width = 1304;
  land.Height = 936;
  land.Land = LAND_Tropic;
  land.Playground = PlaygroundOf(12, 36, 1, 1, 30, 20);
  // The basin's squares: columns 27..30, rows 15..20 (x 1092..1252, y 636..876).
  auto basin = [](double x, double y) { return RoundRectDistance(x, y, 1095, 639, 1400, 1100, 8); };
  auto sea = [](double x, double y) {
    double shoreY = 893 + 5 * std::sin(x / 47.0) + std::max(0.0, 640 - x) * 0.5;
    double shoreX = 1266 + 4 * std::sin(y / 33.0);
    double bottom = shoreY - y, right = y < 690 ? std::max(shoreX - x, 690 - y) : shoreX - x;
    return std::min(bottom, right);
  };
  land.Water = [=](double x, double y) { return std::min(basin(x, y), sea(x, y)); };
  land.Shore = [=](double x, double y, double d) -> Texel {
    const LandPalette& pal = PaletteOf(LAND_Tropic);
    double b = basin(x, y), s = sea(x, y);
    bool quay = b < s + 2 && b > -1 && b < 6 && (x < 1100 || y < 644) && x < 1262;
    if (quay) {
      // Stone blocks of the quay wall.
      bool joint = (int(std::floor(x / 9 + (int(y / 3) % 2) * 0.5)) % 2 == 0) && int(y) % 3 == 0;
      Colour stone = Hex(0xB8B0A2).Darker(b > 3 ? 0.12 : 0.0);
      return {joint ? stone.Darker(0.2) : stone, 1};
    }
    if (d > 18 + 6 * Noise(x / 20, y / 20, 521)) return {Hex(0), 0};
    double wet = std::clamp(1 - d / 5, 0.0, 1.0);
    Colour sand = Mix(pal.Pavement, pal.Pavement.Darker(0.2), wet);
    return {sand, std::clamp((18 - d) / 4, 0.0, 1.0)};
  };
  ScatterTrees(land, 3000, 12, {TREE_Palm, TREE_Palm, TREE_Round, TREE_Bush, TREE_Bush}, [](double x, double y) {
    return !(x > 1240 && y > 560 && y < 660);  // the lighthouse's point stays bare
  });
  land.Extras = [](Picture& picture, const LevelLand& l) {
    cairo_t* cr = picture.Cr();
    Rng rng(31);
    // Sandy patches and flowers among the palms.
    for (int i = 0; i < 220; ++i) {
      double x = rng.Range(0, l.Width), y = rng.Range(0, l.Height);
      if (l.Playground.Contains(x, y, 4) || l.Water(x, y) < 8) continue;
      DrawFlowers(cr, x, y, 3, 3, 1, rng.NextBits(), 1.4);
    }
    // Rocks on the point where the lighthouse stands.
    for (int i = 0; i < 9; ++i) {
      double x = 1256 + rng.Range(0, 40), y = 600 + rng.Range(0, 45), r = rng.Range(4, 9);
      GroundShadow(
          picture, [=](cairo_t* c) { Ellipse(c, x + 2, y + 2, r, r * 0.7); }, 0, 0, 2, 0.3);
      Shade(
          cr, [=](cairo_t* c) { Ellipse(c, x, y, r, r * 0.7); }, Hex(0x9A948A), 0.9, 0.25, 0.15);
    }
  };
  return land;
}

const LevelLand& Level(const std::string& name) {
  static const LevelLand meadowbrook = Meadowbrook();
  static const LevelLand harbourside = Harbourside();
  return name == "Meadowbrook" ? meadowbrook : harbourside;
}

}  // namespace

void AddBackgroundPictures(Recipes& out) {
  struct Size {
    const char* Name;
    int Width, Height;
  };
  for (Size level : {Size{"Meadowbrook", 1024, 768}, Size{"Harbourside", 1304, 936}}) {
    int columns = (level.Width + TileSize - 1) / TileSize, rows = (level.Height + TileSize - 1) / TileSize;
    for (int r = 0; r < rows; ++r) {
      for (int c = 0; c < columns; ++c) {
        std::string name = level.Name;
        out.push_back({"images/levels/" + name + "/" + std::to_string(c) + std::to_string(r),
                       [name, c, r] { return DrawTile(Level(name), c, r); }});
      }
    }
  }
}

}  // namespace TownArt
