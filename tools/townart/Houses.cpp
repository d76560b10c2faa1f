// The seven house kinds, four levels each. Every level keeps what the one
// before it had and adds something a player sees at a glance: flowers and
// bushes, then a fence, trees and an extension, then a pool or a fountain.
#include <cmath>

#include "townart/BuildingShapes.h"

namespace TownArt {

namespace {

const Colour Cream = Hex(0xF1E4C8), Terracotta = Hex(0xC8553D), Slate = Hex(0x59606E), Brick = Hex(0xB5543A);
const Colour DoorGreen = Hex(0x3E7A4A), DoorBlue = Hex(0x2F5E8A), DoorRed = Hex(0x9A3A2E), Wood = Hex(0x8A5A2B);

TreeSpec Tree(TreeKind kind, double x, double y, double size, uint64_t seed) {
  TreeSpec t;
  t.Kind = kind;
  t.X = x;
  t.Y = y;
  t.Size = size;
  t.Seed = seed;
  return t;
}

void Bushes(Lot& lot, std::initializer_list<std::pair<double, double>> at, double size = 11) {
  std::vector<TreeSpec> bushes;
  uint64_t seed = 40;
  for (auto [x, y] : at) bushes.push_back(Tree(TREE_Bush, x, y, size, ++seed));
  DrawTrees(lot.P, bushes, lot.Pal, 0.28);
}

// A parasol over a little table, seen from above.
void Parasol(Picture& picture, double x, double y, const Colour& a, const Colour& b) {
  cairo_t* cr = picture.Cr();
  BlobShadow(picture, x + 4, y + 3, 7, 4, 0.25);
  for (int i = 0; i < 8; ++i) {
    double a0 = i * Pi / 4, a1 = a0 + Pi / 4;
    Fill(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, x, y - 8);
          cairo_arc(c, x, y - 8, 7, a0, a1);
          cairo_close_path(c);
        },
        i % 2 ? a : b);
  }
  Stroke(
      cr, [=](cairo_t* c) { Ellipse(c, x, y - 8, 7, 7); }, OutlineOf(a), 0.6);
}

}  // namespace

// The smallest house: one storey under a hipped terracotta roof.
void DrawBungalow(Lot& lot) {
  cairo_t* cr = lot.Cr;
  const double X = lot.X, Y = lot.Y;
  Lawn(lot);
  const double hx = X + 14, hy = Y + 30, hw = 74, hd = 42, hh = 18;
  GardenPath(cr, hx + hw / 2 - 5, hy + hd, 10, Y + 118 - (hy + hd));
  if (lot.Level >= 2) {
    // A garage beside the house, its drive down to the front.
    Paving(cr, X + 92, Y + 66, 22, 52, Hex(0xBDB6AA), 8);
    BlockShadow(lot.P, X + 92, Y + 38, 22, 30, 15);
  }
  BlockShadow(lot.P, hx, hy, hw, hd, hh + 10);
  if (lot.Level >= 2) {
    GableHouseX(cr, X + 92, Y + 38, 22, 30, 15, 7, Cream.Darker(0.05), Terracotta.Darker(0.1));
    Fill(
        cr, [=](cairo_t* c) { cairo_rectangle(c, X + 95, Y + 56, 16, 12); }, Hex(0xD8D2C6));
    for (int i = 0; i < 4; ++i)
      Stroke(
          cr,
          [=](cairo_t* c) {
            cairo_move_to(c, X + 95, Y + 58.5 + i * 3);
            cairo_line_to(c, X + 111, Y + 58.5 + i * 3);
          },
          Hex(0xA8A296), 0.6);
  }
  HipHouse(cr, hx, hy, hw, hd, hh, 17, Cream, Terracotta);
  const double wallTop = hy + hd - hh;
  Door(cr, hx + hw / 2 - 4, wallTop + 5, 8, 13, DoorGreen);
  Window(cr, hx + 9, wallTop + 5, 14, 9);
  Window(cr, hx + hw - 23, wallTop + 5, 14, 9);
  if (lot.Level >= 1) {
    FlowerBox(cr, hx + 9, wallTop + 15, 14);
    FlowerBox(cr, hx + hw - 23, wallTop + 15, 14);
    FlowerBed(cr, X + 8, Y + 84, 30, 9, 5);
    Bushes(lot, {{X + 12, Y + 108}, {hx + hw / 2 - 13, Y + 98}, {hx + hw / 2 + 14, Y + 98}});
  }
  if (lot.Level >= 2) {
    PicketFence(cr, X + 4, hx + hw / 2 - 7, Y + 117);
    PicketFence(cr, hx + hw / 2 + 7, X + 90, Y + 117);
    GardenTrees(lot, {Tree(TREE_Round, X + 10, Y + 34, 30, 7)});
  }
  if (lot.Level >= 3) {
    Pool(lot.P, X + 40, Y + 83, 22, 26);
    Paving(cr, X + 8, Y + 96, 28, 14, Hex(0xE0D4BC), 7);
    Parasol(lot.P, X + 22, Y + 104, Hex(0xF2F2F2), Hex(0x3FA7C9));
  }
}

// Red brick under a slate roof with its gable to the street, a chimney.
void DrawBrickHouse(Lot& lot) {
  cairo_t* cr = lot.Cr;
  const double X = lot.X, Y = lot.Y;
  Lawn(lot);
  const double hx = X + 28, hy = Y + 32, hw = 64, hd = 42, hh = 22;
  GardenPath(cr, hx + hw / 2 - 5, hy + hd, 10, Y + 118 - (hy + hd));
  if (lot.Level >= 2) BlockShadow(lot.P, X + 6, Y + 46, 26, 30, 16);
  BlockShadow(lot.P, hx, hy, hw, hd, hh + 16);
  if (lot.Level >= 2) {
    // A lower wing to the left with a bay window.
    GableHouseX(cr, X + 8, Y + 46, 24, 30, 16, 8, Brick.Lighter(0.05), Slate);
    Window(cr, X + 13, Y + 64, 14, 8);
  }
  GableHouseY(cr, hx, hy, hw, hd, hh, 18, Brick, Slate);
  // Courses of brick on the front wall.
  cairo_save(cr);
  cairo_new_path(cr);
  Polygon(cr, {hx, hy + hd, hx + hw, hy + hd, hx + hw, hy + hd - hh, hx + hw / 2, hy + hd - hh - 18, hx, hy + hd - hh});
  cairo_clip(cr);
  for (double y = hy + hd - 2.5; y > hy + hd - hh - 18; y -= 3)
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, hx, y);
          cairo_line_to(c, hx + hw, y);
        },
        Brick.Lighter(0.25), 0.4, 0.5);
  cairo_restore(cr);
  const double wallTop = hy + hd - hh;
  Chimney(cr, hx + hw - 16, hy - hh - 14, 6, 12, Brick.Darker(0.1));
  Door(cr, hx + hw / 2 - 4.5, wallTop + 7, 9, 15, DoorRed);
  Window(cr, hx + 7, wallTop + 7, 11, 10);
  Window(cr, hx + hw - 18, wallTop + 7, 11, 10);
  Window(cr, hx + hw / 2 - 4, wallTop - 10, 8, 7);
  if (lot.Level >= 1) {
    Shutters(cr, hx + 7, wallTop + 7, 11, 10, Hex(0x2F5A3A));
    Shutters(cr, hx + hw - 18, wallTop + 7, 11, 10, Hex(0x2F5A3A));
    FlowerBed(cr, hx - 2, hy + hd + 3, 24, 7, 9);
    FlowerBed(cr, hx + hw - 22, hy + hd + 3, 24, 7, 10);
    Bushes(lot, {{X + 12, Y + 84}, {X + 108, Y + 84}, {X + 40, Y + 104}, {X + 80, Y + 104}}, 12);
  }
  if (lot.Level >= 2) {
    DrawHedge(lot.P, X + 4, Y + 110, 50, 6, lot.Pal);
    DrawHedge(lot.P, X + 66, Y + 110, 50, 6, lot.Pal);
    Bench(cr, X + 12, Y + 96);
    GardenTrees(lot, {Tree(TREE_Round, X + 106, Y + 48, 30, 3), Tree(TREE_Round, X + 16, Y + 96, 26, 12)});
  }
  if (lot.Level >= 3) {
    // A glass house on the right, a pool before it.
    BlockShadow(lot.P, X + 94, Y + 60, 20, 18, 12);
    Block(cr, X + 94, Y + 60, 20, 18, 12, Hex(0xBFE0EC), Hex(0xD8EEF4));
    for (double u = X + 98; u < X + 114; u += 4)
      Stroke(
          cr,
          [=](cairo_t* c) {
            cairo_move_to(c, u, Y + 48);
            cairo_line_to(c, u, Y + 78);
          },
          Hex(0xFFFFFF), 0.7, 0.8);
    Pool(lot.P, X + 70, Y + 84, 40, 20);
  }
}

// Two floors of painted siding under a long roof with dormers.
void DrawTwoStorey(Lot& lot) {
  cairo_t* cr = lot.Cr;
  const double X = lot.X, Y = lot.Y;
  const Colour siding = Hex(0x8DB3D4), roof = Hex(0x4A4F5E);
  Lawn(lot);
  const double hx = X + 14, hy = Y + 26, hw = 92, hd = 40, hh = 34;
  GardenPath(cr, hx + 24 - 5, hy + hd, 10, Y + 118 - (hy + hd));
  BlockShadow(lot.P, hx, hy, hw, hd, hh + 12);
  GableHouseX(cr, hx, hy, hw, hd, hh, 16, siding, roof);
  const double wallTop = hy + hd - hh;
  // Clapboards.
  for (double y = wallTop + 4; y < hy + hd; y += 3)
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, hx, y);
          cairo_line_to(c, hx + hw, y);
        },
        siding.Darker(0.15), 0.4, 0.6);
  Chimney(cr, hx + 12, hy - hh - 12, 6, 10, Brick);
  WindowRow(cr, hx + 8, wallTop + 4, 10, 9, 5, 7.5);
  Door(cr, hx + 24 - 4.5, wallTop + 19, 9, 15, DoorBlue);
  Window(cr, hx + 40, wallTop + 20, 12, 9);
  Window(cr, hx + 60, wallTop + 20, 12, 9);
  Window(cr, hx + 78, wallTop + 20, 10, 9);
  if (lot.Level >= 1) {
    // A porch over the door on two posts.
    Fill(
        cr,
        [=](cairo_t* c) {
          cairo_rectangle(c, hx + 13, wallTop + 20, 1.5, 15);
          cairo_rectangle(c, hx + 33.5, wallTop + 20, 1.5, 15);
        },
        Hex(0xF4F1EA));
    Shade(
        cr,
        [=](cairo_t* c) {
          Polygon(c, {hx + 11, wallTop + 20, hx + 37, wallTop + 20, hx + 34, wallTop + 15, hx + 14, wallTop + 15});
        },
        roof.Lighter(0.1), 0.8);
    Bushes(lot, {{hx + 4, hy + hd + 8}, {hx + 44, hy + hd + 8}, {hx + 86, hy + hd + 8}});
    FlowerBed(cr, X + 8, Y + 96, 26, 10, 22);
    Bench(cr, X + 80, Y + 100);
  }
  if (lot.Level >= 2) {
    // Dormers in the roof, a balcony upstairs, trees behind.
    for (double dx : {hx + 40, hx + 64}) {
      Shade(
          cr, [=](cairo_t* c) { cairo_rectangle(c, dx, hy - hh + 4, 12, 8); }, siding.Lighter(0.1), 0.8);
      Shade(
          cr,
          [=](cairo_t* c) {
            Polygon(c, {dx - 2, hy - hh + 4, dx + 6, hy - hh - 2, dx + 14, hy - hh + 4});
          },
          roof.Lighter(0.15), 0.8);
      Window(cr, dx + 3, hy - hh + 6, 6, 5);
    }
    Shade(
        cr, [=](cairo_t* c) { cairo_rectangle(c, hx + 56, wallTop + 13, 34, 2); }, Hex(0xF4F1EA), 0.6);
    for (double u = hx + 57; u < hx + 90; u += 3)
      Fill(
          cr, [=](cairo_t* c) { cairo_rectangle(c, u, wallTop + 9, 0.8, 4); }, Hex(0xF4F1EA));
    PicketFence(cr, X + 4, hx + 18, Y + 117);
    PicketFence(cr, hx + 30, X + 116, Y + 117);
    FlowerBed(cr, X + 62, Y + 74, 46, 9, 21);
    if (lot.Level == 2) GardenTrees(lot, {Tree(TREE_Round, X + 86, Y + 104, 28, 13)});
  }
  if (lot.Level >= 3) {
    Paving(cr, X + 50, Y + 78, 62, 32, Hex(0xC9A57A), 5);
    Pool(lot.P, X + 56, Y + 82, 40, 22);
    Parasol(lot.P, X + 104, Y + 96, Hex(0xFFFFFF), Hex(0xE8604A));
    GardenTrees(lot, {Tree(TREE_Birch, X + 8, Y + 30, 30, 11)});
  }
}

// Two homes under one roof, each with its own door, path and colour.
void DrawDuplex(Lot& lot) {
  cairo_t* cr = lot.Cr;
  const double X = lot.X, Y = lot.Y;
  const Colour left = Hex(0xEBCB9E), right = Hex(0xC6D9A8), roof = Hex(0xA0503A);
  Lawn(lot);
  const double hx = X + 8, hy = Y + 14, hw = 104, hd = 34, hh = 22;
  for (double px : {hx + 22, hx + 82}) GardenPath(cr, px - 4, hy + hd, 8, Y + 78 - (hy + hd));
  BlockShadow(lot.P, hx, hy, hw, hd, hh + 10);
  GableHouseX(cr, hx, hy, hw, hd, hh, 13, left, roof);
  const double wallTop = hy + hd - hh;
  Shade(
      cr, [=](cairo_t* c) { cairo_rectangle(c, hx + hw / 2, wallTop, hw / 2, hh); }, right, 1.0, 0.08, 0.1);
  Fill(
      cr, [=](cairo_t* c) { cairo_rectangle(c, hx + hw / 2, wallTop + 3, 2, hh - 3); }, Hex(0xFFFFFF), 0.6);
  Fill(
      cr, [=](cairo_t* c) { cairo_rectangle(c, hx, wallTop, hw, 2.5); }, Hex(0x000000), 0.18);
  Chimney(cr, hx + hw / 2 - 3, hy - hh - 10, 6, 10, Brick);
  for (int side = 0; side < 2; ++side) {
    double ox = hx + side * hw / 2;
    Door(cr, ox + 18, wallTop + 8, 8, 14, side ? DoorBlue : DoorGreen);
    Window(cr, ox + 5, wallTop + 6, 10, 9);
    Window(cr, ox + 32, wallTop + 6, 12, 9);
  }
  if (lot.Level >= 1) {
    FlowerBox(cr, hx + 5, wallTop + 16, 10);
    FlowerBox(cr, hx + hw / 2 + 32, wallTop + 16, 12);
    Bushes(lot, {{X + 8, Y + 70}, {X + 112, Y + 70}}, 10);
    FlowerBed(cr, X + 34, Y + 62, 20, 8, 23);
    FlowerBed(cr, X + 66, Y + 62, 20, 8, 24);
  }
  if (lot.Level >= 2) {
    GardenTrees(lot, {Tree(TREE_Round, X + 9, Y + 44, 24, 14), Tree(TREE_Round, X + 111, Y + 44, 24, 15)});
    SideFence(cr, X + 60, Y + 52, Y + 78);
    PicketFence(cr, X + 3, hx + 17, Y + 78);
    PicketFence(cr, hx + 27, hx + 77, Y + 78);
    PicketFence(cr, hx + 87, X + 117, Y + 78);
  }
  if (lot.Level >= 3) {
    // Solar panels on the roof and a parasol in each garden.
    for (int i = 0; i < 4; ++i) {
      double px = hx + 10 + i * 22;
      Shade(
          cr, [=](cairo_t* c) { cairo_rectangle(c, px, hy - hh + 4, 16, 8); }, Hex(0x2E4A7A), 0.8, 0.25, 0.1);
      Stroke(
          cr,
          [=](cairo_t* c) {
            cairo_move_to(c, px + 8, hy - hh + 4);
            cairo_line_to(c, px + 8, hy - hh + 12);
          },
          Hex(0x9AB8E0), 0.5);
    }
    Parasol(lot.P, X + 44, Y + 64, Hex(0xFFFFFF), Hex(0xF2A03C));
    Parasol(lot.P, X + 102, Y + 62, Hex(0xFFFFFF), Hex(0x3FA7C9));
  }
}

// A block of flats: three floors, then four; balconies, a roof garden, a
// pool on the roof.
void DrawApartments(Lot& lot) {
  cairo_t* cr = lot.Cr;
  const double X = lot.X, Y = lot.Y;
  const Colour wall = Hex(0xE6D2B5), roof = Hex(0xB9B2A6), trim = Hex(0xC97B4A);
  Lawn(lot);
  Paving(cr, X + 6, Y + 74, 108, 10, Hex(0xD6CDBD), 5);
  const int floors = lot.Level >= 2 ? 4 : 3;
  const double hx = X + 12, hy = Y + 22, hw = 96, hd = 52, floorH = 17, hh = floors * floorH + 4;
  GardenPath(cr, hx + hw / 2 - 6, Y + 84, 12, 34);
  BlockShadow(lot.P, hx, hy, hw, hd, hh);
  Block(cr, hx, hy, hw, hd, hh, wall, roof);
  const double base = hy + hd;
  for (int f = 0; f < floors; ++f) {
    double fy = base - (f + 1) * floorH;
    Fill(
        cr, [=](cairo_t* c) { cairo_rectangle(c, hx, fy + floorH - 1.5, hw, 1.5); }, trim, 0.8);
    for (int i = 0; i < 6; ++i) {
      double wx = hx + 6 + i * 15.2;
      if (f == 0 && (i == 2 || i == 3)) continue;
      Window(cr, wx, fy + 4, 9, 9);
      if (lot.Level >= 1 && f > 0 && i % 2 == 0) {
        Shade(
            cr, [=](cairo_t* c) { cairo_rectangle(c, wx - 2, fy + 12, 13, 3.5); }, Hex(0xF4F1EA), 0.7);
        FlowerBox(cr, wx - 1, fy + 12, 11);
      }
    }
  }
  // The entrance with its canopy.
  Door(cr, hx + hw / 2 - 7, base - 14, 14, 14, Hex(0x6A4A30));
  Fill(
      cr,
      [=](cairo_t* c) {
        Polygon(c, {hx + hw / 2 - 11, base - 15, hx + hw / 2 + 11, base - 15, hx + hw / 2 + 9, base - 18,
                    hx + hw / 2 - 9, base - 18});
      },
      trim);
  const double top = hy - hh;
  // Roof fittings: a stair house and vents.
  Block(cr, hx + 70, top + 8, 16, 12, 7, roof.Darker(0.1), roof.Lighter(0.1));
  if (lot.Level >= 2) {
    // A roof garden: planters and small trees.
    for (int i = 0; i < 3; ++i) FlowerBed(cr, hx + 8 + i * 18, top + 6, 14, 6, 70 + i);
    GardenTrees(lot, {Tree(TREE_Round, hx + 10, top + 34, 18, 5), Tree(TREE_Round, hx + 56, top + 34, 18, 6)});
  }
  if (lot.Level >= 3) {
    Pool(lot.P, hx + 6, top + 16, 40, 16);
    Parasol(lot.P, hx + 58, top + 26, Hex(0xFFFFFF), Hex(0xE8604A));
    for (double px : {X + 16, X + 104}) Lamp(cr, px, Y + 112);
  }
  if (lot.Level >= 1) Bushes(lot, {{X + 12, Y + 100}, {X + 34, Y + 108}, {X + 86, Y + 108}, {X + 108, Y + 100}}, 12);
  if (lot.Level >= 3) {
    ParkedCar(lot.P, X + 10, Y + 86, Hex(0xD9482B), true);
    ParkedCar(lot.P, X + 94, Y + 86, Hex(0x3F86C9), true);
  }
}

// A white manor house with a portico; wings, then a fountain.
void DrawMansion(Lot& lot) {
  cairo_t* cr = lot.Cr;
  const double X = lot.X, Y = lot.Y;
  const Colour wall = Hex(0xF4EFE4), roof = Hex(0x55606F);
  Lawn(lot);
  // The gravel drive.
  Paving(cr, X + 64, Y + 52, 32, 26, Hex(0xE2D8C4), 4);
  const double hx = X + 36, hy = Y + 10, hw = 88, hd = 34, hh = 26;
  if (lot.Level >= 2) {
    BlockShadow(lot.P, X + 8, Y + 18, 30, 26, 18);
    BlockShadow(lot.P, X + 122, Y + 18, 30, 26, 18);
  }
  BlockShadow(lot.P, hx, hy, hw, hd, hh + 12);
  if (lot.Level >= 2) {
    for (double wx : {X + 8.0, X + 122.0}) {
      HipHouse(cr, wx, Y + 18, 30, 26, 18, 10, wall.Darker(0.03), roof);
      WindowRow(cr, wx + 5, Y + 30, 7, 9, 2, 6, Hex(0xFFFFFF));
    }
  }
  HipHouse(cr, hx, hy, hw, hd, hh, 14, wall, roof);
  const double wallTop = hy + hd - hh;
  for (int i = 0; i < 6; ++i) {
    if (i == 2 || i == 3) continue;
    double wx = hx + 6 + i * 14;
    Window(cr, wx, wallTop + 3, 8, 8, Hex(0xFFFFFF));
    Window(cr, wx, wallTop + 15, 8, 9, Hex(0xFFFFFF));
    if (lot.Level >= 1) {
      Shutters(cr, wx, wallTop + 3, 8, 8, Hex(0x3A4A5E));
      Shutters(cr, wx, wallTop + 15, 8, 9, Hex(0x3A4A5E));
    }
  }
  // The portico: a pediment on four columns.
  const double px = hx + hw / 2 - 15;
  Door(cr, px + 11, wallTop + 13, 8, 13, Hex(0x5A3A22));
  for (int i = 0; i < 4; ++i)
    Shade(
        cr, [=](cairo_t* c) { cairo_rectangle(c, px + 1 + i * 9, wallTop + 4, 2.5, 22); }, Hex(0xFFFFFF), 0.6, 0.1,
        0.15);
  Shade(
      cr,
      [=](cairo_t* c) {
        Polygon(c, {px - 2, wallTop + 4, px + 32, wallTop + 4, px + 15, wallTop - 6});
      },
      Hex(0xFBF8F0), 0.8);
  if (lot.Level >= 1) {
    DrawHedge(lot.P, X + 6, Y + 66, 54, 6, lot.Pal);
    DrawHedge(lot.P, X + 100, Y + 66, 54, 6, lot.Pal);
  }
  if (lot.Level >= 3) {
    // A round fountain in the drive, topiary either side.
    Shade(
        cr, [=](cairo_t* c) { Ellipse(c, X + 80, Y + 64, 11, 6); }, Hex(0xE8E0D0), 0.8);
    Fill(
        cr, [=](cairo_t* c) { Ellipse(c, X + 80, Y + 64, 8.5, 4.5); }, Hex(0x4FB3D9));
    Fill(
        cr, [=](cairo_t* c) { Ellipse(c, X + 80, Y + 60, 2, 5); }, Hex(0xDFF6FF), 0.9);
    GardenTrees(lot, {Tree(TREE_Pine, X + 58, Y + 76, 16, 1), Tree(TREE_Pine, X + 102, Y + 76, 16, 2)});
    for (double lx : {X + 62.0, X + 98.0}) Lamp(cr, lx, Y + 54);
  }
}

// A stone chateau with round towers under blue slate.
void DrawChateau(Lot& lot) {
  cairo_t* cr = lot.Cr;
  const double X = lot.X, Y = lot.Y;
  const Colour stone = Hex(0xDCD0B8), slate = Hex(0x4A5A7E);
  Lawn(lot);
  Paving(cr, X + 66, Y + 70, 28, 48, Hex(0xE2D8C4), 4);
  if (lot.Level >= 1) {
    // A formal garden: clipped hedges in squares either side of the drive.
    for (double gx : {X + 10.0, X + 100.0}) {
      DrawHedge(lot.P, gx, Y + 84, 50, 5, lot.Pal);
      DrawHedge(lot.P, gx, Y + 108, 50, 5, lot.Pal);
      FlowerBed(cr, gx + 8, Y + 92, 34, 10, uint64_t(gx));
    }
  }
  const double hx = X + 30, hy = Y + 28, hw = 100, hd = 40, hh = 32;
  BlockShadow(lot.P, hx - 14, hy, hw + 28, hd, hh + 24);
  HipHouse(cr, hx, hy, hw, hd, hh, 22, stone, slate);
  const double wallTop = hy + hd - hh;
  for (int i = 0; i < 7; ++i) {
    if (i == 3) continue;
    double wx = hx + 6 + i * 13.3;
    Window(cr, wx, wallTop + 4, 7, 10, Hex(0xF6F2E8));
    Window(cr, wx, wallTop + 19, 7, 9, Hex(0xF6F2E8));
  }
  Shade(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, hx + hw / 2 - 6, wallTop + hh);
        cairo_line_to(c, hx + hw / 2 - 6, wallTop + 20);
        cairo_arc(c, hx + hw / 2, wallTop + 20, 6, Pi, 2 * Pi);
        cairo_line_to(c, hx + hw / 2 + 6, wallTop + hh);
        cairo_close_path(c);
      },
      Hex(0x6A4A30), 1.0);
  // Dormers in the slate.
  for (int i = 0; i < 3; ++i) {
    double dx = hx + 26 + i * 22;
    Shade(
        cr, [=](cairo_t* c) { cairo_rectangle(c, dx, hy - hh + 2, 8, 8); }, stone, 0.8);
    Shade(
        cr,
        [=](cairo_t* c) {
          Polygon(c, {dx - 1.5, hy - hh + 2, dx + 4, hy - hh - 5, dx + 9.5, hy - hh + 2});
        },
        slate.Lighter(0.1), 0.8);
    Window(cr, dx + 2, hy - hh + 4, 4, 5);
  }
  // Towers at the front corners, a taller one in the middle at level 2.
  auto tower = [&](double cx, double base, double r, double h, double cone) {
    cairo_new_path(cr);
    cairo_rectangle(cr, cx - r, base - h, 2 * r, h);
    Ellipse(cr, cx, base, r, r * 0.45);
    cairo_pattern_t* p = cairo_pattern_create_linear(cx - r, 0, cx + r, 0);
    Colour a = stone.Lighter(0.15), b = stone.Darker(0.22);
    cairo_pattern_add_color_stop_rgb(p, 0, a.R, a.G, a.B);
    cairo_pattern_add_color_stop_rgb(p, 1, b.R, b.G, b.B);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, cx - r, base - h);
          cairo_line_to(c, cx - r, base);
          cairo_move_to(c, cx + r, base - h);
          cairo_line_to(c, cx + r, base);
        },
        OutlineOf(stone), 1.0);
    Window(cr, cx - 2.5, base - h + 8, 5, 8, Hex(0xF6F2E8));
    if (h > 40) Window(cr, cx - 2.5, base - h + 24, 5, 8, Hex(0xF6F2E8));
    ShapePath roofCone = [=](cairo_t* c) {
      cairo_move_to(c, cx - r - 2.5, base - h);
      cairo_line_to(c, cx, base - h - cone);
      cairo_line_to(c, cx + r + 2.5, base - h);
      cairo_curve_to(c, cx + r, base - h + r * 0.5, cx - r, base - h + r * 0.5, cx - r - 2.5, base - h);
      cairo_close_path(c);
    };
    Shade(cr, roofCone, slate, 1.0, 0.25, 0.15);
    if (lot.Pal.SnowOnTop)
      Fill(
          cr,
          [=](cairo_t* c) {
            Polygon(c, {cx - r * 0.6, base - h - cone * 0.4, cx, base - h - cone, cx + r * 0.2, base - h - cone * 0.5});
          },
          Hex(0xFFFFFF), 0.9);
    if (lot.Level >= 2) Flag(cr, cx, base - h - cone, 8, Hex(0xC8453A));
  };
  if (lot.Level >= 2) tower(hx + hw / 2, hy + 6, 9, 46, 24);
  tower(hx - 2, hy + hd + 2, 12, 44, 24);
  tower(hx + hw + 2, hy + hd + 2, 12, 44, 24);
  if (lot.Level >= 3) {
    Shade(
        cr, [=](cairo_t* c) { Ellipse(c, X + 80, Y + 96, 14, 8); }, Hex(0xE8E0D0), 0.8);
    Fill(
        cr, [=](cairo_t* c) { Ellipse(c, X + 80, Y + 96, 11, 6); }, Hex(0x4FB3D9));
    Fill(
        cr, [=](cairo_t* c) { Ellipse(c, X + 80, Y + 91, 2.2, 6); }, Hex(0xDFF6FF), 0.9);
    GardenTrees(lot, {Tree(TREE_Pine, X + 8, Y + 60, 22, 1), Tree(TREE_Pine, X + 152, Y + 60, 22, 2),
                      Tree(TREE_Round, X + 12, Y + 30, 26, 3), Tree(TREE_Round, X + 148, Y + 30, 26, 4)});
  }
}

}  // namespace TownArt
