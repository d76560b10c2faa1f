#include "contactsheet/CairoPage.h"

namespace ContactSheet {

cairo_surface_t* ToSurface(const Tools::Image& image) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.GetWidth(), image.GetHeight());
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < image.GetHeight(); ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
    for (int x = 0; x < image.GetWidth(); ++x) {
      const Tools::Rgba& p = image.At(x, y);
      uint32_t a = p.A;
      uint32_t r = p.R * a / 255, g = p.G * a / 255, b = p.B * a / 255;
      row[x] = (a << 24) | (r << 16) | (g << 8) | b;
    }
  }
  cairo_surface_mark_dirty(surface);
  return surface;
}

Tools::Image FromSurface(cairo_surface_t* surface) {
  cairo_surface_flush(surface);
  int w = cairo_image_surface_get_width(surface), h = cairo_image_surface_get_height(surface);
  Tools::Image image(w, h);
  unsigned char* data = cairo_image_surface_get_data(surface);
  int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<const uint32_t*>(data + y * stride);
    for (int x = 0; x < w; ++x) {
      uint32_t v = row[x];
      uint32_t a = v >> 24;
      auto un = [&](uint32_t c) { return uint8_t(a ? (c * 255 + a / 2) / a : 0); };
      image.At(x, y) = Tools::Rgba{un((v >> 16) & 0xFF), un((v >> 8) & 0xFF), un(v & 0xFF), uint8_t(a)};
    }
  }
  return image;
}

void FillCheckerboard(cairo_t* cr, double x, double y, double w, double h, double square) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  cairo_set_source_rgb(cr, 0.93, 0.93, 0.93);
  cairo_paint(cr);
  cairo_set_source_rgb(cr, 0.80, 0.80, 0.80);
  for (int j = 0; j * square < h; ++j) {
    for (int i = 0; i * square < w; ++i) {
      if ((i + j) % 2) cairo_rectangle(cr, x + i * square, y + j * square, square, square);
    }
  }
  cairo_fill(cr);
  cairo_restore(cr);
}

void DrawLabel(cairo_t* cr, double x, double y, const std::string& text, double size, double r, double g, double b) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
  cairo_set_source_rgb(cr, r, g, b);
  cairo_move_to(cr, x, y);
  cairo_show_text(cr, text.c_str());
}

}  // namespace ContactSheet
