#pragma once
// Kit: the few things every town picture is made of, over the interface
// art's Cairo helpers. One light for the whole town, from the top left:
// fills are lighter towards the top left, outlines are a darker shade of the
// fill's own hue, and every object lays a soft shadow down and to the right.
//
// Randomness is our own seeded generator and hash noise, never the C
// library's, so a picture is the same bytes on every build.

#include <cairo.h>

#include <cstdint>
#include <functional>

#include "common/Image.h"
#include "interfaceart/Drawing.h"
#include "interfaceart/Palette.h"

namespace TownArt {

using InterfaceArt::Colour;
using InterfaceArt::Hex;
using InterfaceArt::Pi;
using InterfaceArt::Picture;
using InterfaceArt::RoundedRect;
using InterfaceArt::SetColour;
using InterfaceArt::ShapePath;

// A small seeded generator (SplitMix64): the same seed, the same numbers.
class Rng {
public:
  explicit Rng(uint64_t seed) : State(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}
  uint64_t NextBits();
  double Next();  // [0, 1)
  double Range(double low, double high) { return low + (high - low) * Next(); }
  int Below(int n) { return int(Next() * n); }

private:
  uint64_t State;
};

// Smooth value noise in [0, 1]; with period > 0 it repeats every period
// units on both axes, for textures that tile.
double Noise(double x, double y, uint32_t seed, int period = 0);
// Several octaves of Noise, each twice as fine; the period (if any) is that
// of the coarsest octave.
double Fractal(double x, double y, uint32_t seed, int octaves, int period = 0);

Colour Mix(const Colour& a, const Colour& b, double t);

// Fills the path with a gradient lit from the top left (light lighter at the
// top-left corner of its extents, shade darker at the bottom right) and
// strokes it with a darker shade of the same hue.
void Shade(cairo_t* cr, const ShapePath& path, const Colour& fill, double outline = 1.0, double light = 0.14,
           double shade = 0.12);
void Fill(cairo_t* cr, const ShapePath& path, const Colour& fill, double alpha = 1.0);
void Stroke(cairo_t* cr, const ShapePath& path, const Colour& colour, double width, double alpha = 1.0);
// The outline colour of a fill: the same hue, darker, never black.
Colour OutlineOf(const Colour& fill);

// A soft shadow of the path on the ground, down and to the right.
void GroundShadow(Picture& picture, const ShapePath& path, double dx, double dy, int blur = 3, double alpha = 0.32);
// One blurred shadow of everything the path draws (several shapes shade
// the ground once where they overlap), in the given colour.
void ShadowPass(Picture& picture, const ShapePath& path, int blur, double alpha, const Colour& colour);
// The shadow a block of the given ground rectangle and height lays: the
// rectangle swept towards the bottom right by a part of its height.
void BlockShadow(Picture& picture, double x, double y, double w, double d, double height, double alpha = 0.3);
// An ellipse of shadow, for round things standing on the ground.
void BlobShadow(Picture& picture, double cx, double cy, double rx, double ry, double alpha = 0.3);

// Paints every pixel over what is there from a function of its position:
// colour and opacity.
struct Texel {
  Colour C;
  double A;
};
void PaintPixels(Picture& picture, const std::function<Texel(int x, int y)>& texel);

void Polygon(cairo_t* cr, std::initializer_list<double> xy);
void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);

}  // namespace TownArt
