// The company's office (three looks as the company grows), the workshop and
// the commercial buildings: shop, amusement park, cinema, car dealership.
#include <cmath>

#include "townart/BuildingShapes.h"

namespace TownArt {

namespace {

const Colour Brass = Hex(0xC99A3C), WoodBrown = Hex(0x8A5A2B);

TreeSpec Plant(TreeKind kind, double x, double y, double size, uint64_t seed) {
  TreeSpec t;
  t.Kind = kind;
  t.X = x;
  t.Y = y;
  t.Size = size;
  t.Seed = seed;
  return t;
}

// The company's emblem: a brass disc with a little house on it.
void Emblem(cairo_t* cr, double cx, double cy, double r) {
  Shade(
      cr, [=](cairo_t* c) { Ellipse(c, cx, cy, r, r); }, Brass, 1.0, 0.35, 0.15);
  Fill(
      cr,
      [=](cairo_t* c) {
        Polygon(c, {cx - r * 0.5, cy + r * 0.45, cx - r * 0.5, cy - r * 0.05, cx, cy - r * 0.5, cx + r * 0.5,
                    cy - r * 0.05, cx + r * 0.5, cy + r * 0.45});
      },
      Hex(0x5E3B1A));
}

void Stripes(cairo_t* cr, double x, double y, double w, double h, double step, const Colour& line, double alpha) {
  for (double v = y + step; v < y + h; v += step)
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, x, v);
          cairo_line_to(c, x + w, v);
        },
        line, 0.6, alpha);
}

// A curtain wall of glass with mullions.
void GlassWall(cairo_t* cr, double x, double y, double w, double h, double cell) {
  cairo_new_path(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_pattern_t* p = cairo_pattern_create_linear(x, y, x + w * 0.6, y + h);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.70, 0.86, 0.95);
  cairo_pattern_add_color_stop_rgb(p, 0.5, 0.38, 0.60, 0.80);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.25, 0.42, 0.62);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  for (double u = x + cell; u < x + w - 0.5; u += cell)
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, u, y);
          cairo_line_to(c, u, y + h);
        },
        Hex(0xE8EEF2), 0.7, 0.9);
  for (double v = y + cell; v < y + h - 0.5; v += cell)
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, x, v);
          cairo_line_to(c, x + w, v);
        },
        Hex(0xE8EEF2), 0.7, 0.9);
  Fill(
      cr,
      [=](cairo_t* c) {
        Polygon(c, {x, y, x + w * 0.35, y, x, y + h * 0.6});
      },
      Hex(0xFFFFFF), 0.18);
  Stroke(
      cr, [=](cairo_t* c) { cairo_rectangle(c, x, y, w, h); }, Hex(0x2A4058), 0.9);
}

void ParkingBay(cairo_t* cr, double x, double y, double w, double h, int bays) {
  Paving(cr, x, y, w, h, Hex(0x9A968F), 40);
  for (int i = 1; i < bays; ++i)
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, x + i * w / bays, y + 2);
          cairo_line_to(c, x + i * w / bays, y + h * 0.6);
        },
        Hex(0xF2F2EE), 1.0, 0.9);
}

}  // namespace

// The office: a timber-and-brick house, a two-floor office, a glass tower.
void DrawOffice(Lot& lot) {
  cairo_t* cr = lot.Cr;
  const double X = lot.X, Y = lot.Y;
  Lawn(lot);
  Paving(cr, X + 4, Y + 56, 112, 20, Hex(0xD8D0C0), 6);
  if (lot.Level == 0) {
    const double hx = X + 10, hy = Y + 16, hw = 72, hd = 34, hh = 22;
    ParkingBay(cr, X + 86, Y + 18, 30, 36, 2);
    BlockShadow(lot.P, hx, hy, hw, hd, hh + 12);
    GableHouseX(cr, hx, hy, hw, hd, hh, 14, Hex(0xE9D8B8), Hex(0x9A4A32));
    const double top = hy + hd - hh;
    Door(cr, hx + 30, top + 8, 12, 14, WoodBrown);
    WindowRow(cr, hx + 6, top + 6, 12, 10, 2, 4);
    WindowRow(cr, hx + 48, top + 6, 8, 10, 2, 4);
    // The sign board over the door.
    Shade(
        cr, [=](cairo_t* c) { RoundedRect(c, hx + 22, top - 4, 28, 9, 2); }, Hex(0x5E3B1A), 0.8);
    Emblem(cr, hx + 28, top + 0.5, 3.5);
    Fill(
        cr,
        [=](cairo_t* c) {
          cairo_rectangle(c, hx + 34, top - 1, 13, 1.5);
          cairo_rectangle(c, hx + 34, top + 2, 10, 1.5);
        },
        Brass.Lighter(0.3));
    Flag(cr, X + 8, Y + 60, 30, Brass);
    GardenTrees(lot, {Plant(TREE_Bush, X + 18, Y + 58, 10, 1), Plant(TREE_Bush, X + 70, Y + 58, 10, 2)});
    return;
  }
  if (lot.Level == 1) {
    const double hx = X + 8, hy = Y + 12, hw = 104, hd = 40, hh = 38;
    BlockShadow(lot.P, hx, hy, hw, hd, hh);
    Block(cr, hx, hy, hw, hd, hh, Hex(0xE6DCCB), Hex(0xB5ADA0));
    const double top = hy + hd - hh;
    for (int f = 0; f < 2; ++f) WindowRow(cr, hx + 6, top + 5 + f * 17, 12, 10, 6, 4.8);
    Shade(
        cr, [=](cairo_t* c) { cairo_rectangle(c, hx + 42, top + 20, 20, 18); }, Hex(0x5E3B1A), 0.8);
    GlassWall(cr, hx + 45, top + 23, 14, 15, 7);
    // A brass sign along the parapet.
    Shade(
        cr, [=](cairo_t* c) { RoundedRect(c, hx + 30, top - 8, 44, 9, 2); }, Hex(0x5E3B1A), 0.8);
    Emblem(cr, hx + 37, top - 3.5, 3.5);
    Fill(
        cr,
        [=](cairo_t* c) {
          cairo_rectangle(c, hx + 43, top - 6, 26, 1.5);
          cairo_rectangle(c, hx + 43, top - 3, 20, 1.5);
        },
        Brass.Lighter(0.3));
    Block(cr, hx + 76, hy + 6 - hh, 18, 14, 6, Hex(0xA8A296), Hex(0xC0BAAE));
    for (double fx : {X + 10.0, X + 104.0}) Flag(cr, fx, Y + 74, 28, fx < X + 50 ? Brass : Hex(0x3F86C9));
    GardenTrees(lot, {Plant(TREE_Bush, X + 30, Y + 60, 10, 1), Plant(TREE_Bush, X + 90, Y + 60, 10, 2)});
    return;
  }
  // Level 2: a glass tower on a stone base.
  const double hx = X + 16, hy = Y + 12, hw = 88, hd = 38, hh = 74;
  BlockShadow(lot.P, hx, hy, hw, hd, hh * 0.8);
  Block(cr, hx, hy, hw, hd, hh, Hex(0xD8D0C0), Hex(0x9AA4AE));
  const double top = hy + hd - hh;
  GlassWall(cr, hx + 3, top + 4, hw - 6, hh - 18, 8);
  Shade(
      cr, [=](cairo_t* c) { cairo_rectangle(c, hx, hy + hd - 14, hw, 14); }, Hex(0xCFC6B4), 0.9);
  GlassWall(cr, hx + 34, hy + hd - 13, 20, 13, 10);
  for (double px : {hx + 8, hx + 20, hx + 62, hx + 74})
    Shade(
        cr, [=](cairo_t* c) { cairo_rectangle(c, px, hy + hd - 14, 5, 14); }, Hex(0xE8E0D0), 0.6);
  // A crown with the emblem, a mast on the roof.
  Emblem(cr, hx + hw / 2, top + 10, 6);
  Block(cr, hx + 10, hy - hh + 10, 24, 14, 6, Hex(0x8A949E), Hex(0xB0B8C0));
  Stroke(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, hx + 70, hy - hh + 16);
        cairo_line_to(c, hx + 70, hy - hh - 4);
      },
      Hex(0x8A8F96), 1.2);
  for (double fx : {X + 6.0, X + 112.0, X + 60.0}) Flag(cr, fx, Y + 76, 26, fx == X + 60.0 ? Brass : Hex(0x3F86C9));
  GardenTrees(lot, {Plant(TREE_Round, X + 8, Y + 52, 20, 1), Plant(TREE_Round, X + 112, Y + 52, 20, 2)});
}

// The workshop: a garage with a roll-up door, tyres and oil drums.
void DrawWorkshop(Lot& lot) {
  cairo_t* cr = lot.Cr;
  const double X = lot.X, Y = lot.Y;
  Paving(cr, X + 3, Y + 3, 74, 74, Hex(0xB8B2A8), 10);
  const double hx = X + 6, hy = Y + 12, hw = 68, hd = 36, hh = 24;
  BlockShadow(lot.P, hx, hy, hw, hd, hh);
  Block(cr, hx, hy, hw, hd, hh, Hex(0xA9B6C2), Hex(0x7E8A96));
  const double top = hy + hd - hh;
  // Corrugated roof.
  for (double u = hx + 3; u < hx + hw; u += 3)
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, u, hy - hh + 1);
          cairo_line_to(c, u, hy + hd - hh - 1);
        },
        Hex(0x66707A), 0.5, 0.6);
  // The roll-up door, half open, the dark inside below it.
  Fill(
      cr, [=](cairo_t* c) { cairo_rectangle(c, hx + 6, top + 4, 30, 20); }, Hex(0x2A2E33));
  Shade(
      cr, [=](cairo_t* c) { cairo_rectangle(c, hx + 6, top + 4, 30, 11); }, Hex(0xD7DCE0), 0.8);
  Stripes(cr, hx + 6, top + 4, 30, 11, 2, Hex(0x8A9096), 0.8);
  Fill(
      cr,
      [=](cairo_t* c) {
        for (int i = 0; i < 5; ++i)
          Polygon(c, {hx + 6 + i * 6.0, top + 3, hx + 9 + i * 6.0, top + 3, hx + 6 + i * 6.0, top + 1});
      },
      Hex(0xF2C23C));
  Door(cr, hx + 44, top + 10, 8, 14, Hex(0x3A5A7A));
  Window(cr, hx + 56, top + 8, 8, 7);
  // The sign: a spanner on an orange disc over the door.
  Shade(
      cr, [=](cairo_t* c) { Ellipse(c, hx + 55, top - 4, 6, 6); }, Hex(0xE8762E), 0.9, 0.3, 0.1);
  cairo_save(cr);
  cairo_translate(cr, hx + 55, top - 4);
  cairo_rotate(cr, -Pi / 4);
  Fill(
      cr,
      [](cairo_t* c) {
        cairo_rectangle(c, -0.9, -3.5, 1.8, 7);
        Ellipse(c, 0, -3.5, 2, 2);
        Ellipse(c, 0, 3.5, 1.6, 1.6);
      },
      Hex(0xF4F1EA));
  cairo_restore(cr);
  // Tyres, drums and a toolbox on the apron.
  for (int i = 0; i < 3; ++i) {
    double ty = Y + 62 - i * 3;
    Shade(
        cr, [=](cairo_t* c) { Ellipse(c, X + 62, ty, 6, 3.2); }, Hex(0x2E2E30), 0.8, 0.2, 0.1);
    Fill(
        cr, [=](cairo_t* c) { Ellipse(c, X + 62, ty - 0.5, 2.5, 1.3); }, Hex(0x6A6A6E));
  }
  for (double dx : {X + 50.0, X + 56.0}) {
    BlobShadow(lot.P, dx + 2, Y + 72, 3.5, 2, 0.3);
    Shade(
        cr, [=](cairo_t* c) { RoundedRect(c, dx - 2.5, Y + 64, 5, 8, 1); }, Hex(0x2F6EA8), 0.7, 0.25, 0.1);
  }
  Shade(
      cr, [=](cairo_t* c) { RoundedRect(c, X + 10, Y + 64, 10, 6, 1); }, Hex(0xC8453A), 0.7);
}

// The shop: display windows under a striped awning, a clock over the door.
void DrawShop(Lot& lot) {
  cairo_t* cr = lot.Cr;
  const double X = lot.X, Y = lot.Y;
  Paving(cr, X + 3, Y + 44, 74, 33, Hex(0xE0D6C4), 6);
  Lawn(lot, 2);
  Paving(cr, X + 3, Y + 50, 74, 27, Hex(0xE0D6C4), 6);
  const double hx = X + 6, hy = Y + 14, hw = 68, hd = 34, hh = 26;
  BlockShadow(lot.P, hx, hy, hw, hd, hh);
  Block(cr, hx, hy, hw, hd, hh, Hex(0xF0D2A4), Hex(0xC7B69A));
  const double top = hy + hd - hh;
  Window(cr, hx + 4, top + 10, 22, 14, Hex(0xFFFFFF));
  Window(cr, hx + 42, top + 10, 22, 14, Hex(0xFFFFFF));
  Door(cr, hx + 29, top + 10, 10, 16, Hex(0x2F5E8A));
  // Goods in the windows.
  for (int i = 0; i < 4; ++i) {
    const Colour goods[] = {Hex(0xE84A5F), Hex(0xFFD23F), Hex(0x6FBF4A), Hex(0x3F86C9)};
    Fill(
        cr, [=](cairo_t* c) { RoundedRect(c, hx + 6 + i * 5, top + 19, 4, 4.5, 1); }, goods[i]);
    Fill(
        cr, [=](cairo_t* c) { RoundedRect(c, hx + 44 + i * 5, top + 19, 4, 4.5, 1); }, goods[3 - i]);
  }
  Awning(cr, hx + 2, top + 5, 26, 5, Hex(0xD9482B), Hex(0xFFF4E6));
  Awning(cr, hx + 40, top + 5, 26, 5, Hex(0xD9482B), Hex(0xFFF4E6));
  // The sign board and the clock.
  Shade(
      cr, [=](cairo_t* c) { RoundedRect(c, hx + 8, top - 9, 52, 8, 2); }, Hex(0x2F5E8A), 0.8);
  Fill(
      cr,
      [=](cairo_t* c) {
        for (int i = 0; i < 6; ++i) cairo_rectangle(c, hx + 14 + i * 7, top - 6.5, 5, 3);
      },
      Hex(0xFFF4E6), 0.9);
  Shade(
      cr, [=](cairo_t* c) { Ellipse(c, hx + 34, top + 1, 4, 4); }, Hex(0xFFFFFF), 0.9, 0.05, 0.15);
  Stroke(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, hx + 34, top + 1);
        cairo_line_to(c, hx + 34, top - 1.8);
        cairo_move_to(c, hx + 34, top + 1);
        cairo_line_to(c, hx + 36, top + 1);
      },
      Hex(0x3B2A1A), 0.7);
  // Flower pots and a bench out front.
  for (double px : {X + 8.0, X + 70.0}) GardenTrees(lot, {Plant(TREE_Bush, px, Y + 58, 9, uint64_t(px))});
  Bench(cr, X + 52, Y + 70);
}

// The amusement park: a big wheel, a carousel, a ticket booth and flags.
void DrawAmusementPark(Lot& lot) {
  cairo_t* cr = lot.Cr;
  const double X = lot.X, Y = lot.Y;
  Lawn(lot);
  Paving(cr, X + 50, Y + 4, 24, 112, Hex(0xE8D8B8), 6);
  Paving(cr, X + 4, Y + 62, 112, 20, Hex(0xE8D8B8), 6);
  // The big wheel at the back left.
  const double wx = X + 30, wy = Y + 14, r = 26, base = Y + 50;
  GroundShadow(
      lot.P, [=](cairo_t* c) { Ellipse(c, wx + 16, base + 2, 22, 5); }, 0, 0, 3, 0.3);
  Stroke(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, wx - 14, base);
        cairo_line_to(c, wx, wy);
        cairo_line_to(c, wx + 14, base);
      },
      Hex(0x5A6470), 2.4);
  Stroke(
      cr, [=](cairo_t* c) { Ellipse(c, wx, wy, r, r); }, Hex(0xF4F1EA), 2.0);
  Stroke(
      cr, [=](cairo_t* c) { Ellipse(c, wx, wy, r - 4, r - 4); }, Hex(0xD9482B), 1.0);
  for (int i = 0; i < 12; ++i) {
    double a = i * Pi / 6 + lot.Phase * Pi / 2;  // the wheel turns a quarter a loop
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, wx, wy);
          cairo_line_to(c, wx + std::cos(a) * r, wy + std::sin(a) * r);
        },
        Hex(0xE8E4DA), 0.7);
  }
  const Colour cabins[] = {Hex(0xE84A5F), Hex(0xFFD23F), Hex(0x3F86C9), Hex(0x6FBF4A)};
  for (int i = 0; i < 8; ++i) {
    double a = i * Pi / 4 + 0.2 + lot.Phase * Pi / 2, cx = wx + std::cos(a) * r, cy = wy + std::sin(a) * r;
    // Two colours turn by, so a quarter turn brings the wheel back to its look.
    Shade(
        cr, [=](cairo_t* c) { RoundedRect(c, cx - 3, cy, 6, 5, 1.5); }, cabins[(i % 2) * 2], 0.7);
  }
  Shade(
      cr, [=](cairo_t* c) { Ellipse(c, wx, wy, 3, 3); }, Hex(0xC99A3C), 0.8);
  // The carousel at the front right: a striped tent on a round base.
  const double cx = X + 90, cyb = Y + 104, cr0 = 20;
  GroundShadow(
      lot.P, [=](cairo_t* c) { Ellipse(c, cx + 6, cyb + 2, cr0 + 2, 8); }, 0, 0, 3, 0.3);
  Shade(
      cr,
      [=](cairo_t* c) {
        cairo_rectangle(c, cx - cr0, cyb - 14, 2 * cr0, 14);
        Ellipse(c, cx, cyb, cr0, 7);
      },
      Hex(0xFFF2D8), 0.9);
  for (int i = 0; i < 5; ++i) {
    double hx2 = cx - cr0 + 4 + i * 8;
    Fill(
        cr, [=](cairo_t* c) { cairo_rectangle(c, hx2, cyb - 13, 1.2, 13); }, Hex(0xC99A3C));
    Fill(
        cr, [=](cairo_t* c) { RoundedRect(c, hx2 - 2, cyb - 8 + (i % 2) * 3, 5, 3, 1); }, cabins[i % 4]);
  }
  const double roofBase = cyb - 14;
  const double rx = cr0 + 3, ry = 7;
  for (int i = 0; i < 8; ++i) {
    double a0 = i * Pi / 8, a1 = a0 + Pi / 8;
    Fill(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, cx, roofBase - 22);
          cairo_line_to(c, cx + std::cos(a0) * rx, roofBase + std::sin(a0) * ry);
          cairo_line_to(c, cx + std::cos(a1) * rx, roofBase + std::sin(a1) * ry);
          cairo_close_path(c);
        },
        i % 2 ? Hex(0xD9482B) : Hex(0xFFF4E6));
  }
  // Lit from the left: a light wash on the left half of the cone.
  Fill(
      cr,
      [=](cairo_t* c) {
        Polygon(c, {cx, roofBase - 22, cx - rx, roofBase, cx - rx * 0.3, roofBase + ry});
      },
      Hex(0xFFFFFF), 0.15);
  Stroke(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, cx - rx, roofBase);
        cairo_line_to(c, cx, roofBase - 22);
        cairo_line_to(c, cx + rx, roofBase);
      },
      Hex(0x8A2A1A), 1.0);
  Flag(cr, cx, roofBase - 22, 8, Hex(0xFFD23F));
  // The ticket booth and flags along the path.
  BlockShadow(lot.P, X + 8, Y + 92, 16, 12, 14);
  GableHouseY(cr, X + 8, Y + 92, 16, 12, 14, 8, Hex(0xFFD23F), Hex(0x3F86C9));
  Window(cr, X + 12, Y + 94, 8, 5);
  for (double fx : {X + 48.0, X + 78.0, X + 48.0 + 30 * 2})
    Flag(cr, fx, Y + 64, 20, fx > X + 70 ? Hex(0x3F86C9) : Hex(0xE84A5F));
  // Balloons by the booth.
  for (int i = 0; i < 3; ++i) {
    double bx = X + 30 + i * 4, by = Y + 84 - (i % 2) * 4;
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, bx, by);
          cairo_line_to(c, X + 34, Y + 100);
        },
        Hex(0x6A6A6A), 0.5);
    Shade(
        cr, [=](cairo_t* c) { Ellipse(c, bx, by - 3, 2.8, 3.4); }, cabins[(i + 1) % 4], 0.6, 0.35, 0.1);
  }
}

// The cinema: a deep red hall with a lit marquee, posters and a red carpet.
void DrawCinema(Lot& lot) {
  cairo_t* cr = lot.Cr;
  const double X = lot.X, Y = lot.Y;
  Paving(cr, X + 3, Y + 3, 154, 114, Hex(0xD6CCBA), 8);
  const double hx = X + 10, hy = Y + 14, hw = 140, hd = 60, hh = 36;
  BlockShadow(lot.P, hx, hy, hw, hd, hh);
  Block(cr, hx, hy, hw, hd, hh, Hex(0x9A2E3A), Hex(0x7A6E68));
  const double top = hy + hd - hh;
  // Art deco bands, posters in frames.
  Fill(
      cr, [=](cairo_t* c) { cairo_rectangle(c, hx, top + 3, hw, 1.5); }, Hex(0xF2C23C), 0.9);
  const Colour posters[] = {Hex(0x2F5E8A), Hex(0x3E7A4A), Hex(0xE8762E), Hex(0x6A3A8A)};
  for (int i = 0; i < 4; ++i) {
    double px = i < 2 ? hx + 8 + i * 18 : hx + hw - 44 + (i - 2) * 18;
    Shade(
        cr, [=](cairo_t* c) { cairo_rectangle(c, px, top + 9, 12, 18); }, Hex(0xF2C23C), 0.7);
    Shade(
        cr, [=](cairo_t* c) { cairo_rectangle(c, px + 1.5, top + 10.5, 9, 15); }, posters[i], 0.5, 0.3, 0.1);
    Fill(
        cr, [=](cairo_t* c) { Ellipse(c, px + 6, top + 16, 2.5, 2.5); }, Hex(0xFFF2C8), 0.8);
  }
  // The entrance: glass doors under the marquee.
  GlassWall(cr, hx + 50, top + 18, 40, 18, 10);
  Shade(
      cr, [=](cairo_t* c) { cairo_rectangle(c, hx + 44, top + 8, 52, 9); }, Hex(0x2A1E22), 0.9);
  Fill(
      cr, [=](cairo_t* c) { cairo_rectangle(c, hx + 47, top + 10.5, 46, 4); }, Hex(0xFFF2C8));
  // The marquee's bulbs chase round, every fourth one dark.
  const int step = int(std::lround(lot.Phase * 40));
  for (int i = 0; i < 13; ++i) {
    bool lit = (i + step) % 4 != 0;
    Fill(
        cr,
        [=](cairo_t* c) {
          Ellipse(c, hx + 45 + i * 4.2, top + 8.5, 0.9, 0.9);
          Ellipse(c, hx + 45 + (12 - i) * 4.2, top + 16.5, 0.9, 0.9);
        },
        lit ? Hex(0xFFE066) : Hex(0x8A6A2A));
  }
  // The tall sign over the marquee.
  Shade(
      cr, [=](cairo_t* c) { RoundedRect(c, hx + 62, top - 26, 16, 34, 3); }, Hex(0xD9482B), 0.9);
  for (int i = 0; i < 6; ++i)
    Fill(
        cr, [=](cairo_t* c) { RoundedRect(c, hx + 65, top - 23 + i * 5, 10, 3.5, 1); },
        (i + step / 2) % 5 != 0 ? Hex(0xFFF2C8) : Hex(0xE8A080));
  // The film reel on the roof.
  Shade(
      cr, [=](cairo_t* c) { Ellipse(c, hx + 24, hy - hh + 26, 10, 10); }, Hex(0x3A3A40), 0.9, 0.25, 0.1);
  for (int i = 0; i < 5; ++i) {
    double a = i * 2 * Pi / 5;
    Fill(
        cr, [=](cairo_t* c) { Ellipse(c, hx + 24 + std::cos(a) * 5.5, hy - hh + 26 + std::sin(a) * 5.5, 2.3, 2.3); },
        Hex(0x7A6E68));
  }
  Block(cr, hx + 100, hy - 4, 24, 16, 6, Hex(0x8A8480), Hex(0xA8A29C));
  // The red carpet down to the street, rope posts either side.
  Fill(
      cr, [=](cairo_t* c) { cairo_rectangle(c, hx + 58, hy + hd, 24, Y + 118 - (hy + hd)); }, Hex(0xC8283A));
  for (int i = 0; i < 4; ++i)
    for (double px : {hx + 54, hx + 86}) {
      double py = hy + hd + 10 + i * 10;
      Fill(
          cr, [=](cairo_t* c) { cairo_rectangle(c, px - 0.8, py - 6, 1.6, 6); }, Hex(0xF2C23C));
    }
  GardenTrees(lot, {Plant(TREE_Bush, X + 14, Y + 100, 12, 1), Plant(TREE_Bush, X + 146, Y + 100, 12, 2)});
}

// The car dealership: a glass showroom and a lot of shiny cars under bunting.
void DrawDealership(Lot& lot) {
  cairo_t* cr = lot.Cr;
  const double X = lot.X, Y = lot.Y;
  Paving(cr, X + 3, Y + 3, 154, 114, Hex(0xA8A49C), 40);
  const double hx = X + 8, hy = Y + 12, hw = 92, hd = 40, hh = 26;
  BlockShadow(lot.P, hx, hy, hw, hd, hh);
  Block(cr, hx, hy, hw, hd, hh, Hex(0xE8E8E4), Hex(0xD0D0CC));
  const double top = hy + hd - hh;
  GlassWall(cr, hx + 4, top + 6, hw - 8, hh - 6, 11);
  ParkedCar(lot.P, hx + 20, top + 16, Hex(0xD9482B), true);
  ParkedCar(lot.P, hx + 56, top + 16, Hex(0xF2C23C), true);
  Shade(
      cr, [=](cairo_t* c) { cairo_rectangle(c, hx, top - 1, hw, 6); }, Hex(0x2F5E8A), 0.8);
  Fill(
      cr,
      [=](cairo_t* c) {
        for (int i = 0; i < 8; ++i) cairo_rectangle(c, hx + 22 + i * 6.5, top + 0.8, 4.5, 2.4);
      },
      Hex(0xFFFFFF), 0.9);
  // Rows of cars on the lot.
  const Colour bodies[] = {Hex(0x3F86C9), Hex(0xE8E8E8), Hex(0x2E2E30), Hex(0xD9482B), Hex(0x6FBF4A), Hex(0xF2C23C)};
  for (int row = 0; row < 2; ++row)
    for (int i = 0; i < 5; ++i) {
      double cx = X + 12 + i * 22 + (row ? 6 : 0), cy = Y + 64 + row * 26;
      Stroke(
          cr,
          [=](cairo_t* c) {
            cairo_move_to(c, cx - 3, cy - 2);
            cairo_line_to(c, cx - 3, cy + 18);
          },
          Hex(0xF2F2EE), 0.9, 0.8);
      ParkedCar(lot.P, cx + 2, cy, bodies[(i + row * 2) % 6], false);
    }
  // The pylon sign and the bunting from it to the showroom.
  Shade(
      cr, [=](cairo_t* c) { cairo_rectangle(c, X + 140, Y + 20, 3, 60); }, Hex(0x8A8F96), 0.6);
  Shade(
      cr, [=](cairo_t* c) { RoundedRect(c, X + 128, Y + 8, 26, 16, 3); }, Hex(0x2F5E8A), 0.9);
  ParkedCar(lot.P, X + 133, Y + 11, Hex(0xF2C23C), true);
  for (int i = 0; i <= 10; ++i) {
    double t = i / 10.0, bx = hx + hw + (X + 140 - (hx + hw)) * t, by = top + 2 + std::sin(t * Pi) * 6 + 10 * t;
    const Colour pennant = bodies[i % 6];
    Fill(
        cr,
        [=](cairo_t* c) {
          Polygon(c, {bx - 1.6, by, bx + 1.6, by, bx, by + 3.5});
        },
        pennant);
  }
  GardenTrees(lot, {Plant(TREE_Round, X + 112, Y + 46, 22, 3)});
}

}  // namespace TownArt
