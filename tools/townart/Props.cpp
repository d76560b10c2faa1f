// The decoration props that level maps place (data/Props.xml), each sized
// so that its origin there is where it stands on the ground:
//   PineTree 44 x 80 (22, 74)   OakTree 56 x 72 (28, 66)   BirchTree 36 x 76 (18, 70)
//   PalmTree 52 x 88 (26, 82)   Fence 80 x 36 (40, 30)     Windmill 72 x 128 (36, 120)
//   Lighthouse 60 x 160 (30, 150)
// and the centred ones: Bush 32 x 26, FlowerBed 64 x 40, Pond 132 x 128,
// Sandbank 100 x 44, Pier 28 x 236, Rock 40 x 30, Haystack 40 x 38, Boat 40 x 60.
#include <algorithm>
#include <cmath>

#include "townart/Architecture.h"
#include "townart/Pictures.h"

namespace TownArt {

namespace {

const LandPalette& Spring() { return PaletteOf(LAND_Forest); }

// A tree standing on (ox, oy); its shadow kept inside the picture.
Tools::Image TreeProp(int w, int h, double ox, double oy, TreeKind kind, double size, const LandPalette& pal,
                      uint64_t seed, double spread = 1) {
  Picture picture(w, h);
  TreeSpec t;
  t.Kind = kind;
  t.X = ox;
  t.Y = oy;
  t.Size = size;
  t.Seed = seed;
  t.Spread = spread;
  double rx = std::min(w * 0.36, size * 0.4), cx = std::min(ox + size * 0.2, w - rx - 1.5);
  BlobShadow(picture, cx, oy, rx, std::min(4.0 + size * 0.06, h - oy - 1.0), 0.32);
  DrawTrees(picture, {t}, pal, 0.0);
  return picture.ToImage();
}

Tools::Image FlowerBedProp() {
  Picture picture(64, 40);
  GroundShadow(
      picture, [](cairo_t* c) { RoundedRect(c, 5, 6, 56, 30, 14); }, 0, 0, 2, 0.3);
  FlowerBed(picture.Cr(), 4, 4, 56, 30, 17);
  return picture.ToImage();
}

Tools::Image PondProp() {
  Picture picture(132, 128);
  cairo_t* cr = picture.Cr();
  const double cx = 66, cy = 64;
  // A grassy bank, the water, lily pads and reeds.
  PaintPixels(picture, [&](int x, int y) -> Texel {
    double dx = x + 0.5 - cx, dy = (y + 0.5 - cy) / 0.95;
    double wobble = (Noise(x / 9.0, y / 9.0, 41) - 0.5) * 6;
    double d = std::sqrt(dx * dx + dy * dy) + wobble;
    const LandPalette& pal = Spring();
    if (d > 62) return {pal.Grass, 0};
    if (d > 52) return {Mix(pal.GrassDark, Hex(0x8A6A45), 0.35), std::clamp((62 - d) / 4, 0.0, 1.0)};
    double depth = std::clamp((52 - d) / 30, 0.0, 1.0);
    Colour w = Mix(pal.Water.Lighter(0.2), pal.WaterDeep, depth);
    if (d > 49) w = Mix(w, Hex(0xF4FBFB), 0.5);
    return {w.Lighter((Noise(x / 6.0, y / 14.0, 43) - 0.5) * 0.2), 1};
  });
  // The bank's shadow on the water at the top left.
  cairo_save(cr);
  cairo_new_path(cr);
  Ellipse(cr, cx, cy, 50, 47.5);
  cairo_clip(cr);
  Stroke(
      cr, [=](cairo_t* c) { Ellipse(c, cx + 3, cy + 3, 50, 47.5); }, Hex(0x0A3A5A), 5, 0.25);
  cairo_restore(cr);
  Rng rng(45);
  for (int i = 0; i < 7; ++i) {
    double a = rng.Range(0, 2 * Pi), r = rng.Range(10, 38), x = cx + std::cos(a) * r, y = cy + std::sin(a) * r * 0.9;
    Shade(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, x, y);
          cairo_arc(c, x, y, 5, 0.3, 2 * Pi - 0.2);
          cairo_close_path(c);
        },
        Hex(0x5AA53A), 0.7, 0.2, 0.1);
    if (i % 3 == 0)
      Fill(
          cr, [=](cairo_t* c) { Ellipse(c, x - 1, y - 1, 1.8, 1.8); }, Hex(0xF78FB3));
  }
  for (int i = 0; i < 26; ++i) {
    double a = rng.Range(Pi * 0.1, Pi * 0.9), r = rng.Range(48, 56);
    if (i % 2) a += Pi;
    double x = cx + std::cos(a) * r, y = cy + std::sin(a) * r * 0.95;
    for (int k = 0; k < 3; ++k)
      Stroke(
          cr,
          [=](cairo_t* c) {
            cairo_move_to(c, x + k * 1.2, y);
            cairo_line_to(c, x + k * 1.2 + (k - 1) * 1.5, y - 7 - k * 1.5);
          },
          Hex(0x3E7A2A), 1.0);
    if (i % 4 == 0)
      Fill(
          cr, [=](cairo_t* c) { RoundedRect(c, x + 0.6, y - 11, 1.6, 4, 0.8); }, Hex(0x7A4A2A));
  }
  return picture.ToImage();
}

Tools::Image SandbankProp() {
  Picture picture(100, 44);
  PaintPixels(picture, [&](int x, int y) -> Texel {
    double dx = (x + 0.5 - 50) / 46, dy = (y + 0.5 - 22) / 18;
    double d = std::sqrt(dx * dx + dy * dy) + (Noise(x / 8.0, y / 8.0, 51) - 0.5) * 0.2;
    if (d > 1) return {Hex(0xE8D39A), std::clamp((1.12 - d) * 4, 0.0, 0.6)};
    Colour sand = Mix(Hex(0xF5E6BC), Hex(0xD8C08A), std::clamp(d * d, 0.0, 1.0));
    return {sand.Lighter((Noise(x / 3.0, y / 3.0, 53) - 0.5) * 0.1), 1};
  });
  Rng rng(55);
  for (int i = 0; i < 5; ++i) {
    double x = rng.Range(25, 75), y = rng.Range(14, 30);
    Fill(
        picture.Cr(), [=](cairo_t* c) { Ellipse(c, x, y, 1.5, 1); }, Hex(0xFFFFFF), 0.8);
  }
  return picture.ToImage();
}

Tools::Image PierProp() {
  Picture picture(28, 236);
  cairo_t* cr = picture.Cr();
  const Colour wood = Hex(0xA8784A);
  GroundShadow(
      picture, [](cairo_t* c) { cairo_rectangle(c, 6, 2, 20, 232); }, 2, 2, 2, 0.35);
  for (double y = 10; y < 236; y += 28)
    for (double x : {4.0, 23.0})
      Shade(
          cr, [=](cairo_t* c) { Ellipse(c, x, y, 2.6, 2.6); }, wood.Darker(0.25), 0.6);
  for (double y = 0; y < 234; y += 4) {
    double shade = Noise(0, y / 4, 57) * 0.15;
    Shade(
        cr, [=](cairo_t* c) { cairo_rectangle(c, 4, y, 20, 3.4); }, wood.Darker(shade), 0.5, 0.15, 0.05);
  }
  for (double y = 16; y < 236; y += 56) {
    Fill(
        cr, [=](cairo_t* c) { cairo_rectangle(c, 12, y, 4, 3); }, Hex(0x5A4A3A));
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, 14, y + 1);
          cairo_curve_to(c, 20, y - 2, 26, y + 6, 24, y + 12);
        },
        Hex(0xE8DCC0), 0.8, 0.8);
  }
  return picture.ToImage();
}

Tools::Image RockProp() {
  Picture picture(40, 30);
  cairo_t* cr = picture.Cr();
  GroundShadow(
      picture, [](cairo_t* c) { Ellipse(c, 23, 21, 15, 6); }, 0, 0, 2, 0.35);
  ShapePath rock = [](cairo_t* c) {
    cairo_move_to(c, 6, 22);
    cairo_curve_to(c, 4, 12, 12, 5, 20, 6);
    cairo_curve_to(c, 29, 5, 36, 12, 34, 21);
    cairo_curve_to(c, 26, 25, 14, 25, 6, 22);
    cairo_close_path(c);
  };
  Shade(cr, rock, Hex(0x9A948A), 1.0, 0.3, 0.2);
  Stroke(
      cr,
      [](cairo_t* c) {
        cairo_move_to(c, 18, 8);
        cairo_curve_to(c, 16, 14, 22, 16, 20, 22);
      },
      Hex(0x6A665E), 0.8, 0.7);
  Fill(
      cr, [](cairo_t* c) { Ellipse(c, 26, 20, 4, 2.2); }, Hex(0x6E9A4A), 0.7);
  return picture.ToImage();
}

Tools::Image FenceProp() {
  Picture picture(80, 36);
  cairo_t* cr = picture.Cr();
  const Colour wood = Hex(0x9A6A3A);
  GroundShadow(
      picture, [](cairo_t* c) { cairo_rectangle(c, 4, 29, 74, 3); }, 2, 1, 2, 0.3);
  for (double y : {16.0, 23.0})
    Shade(
        cr, [=](cairo_t* c) { RoundedRect(c, 2, y, 76, 3, 1); }, wood, 0.7, 0.2, 0.1);
  for (double x = 4; x < 80; x += 18)
    Shade(
        cr, [=](cairo_t* c) { RoundedRect(c, x, 12, 4, 19, 1); }, wood.Darker(0.1), 0.7, 0.2, 0.1);
  return picture.ToImage();
}

Tools::Image HaystackProp() {
  Picture picture(40, 38);
  cairo_t* cr = picture.Cr();
  GroundShadow(
      picture, [](cairo_t* c) { Ellipse(c, 24, 31, 15, 5); }, 0, 0, 2, 0.35);
  ShapePath stack = [](cairo_t* c) {
    cairo_move_to(c, 5, 31);
    cairo_curve_to(c, 4, 16, 12, 5, 20, 5);
    cairo_curve_to(c, 28, 5, 36, 16, 35, 31);
    cairo_close_path(c);
  };
  Shade(cr, stack, Hex(0xE0B850), 1.0, 0.3, 0.2);
  cairo_save(cr);
  cairo_new_path(cr);
  stack(cr);
  cairo_clip(cr);
  Rng rng(61);
  for (int i = 0; i < 40; ++i) {
    double x = rng.Range(5, 35), y = rng.Range(6, 31), lean = rng.Range(-2, 2);
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, x, y);
          cairo_line_to(c, x + lean, y + 3);
        },
        Hex(0xA8842C), 0.6, 0.7);
  }
  cairo_restore(cr);
  return picture.ToImage();
}

Tools::Image WindmillProp() {
  Picture picture(72, 128);
  cairo_t* cr = picture.Cr();
  const double cx = 36, base = 120;
  GroundShadow(
      picture,
      [=](cairo_t* c) {
        Polygon(c, {cx - 12, base, cx + 12, base, cx + 40, base + 6, cx + 20, base + 8});
      },
      0, 0, 2, 0.3);
  // A tapering tower of white boards under a thatched cap.
  Shade(
      cr,
      [=](cairo_t* c) {
        Polygon(c, {cx - 13, base, cx + 13, base, cx + 8, base - 60, cx - 8, base - 60});
      },
      Hex(0xEDE6D6), 1.0, 0.1, 0.2);
  for (double y = base - 6; y > base - 58; y -= 5)
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, cx - 12, y);
          cairo_line_to(c, cx + 12, y);
        },
        Hex(0xC8C0B0), 0.5, 0.8);
  Door(cr, cx - 3.5, base - 12, 7, 12, Hex(0x8A5A2B));
  Window(cr, cx - 2.5, base - 36, 5, 6);
  Shade(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, cx - 11, base - 58);
        cairo_curve_to(c, cx - 10, base - 72, cx + 10, base - 72, cx + 11, base - 58);
        cairo_close_path(c);
      },
      Hex(0x8A6A45), 1.0, 0.2, 0.1);
  // The sails, a cross of lattice blades.
  const double hx = cx, hy = base - 62;
  for (int i = 0; i < 4; ++i) {
    double a = Pi / 4 + i * Pi / 2;
    cairo_save(cr);
    cairo_translate(cr, hx, hy);
    cairo_rotate(cr, a);
    Shade(
        cr, [](cairo_t* c) { cairo_rectangle(c, 3, -1, 50, 2); }, Hex(0x6A4A2A), 0.5);
    Shade(
        cr, [](cairo_t* c) { cairo_rectangle(c, 10, 1, 42, 7); }, Hex(0xF4EEDC), 0.7, 0.1, 0.1);
    for (double u = 14; u < 52; u += 6)
      Stroke(
          cr,
          [=](cairo_t* c) {
            cairo_move_to(c, u, 1);
            cairo_line_to(c, u, 8);
          },
          Hex(0x8A6A45), 0.5);
    cairo_restore(cr);
  }
  Shade(
      cr, [=](cairo_t* c) { Ellipse(c, hx, hy, 3, 3); }, Hex(0x5A3A22), 0.6);
  return picture.ToImage();
}

Tools::Image BoatProp() {
  Picture picture(40, 60);
  cairo_t* cr = picture.Cr();
  // A small sailing boat at anchor, seen from above: hull, deck, a furled sail.
  GroundShadow(
      picture, [](cairo_t* c) { Ellipse(c, 22, 36, 9, 20); }, 0, 0, 2, 0.3);
  Stroke(
      cr, [](cairo_t* c) { Ellipse(c, 20, 34, 12, 22); }, Hex(0xE6FAFF), 1.0, 0.5);
  ShapePath hull = [](cairo_t* c) {
    cairo_move_to(c, 20, 12);
    cairo_curve_to(c, 29, 22, 29, 44, 25, 54);
    cairo_line_to(c, 15, 54);
    cairo_curve_to(c, 11, 44, 11, 22, 20, 12);
    cairo_close_path(c);
  };
  Shade(cr, hull, Hex(0xF4F4F0), 1.0, 0.1, 0.15);
  Fill(
      cr,
      [](cairo_t* c) {
        cairo_move_to(c, 20, 17);
        cairo_curve_to(c, 26, 25, 26, 42, 23.5, 51);
        cairo_line_to(c, 16.5, 51);
        cairo_curve_to(c, 14, 42, 14, 25, 20, 17);
        cairo_close_path(c);
      },
      Hex(0xC8944E));
  Stroke(
      cr,
      [](cairo_t* c) {
        cairo_move_to(c, 20, 20);
        cairo_line_to(c, 20, 48);
      },
      Hex(0xE8E0D0), 3);
  Stroke(
      cr,
      [](cairo_t* c) {
        cairo_move_to(c, 20, 20);
        cairo_line_to(c, 20, 48);
      },
      Hex(0x2F5E8A), 1.2);
  Fill(
      cr, [](cairo_t* c) { Ellipse(c, 20, 30, 2, 2); }, Hex(0x8A8F96));
  return picture.ToImage();
}

Tools::Image LighthouseProp() {
  Picture picture(60, 160);
  cairo_t* cr = picture.Cr();
  const double cx = 30, base = 150;
  GroundShadow(
      picture,
      [=](cairo_t* c) {
        Polygon(c, {cx - 12, base, cx + 12, base, cx + 29, base + 8, cx + 10, base + 9});
      },
      0, 0, 2, 0.3);
  Shade(
      cr, [=](cairo_t* c) { Ellipse(c, cx, base, 16, 6); }, Hex(0xB8B0A2), 1.0);
  ShapePath tower = [=](cairo_t* c) {
    Polygon(c, {cx - 11, base, cx + 11, base, cx + 7, base - 110, cx - 7, base - 110});
  };
  cairo_new_path(cr);
  tower(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(cx - 11, 0, cx + 11, 0);
  cairo_pattern_add_color_stop_rgb(p, 0, 1, 1, 1);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.78, 0.78, 0.80);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  cairo_save(cr);
  cairo_new_path(cr);
  tower(cr);
  cairo_clip(cr);
  for (int i = 0; i < 4; ++i)
    Fill(
        cr, [=](cairo_t* c) { cairo_rectangle(c, cx - 12, base - 22 - i * 26, 24, 13); }, Hex(0xD9402E), 0.9);
  cairo_restore(cr);
  Stroke(cr, tower, Hex(0x8A3A2E), 1.0);
  Window(cr, cx - 2, base - 52, 4, 6);
  Window(cr, cx - 2, base - 84, 4, 6);
  // The gallery, the lantern and its glow, the cap.
  Shade(
      cr, [=](cairo_t* c) { RoundedRect(c, cx - 11, base - 114, 22, 4, 1.5); }, Hex(0x3A3F46), 0.7);
  cairo_pattern_t* glow = cairo_pattern_create_radial(cx, base - 122, 2, cx, base - 122, 16);
  cairo_pattern_add_color_stop_rgba(glow, 0, 1, 0.95, 0.6, 0.8);
  cairo_pattern_add_color_stop_rgba(glow, 1, 1, 0.95, 0.6, 0);
  cairo_new_path(cr);
  Ellipse(cr, cx, base - 122, 16, 16);
  cairo_set_source(cr, glow);
  cairo_fill(cr);
  cairo_pattern_destroy(glow);
  Shade(
      cr, [=](cairo_t* c) { cairo_rectangle(c, cx - 6, base - 128, 12, 14); }, Hex(0xFFF2B0), 0.8, 0.2, 0.1);
  Shade(
      cr,
      [=](cairo_t* c) {
        Polygon(c, {cx - 9, base - 128, cx + 9, base - 128, cx, base - 140});
      },
      Hex(0xD9402E), 0.9);
  return picture.ToImage();
}

}  // namespace

void AddPropPictures(Recipes& out) {
  const std::string d = "images/decor/";
  out.push_back({d + "PineTree", [] { return TreeProp(44, 80, 22, 74, TREE_Pine, 60, Spring(), 1); }});
  out.push_back({d + "OakTree", [] { return TreeProp(56, 72, 28, 66, TREE_Round, 55, Spring(), 2); }});
  out.push_back({d + "BirchTree", [] { return TreeProp(36, 76, 18, 70, TREE_Birch, 50, Spring(), 3); }});
  out.push_back(
      {d + "PalmTree", [] { return TreeProp(52, 88, 26, 82, TREE_Palm, 74, PaletteOf(LAND_Tropic), 5, 0.52); }});
  out.push_back({d + "Bush", [] { return TreeProp(32, 26, 15, 22, TREE_Bush, 24, Spring(), 4); }});
  out.push_back({d + "FlowerBed", FlowerBedProp});
  out.push_back({d + "Pond", PondProp});
  out.push_back({d + "Sandbank", SandbankProp});
  out.push_back({d + "Pier", PierProp});
  out.push_back({d + "Rock", RockProp});
  out.push_back({d + "Fence", FenceProp});
  out.push_back({d + "Haystack", HaystackProp});
  out.push_back({d + "Windmill", WindmillProp});
  out.push_back({d + "Boat", BoatProp});
  out.push_back({d + "Lighthouse", LighthouseProp});
}

}  // namespace TownArt
