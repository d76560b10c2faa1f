#pragma once
// Architecture: the parts buildings are made of, in the town's view from
// above and in front. A point on the ground keeps its place in the picture;
// a point h pixels above the ground is drawn h pixels higher. So a block of
// ground rectangle (x, y, w, d) and height h shows its roof as the rectangle
// (x, y - h, w, d) and its front wall as (x, y + d - h, w, h).

#include "townart/Flora.h"
#include "townart/Kit.h"
#include "townart/Landscape.h"

namespace TownArt {

// Where a building picture draws: the footprint's rectangle in the picture.
struct Lot {
  Picture& P;
  cairo_t* Cr;
  double X, Y, W, H;  // the footprint, pixels
  int Level;          // upgrade level 0..3
  const LandPalette& Pal;
  double Phase = 0;  // how far through its animation loop (0..1) a moving building is
};

// The plot's ground: a lawn (or paving) over the footprint with rounded
// corners and a soft rim, so it sits on any landscape.
void Lawn(Lot& lot, double inset = 2);
void Paving(cairo_t* cr, double x, double y, double w, double h, const Colour& stone, double slab = 6);
void GardenPath(cairo_t* cr, double x, double y, double w, double h);

// A flat-roofed block: front wall and roof. Its shadow is separate
// (BlockShadow), laid before the block.
void Block(cairo_t* cr, double x, double y, double w, double d, double h, const Colour& wall, const Colour& roof);
// Walls with a gable roof whose ridge runs left to right, rising `rise`
// above the eaves.
void GableHouseX(cairo_t* cr, double x, double y, double w, double d, double h, double rise, const Colour& wall,
                 const Colour& roof);
// Walls with a gable facing the front (the ridge runs front to back).
void GableHouseY(cairo_t* cr, double x, double y, double w, double d, double h, double rise, const Colour& wall,
                 const Colour& roof);
// Walls with a hipped roof.
void HipHouse(cairo_t* cr, double x, double y, double w, double d, double h, double rise, const Colour& wall,
              const Colour& roof);
// Snow lying on a roof drawn by the above: call after the roof.
void SnowOnRoof(cairo_t* cr, double x, double y, double w, double d, double h, double rise);
// While on, every roof drawn by the above (and flower beds) lies under snow:
// set for a whole picture of the snow landscape.
void SetSnowyRoofs(bool on);

// Details on a front wall (positions are the picture's, in pixels).
void Window(cairo_t* cr, double x, double y, double w, double h, const Colour& frame = Hex(0xF4F1EA));
void WindowRow(cairo_t* cr, double x, double y, double w, double h, int count, double gap,
               const Colour& frame = Hex(0xF4F1EA));
void Shutters(cairo_t* cr, double x, double y, double w, double h, const Colour& colour);
void Door(cairo_t* cr, double x, double y, double w, double h, const Colour& colour);
void Chimney(cairo_t* cr, double x, double y, double w, double h, const Colour& brick);
void Awning(cairo_t* cr, double x, double y, double w, double h, const Colour& a, const Colour& b);
void FlowerBox(cairo_t* cr, double x, double y, double w);

// Things in the garden.
void Pool(Picture& picture, double x, double y, double w, double h);
void PicketFence(cairo_t* cr, double x0, double x1, double y, const Colour& paint = Hex(0xF4F1EA));
void SideFence(cairo_t* cr, double x, double y0, double y1, const Colour& paint = Hex(0xF4F1EA));
void FlowerBed(cairo_t* cr, double x, double y, double w, double h, uint64_t seed);
void ParkedCar(Picture& picture, double x, double y, const Colour& body, bool across);
void Bench(cairo_t* cr, double x, double y);
void Lamp(cairo_t* cr, double x, double y);
void Flag(cairo_t* cr, double x, double y, double pole, const Colour& cloth);

// Trees for a garden: drawn in order of their base, with their shadows.
void GardenTrees(Lot& lot, std::initializer_list<TreeSpec> trees);

}  // namespace TownArt
