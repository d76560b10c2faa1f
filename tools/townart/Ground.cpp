// Ground pictures, drawn on the squares:
//  - images/Grass, images/Water: 40 x 40 textures that tile seamlessly;
//  - images/Premium: 40 x 40, laid over a premium square (a gold wash with
//    a rim and a small star), translucent;
//  - images/ConstructAreaBorders, images/BuildingBase: 120 x 120, nine
//    pieces of 40 x 40 (corners, edges, middle) for a rectangle of squares:
//    the border of the area the player may build on (a bright line along the
//    outer edge, the middle piece empty) and a paved plot;
//  - images/buildings/PitWxH: a construction pit of W x H squares; PitBridge
//    the piles of a bridge, 160 x 40.
#include <cmath>

#include "townart/Landscape.h"
#include "townart/Pictures.h"

namespace TownArt {

namespace {

Tools::Image DrawGrass() {
  Picture picture(40, 40);
  const LandPalette& pal = PaletteOf(LAND_Forest);
  PaintPixels(picture, [&](int x, int y) -> Texel {
    double n = Fractal(x / 10.0, y / 10.0, 71, 3, 4);
    double fine = Noise(x / 2.0, y / 2.0, 73, 20);
    Colour c = Mix(pal.GrassDark, pal.GrassLight, 0.25 + 0.55 * n);
    c = Mix(c, pal.Grass, 0.35);
    return {fine > 0.5 ? c.Lighter((fine - 0.5) * 0.12) : c.Darker((0.5 - fine) * 0.12), 1};
  });
  // Blades, wrapped around the edges so the texture tiles.
  cairo_t* cr = picture.Cr();
  Rng rng(75);
  for (int i = 0; i < 70; ++i) {
    double x = rng.Range(0, 40), y = rng.Range(0, 40), lean = rng.Range(-1.2, 1.2), len = rng.Range(2, 4);
    Colour c = rng.Next() < 0.5 ? pal.GrassDark.Darker(0.1) : pal.GrassLight;
    double a = rng.Range(0.35, 0.6);
    for (int wx = -1; wx <= 1; ++wx)
      for (int wy = -1; wy <= 1; ++wy)
        Stroke(
            cr,
            [=](cairo_t* c2) {
              cairo_move_to(c2, x + wx * 40, y + wy * 40);
              cairo_line_to(c2, x + wx * 40 + lean, y + wy * 40 - len);
            },
            c, 0.8, a);
  }
  return picture.ToImage();
}

Tools::Image DrawWater() {
  Picture picture(40, 40);
  const LandPalette& pal = PaletteOf(LAND_Forest);
  PaintPixels(picture, [&](int x, int y) -> Texel {
    double n = Fractal(x / 20.0, y / 20.0, 81, 3, 2);
    double ripple = 0.5 + 0.5 * std::sin((x + y * 0.4) / 40.0 * 2 * Pi * 2 + n * 6);
    Colour c = Mix(pal.WaterDeep, pal.Water, 0.35 + 0.5 * n);
    return {c.Lighter(ripple * 0.08), 1};
  });
  cairo_t* cr = picture.Cr();
  Rng rng(83);
  for (int i = 0; i < 9; ++i) {
    double x = rng.Range(0, 40), y = rng.Range(0, 40), w = rng.Range(3, 6);
    for (int wx = -1; wx <= 1; ++wx)
      for (int wy = -1; wy <= 1; ++wy)
        Stroke(
            cr,
            [=](cairo_t* c) {
              cairo_move_to(c, x + wx * 40 - w, y + wy * 40);
              cairo_curve_to(c, x + wx * 40 - w / 2, y + wy * 40 - 1.2, x + wx * 40 + w / 2, y + wy * 40 - 1.2,
                             x + wx * 40 + w, y + wy * 40);
            },
            Hex(0xE6FAFF), 0.9, 0.55);
  }
  return picture.ToImage();
}

void FourPointStar(cairo_t* cr, double cx, double cy, double r) {
  cairo_move_to(cr, cx, cy - r);
  cairo_curve_to(cr, cx + r * 0.15, cy - r * 0.15, cx + r * 0.15, cy - r * 0.15, cx + r, cy);
  cairo_curve_to(cr, cx + r * 0.15, cy + r * 0.15, cx + r * 0.15, cy + r * 0.15, cx, cy + r);
  cairo_curve_to(cr, cx - r * 0.15, cy + r * 0.15, cx - r * 0.15, cy + r * 0.15, cx - r, cy);
  cairo_curve_to(cr, cx - r * 0.15, cy - r * 0.15, cx - r * 0.15, cy - r * 0.15, cx, cy - r);
  cairo_close_path(cr);
}

Tools::Image DrawPremium() {
  Picture picture(40, 40);
  cairo_t* cr = picture.Cr();
  const Colour gold = Hex(0xF2C23C);
  cairo_pattern_t* wash = cairo_pattern_create_radial(20, 20, 4, 20, 20, 28);
  cairo_pattern_add_color_stop_rgba(wash, 0, gold.R, gold.G, gold.B, 0.10);
  cairo_pattern_add_color_stop_rgba(wash, 1, gold.R, gold.G, gold.B, 0.30);
  cairo_rectangle(cr, 0, 0, 40, 40);
  cairo_set_source(cr, wash);
  cairo_fill(cr);
  cairo_pattern_destroy(wash);
  Stroke(
      cr, [](cairo_t* c) { RoundedRect(c, 2.5, 2.5, 35, 35, 5); }, Hex(0xFFF0B0), 1.2, 0.75);
  Stroke(
      cr, [](cairo_t* c) { RoundedRect(c, 3.6, 3.6, 32.8, 32.8, 4); }, Hex(0xB8862A), 0.8, 0.45);
  Fill(
      cr, [](cairo_t* c) { FourPointStar(c, 20, 20, 6); }, Hex(0xFFF6C8), 0.65);
  Fill(
      cr, [](cairo_t* c) { FourPointStar(c, 29, 11, 2.6); }, Hex(0xFFF6C8), 0.55);
  return picture.ToImage();
}

Tools::Image DrawAreaBorders() {
  Picture picture(120, 120);
  cairo_t* cr = picture.Cr();
  // A soft band of light inside the edge, then the line itself.
  for (int i = 0; i < 6; ++i) {
    double inset = 2 + i;
    Stroke(
        cr, [=](cairo_t* c) { RoundedRect(c, inset, inset, 120 - 2 * inset, 120 - 2 * inset, 8); }, Hex(0xFFF4D0), 1.0,
        0.16 * (1 - i / 6.0));
  }
  Stroke(
      cr, [](cairo_t* c) { RoundedRect(c, 2, 2, 116, 116, 8); }, Hex(0x4A3A1A), 3.2, 0.35);
  Stroke(
      cr, [](cairo_t* c) { RoundedRect(c, 2, 2, 116, 116, 8); }, Hex(0xFFF4D0), 1.8, 0.95);
  // Corner marks: small stakes with a flag of the company's brass.
  for (int corner = 0; corner < 4; ++corner) {
    double x = corner % 2 ? 110 : 10, y = corner / 2 ? 110 : 10;
    Fill(
        cr, [=](cairo_t* c) { Ellipse(c, x, y, 2.6, 2.6); }, Hex(0xC99A3C), 0.95);
    Stroke(
        cr, [=](cairo_t* c) { Ellipse(c, x, y, 2.6, 2.6); }, Hex(0x6E4E1E), 0.8, 0.9);
  }
  return picture.ToImage();
}

Tools::Image DrawBuildingBase() {
  Picture picture(120, 120);
  cairo_t* cr = picture.Cr();
  const Colour stone = Hex(0xD8D0C0);
  GroundShadow(
      picture, [](cairo_t* c) { RoundedRect(c, 3, 3, 114, 114, 7); }, 1.5, 2, 2, 0.35);
  Shade(
      cr, [](cairo_t* c) { RoundedRect(c, 3, 3, 114, 114, 7); }, stone, 1.2, 0.12, 0.06);
  cairo_save(cr);
  cairo_new_path(cr);
  RoundedRect(cr, 3, 3, 114, 114, 7);
  cairo_clip(cr);
  for (double v = 3 + 10; v < 117; v += 10) {
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, 3, v);
          cairo_line_to(c, 117, v);
        },
        stone.Darker(0.18), 0.6, 0.6);
  }
  for (int row = 0; row < 12; ++row)
    for (double u = 3 + (row % 2) * 10; u < 117; u += 20)
      Stroke(
          cr,
          [=](cairo_t* c) {
            cairo_move_to(c, u, 3 + row * 10);
            cairo_line_to(c, u, 13 + row * 10);
          },
          stone.Darker(0.18), 0.6, 0.6);
  cairo_restore(cr);
  return picture.ToImage();
}

// A pit dug for a building: soil inside a rim, its top-left walls in shade,
// stakes and a string around it.
Tools::Image DrawPit(int columns, int rows) {
  const int w = columns * 40, h = rows * 40;
  Picture picture(w, h);
  cairo_t* cr = picture.Cr();
  const Colour soil = Hex(0x9A7048), deep = Hex(0x6E4C2E);
  const double inset = 5;
  ShapePath rim = [=](cairo_t* c) { RoundedRect(c, inset - 2, inset - 2, w - 2 * inset + 4, h - 2 * inset + 4, 7); };
  ShapePath hole = [=](cairo_t* c) { RoundedRect(c, inset + 2, inset + 2, w - 2 * inset - 4, h - 2 * inset - 4, 5); };
  // Spoil heaped around the edge, then the hole.
  Shade(cr, rim, soil.Lighter(0.12), 1.0, 0.1, 0.05);
  PaintPixels(picture, [&](int x, int y) -> Texel {
    double u = x + 0.5, v = y + 0.5;
    bool inside = u > inset + 3 && v > inset + 3 && u < w - inset - 3 && v < h - inset - 3;
    if (!inside) return {soil, 0};
    double n = Fractal(u / 7.0, v / 7.0, uint32_t(columns * 10 + rows), 3);
    double fromTop = v - inset, fromLeft = u - inset;
    double shade = std::max(0.0, 1 - std::min(fromTop, fromLeft) / 12.0);  // the walls' shadow
    Colour c = Mix(deep, soil, 0.35 + 0.5 * n).Darker(0.35 * shade);
    return {c, 1};
  });
  Stroke(cr, hole, deep.Darker(0.3), 1.2, 0.8);
  // Stones in the pit and on the spoil.
  Rng rng(uint64_t(columns * 31 + rows));
  for (int i = 0; i < columns * rows * 3; ++i) {
    double x = rng.Range(inset + 8, w - inset - 8), y = rng.Range(inset + 8, h - inset - 8), r = rng.Range(1.2, 2.6);
    Shade(
        cr, [=](cairo_t* c) { Ellipse(c, x, y, r, r * 0.75); }, Hex(0xA8A096), 0.6, 0.3, 0.1);
  }
  // Stakes at the corners with the string between them.
  const double s = 3;
  double pts[4][2] = {{s, s}, {w - s, s}, {w - s, h - s}, {s, h - s}};
  Stroke(
      cr,
      [&](cairo_t* c) {
        cairo_move_to(c, pts[0][0], pts[0][1]);
        for (int i = 1; i <= 4; ++i) cairo_line_to(c, pts[i % 4][0], pts[i % 4][1]);
      },
      Hex(0xF2E6C8), 0.8, 0.9);
  for (auto& p : pts) {
    double x = p[0], y = p[1];
    Fill(
        cr, [=](cairo_t* c) { cairo_rectangle(c, x - 1.5, y - 1.5, 3, 3); }, Hex(0xE0502A), 1);
  }
  return picture.ToImage();
}

Tools::Image DrawPitBridge() {
  Picture picture(160, 40);
  cairo_t* cr = picture.Cr();
  const Colour wood = Hex(0x9A6A3A);
  // Two rows of piles across the span, joined by beams.
  for (int row = 0; row < 2; ++row) {
    double y = row ? 32 : 8;
    GroundShadow(
        picture, [=](cairo_t* c) { cairo_rectangle(c, 6, y - 2, 148, 4); }, 2, 2, 2, 0.3);
    Shade(
        cr, [=](cairo_t* c) { RoundedRect(c, 6, y - 2, 148, 4, 1.5); }, wood, 0.8);
  }
  for (double x = 10; x <= 150; x += 20) {
    BlobShadow(picture, x + 2, 22, 3, 14, 0.25);
    Shade(
        cr, [=](cairo_t* c) { RoundedRect(c, x - 3, 5, 6, 30, 2); }, wood.Darker(0.1), 0.9);
    Fill(
        cr, [=](cairo_t* c) { Ellipse(c, x, 6.5, 2.4, 1.6); }, wood.Lighter(0.35), 1);
  }
  return picture.ToImage();
}

}  // namespace

void AddGroundPictures(Recipes& out) {
  out.push_back({"images/Grass", DrawGrass});
  out.push_back({"images/Water", DrawWater});
  out.push_back({"images/Premium", DrawPremium});
  out.push_back({"images/ConstructAreaBorders", DrawAreaBorders});
  out.push_back({"images/BuildingBase", DrawBuildingBase});
  const int pits[][2] = {{2, 2}, {2, 3}, {3, 2}, {3, 3}, {4, 2}, {4, 3}, {5, 4}};
  for (auto& p : pits) {
    int c = p[0], r = p[1];
    out.push_back(
        {"images/buildings/Pit" + std::to_string(c) + "x" + std::to_string(r), [c, r] { return DrawPit(c, r); }});
  }
  out.push_back({"images/buildings/PitBridge", DrawPitBridge});
}

}  // namespace TownArt
