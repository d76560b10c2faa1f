#include "townart/Flora.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace TownArt {

namespace {

const Colour Bark = Hex(0x7A5232);

// A ball of leaves lit from the top left, with a few lighter dabs.
void LeafBall(cairo_t* cr, double cx, double cy, double r, const Colour& base, const Colour& light, Rng& rng) {
  cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.4, r * 0.1, cx, cy, r * 1.05);
  Colour a = light, b = base.Darker(0.18);
  cairo_pattern_add_color_stop_rgb(p, 0, a.R, a.G, a.B);
  cairo_pattern_add_color_stop_rgb(p, 0.55, base.R, base.G, base.B);
  cairo_pattern_add_color_stop_rgb(p, 1, b.R, b.G, b.B);
  cairo_new_path(cr);
  Ellipse(cr, cx, cy, r, r);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  SetColour(cr, OutlineOf(base), 0.8);
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
  for (int i = 0; i < 3; ++i) {
    double a2 = rng.Range(Pi * 1.0, Pi * 1.6), d = rng.Range(0.2, 0.6) * r;
    double dx = cx + std::cos(a2) * d, dy = cy + std::sin(a2) * d;
    Fill(
        cr, [=](cairo_t* c) { Ellipse(c, dx, dy, r * 0.22, r * 0.16); }, light.Lighter(0.2), 0.45);
  }
}

void Trunk(cairo_t* cr, double x, double base, double w, double h, const Colour& bark) {
  Shade(
      cr, [=](cairo_t* c) { RoundedRect(c, x - w / 2, base - h, w, h + 1, w / 3); }, bark, 0.8, 0.2, 0.15);
}

void RoundTree(cairo_t* cr, const TreeSpec& t, const LandPalette& pal) {
  Rng rng(t.Seed);
  const double s = t.Size;
  Trunk(cr, t.X, t.Y, s * 0.16, s * 0.45, Bark);
  const double cy = t.Y - s * 0.72, r = s * 0.34;
  Colour base = Mix(pal.Foliage, pal.FoliageDark, rng.Range(0, 0.35));
  Colour light = Mix(pal.FoliageLight, base, 0.2);
  if (pal.SnowOnTop) {
    // Bare in winter: a crown of twigs with snow on it.
    for (int i = 0; i < 7; ++i) {
      double a = -Pi / 2 + rng.Range(-1.1, 1.1), len = s * rng.Range(0.3, 0.5);
      Stroke(
          cr,
          [=](cairo_t* c) {
            cairo_move_to(c, t.X, t.Y - s * 0.4);
            cairo_curve_to(c, t.X + std::cos(a) * len * 0.4, t.Y - s * 0.55, t.X + std::cos(a) * len,
                           t.Y - s * 0.4 + std::sin(a) * len, t.X + std::cos(a) * len * 1.1,
                           t.Y - s * 0.45 + std::sin(a) * len);
          },
          Bark.Darker(0.1), 1.3);
    }
    for (int i = 0; i < 6; ++i) {
      double dx = rng.Range(-r, r), dy = rng.Range(-r * 0.8, r * 0.4);
      Fill(
          cr, [=](cairo_t* c) { Ellipse(c, t.X + dx, cy + dy, r * 0.25, r * 0.12); }, Hex(0xFFFFFF), 0.9);
    }
    return;
  }
  struct Ball {
    double X, Y, R;
  };
  std::vector<Ball> balls = {{-r * 0.55, r * 0.25, r * 0.7}, {r * 0.55, r * 0.3, r * 0.68},  {0, r * 0.35, r * 0.75},
                             {-r * 0.3, -r * 0.3, r * 0.72}, {r * 0.35, -r * 0.25, r * 0.7}, {0, -r * 0.6, r * 0.62}};
  for (const Ball& b : balls)
    LeafBall(cr, t.X + b.X + rng.Range(-1, 1), cy + b.Y + rng.Range(-1, 1), b.R, base, light, rng);
}

void Pine(cairo_t* cr, const TreeSpec& t, const LandPalette& pal) {
  const double s = t.Size;
  Trunk(cr, t.X, t.Y, s * 0.12, s * 0.25, Bark.Darker(0.1));
  Colour green = pal.SnowOnTop ? pal.Foliage : Mix(Hex(0x2F7A3A), pal.FoliageDark, 0.3);
  for (int tier = 0; tier < 3; ++tier) {
    double bottom = t.Y - s * (0.15 + tier * 0.27), top = bottom - s * 0.5, half = s * (0.36 - tier * 0.08);
    ShapePath p = [=](cairo_t* c) {
      cairo_move_to(c, t.X, top);
      cairo_curve_to(c, t.X + half * 0.4, top + s * 0.2, t.X + half * 0.8, bottom - s * 0.08, t.X + half, bottom);
      cairo_curve_to(c, t.X + half * 0.3, bottom + s * 0.05, t.X - half * 0.3, bottom + s * 0.05, t.X - half, bottom);
      cairo_curve_to(c, t.X - half * 0.8, bottom - s * 0.08, t.X - half * 0.4, top + s * 0.2, t.X, top);
      cairo_close_path(c);
    };
    Shade(cr, p, green, 0.9, 0.2, 0.15);
    // The lit left flank.
    cairo_save(cr);
    cairo_new_path(cr);
    p(cr);
    cairo_clip(cr);
    Fill(
        cr, [=](cairo_t* c) { cairo_rectangle(c, t.X - half, top, half * 0.8, bottom - top + 4); },
        pal.FoliageLight.Lighter(0.1), 0.25);
    if (pal.SnowOnTop)
      Fill(
          cr, [=](cairo_t* c) { Ellipse(c, t.X - half * 0.1, bottom - s * 0.06, half * 0.9, s * 0.07); }, Hex(0xFFFFFF),
          0.95);
    cairo_restore(cr);
  }
}

void Birch(cairo_t* cr, const TreeSpec& t, const LandPalette& pal) {
  Rng rng(t.Seed);
  const double s = t.Size;
  Shade(
      cr, [=](cairo_t* c) { RoundedRect(c, t.X - s * 0.05, t.Y - s * 0.75, s * 0.1, s * 0.76, 1); }, Hex(0xEDE9E0), 0.7,
      0.1, 0.1);
  for (int i = 0; i < 4; ++i) {
    double y = t.Y - s * rng.Range(0.1, 0.6);
    Fill(
        cr, [=](cairo_t* c) { cairo_rectangle(c, t.X - s * 0.05, y, s * 0.06, 1.2); }, Hex(0x3A3430), 0.8);
  }
  Colour base = pal.SnowOnTop ? pal.Foliage : Mix(pal.FoliageLight, pal.Foliage, 0.5);
  if (pal.SnowOnTop) return;
  const double cy = t.Y - s * 0.78, r = s * 0.24;
  for (int i = 0; i < 6; ++i) {
    double dx = rng.Range(-r * 0.7, r * 0.7), dy = rng.Range(-r * 1.4, r * 0.6);
    LeafBall(cr, t.X + dx, cy + dy, r * rng.Range(0.6, 0.8), base, base.Lighter(0.3), rng);
  }
}

void Palm(cairo_t* cr, const TreeSpec& t, const LandPalette& pal) {
  Rng rng(t.Seed);
  const double s = t.Size, lean = rng.Range(-0.25, 0.25) * s;
  const double topX = t.X + lean, topY = t.Y - s * 0.95;
  // A ringed trunk curving up to the crown, thinner at the top.
  const double baseW = std::min(4.0, s * 0.055), topW = baseW * 0.6;
  auto along = [&](double f, double side) {
    double w = baseW + (topW - baseW) * f;
    return std::pair<double, double>{t.X + lean * f * f + side * w, t.Y - s * 0.95 * f};
  };
  cairo_new_path(cr);
  for (int i = 0; i <= 12; ++i) {
    auto [x, y] = along(i / 12.0, -1);
    i == 0 ? cairo_move_to(cr, x, y) : cairo_line_to(cr, x, y);
  }
  for (int i = 12; i >= 0; --i) {
    auto [x, y] = along(i / 12.0, 1);
    cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
  cairo_path_t* outline = cairo_copy_path(cr);
  cairo_new_path(cr);
  Shade(
      cr, [&](cairo_t* c) { cairo_append_path(c, outline); }, Hex(0x9A7A50), 0.7, 0.2, 0.1);
  cairo_path_destroy(outline);
  for (double f = 0.06; f < 0.95; f += 5.0 / (s * 0.95)) {
    // Plain copies: clang 14 cannot capture structured bindings in a lambda.
    const auto left = along(f, -1);
    const auto right = along(f, 1);
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, left.first, left.second);
          cairo_line_to(c, right.first, right.second + 0.8);
        },
        Hex(0x6E5436), 0.6, 0.7);
  }
  Colour frond = Mix(pal.Foliage, Hex(0x3E9A3A), 0.5);
  for (int i = 0; i < 7; ++i) {
    double a = -Pi / 2 + (i - 3) * 0.5 + rng.Range(-0.1, 0.1), len = s * rng.Range(0.5, 0.62) * t.Spread;
    double ex = topX + std::cos(a) * len, ey = topY + std::sin(a) * len * 0.6 + len * 0.35;
    double mx = topX + std::cos(a) * len * 0.5, my = topY + std::sin(a) * len * 0.5 - len * 0.08;
    double nx = -std::sin(a) * s * 0.08 * t.Spread, ny = std::cos(a) * s * 0.08 * t.Spread;
    ShapePath leaf = [=](cairo_t* c) {
      cairo_move_to(c, topX, topY);
      cairo_curve_to(c, mx + nx, my + ny, ex + nx * 0.3, ey + ny * 0.3, ex, ey);
      cairo_curve_to(c, ex - nx * 0.3, ey - ny * 0.3, mx - nx, my - ny, topX, topY);
      cairo_close_path(c);
    };
    Shade(cr, leaf, i < 3 ? frond.Lighter(0.12) : frond, 0.8, 0.15, 0.1);
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, topX, topY);
          cairo_curve_to(c, mx, my, ex, ey, ex, ey);
        },
        frond.Darker(0.3), 0.6, 0.7);
  }
  for (int i = 0; i < 3; ++i)
    Shade(
        cr, [=](cairo_t* c) { Ellipse(c, topX - 2 + i * 2, topY + 2, 1.8, 1.8); }, Hex(0x7A5A30), 0.5);
}

void Bush(cairo_t* cr, const TreeSpec& t, const LandPalette& pal) {
  Rng rng(t.Seed);
  const double s = t.Size;
  Colour base = pal.SnowOnTop ? Hex(0x5E7E66) : Mix(pal.Foliage, pal.FoliageDark, 0.3);
  const double balls[4][3] = {{-0.3, -0.25, 0.3}, {0.3, -0.25, 0.3}, {0, -0.35, 0.35}, {0, -0.15, 0.3}};
  for (auto& b : balls) LeafBall(cr, t.X + b[0] * s, t.Y + b[1] * s, b[2] * s, base, base.Lighter(0.3), rng);
  if (pal.SnowOnTop)
    Fill(
        cr, [=](cairo_t* c) { Ellipse(c, t.X - s * 0.05, t.Y - s * 0.55, s * 0.4, s * 0.14); }, Hex(0xFFFFFF), 0.95);
}

}  // namespace

void TreeShadowPath(cairo_t* cr, const TreeSpec& t) {
  const double s = t.Size;
  switch (t.Kind) {
    case TREE_Bush: Ellipse(cr, t.X + s * 0.2, t.Y - s * 0.05, s * 0.55, s * 0.25); break;
    case TREE_Pine: Ellipse(cr, t.X + s * 0.35, t.Y + 1, s * 0.42, s * 0.18); break;
    case TREE_Palm: Ellipse(cr, t.X + s * 0.45, t.Y - s * 0.02, s * 0.5, s * 0.2); break;
    default: Ellipse(cr, t.X + s * 0.3, t.Y, s * 0.45, s * 0.2); break;
  }
}

void DrawTree(cairo_t* cr, const TreeSpec& tree, const LandPalette& pal) {
  switch (tree.Kind) {
    case TREE_Pine: Pine(cr, tree, pal); break;
    case TREE_Birch: Birch(cr, tree, pal); break;
    case TREE_Palm: Palm(cr, tree, pal); break;
    case TREE_Bush: Bush(cr, tree, pal); break;
    default: RoundTree(cr, tree, pal); break;
  }
}

void DrawTrees(Picture& picture, std::vector<TreeSpec> trees, const LandPalette& pal, double shadowAlpha) {
  std::stable_sort(trees.begin(), trees.end(), [](const TreeSpec& a, const TreeSpec& b) { return a.Y < b.Y; });
  if (shadowAlpha > 0) {
    ShadowPass(
        picture,
        [&](cairo_t* c) {
          for (const TreeSpec& t : trees) TreeShadowPath(c, t);
        },
        2, shadowAlpha, pal.Shadow);
  }
  for (const TreeSpec& t : trees) DrawTree(picture.Cr(), t, pal);
}

void DrawFlowers(cairo_t* cr, double x, double y, double w, double h, int count, uint64_t seed, double size) {
  static const Colour petals[] = {Hex(0xF25C7A), Hex(0xFFD23F), Hex(0xFFFFFF), Hex(0xB36AE2), Hex(0xFF8C42)};
  Rng rng(seed);
  for (int i = 0; i < count; ++i) {
    double fx = x + rng.Range(0, w), fy = y + rng.Range(0, h);
    Colour c = petals[rng.Below(5)];
    Fill(
        cr, [=](cairo_t* k) { Ellipse(k, fx, fy, size, size); }, c, 0.95);
    Fill(
        cr, [=](cairo_t* k) { Ellipse(k, fx, fy, size * 0.4, size * 0.4); }, Hex(0xFFF2A0), 0.9);
  }
}

void DrawHedge(Picture& picture, double x, double y, double w, double h, const LandPalette& pal) {
  cairo_t* cr = picture.Cr();
  const double tall = 7;
  // Clipped box stays green through the fall.
  Colour green = pal.SnowOnTop ? Hex(0x4E7A5E) : Mix(Hex(0x4E8A3A), pal.FoliageDark, 0.25);
  GroundShadow(
      picture, [=](cairo_t* c) { RoundedRect(c, x + 2, y + 2, w + 2, h, 3); }, 0, 0, 2, 0.3);
  Shade(
      cr, [=](cairo_t* c) { RoundedRect(c, x, y + h - tall, w, tall, 2.5); }, green.Darker(0.15), 0.9, 0.05, 0.1);
  Shade(
      cr, [=](cairo_t* c) { RoundedRect(c, x, y - tall, w, h, 3); }, green.Lighter(0.08), 0.9, 0.2, 0.05);
  Rng rng(uint64_t(x * 13 + y * 7));
  for (int i = 0; i < int(w * h / 18); ++i) {
    double dx = x + rng.Range(2, w - 2), dy = y - tall + rng.Range(2, std::max(2.5, h - 2));
    Fill(
        cr, [=](cairo_t* c) { Ellipse(c, dx, dy, 1.4, 1.0); }, pal.FoliageLight, 0.35);
  }
  if (pal.SnowOnTop)
    Fill(
        cr, [=](cairo_t* c) { RoundedRect(c, x + 1, y - tall, w - 2, h * 0.7, 3); }, Hex(0xFFFFFF), 0.9);
}

}  // namespace TownArt
