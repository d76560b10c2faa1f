#pragma once
// Small helpers over Cairo for the review pages.

#include <cairo.h>

#include <string>

#include "common/Image.h"

namespace ContactSheet {

// A Cairo surface holding the image (premultiplied, as Cairo wants it).
cairo_surface_t* ToSurface(const Tools::Image& image);
// The page as a straight-alpha image, for the PNG writer.
Tools::Image FromSurface(cairo_surface_t* surface);

void FillCheckerboard(cairo_t* cr, double x, double y, double w, double h, double square);
void DrawLabel(cairo_t* cr, double x, double y, const std::string& text, double size, double r, double g, double b);

}  // namespace ContactSheet
