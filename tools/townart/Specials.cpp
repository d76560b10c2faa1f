// The special buildings: bridge, stadium, steel works, wind farm, airport
// and hotel. The bridge's picture leaves its deck open (the road shows
// through it); its front parapet is a picture of its own, "Bridge/Front",
// of the same size, drawn over the traffic.
#include <cmath>

#include "townart/BuildingShapes.h"
#include "townart/Pictures.h"

namespace TownArt {

namespace {

TreeSpec Plant(TreeKind kind, double x, double y, double size, uint64_t seed) {
  TreeSpec t;
  t.Kind = kind;
  t.X = x;
  t.Y = y;
  t.Size = size;
  t.Seed = seed;
  return t;
}

const Colour Stone = Hex(0xC9BBA0);

void Parapet(cairo_t* cr, double x, double y, double w) {
  Shade(
      cr, [=](cairo_t* c) { RoundedRect(c, x, y - 6, w, 8, 2); }, Stone, 1.0, 0.15, 0.1);
  Fill(
      cr, [=](cairo_t* c) { cairo_rectangle(c, x + 1, y - 6, w - 2, 2.5); }, Stone.Lighter(0.3));
  for (double u = x + 10; u < x + w - 4; u += 10)
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, u, y - 3.5);
          cairo_line_to(c, u, y + 2);
        },
        Stone.Darker(0.25), 0.6, 0.7);
}

void Floodlight(cairo_t* cr, double x, double y, double h) {
  Stroke(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, x, y);
        cairo_line_to(c, x, y - h);
      },
      Hex(0x8A8F96), 1.6);
  Shade(
      cr, [=](cairo_t* c) { RoundedRect(c, x - 5, y - h - 4, 10, 5, 1); }, Hex(0x5A6068), 0.7);
  Fill(
      cr,
      [=](cairo_t* c) {
        for (int i = 0; i < 3; ++i) cairo_rectangle(c, x - 4 + i * 3, y - h - 3, 2, 2);
      },
      Hex(0xFFF2B0));
}

void Smoke(cairo_t* cr, double x, double y, double scale) {
  const double puffs[4][3] = {{0, 0, 4}, {3, -6, 5}, {7, -13, 6}, {12, -21, 7}};
  for (auto& p : puffs)
    Fill(
        cr, [=](cairo_t* c) { Ellipse(c, x + p[0] * scale, y + p[1] * scale, p[2] * scale, p[2] * scale * 0.85); },
        Hex(0xE8E6E2), 0.75);
}

// A wind turbine: tapered tower, nacelle and three blades.
void Turbine(Picture& picture, double x, double base, double h, double phase) {
  cairo_t* cr = picture.Cr();
  GroundShadow(
      picture,
      [=](cairo_t* c) {
        Polygon(c, {x - 2, base, x + 2, base, x + h * 0.5 + 1, base + h * 0.25, x + h * 0.5 - 1, base + h * 0.25});
      },
      0, 0, 1, 0.28);
  Shade(
      cr,
      [=](cairo_t* c) {
        Polygon(c, {x - 2.2, base, x + 2.2, base, x + 1, base - h, x - 1, base - h});
      },
      Hex(0xF2F4F6), 0.7, 0.05, 0.2);
  const double hubY = base - h;
  for (int i = 0; i < 3; ++i) {
    double a = phase + i * 2 * Pi / 3, len = h * 0.42;
    double ex = x + std::cos(a) * len, ey = hubY + std::sin(a) * len;
    double nx = -std::sin(a) * 1.8, ny = std::cos(a) * 1.8;
    Shade(
        cr,
        [=](cairo_t* c) {
          Polygon(c, {x + nx, hubY + ny, ex, ey, x - nx, hubY - ny});
        },
        Hex(0xFAFBFC), 0.6, 0.05, 0.15);
  }
  Shade(
      cr, [=](cairo_t* c) { RoundedRect(c, x - 3, hubY - 2, 7, 4, 1.5); }, Hex(0xE4E8EC), 0.6);
  Fill(
      cr, [=](cairo_t* c) { Ellipse(c, x, hubY, 1.4, 1.4); }, Hex(0xC8453A));
}

}  // namespace

void DrawBridge(Lot& lot) {
  cairo_t* cr = lot.Cr;
  const double X = lot.X, Y = lot.Y;
  // The front face below the deck: stone with three arches over the water.
  Shade(
      cr, [=](cairo_t* c) { cairo_rectangle(c, X, Y + 38, 160, 12); }, Stone.Darker(0.1), 1.0, 0.1, 0.15);
  for (int i = 0; i < 3; ++i) {
    double ax = X + 28 + i * 52;
    Fill(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, ax - 18, Y + 52);
          cairo_line_to(c, ax - 18, Y + 47);
          cairo_arc(c, ax, Y + 47, 18, Pi, 2 * Pi);
          cairo_line_to(c, ax + 18, Y + 52);
          cairo_close_path(c);
        },
        Hex(0x2E6A80), 0.85);
  }
  // Abutments at both ends, the back parapet along the far edge.
  for (double ax : {X - 2, X + 150})
    Shade(
        cr, [=](cairo_t* c) { RoundedRect(c, ax, Y - 4, 12, 52, 3); }, Stone, 1.0);
  Parapet(cr, X + 4, Y + 4, 152);
}

Tools::Image DrawBridgeFront() {
  const BuildingShape& shape = *FindBuildingShape("Bridge");
  Picture picture(shape.PictureWidth(), shape.PictureHeight());
  Parapet(picture.Cr(), SidePad + 4, shape.Rise + 40, 152);
  return picture.ToImage();
}

void DrawStadium(Lot& lot) {
  cairo_t* cr = lot.Cr;
  const double X = lot.X, Y = lot.Y;
  Paving(cr, X + 2, Y + 2, 196, 156, Hex(0xD6CCBA), 10);
  const double cx = X + 100, cy = Y + 80, rx = 94, ry = 70, wall = 16;
  GroundShadow(
      lot.P, [=](cairo_t* c) { Ellipse(c, cx + 6, cy + 4, rx, ry); }, 0, 0, 4, 0.35);
  // The outer wall, then the tiers of seats, then the pitch.
  Shade(
      cr,
      [=](cairo_t* c) {
        cairo_rectangle(c, cx - rx, cy - wall, 2 * rx, wall);
        Ellipse(c, cx, cy, rx, ry);
      },
      Hex(0xCFCAC2), 1.0, 0.05, 0.15);
  for (int i = 0; i < 16; ++i)
    Fill(
        cr,
        [=](cairo_t* c) { cairo_rectangle(c, cx - rx + 8 + i * 11.2, cy + ry - 12 - std::abs(i - 7.5) * 1.5, 5, 6); },
        Hex(0x8A96A4), 0.5);
  const Colour tiers[] = {Hex(0x2F5E8A), Hex(0xD9482B), Hex(0xE8E4DA), Hex(0x2F5E8A)};
  for (int t = 0; t < 4; ++t) {
    double trx = rx - 2 - t * 7, tr = ry - 2 - t * 6;
    Shade(
        cr, [=](cairo_t* c) { Ellipse(c, cx, cy - wall, trx, tr); }, tiers[t], 0.6, 0.15, 0.1);
  }
  Shade(
      cr, [=](cairo_t* c) { RoundedRect(c, cx - 56, cy - wall - 36, 112, 72, 14); }, Hex(0x4EA83A), 1.0, 0.1, 0.1);
  cairo_save(cr);
  cairo_new_path(cr);
  RoundedRect(cr, cx - 56, cy - wall - 36, 112, 72, 14);
  cairo_clip(cr);
  for (int i = 0; i < 8; ++i)
    Fill(
        cr, [=](cairo_t* c) { cairo_rectangle(c, cx - 56 + i * 14, cy - wall - 36, 7, 72); }, Hex(0xFFFFFF), 0.07);
  cairo_restore(cr);
  Stroke(
      cr,
      [=](cairo_t* c) {
        cairo_rectangle(c, cx - 48, cy - wall - 30, 96, 60);
        cairo_move_to(c, cx, cy - wall - 30);
        cairo_line_to(c, cx, cy - wall + 30);
        cairo_new_sub_path(c);
        Ellipse(c, cx, cy - wall, 10, 10);
        cairo_rectangle(c, cx - 48, cy - wall - 12, 12, 24);
        cairo_rectangle(c, cx + 36, cy - wall - 12, 12, 24);
      },
      Hex(0xFFFFFF), 1.0, 0.9);
  for (double fx : {X + 14.0, X + 186.0})
    for (double fy : {Y + 24.0, Y + 150.0}) Floodlight(cr, fx, fy, 42);
}

void DrawSteelWorks(Lot& lot) {
  cairo_t* cr = lot.Cr;
  const double X = lot.X, Y = lot.Y;
  Paving(cr, X + 2, Y + 2, 196, 196, Hex(0xA8A29A), 20);
  // Coal and ore heaps.
  for (int i = 0; i < 3; ++i) {
    double hx = X + 30 + i * 26, hy = Y + 178;
    BlobShadow(lot.P, hx + 4, hy + 2, 13, 6, 0.3);
    Shade(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, hx - 13, hy);
          cairo_curve_to(c, hx - 8, hy - 12, hx + 8, hy - 12, hx + 13, hy);
          cairo_close_path(c);
        },
        i == 1 ? Hex(0x9A5A3A) : Hex(0x3A3A3E), 0.8, 0.25, 0.1);
  }
  // The long hall with a sawtooth roof.
  const double hx = X + 8, hy = Y + 80, hw = 130, hd = 70, hh = 34;
  BlockShadow(lot.P, hx, hy, hw, hd, hh);
  Block(cr, hx, hy, hw, hd, hh, Hex(0x8A7A6A), Hex(0x7A8490));
  for (int i = 0; i < 8; ++i) {
    double sx = hx + 2 + i * 16;
    Shade(
        cr,
        [=](cairo_t* c) {
          Polygon(c, {sx, hy - hh + 2, sx + 16, hy - hh + 2, sx + 16, hy + hd - hh - 2, sx, hy + hd - hh - 2});
        },
        Hex(0x7A8490).Lighter(i % 2 ? 0.0 : 0.1), 0.5);
    Fill(
        cr, [=](cairo_t* c) { cairo_rectangle(c, sx + 12, hy - hh + 2, 3, hd - 4); }, Hex(0x9CC8E8), 0.8);
  }
  const double front = hy + hd - hh;
  for (int i = 0; i < 3; ++i) {
    double dx = hx + 12 + i * 42;
    Fill(
        cr, [=](cairo_t* c) { cairo_rectangle(c, dx, front + 10, 22, 24); }, Hex(0x2A2220));
    Fill(
        cr, [=](cairo_t* c) { cairo_rectangle(c, dx + 2, front + 18, 18, 16); }, Hex(0xFF8A2A), 0.55);
  }
  // The blast furnace and its chimneys.
  const double fx = X + 164, fb = Y + 150;
  BlockShadow(lot.P, fx - 16, fb - 20, 32, 20, 80);
  cairo_new_path(cr);
  cairo_rectangle(cr, fx - 14, fb - 90, 28, 90);
  Ellipse(cr, fx, fb, 14, 6);
  cairo_pattern_t* p = cairo_pattern_create_linear(fx - 14, 0, fx + 14, 0);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.62, 0.56, 0.50);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.34, 0.30, 0.27);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  for (double ry = fb - 80; ry < fb; ry += 16)
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, fx - 14, ry);
          cairo_line_to(c, fx + 14, ry);
        },
        Hex(0x3A3430), 1.0, 0.7);
  Fill(
      cr, [=](cairo_t* c) { Ellipse(c, fx, fb - 90, 14, 5); }, Hex(0x4A4440));
  Fill(
      cr, [=](cairo_t* c) { Ellipse(c, fx, fb - 90, 9, 3); }, Hex(0xFF8A2A));
  for (int i = 0; i < 2; ++i) {
    double cxm = X + 40 + i * 40, cb = Y + 84;
    Shade(
        cr, [=](cairo_t* c) { cairo_rectangle(c, cxm - 5, cb - 96, 10, 96); }, Hex(0xB5543A), 0.9, 0.15, 0.2);
    for (double band : {cb - 90, cb - 80})
      Fill(
          cr, [=](cairo_t* c) { cairo_rectangle(c, cxm - 5, band, 10, 3); }, Hex(0xF2F2EE));
    Smoke(cr, cxm + 2, cb - 102, 1.0);
  }
  // A conveyor from the heaps to the furnace.
  Stroke(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, X + 100, Y + 172);
        cairo_line_to(c, fx - 10, fb - 70);
      },
      Hex(0x4A4A4E), 4);
  Stroke(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, X + 100, Y + 172);
        cairo_line_to(c, fx - 10, fb - 70);
      },
      Hex(0x8A8A8E), 1.5);
}

void DrawWindPowerplant(Lot& lot) {
  const double X = lot.X, Y = lot.Y;
  Lawn(lot);
  cairo_t* cr = lot.Cr;
  // A gravel track joining the turbines, a transformer house.
  Stroke(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, X + 10, Y + 226);
        cairo_curve_to(c, X + 90, Y + 200, X + 150, Y + 140, X + 270, Y + 120);
      },
      Hex(0xD9C8A6), 5);
  BlockShadow(lot.P, X + 20, Y + 200, 24, 16, 14);
  Block(cr, X + 20, Y + 200, 24, 16, 14, Hex(0xD8D4CC), Hex(0x9AA4AE));
  Fill(
      cr, [=](cairo_t* c) { cairo_rectangle(c, X + 27, Y + 206, 10, 10); }, Hex(0x5A6470));
  const double spots[7][2] = {{46, 86}, {120, 64}, {200, 78}, {256, 150}, {90, 160}, {170, 176}, {236, 224}};
  for (int i = 0; i < 7; ++i) Turbine(lot.P, X + spots[i][0], Y + spots[i][1], 72, i * 0.7 + lot.Phase * 2 * Pi / 3);
}

void DrawAirport(Lot& lot) {
  cairo_t* cr = lot.Cr;
  const double X = lot.X, Y = lot.Y;
  Lawn(lot);
  // The runway along the front, with its markings.
  Shade(
      cr, [=](cairo_t* c) { cairo_rectangle(c, X + 4, Y + 80, 472, 34); }, Hex(0x5E5A56), 0.8, 0.05, 0.05);
  for (double u = X + 30; u < X + 450; u += 24)
    Fill(
        cr, [=](cairo_t* c) { cairo_rectangle(c, u, Y + 96, 14, 2); }, Hex(0xF2F2EE));
  for (double ex : {X + 8.0, X + 460.0})
    for (int i = 0; i < 5; ++i)
      Fill(
          cr, [=](cairo_t* c) { cairo_rectangle(c, ex, Y + 84 + i * 6, 12, 3); }, Hex(0xF2F2EE));
  // The apron and the terminal with its glass front.
  Paving(cr, X + 4, Y + 44, 300, 34, Hex(0xB8B2A8), 17);
  const double tx = X + 12, ty = Y + 8, tw = 180, td = 34, th = 22;
  BlockShadow(lot.P, tx, ty, tw, td, th);
  Block(cr, tx, ty, tw, td, th, Hex(0xE8E4DC), Hex(0xC8C4BC));
  const double front = ty + td - th;
  Fill(
      cr, [=](cairo_t* c) { cairo_rectangle(c, tx + 4, front + 4, tw - 8, 14); }, Hex(0x6A9AC4));
  for (double u = tx + 12; u < tx + tw - 4; u += 8)
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, u, front + 4);
          cairo_line_to(c, u, front + 18);
        },
        Hex(0xE8EEF2), 0.7);
  // The control tower.
  const double cxT = X + 214, cb = Y + 40;
  BlockShadow(lot.P, cxT - 5, cb - 8, 10, 8, 60);
  Shade(
      cr, [=](cairo_t* c) { cairo_rectangle(c, cxT - 4, cb - 56, 8, 56); }, Hex(0xE8E4DC), 0.8, 0.1, 0.2);
  Shade(
      cr,
      [=](cairo_t* c) {
        Polygon(c, {cxT - 10, cb - 56, cxT + 10, cb - 56, cxT + 8, cb - 66, cxT - 8, cb - 66});
      },
      Hex(0x3A6A9A), 0.8);
  Shade(
      cr, [=](cairo_t* c) { RoundedRect(c, cxT - 9, cb - 70, 18, 4, 1.5); }, Hex(0xD8D4CC), 0.7);
  // The hangar on the right.
  const double hx = X + 330, hy = Y + 10, hw = 120, hd = 50, hh = 26;
  BlockShadow(lot.P, hx, hy, hw, hd, hh);
  Shade(
      cr, [=](cairo_t* c) { cairo_rectangle(c, hx, hy + hd - hh, hw, hh); }, Hex(0xB8C0C8), 1.0);
  Shade(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, hx - 2, hy + hd - hh);
        cairo_curve_to(c, hx - 2, hy - hh - 6, hx + hw + 2, hy - hh - 6, hx + hw + 2, hy + hd - hh);
        cairo_close_path(c);
      },
      Hex(0x9AA6B2), 1.0, 0.2, 0.1);
  Fill(
      cr, [=](cairo_t* c) { cairo_rectangle(c, hx + 14, hy + hd - hh + 4, hw - 28, hh - 4); }, Hex(0x3A3F46));
  // A plane waiting on the apron.
  const double px = X + 250, py = Y + 62;
  GroundShadow(
      lot.P,
      [=](cairo_t* c) {
        RoundedRect(c, px - 34 + 6, py - 4 + 8, 68, 8, 4);
        Polygon(c, {px - 2 + 6, py + 8, px + 10 + 6, py + 8, px - 6 + 6, py + 36, px - 14 + 6, py + 36});
      },
      0, 0, 2, 0.3);
  Shade(
      cr,
      [=](cairo_t* c) {
        Polygon(c, {px - 4, py, px + 8, py, px - 8, py - 26, px - 16, py - 26});
      },
      Hex(0xE8ECF0), 0.8);
  Shade(
      cr,
      [=](cairo_t* c) {
        Polygon(c, {px - 4, py, px + 8, py, px - 8, py + 26, px - 16, py + 26});
      },
      Hex(0xD8DCE0), 0.8);
  Shade(
      cr, [=](cairo_t* c) { RoundedRect(c, px - 34, py - 4, 68, 8, 4); }, Hex(0xF4F6F8), 0.9, 0.1, 0.15);
  Fill(
      cr, [=](cairo_t* c) { cairo_rectangle(c, px - 24, py - 1, 44, 1.5); }, Hex(0x2F5E8A));
  Shade(
      cr,
      [=](cairo_t* c) {
        Polygon(c, {px - 30, py - 2, px - 26, py - 2, px - 34, py - 12, px - 37, py - 12});
      },
      Hex(0xD9482B), 0.7);
  GardenTrees(lot, {Plant(TREE_Round, X + 470, Y + 40, 22, 1), Plant(TREE_Bush, X + 310, Y + 40, 12, 2)});
}

void DrawHotel(Lot& lot) {
  cairo_t* cr = lot.Cr;
  const double X = lot.X, Y = lot.Y;
  Lawn(lot);
  Paving(cr, X + 4, Y + 84, 192, 72, Hex(0xE8DCC4), 8);
  // The pool terrace at the front.
  Pool(lot.P, X + 96, Y + 100, 80, 40);
  for (int i = 0; i < 4; ++i) {
    double lx = X + 16 + i * 18;
    Shade(
        cr, [=](cairo_t* c) { RoundedRect(c, lx, Y + 118, 8, 16, 2); }, Hex(0xFFFFFF), 0.6);
    Fill(
        cr, [=](cairo_t* c) { cairo_rectangle(c, lx + 1, Y + 119, 6, 5); }, Hex(0x3FA7C9), 0.8);
  }
  // The tower: ten floors of balconies.
  const double hx = X + 30, hy = Y + 24, hw = 140, hd = 44, floorH = 11, floors = 9, hh = floors * floorH + 14;
  BlockShadow(lot.P, hx, hy, hw, hd, hh * 0.6);
  Block(cr, hx, hy, hw, hd, hh, Hex(0xF4EDE0), Hex(0xC8C0B0));
  const double base = hy + hd;
  for (int f = 0; f < floors; ++f) {
    double fy = base - 14 - (f + 1) * floorH;
    WindowRow(cr, hx + 5, fy + 2, 8, 6, 10, 5.4, Hex(0xFFFFFF));
    Fill(
        cr, [=](cairo_t* c) { cairo_rectangle(c, hx + 2, fy + 8.5, hw - 4, 1.5); }, Hex(0xD8CCB4));
  }
  // The lobby with its canopy, the name board on the roof.
  Shade(
      cr, [=](cairo_t* c) { cairo_rectangle(c, hx, base - 14, hw, 14); }, Hex(0xD8CCB4), 0.9);
  Fill(
      cr, [=](cairo_t* c) { cairo_rectangle(c, hx + 50, base - 12, 40, 12); }, Hex(0x6A9AC4));
  Shade(
      cr,
      [=](cairo_t* c) {
        Polygon(c, {hx + 44, base - 14, hx + 96, base - 14, hx + 92, base - 20, hx + 48, base - 20});
      },
      Hex(0xC99A3C), 0.8);
  Shade(
      cr, [=](cairo_t* c) { RoundedRect(c, hx + 40, hy - hh - 2, 60, 12, 3); }, Hex(0x2F3E5A), 0.9);
  Fill(
      cr,
      [=](cairo_t* c) {
        for (int i = 0; i < 5; ++i) {
          cairo_new_sub_path(c);
          Ellipse(c, hx + 50 + i * 10, hy - hh + 4, 2.6, 2.6);
        }
      },
      Hex(0xF2C23C));
  GardenTrees(lot, {Plant(TREE_Palm, X + 12, Y + 100, 34, 1), Plant(TREE_Palm, X + 188, Y + 96, 34, 2),
                    Plant(TREE_Palm, X + 186, Y + 150, 30, 3)});
}

void AddBridgeFront(Recipes& out) { out.push_back({"images/buildings/Bridge/Front", DrawBridgeFront}); }

}  // namespace TownArt
