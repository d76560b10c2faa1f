#include "townart/Architecture.h"

#include <algorithm>
#include <cmath>

namespace TownArt {

namespace {

constexpr double Overhang = 3;

bool SnowyRoofs = false;

// Snow over a roof face, leaving a rim of the roof showing; faces turned
// from the light get the blue of snow in shade.
void Snowfall(cairo_t* cr, const ShapePath& face, const Colour& roof, bool shaded) {
  if (!SnowyRoofs) return;
  cairo_save(cr);
  cairo_new_path(cr);
  face(cr);
  cairo_clip(cr);
  Fill(cr, face, shaded ? Hex(0xD2DEEA) : Hex(0xF6F9FC), 0.95);
  Stroke(cr, face, roof, 2.4, 0.85);
  cairo_restore(cr);
}

// Rows of tiles across a roof face: darker lines every few pixels.
void TileRows(cairo_t* cr, const ShapePath& face, const Colour& roof, double y0, double y1, double step = 4) {
  cairo_save(cr);
  cairo_new_path(cr);
  face(cr);
  cairo_clip(cr);
  double x1, yA, x2, yB;
  cairo_clip_extents(cr, &x1, &yA, &x2, &yB);
  for (double y = y0 + step; y < y1; y += step)
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, x1, y);
          cairo_line_to(c, x2, y);
        },
        roof.Darker(0.3), 0.7, 0.45);
  cairo_restore(cr);
}

}  // namespace

void SetSnowyRoofs(bool on) { SnowyRoofs = on; }

void Lawn(Lot& lot, double inset) {
  const double x0 = lot.X + inset, y0 = lot.Y + inset, x1 = lot.X + lot.W - inset, y1 = lot.Y + lot.H - inset;
  const LandPalette& pal = lot.Pal;
  cairo_matrix_t m;
  cairo_get_matrix(lot.Cr, &m);
  PaintPixels(lot.P, [&](int px, int py) -> Texel {
    double x = px + 0.5 - m.x0, y = py + 0.5 - m.y0;
    double d = std::min({x - x0, x1 - x, y - y0, y1 - y});
    // Rounded corners of radius 6.
    double cx = std::clamp(x, x0 + 6, x1 - 6), cy = std::clamp(y, y0 + 6, y1 - 6);
    double corner = 6 - std::hypot(x - cx, y - cy);
    d = std::min(d, corner);
    if (d < -1) return {pal.Grass, 0};
    double n = Fractal(x / 9, y / 9, 601, 2), f = Noise(x / 2, y / 2, 603);
    Colour c = Mix(pal.Grass, pal.GrassLight, 0.3 + 0.4 * n);
    c = f > 0.5 ? c.Lighter((f - 0.5) * 0.1) : c.Darker((0.5 - f) * 0.1);
    if (d < 2.5) c = Mix(c, pal.GrassDark, 0.5);  // a trimmed edge
    return {c, std::clamp(d + 1, 0.0, 1.0)};
  });
}

void Paving(cairo_t* cr, double x, double y, double w, double h, const Colour& stone, double slab) {
  Shade(
      cr, [=](cairo_t* c) { RoundedRect(c, x, y, w, h, 2); }, stone, 0.8, 0.1, 0.06);
  cairo_save(cr);
  cairo_new_path(cr);
  RoundedRect(cr, x, y, w, h, 2);
  cairo_clip(cr);
  for (double v = y + slab; v < y + h; v += slab)
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, x, v);
          cairo_line_to(c, x + w, v);
        },
        stone.Darker(0.2), 0.5, 0.6);
  for (int row = 0; row * slab < h; ++row)
    for (double u = x + (row % 2 ? slab : slab / 2); u < x + w; u += slab)
      Stroke(
          cr,
          [=](cairo_t* c) {
            cairo_move_to(c, u, y + row * slab);
            cairo_line_to(c, u, y + (row + 1) * slab);
          },
          stone.Darker(0.2), 0.5, 0.6);
  cairo_restore(cr);
}

void GardenPath(cairo_t* cr, double x, double y, double w, double h) { Paving(cr, x, y, w, h, Hex(0xD9CBB0), 5); }

void Block(cairo_t* cr, double x, double y, double w, double d, double h, const Colour& wall, const Colour& roof) {
  Shade(
      cr, [=](cairo_t* c) { cairo_rectangle(c, x, y + d - h, w, h); }, wall.Darker(0.08), 1.0, 0.05, 0.12);
  Shade(
      cr, [=](cairo_t* c) { cairo_rectangle(c, x, y - h, w, d); }, roof, 1.0, 0.14, 0.08);
  Snowfall(
      cr, [=](cairo_t* c) { cairo_rectangle(c, x, y - h, w, d); }, roof, false);
  // The parapet's lit edge.
  Stroke(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, x + 1, y + d - h - 0.5);
        cairo_line_to(c, x + w - 1, y + d - h - 0.5);
      },
      roof.Lighter(0.4), 1.0, 0.8);
}

void GableHouseX(cairo_t* cr, double x, double y, double w, double d, double h, double rise, const Colour& wall,
                 const Colour& roof) {
  const double o = Overhang, L = x - o, R = x + w + o;
  const double yBack = y - o - h, yRidge = y + d / 2 - h - rise, yFront = y + d + o - h;
  Shade(
      cr, [=](cairo_t* c) { cairo_rectangle(c, x, y + d - h, w, h); }, wall, 1.0, 0.08, 0.1);
  if (yRidge > yBack) {
    ShapePath back = [=](cairo_t* c) { Polygon(c, {L, yBack, R, yBack, R, yRidge, L, yRidge}); };
    Shade(cr, back, roof.Lighter(0.18), 1.0, 0.1, 0.05);
    Snowfall(cr, back, roof, false);
  }
  ShapePath front = [=](cairo_t* c) { Polygon(c, {L, yRidge, R, yRidge, R, yFront, L, yFront}); };
  Shade(cr, front, roof, 1.0, 0.12, 0.1);
  TileRows(cr, front, roof, yRidge, yFront);
  Snowfall(cr, front, roof, true);
  Stroke(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, L, yRidge);
        cairo_line_to(c, R, yRidge);
      },
      roof.Lighter(0.35), 1.2);
  // The eave's shadow on the wall.
  Fill(
      cr, [=](cairo_t* c) { cairo_rectangle(c, x, yFront, w, 2.5); }, Hex(0x000000), 0.18);
}

void GableHouseY(cairo_t* cr, double x, double y, double w, double d, double h, double rise, const Colour& wall,
                 const Colour& roof) {
  const double o = Overhang, xm = x + w / 2;
  const double backY = y - o - h, frontY = y + d + o - h;
  ShapePath gable = [=](cairo_t* c) {
    Polygon(c, {x, y + d, x + w, y + d, x + w, y + d - h, xm, y + d - h - rise, x, y + d - h});
  };
  Shade(cr, gable, wall, 1.0, 0.08, 0.1);
  ShapePath left = [=](cairo_t* c) { Polygon(c, {x - o, backY, xm, backY - rise, xm, frontY - rise, x - o, frontY}); };
  ShapePath right = [=](cairo_t* c) {
    Polygon(c, {x + w + o, backY, xm, backY - rise, xm, frontY - rise, x + w + o, frontY});
  };
  Shade(cr, left, roof.Lighter(0.1), 1.0, 0.1, 0.05);
  Shade(cr, right, roof.Darker(0.12), 1.0, 0.05, 0.08);
  TileRows(cr, left, roof, backY - rise, frontY, 4);
  TileRows(cr, right, roof.Darker(0.12), backY - rise, frontY, 4);
  Snowfall(cr, left, roof, false);
  Snowfall(cr, right, roof, true);
  // Bargeboards along the gable, the ridge lit.
  Stroke(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, x - o, frontY);
        cairo_line_to(c, xm, frontY - rise);
        cairo_line_to(c, x + w + o, frontY);
      },
      roof.Darker(0.35), 1.6);
  Stroke(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, xm, backY - rise);
        cairo_line_to(c, xm, frontY - rise);
      },
      roof.Lighter(0.35), 1.0);
}

void HipHouse(cairo_t* cr, double x, double y, double w, double d, double h, double rise, const Colour& wall,
              const Colour& roof) {
  const double o = Overhang, L = x - o, R = x + w + o;
  const double yB = y - o - h, yF = y + d + o - h, yR = y + d / 2 - h - rise;
  const double inset = std::min((d + 2 * o) / 2 * 0.95, (w + 2 * o) / 2 - 0.5);
  const double rx0 = L + inset, rx1 = R - inset;
  Shade(
      cr, [=](cairo_t* c) { cairo_rectangle(c, x, y + d - h, w, h); }, wall, 1.0, 0.08, 0.1);
  ShapePath back = [=](cairo_t* c) { Polygon(c, {L, yB, R, yB, rx1, yR, rx0, yR}); };
  ShapePath left = [=](cairo_t* c) { Polygon(c, {L, yB, rx0, yR, L, yF}); };
  ShapePath right = [=](cairo_t* c) { Polygon(c, {R, yB, rx1, yR, R, yF}); };
  if (yR > yB) {
    Shade(cr, back, roof.Lighter(0.2), 1.0);
    Snowfall(cr, back, roof, false);
  }
  Shade(cr, left, roof.Lighter(0.1), 1.0);
  Snowfall(cr, left, roof, false);
  Shade(cr, right, roof.Darker(0.14), 1.0);
  Snowfall(cr, right, roof, true);
  ShapePath front = [=](cairo_t* c) { Polygon(c, {rx0, yR, rx1, yR, R, yF, L, yF}); };
  Shade(cr, front, roof, 1.0, 0.12, 0.1);
  TileRows(cr, front, roof, yR, yF);
  Snowfall(cr, front, roof, true);
  Stroke(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, rx0, yR);
        cairo_line_to(c, rx1, yR);
      },
      roof.Lighter(0.35), 1.2);
  Fill(
      cr, [=](cairo_t* c) { cairo_rectangle(c, x, yF, w, 2.5); }, Hex(0x000000), 0.18);
}

void SnowOnRoof(cairo_t* cr, double x, double y, double w, double d, double h, double rise) {
  const double o = Overhang;
  Fill(
      cr, [=](cairo_t* c) { RoundedRect(c, x - o + 1, y - o - h - rise * 0.2, w + 2 * o - 2, d * 0.5 + o + 1, 4); },
      Hex(0xFFFFFF), 0.85);
}

void Window(cairo_t* cr, double x, double y, double w, double h, const Colour& frame) {
  ShapePath pane = [=](cairo_t* c) { cairo_rectangle(c, x, y, w, h); };
  cairo_new_path(cr);
  pane(cr);
  cairo_pattern_t* glass = cairo_pattern_create_linear(x, y, x + w, y + h);
  cairo_pattern_add_color_stop_rgb(glass, 0, 0.72, 0.86, 0.95);
  cairo_pattern_add_color_stop_rgb(glass, 1, 0.30, 0.48, 0.66);
  cairo_set_source(cr, glass);
  cairo_fill(cr);
  cairo_pattern_destroy(glass);
  // A glint across the top-left corner.
  Fill(
      cr,
      [=](cairo_t* c) {
        Polygon(c, {x, y, x + w * 0.5, y, x, y + h * 0.5});
      },
      Hex(0xFFFFFF), 0.35);
  if (w >= 6)
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, x + w / 2, y);
          cairo_line_to(c, x + w / 2, y + h);
        },
        frame, 0.9);
  if (h >= 7)
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, x, y + h / 2);
          cairo_line_to(c, x + w, y + h / 2);
        },
        frame, 0.9);
  Stroke(cr, pane, frame, 1.2);
  Stroke(
      cr, [=](cairo_t* c) { cairo_rectangle(c, x - 0.6, y - 0.6, w + 1.2, h + 1.2); }, OutlineOf(frame), 0.5, 0.7);
}

void WindowRow(cairo_t* cr, double x, double y, double w, double h, int count, double gap, const Colour& frame) {
  for (int i = 0; i < count; ++i) Window(cr, x + i * (w + gap), y, w, h, frame);
}

void Shutters(cairo_t* cr, double x, double y, double w, double h, const Colour& colour) {
  const double sw = std::max(2.0, w * 0.35);
  Shade(
      cr, [=](cairo_t* c) { cairo_rectangle(c, x - sw - 0.5, y, sw, h); }, colour, 0.6);
  Shade(
      cr, [=](cairo_t* c) { cairo_rectangle(c, x + w + 0.5, y, sw, h); }, colour, 0.6);
}

void Door(cairo_t* cr, double x, double y, double w, double h, const Colour& colour) {
  Shade(
      cr, [=](cairo_t* c) { RoundedRect(c, x, y, w, h + 0.5, std::min(2.0, w / 3)); }, colour, 1.0, 0.12, 0.12);
  Fill(
      cr, [=](cairo_t* c) { Ellipse(c, x + w * 0.78, y + h * 0.55, 0.7, 0.7); }, Hex(0xF2D27A), 1);
  Fill(
      cr, [=](cairo_t* c) { cairo_rectangle(c, x - 1.5, y + h - 0.5, w + 3, 1.5); }, Hex(0xB8B0A0), 1);
}

void Chimney(cairo_t* cr, double x, double y, double w, double h, const Colour& brick) {
  Shade(
      cr, [=](cairo_t* c) { cairo_rectangle(c, x, y, w, h); }, brick, 0.9, 0.15, 0.1);
  Shade(
      cr, [=](cairo_t* c) { cairo_rectangle(c, x - 1, y - 2, w + 2, 3); }, brick.Darker(0.1), 0.8, 0.15, 0.1);
  Fill(
      cr, [=](cairo_t* c) { cairo_rectangle(c, x + 1, y - 1.5, w - 2, 1.2); }, Hex(0x2A2220), 0.8);
  if (SnowyRoofs)
    Fill(
        cr, [=](cairo_t* c) { RoundedRect(c, x - 1.5, y - 3.5, w + 3, 2.5, 1.2); }, Hex(0xF6F9FC));
}

void Awning(cairo_t* cr, double x, double y, double w, double h, const Colour& a, const Colour& b) {
  const int stripes = std::max(3, int(w / 5));
  const double sw = w / stripes;
  for (int i = 0; i < stripes; ++i) {
    const Colour& c = i % 2 ? b : a;
    double sx = x + i * sw;
    Fill(
        cr,
        [=](cairo_t* k) {
          Polygon(k, {sx, y, sx + sw, y, sx + sw + 0.8, y + h, sx - 0.8 + (i == 0 ? 0.8 : 0), y + h});
        },
        c);
    // Scalloped hem.
    Fill(
        cr,
        [=](cairo_t* k) {
          cairo_new_sub_path(k);
          cairo_arc(k, sx + sw / 2, y + h, sw / 2, 0, Pi);
        },
        c.Darker(0.08));
  }
  Fill(
      cr, [=](cairo_t* k) { cairo_rectangle(k, x, y, w, h * 0.35); }, Hex(0xFFFFFF), 0.18);
  Stroke(
      cr, [=](cairo_t* k) { cairo_rectangle(k, x, y, w, h); }, OutlineOf(a), 0.7, 0.7);
}

void FlowerBox(cairo_t* cr, double x, double y, double w) {
  Shade(
      cr, [=](cairo_t* c) { cairo_rectangle(c, x, y, w, 2.5); }, Hex(0x8A5A2B), 0.6);
  Rng rng(uint64_t(x * 7 + y * 3));
  for (double u = x + 1; u < x + w - 0.5; u += 1.8) {
    const Colour petals[] = {Hex(0xE84A5F), Hex(0xFFD23F), Hex(0xF78FB3)};
    double jitter = rng.Range(-0.4, 0.4);
    Fill(
        cr, [=](cairo_t* c) { Ellipse(c, u, y - 0.5 + jitter, 1.1, 1.1); }, petals[int(u) % 3]);
  }
}

void Pool(Picture& picture, double x, double y, double w, double h) {
  cairo_t* cr = picture.Cr();
  Shade(
      cr, [=](cairo_t* c) { RoundedRect(c, x, y, w, h, 4); }, Hex(0xEDE6D6), 0.9, 0.08, 0.05);
  const double i = 2.5;
  cairo_new_path(cr);
  RoundedRect(cr, x + i, y + i, w - 2 * i, h - 2 * i, 3);
  cairo_pattern_t* water = cairo_pattern_create_linear(x, y, x + w, y + h);
  cairo_pattern_add_color_stop_rgb(water, 0, 0.35, 0.80, 0.90);
  cairo_pattern_add_color_stop_rgb(water, 1, 0.12, 0.55, 0.78);
  cairo_set_source(cr, water);
  cairo_fill(cr);
  cairo_pattern_destroy(water);
  // The rim's shadow on the water at the top and left, then glints.
  Fill(
      cr, [=](cairo_t* c) { cairo_rectangle(c, x + i, y + i, w - 2 * i, 2); }, Hex(0x0A3A5A), 0.25);
  Fill(
      cr, [=](cairo_t* c) { cairo_rectangle(c, x + i, y + i, 1.5, h - 2 * i); }, Hex(0x0A3A5A), 0.2);
  for (int k = 0; k < 3; ++k) {
    double gx = x + w * (0.25 + 0.22 * k), gy = y + h * (0.4 + 0.15 * (k % 2));
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, gx - 2.5, gy);
          cairo_curve_to(c, gx - 1, gy - 1, gx + 1, gy - 1, gx + 2.5, gy);
        },
        Hex(0xFFFFFF), 0.8, 0.7);
  }
  // A ladder at the right end.
  Stroke(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, x + w - 6, y + 1);
        cairo_line_to(c, x + w - 6, y + 5);
        cairo_move_to(c, x + w - 3.5, y + 1);
        cairo_line_to(c, x + w - 3.5, y + 5);
      },
      Hex(0xC8CCD0), 0.8);
}

void PicketFence(cairo_t* cr, double x0, double x1, double y, const Colour& paint) {
  Stroke(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, x0, y - 3);
        cairo_line_to(c, x1, y - 3);
      },
      OutlineOf(paint), 1.6);
  Stroke(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, x0, y - 3);
        cairo_line_to(c, x1, y - 3);
      },
      paint, 0.8);
  for (double x = x0; x <= x1 + 0.1; x += 2.5) {
    Fill(
        cr,
        [=](cairo_t* c) {
          Polygon(c, {x - 0.7, y, x - 0.7, y - 5, x, y - 6, x + 0.7, y - 5, x + 0.7, y});
        },
        paint);
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, x + 0.8, y - 5);
          cairo_line_to(c, x + 0.8, y);
        },
        OutlineOf(paint), 0.4, 0.8);
  }
}

void SideFence(cairo_t* cr, double x, double y0, double y1, const Colour& paint) {
  Stroke(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, x, y0 - 4);
        cairo_line_to(c, x, y1 - 4);
      },
      OutlineOf(paint), 2.2);
  Stroke(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, x, y0 - 4);
        cairo_line_to(c, x, y1 - 4);
      },
      paint, 1.2);
  for (double y = y0; y <= y1; y += 6)
    Fill(
        cr, [=](cairo_t* c) { cairo_rectangle(c, x - 0.8, y - 6, 1.6, 6); }, paint);
}

void FlowerBed(cairo_t* cr, double x, double y, double w, double h, uint64_t seed) {
  Shade(
      cr, [=](cairo_t* c) { RoundedRect(c, x, y, w, h, std::min(w, h) / 2); }, Hex(0x7A5638), 0.7, 0.1, 0.1);
  if (SnowyRoofs) {
    // A bed asleep under the snow, a few stalks showing.
    Shade(
        cr, [=](cairo_t* c) { RoundedRect(c, x + 0.8, y + 0.5, w - 1.6, h - 1.5, std::min(w, h) / 2); }, Hex(0xF2F6FA),
        0.6);
    return;
  }
  Rng rng(seed);
  for (int i = 0; i < int(w * h / 6); ++i) {
    double fx = x + rng.Range(1.5, w - 1.5), fy = y + rng.Range(1.5, h - 1.5);
    Fill(
        cr, [=](cairo_t* c) { Ellipse(c, fx, fy, 1.4, 1.2); }, Hex(0x4E9A36), 0.9);
  }
  DrawFlowers(cr, x + 1.5, y + 1, w - 3, h - 2.5, int(w * h / 10) + 2, seed + 1, 1.1);
}

void ParkedCar(Picture& picture, double x, double y, const Colour& body, bool across) {
  cairo_t* cr = picture.Cr();
  const double w = across ? 16 : 9, h = across ? 9 : 16;
  GroundShadow(
      picture, [=](cairo_t* c) { RoundedRect(c, x + 1.5, y + 1.5, w, h, 3); }, 0, 0, 1, 0.35);
  Shade(
      cr, [=](cairo_t* c) { RoundedRect(c, x, y, w, h, 3); }, body, 0.9, 0.2, 0.1);
  // The cabin: roof and windscreens.
  double cx = across ? x + 4 : x + 1.5, cy = across ? y + 1.5 : y + 4, cw = across ? 8 : 6, ch = across ? 6 : 8;
  Fill(
      cr, [=](cairo_t* c) { RoundedRect(c, cx - 0.8, cy - 0.8, cw + 1.6, ch + 1.6, 2); }, Hex(0x2E4A66), 0.9);
  Shade(
      cr, [=](cairo_t* c) { RoundedRect(c, cx + 0.6, cy + 0.6, cw - 1.2, ch - 1.2, 1.5); }, body.Lighter(0.1), 0.5);
}

void Bench(cairo_t* cr, double x, double y) {
  Shade(
      cr, [=](cairo_t* c) { cairo_rectangle(c, x, y - 3, 9, 2.5); }, Hex(0x9A6A3A), 0.6);
  Shade(
      cr, [=](cairo_t* c) { cairo_rectangle(c, x, y - 5, 9, 1.5); }, Hex(0x8A5A2B), 0.5);
  Fill(
      cr,
      [=](cairo_t* c) {
        cairo_rectangle(c, x + 0.5, y - 1, 1, 1.5);
        cairo_rectangle(c, x + 7.5, y - 1, 1, 1.5);
      },
      Hex(0x3A3A3A));
}

void Lamp(cairo_t* cr, double x, double y) {
  Fill(
      cr, [=](cairo_t* c) { cairo_rectangle(c, x - 0.6, y - 12, 1.2, 12); }, Hex(0x3A3F46));
  Shade(
      cr, [=](cairo_t* c) { Ellipse(c, x, y - 13, 2, 2); }, Hex(0xFFF2B0), 0.6, 0.2, 0.1);
}

void Flag(cairo_t* cr, double x, double y, double pole, const Colour& cloth) {
  Stroke(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, x, y);
        cairo_line_to(c, x, y - pole);
      },
      Hex(0x8A8F96), 1.0);
  ShapePath f = [=](cairo_t* c) {
    cairo_move_to(c, x + 0.5, y - pole);
    cairo_curve_to(c, x + 4, y - pole - 1.5, x + 6, y - pole + 1.5, x + 10, y - pole);
    cairo_line_to(c, x + 10, y - pole + 6);
    cairo_curve_to(c, x + 6, y - pole + 7.5, x + 4, y - pole + 4.5, x + 0.5, y - pole + 6);
    cairo_close_path(c);
  };
  Shade(cr, f, cloth, 0.6, 0.2, 0.15);
}

void GardenTrees(Lot& lot, std::initializer_list<TreeSpec> trees) {
  DrawTrees(lot.P, std::vector<TreeSpec>(trees), lot.Pal, 0.3);
}

}  // namespace TownArt
