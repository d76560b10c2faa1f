// The decorations the player places for the houses around them: a tree, a
// fountain, a park, a statue and a Chinese garden.
#include <cmath>

#include "townart/BuildingShapes.h"

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

// A round basin of stone with water in it and a jet.
void Basin(Picture& picture, double cx, double cy, double rx, double ry, double jet) {
  cairo_t* cr = picture.Cr();
  BlobShadow(picture, cx + 2, cy + 2, rx + 1, ry + 1, 0.3);
  Shade(
      cr, [=](cairo_t* c) { Ellipse(c, cx, cy, rx, ry); }, Hex(0xE2DACB), 0.9, 0.12, 0.1);
  Shade(
      cr, [=](cairo_t* c) { Ellipse(c, cx, cy + 0.5, rx - 2.5, ry - 2); }, Hex(0x3FA7C9), 0.6, 0.25, 0.1);
  Stroke(
      cr, [=](cairo_t* c) { Ellipse(c, cx - 1, cy - 0.5, rx * 0.55, ry * 0.5); }, Hex(0xE6FAFF), 0.6, 0.6);
  if (jet <= 0) return;
  // The jet rises and falls back in a plume.
  cairo_pattern_t* p = cairo_pattern_create_linear(0, cy - jet, 0, cy);
  cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0.95);
  cairo_pattern_add_color_stop_rgba(p, 1, 0.85, 0.95, 1, 0.5);
  cairo_new_path(cr);
  cairo_move_to(cr, cx - 1.2, cy);
  cairo_curve_to(cr, cx - 1.2, cy - jet * 0.6, cx - 0.6, cy - jet, cx, cy - jet);
  cairo_curve_to(cr, cx + 0.6, cy - jet, cx + 1.2, cy - jet * 0.6, cx + 1.2, cy);
  cairo_close_path(cr);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  for (int side = -1; side <= 1; side += 2)
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, cx, cy - jet);
          cairo_curve_to(c, cx + side * rx * 0.4, cy - jet - 1, cx + side * rx * 0.6, cy - jet * 0.4,
                         cx + side * rx * 0.65, cy);
        },
        Hex(0xDFF6FF), 0.9, 0.75);
}

}  // namespace

void DrawTreeKind(Lot& lot) { GardenTrees(lot, {Plant(TREE_Round, lot.X + 20, lot.Y + 34, 36, 7)}); }

void DrawFountain(Lot& lot) {
  cairo_t* cr = lot.Cr;
  Paving(cr, lot.X + 2, lot.Y + 2, 36, 36, Hex(0xE0D6C4), 6);
  // The jet rises and falls a little through its loop.
  const double jet = 16 + 3 * std::sin(2 * Pi * lot.Phase);
  Basin(lot.P, lot.X + 20, lot.Y + 22, 15, 10, jet);
  // Drops falling from the top of the jet along its plume.
  for (int k = 0; k < 6; ++k) {
    double t = std::fmod(lot.Phase * 2 + k / 6.0, 1.0), side = k % 2 ? 1 : -1;
    double x = lot.X + 20 + side * 15 * 0.65 * t, y = lot.Y + 22 - jet * (1 - t * t) - 1;
    Fill(
        cr, [=](cairo_t* c) { Ellipse(c, x, y, 0.9, 1.1); }, Hex(0xF4FCFF), 0.9);
  }
  Shade(
      cr, [=](cairo_t* c) { cairo_rectangle(c, lot.X + 18.5, lot.Y + 16, 3, 6); }, Hex(0xD8CFC0), 0.5);
}

// A small park: lawn, a winding path, trees, a bench and flowers.
void DrawPark(Lot& lot) {
  cairo_t* cr = lot.Cr;
  const double X = lot.X, Y = lot.Y;
  Lawn(lot);
  Stroke(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, X + 4, Y + 56);
        cairo_curve_to(c, X + 30, Y + 60, X + 40, Y + 30, X + 76, Y + 26);
      },
      Hex(0xD9C8A6), 8);
  Stroke(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, X + 4, Y + 56);
        cairo_curve_to(c, X + 30, Y + 60, X + 40, Y + 30, X + 76, Y + 26);
      },
      Hex(0xE8DAB8), 5.5);
  FlowerBed(cr, X + 46, Y + 50, 22, 12, 31);
  Bench(cr, X + 30, Y + 44);
  Lamp(cr, X + 58, Y + 32);
  GardenTrees(lot, {Plant(TREE_Round, X + 18, Y + 30, 30, 1), Plant(TREE_Round, X + 58, Y + 20, 24, 2),
                    Plant(TREE_Bush, X + 14, Y + 72, 11, 3), Plant(TREE_Round, X + 68, Y + 72, 22, 4)});
}

// A bronze figure on a stone plinth in a small square.
void DrawStatue(Lot& lot) {
  cairo_t* cr = lot.Cr;
  const double X = lot.X, Y = lot.Y;
  Lawn(lot);
  Paving(cr, X + 12, Y + 14, 56, 56, Hex(0xE2D8C4), 7);
  const double cx = X + 40, base = Y + 52;
  BlockShadow(lot.P, cx - 10, base - 12, 20, 12, 36);
  Block(cr, cx - 10, base - 12, 20, 12, 10, Hex(0xD0C6B4), Hex(0xE4DCCC));
  Block(cr, cx - 7, base - 20, 14, 8, 4, Hex(0xC8BEAC), Hex(0xDCD4C4));
  // The figure: a woman holding a torch up, in bronze with a verdigris sheen.
  const Colour bronze = Hex(0x6E8A6A);
  const double fy = base - 24;
  ShapePath body = [=](cairo_t* c) {
    cairo_move_to(c, cx - 4, fy);
    cairo_curve_to(c, cx - 4.5, fy - 8, cx - 3, fy - 14, cx - 1.5, fy - 17);
    cairo_line_to(c, cx + 2, fy - 17);
    cairo_curve_to(c, cx + 3, fy - 14, cx + 4.5, fy - 8, cx + 4, fy);
    cairo_close_path(c);
  };
  Shade(cr, body, bronze, 0.8, 0.25, 0.15);
  Shade(
      cr, [=](cairo_t* c) { Ellipse(c, cx + 0.3, fy - 19.5, 2.4, 2.6); }, bronze, 0.7, 0.3, 0.1);
  Stroke(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, cx + 2, fy - 15);
        cairo_line_to(c, cx + 5, fy - 24);
      },
      OutlineOf(bronze), 2.2);
  Stroke(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, cx + 2, fy - 15);
        cairo_line_to(c, cx + 5, fy - 24);
      },
      bronze.Lighter(0.1), 1.2);
  Fill(
      cr, [=](cairo_t* c) { Ellipse(c, cx + 5.2, fy - 26, 1.6, 2.4); }, Hex(0xF2C23C));
  for (double bx : {X + 16.0, X + 64.0}) GardenTrees(lot, {Plant(TREE_Bush, bx, Y + 66, 10, uint64_t(bx))});
  Bench(cr, X + 18, Y + 30);
  Bench(cr, X + 54, Y + 30);
}

// A Chinese garden: a pond with a red bridge, a pagoda, lanterns and pines.
void DrawChineseGarden(Lot& lot) {
  cairo_t* cr = lot.Cr;
  const double X = lot.X, Y = lot.Y;
  Lawn(lot);
  // The pond.
  GroundShadow(
      lot.P, [=](cairo_t* c) { Ellipse(c, X + 62, Y + 86, 44, 20); }, -1, -1, 2, 0.35);
  Shade(
      cr, [=](cairo_t* c) { Ellipse(c, X + 62, Y + 86, 44, 20); }, Hex(0x2F9AB3), 0.9, 0.2, 0.1);
  for (int i = 0; i < 5; ++i) {
    double lx = X + 30 + i * 14, ly = Y + 88 + (i % 2) * 6;
    Fill(
        cr, [=](cairo_t* c) { Ellipse(c, lx, ly, 3, 2); }, Hex(0x5AA53A));
    if (i % 2 == 0)
      Fill(
          cr, [=](cairo_t* c) { Ellipse(c, lx + 1, ly - 0.5, 1.1, 1.1); }, Hex(0xF78FB3));
  }
  // The arched red bridge across it.
  for (int side = 0; side < 2; ++side) {
    double off = side ? 5 : 0;
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, X + 40, Y + 74 + off);
          cairo_curve_to(c, X + 54, Y + 62 + off, X + 70, Y + 62 + off, X + 84, Y + 74 + off);
        },
        side ? Hex(0xB82A2A) : Hex(0xD9402E), side ? 2.5 : 4);
  }
  for (int i = 0; i < 5; ++i) {
    double t = (i + 0.5) / 5, bx = X + 40 + 44 * t, by = Y + 74 - std::sin(t * Pi) * 9;
    Fill(
        cr, [=](cairo_t* c) { cairo_rectangle(c, bx - 0.6, by - 5, 1.2, 5); }, Hex(0xB82A2A));
  }
  // The pagoda: three tiers with upturned eaves.
  const double px = X + 28, py = Y + 52;
  BlockShadow(lot.P, px - 14, py - 16, 28, 16, 40);
  for (int tier = 0; tier < 3; ++tier) {
    double w = 26 - tier * 6, bottom = py - tier * 14, wall = 8;
    Shade(
        cr, [=](cairo_t* c) { cairo_rectangle(c, px - w / 2, bottom - wall, w, wall); }, Hex(0xC8352A), 0.8);
    Fill(
        cr, [=](cairo_t* c) { cairo_rectangle(c, px - 2, bottom - wall + 2, 4, wall - 2); }, Hex(0x3A2018));
    ShapePath roof = [=](cairo_t* c) {
      double rw = w / 2 + 6, ry = bottom - wall;
      cairo_move_to(c, px - rw - 1, ry - 3);
      cairo_curve_to(c, px - rw + 2, ry, px - w / 2, ry, px - w / 2 + 1, ry - 1);
      cairo_line_to(c, px, ry - 7);
      cairo_line_to(c, px + w / 2 - 1, ry - 1);
      cairo_curve_to(c, px + w / 2, ry, px + rw - 2, ry, px + rw + 1, ry - 3);
      cairo_line_to(c, px, ry - 9);
      cairo_close_path(c);
    };
    Shade(cr, roof, Hex(0x2E5A4A), 0.9, 0.25, 0.1);
  }
  Stroke(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, px, py - 42 - 9);
        cairo_line_to(c, px, py - 42 - 16);
      },
      Hex(0xF2C23C), 1.5);
  // Stone lanterns and the red gate at the front.
  for (double lx : {X + 94.0, X + 106.0}) {
    Block(cr, lx - 2.5, Y + 52, 5, 4, 9, Hex(0xC8C0B0), Hex(0xDCD4C4));
    Fill(
        cr, [=](cairo_t* c) { cairo_rectangle(c, lx - 1.2, Y + 47, 2.4, 2.5); }, Hex(0xFFE066));
  }
  for (double gx : {X + 86.0, X + 112.0})
    Shade(
        cr, [=](cairo_t* c) { cairo_rectangle(c, gx - 1.5, Y + 94, 3, 22); }, Hex(0xC8352A), 0.7);
  Shade(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, X + 80, Y + 94);
        cairo_curve_to(c, X + 90, Y + 97, X + 108, Y + 97, X + 118, Y + 94);
        cairo_line_to(c, X + 118, Y + 98);
        cairo_curve_to(c, X + 108, Y + 100, X + 90, Y + 100, X + 80, Y + 98);
        cairo_close_path(c);
      },
      Hex(0x3A2420), 0.7);
  Shade(
      cr, [=](cairo_t* c) { cairo_rectangle(c, X + 84, Y + 101, 30, 2.5); }, Hex(0xC8352A), 0.6);
  GardenTrees(lot, {Plant(TREE_Pine, X + 100, Y + 30, 26, 1), Plant(TREE_Pine, X + 10, Y + 100, 20, 2),
                    Plant(TREE_Bush, X + 64, Y + 40, 12, 3), Plant(TREE_Round, X + 112, Y + 72, 18, 4)});
}

}  // namespace TownArt
