#pragma once
// Drawing: the few shapes and effects every interface picture is made of,
// over Cairo: rounded rectangles, top-left-lit gradients, soft shadows
// (the shape's alpha blurred and laid under it) and bevel edges.

#include <cairo.h>

#include <functional>

#include "common/Image.h"
#include "interfaceart/Palette.h"

namespace InterfaceArt {

class Picture {
public:
  Picture(int width, int height);
  ~Picture();
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  cairo_t* Cr() const { return Context; }
  int Width() const { return W; }
  int Height() const { return H; }
  // Straight alpha with transparent texels coloured like their neighbours.
  Tools::Image ToImage() const;

private:
  int W, H;
  cairo_surface_t* Surface;
  cairo_t* Context;
};

constexpr double Pi = 3.14159265358979323846;

using ShapePath = std::function<void(cairo_t*)>;

void SetColour(cairo_t* cr, const Colour& c, double alpha = 1.0);
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r);
// A vertical gradient from top to bottom over [y0, y1].
cairo_pattern_t* VerticalGradient(double y0, double y1, const Colour& top, const Colour& bottom);
// Fills the path with the gradient (the pattern is consumed).
void FillWith(cairo_t* cr, const ShapePath& path, cairo_pattern_t* pattern);
// The shape's silhouette, offset and blurred, in the given colour.
void SoftShadow(Picture& picture, const ShapePath& path, double dx, double dy, int blur, double alpha,
                const Colour& colour = Hex(0x1E1208));
// A light line along the top-left half of the outline and a dark one along
// the bottom-right, clipped to the shape: the bevel of a raised surface.
void Bevel(cairo_t* cr, const ShapePath& path, double width, double light, double dark);

}  // namespace InterfaceArt
