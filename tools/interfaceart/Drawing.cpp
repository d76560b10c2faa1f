#include "interfaceart/Drawing.h"

#include <cmath>
#include <vector>

namespace InterfaceArt {

Picture::Picture(int width, int height) : W(width), H(height) {
  Surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  Context = cairo_create(Surface);
  cairo_set_antialias(Context, CAIRO_ANTIALIAS_BEST);
}

Picture::~Picture() {
  cairo_destroy(Context);
  cairo_surface_destroy(Surface);
}

Tools::Image Picture::ToImage() const {
  cairo_surface_flush(Surface);
  Tools::Image image(W, H);
  const unsigned char* data = cairo_image_surface_get_data(Surface);
  int stride = cairo_image_surface_get_stride(Surface);
  for (int y = 0; y < H; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + y * stride);
    for (int x = 0; x < W; ++x) {
      uint32_t v = row[x], a = v >> 24;
      auto un = [&](uint32_t c) { return uint8_t(a ? std::min<uint32_t>(255, (c * 255 + a / 2) / a) : 0); };
      image.At(x, y) = Tools::Rgba{un((v >> 16) & 0xFF), un((v >> 8) & 0xFF), un(v & 0xFF), uint8_t(a)};
    }
  }
  image.BleedColourIntoTransparent();
  return image;
}

void SetColour(cairo_t* cr, const Colour& c, double alpha) { cairo_set_source_rgba(cr, c.R, c.G, c.B, alpha); }

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::min({r, w / 2, h / 2});
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -Pi / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, Pi / 2);
  cairo_arc(cr, x + r, y + h - r, r, Pi / 2, Pi);
  cairo_arc(cr, x + r, y + r, r, Pi, 3 * Pi / 2);
  cairo_close_path(cr);
}

cairo_pattern_t* VerticalGradient(double y0, double y1, const Colour& top, const Colour& bottom) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgb(p, 0, top.R, top.G, top.B);
  cairo_pattern_add_color_stop_rgb(p, 1, bottom.R, bottom.G, bottom.B);
  return p;
}

void FillWith(cairo_t* cr, const ShapePath& path, cairo_pattern_t* pattern) {
  cairo_new_path(cr);
  path(cr);
  cairo_set_source(cr, pattern);
  cairo_fill(cr);
  cairo_pattern_destroy(pattern);
}

void SoftShadow(Picture& picture, const ShapePath& path, double dx, double dy, int blur, double alpha,
                const Colour& colour) {
  const int w = picture.Width(), h = picture.Height();
  cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
  cairo_t* m = cairo_create(mask);
  cairo_translate(m, dx, dy);
  path(m);
  cairo_set_source_rgba(m, 0, 0, 0, 1);
  cairo_fill(m);
  cairo_destroy(m);
  cairo_surface_flush(mask);
  // Two box blurs in each direction come close to a Gaussian.
  unsigned char* data = cairo_image_surface_get_data(mask);
  int stride = cairo_image_surface_get_stride(mask);
  std::vector<float> a(size_t(w) * h), t(size_t(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) a[size_t(y) * w + x] = data[y * stride + x] / 255.0f;
  for (int pass = 0; pass < 2 && blur > 0; ++pass) {
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        float s = 0;
        for (int i = -blur; i <= blur; ++i) s += (x + i >= 0 && x + i < w) ? a[size_t(y) * w + x + i] : 0;
        t[size_t(y) * w + x] = s / float(2 * blur + 1);
      }
    }
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        float s = 0;
        for (int j = -blur; j <= blur; ++j) s += (y + j >= 0 && y + j < h) ? t[size_t(y + j) * w + x] : 0;
        a[size_t(y) * w + x] = s / float(2 * blur + 1);
      }
    }
  }
  cairo_surface_mark_dirty(mask);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) data[y * stride + x] = (unsigned char)std::lround(a[size_t(y) * w + x] * 255.0f);
  cairo_surface_mark_dirty(mask);
  cairo_t* cr = picture.Cr();
  SetColour(cr, colour, alpha);
  cairo_mask_surface(cr, mask, 0, 0);
  cairo_surface_destroy(mask);
}

void Bevel(cairo_t* cr, const ShapePath& path, double width, double light, double dark) {
  double x1, y1, x2, y2;
  cairo_save(cr);
  cairo_new_path(cr);
  path(cr);
  cairo_path_extents(cr, &x1, &y1, &x2, &y2);
  cairo_clip(cr);
  // Light along the top and left: the shape's outline moved down-right
  // leaves a lit band at the top-left edge; dark the other way round.
  for (int side = 0; side < 2; ++side) {
    cairo_save(cr);
    double d = side == 0 ? width : -width;
    cairo_new_path(cr);
    cairo_rectangle(cr, x1 - 4, y1 - 4, x2 - x1 + 8, y2 - y1 + 8);
    cairo_translate(cr, d, d);
    path(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    if (side == 0) {
      cairo_set_source_rgba(cr, 1, 1, 1, light);
    } else {
      cairo_set_source_rgba(cr, 0.12, 0.06, 0.0, dark);
    }
    cairo_fill(cr);
    cairo_restore(cr);
  }
  cairo_restore(cr);
}

}  // namespace InterfaceArt
