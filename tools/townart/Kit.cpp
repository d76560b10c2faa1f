#include "townart/Kit.h"

#include <algorithm>
#include <cmath>

namespace TownArt {

uint64_t Rng::NextBits() {
  uint64_t z = (State += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

double Rng::Next() { return double(NextBits() >> 11) / double(1ull << 53); }

namespace {

double Lattice(int x, int y, uint32_t seed) {
  uint32_t h = uint32_t(x) * 0x8DA6B343u ^ uint32_t(y) * 0xD8163841u ^ seed * 0xCB1AB31Fu;
  h ^= h >> 13;
  h *= 0x5BD1E995u;
  h ^= h >> 15;
  return (h & 0xFFFFFF) / double(0xFFFFFF);
}

int Wrap(int v, int period) {
  if (period <= 0) return v;
  v %= period;
  return v < 0 ? v + period : v;
}

}  // namespace

double Noise(double x, double y, uint32_t seed, int period) {
  double fx = std::floor(x), fy = std::floor(y);
  int ix = int(fx), iy = int(fy);
  double tx = x - fx, ty = y - fy;
  tx = tx * tx * (3 - 2 * tx);
  ty = ty * ty * (3 - 2 * ty);
  int x0 = Wrap(ix, period), x1 = Wrap(ix + 1, period), y0 = Wrap(iy, period), y1 = Wrap(iy + 1, period);
  double a = Lattice(x0, y0, seed), b = Lattice(x1, y0, seed);
  double c = Lattice(x0, y1, seed), d = Lattice(x1, y1, seed);
  return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
}

double Fractal(double x, double y, uint32_t seed, int octaves, int period) {
  double sum = 0, weight = 1, total = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += weight * Noise(x, y, seed + uint32_t(i) * 101u, period);
    total += weight;
    weight *= 0.5;
    x *= 2;
    y *= 2;
    period *= 2;
  }
  return sum / total;
}

Colour Mix(const Colour& a, const Colour& b, double t) {
  return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t};
}

Colour OutlineOf(const Colour& fill) {
  // Darker and a little more saturated: the hue's own ink.
  Colour d = fill.Darker(0.45);
  double l = (d.R + d.G + d.B) / 3;
  return {std::clamp(d.R + (d.R - l) * 0.3, 0.03, 1.0), std::clamp(d.G + (d.G - l) * 0.3, 0.03, 1.0),
          std::clamp(d.B + (d.B - l) * 0.3, 0.03, 1.0)};
}

void Shade(cairo_t* cr, const ShapePath& path, const Colour& fill, double outline, double light, double shade) {
  double x1, y1, x2, y2;
  cairo_new_path(cr);
  path(cr);
  cairo_path_extents(cr, &x1, &y1, &x2, &y2);
  cairo_pattern_t* p = cairo_pattern_create_linear(x1, y1, x2, y2);
  Colour a = fill.Lighter(light), b = fill.Darker(shade);
  cairo_pattern_add_color_stop_rgb(p, 0, a.R, a.G, a.B);
  cairo_pattern_add_color_stop_rgb(p, 1, b.R, b.G, b.B);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  if (outline > 0) {
    SetColour(cr, OutlineOf(fill));
    cairo_set_line_width(cr, outline);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
  }
  cairo_new_path(cr);
}

void Fill(cairo_t* cr, const ShapePath& path, const Colour& fill, double alpha) {
  cairo_new_path(cr);
  path(cr);
  SetColour(cr, fill, alpha);
  cairo_fill(cr);
}

void Stroke(cairo_t* cr, const ShapePath& path, const Colour& colour, double width, double alpha) {
  cairo_new_path(cr);
  path(cr);
  SetColour(cr, colour, alpha);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

void GroundShadow(Picture& picture, const ShapePath& path, double dx, double dy, int blur, double alpha) {
  // The path is in the picture's user space (which a tile may have moved).
  ShadowPass(
      picture,
      [&](cairo_t* c) {
        cairo_translate(c, dx, dy);
        path(c);
      },
      blur, alpha, Hex(0x17240F));
}

void ShadowPass(Picture& picture, const ShapePath& path, int blur, double alpha, const Colour& colour) {
  // The blurred mask is laid at the device origin, so the picture's own
  // transformation goes into the path and not under the mask.
  cairo_t* cr = picture.Cr();
  cairo_matrix_t m;
  cairo_get_matrix(cr, &m);
  cairo_save(cr);
  cairo_identity_matrix(cr);
  InterfaceArt::SoftShadow(
      picture,
      [&](cairo_t* c) {
        cairo_set_matrix(c, &m);
        path(c);
      },
      0, 0, blur, alpha, colour);
  cairo_restore(cr);
}

void BlockShadow(Picture& picture, double x, double y, double w, double d, double height, double alpha) {
  const double sx = height * 0.45, sy = height * 0.3;
  GroundShadow(
      picture,
      [=](cairo_t* c) {
        Polygon(c, {x, y, x + w, y, x + w + sx, y + sy, x + w + sx, y + d + sy, x + sx, y + d + sy, x, y + d});
      },
      0, 0, 3, alpha);
}

void BlobShadow(Picture& picture, double cx, double cy, double rx, double ry, double alpha) {
  GroundShadow(
      picture, [=](cairo_t* c) { Ellipse(c, cx, cy, rx, ry); }, 0, 0, 2, alpha);
}

void PaintPixels(Picture& picture, const std::function<Texel(int x, int y)>& texel) {
  cairo_surface_t* surface = cairo_get_target(picture.Cr());
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < picture.Height(); ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
    for (int x = 0; x < picture.Width(); ++x) {
      Texel t = texel(x, y);
      double a = std::clamp(t.A, 0.0, 1.0);
      if (a <= 0) continue;
      // Over what is there, in premultiplied form.
      uint32_t old = row[x];
      auto channel = [&](double v, int shift) {
        double under = ((old >> shift) & 0xFF) / 255.0;
        return uint32_t(std::lround(std::clamp(std::clamp(v, 0.0, 1.0) * a + under * (1 - a), 0.0, 1.0) * 255))
               << shift;
      };
      row[x] = channel(1.0, 24) | channel(t.C.R, 16) | channel(t.C.G, 8) | channel(t.C.B, 0);
    }
  }
  cairo_surface_mark_dirty(surface);
}

void Polygon(cairo_t* cr, std::initializer_list<double> xy) {
  const double* p = xy.begin();
  cairo_move_to(cr, p[0], p[1]);
  for (size_t i = 2; i + 1 < xy.size(); i += 2) cairo_line_to(cr, p[i], p[i + 1]);
  cairo_close_path(cr);
}

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * Pi);
  cairo_restore(cr);
}

}  // namespace TownArt
