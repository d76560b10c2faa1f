// The message dialog's panel and the plain white image the canvas fills
// rectangles with.
#include "interfaceart/Drawing.h"
#include "interfaceart/Pictures.h"

namespace InterfaceArt {

Tools::Image DrawWhite() {
  Tools::Image image(16, 16);
  for (Tools::Rgba& p : image.Data()) p = Tools::Rgba{255, 255, 255, 255};
  return image;
}

// 466 x 254: the panel is 440 x 228 with its top-left corner at (11, 7),
// where the dialog's own position lies; the rest is its shadow, cast down
// and to the right.
Tools::Image DrawDialogSmall() {
  Picture picture(466, 254);
  cairo_t* cr = picture.Cr();
  const double x = 11, y = 7, w = 440, h = 228;
  ShapePath frame = [=](cairo_t* c) { RoundedRect(c, x, y, w, h, 18); };
  ShapePath paper = [=](cairo_t* c) { RoundedRect(c, x + 11, y + 11, w - 22, h - 22, 10); };
  SoftShadow(picture, frame, 4, 6, 4, 0.45);
  // Wooden frame, lit from the top left, with a brass inlay.
  FillWith(cr, frame, VerticalGradient(y, y + h, Palette::WoodLight, Palette::WoodDark));
  Bevel(cr, frame, 2.0, 0.35, 0.35);
  cairo_new_path(cr);
  RoundedRect(cr, x + 6.5, y + 6.5, w - 13, h - 13, 13);
  SetColour(cr, Palette::Brass);
  cairo_set_line_width(cr, 2.0);
  cairo_stroke(cr);
  // Cream paper, a touch lighter at the top left, set into the frame.
  cairo_pattern_t* sheet = cairo_pattern_create_linear(x, y, x + w * 0.4, y + h);
  cairo_pattern_add_color_stop_rgb(sheet, 0, Palette::PaperLight.R, Palette::PaperLight.G, Palette::PaperLight.B);
  cairo_pattern_add_color_stop_rgb(sheet, 1, Palette::Paper.R, Palette::Paper.G, Palette::Paper.B);
  FillWith(cr, paper, sheet);
  Bevel(cr, paper, 2.0, 0.0, 0.22);  // set in: shaded along the top-left edge by the frame
  cairo_save(cr);
  cairo_new_path(cr);
  paper(cr);
  cairo_clip(cr);
  cairo_new_path(cr);
  RoundedRect(cr, x + 9, y + 9, w - 18, h - 18, 11);
  cairo_set_line_width(cr, 3);
  SetColour(cr, Palette::WoodDark, 0.18);
  cairo_stroke(cr);
  cairo_restore(cr);
  // A thin rule under the caption line.
  cairo_new_path(cr);
  cairo_move_to(cr, x + 60, y + 52.5);
  cairo_line_to(cr, x + w - 60, y + 52.5);
  SetColour(cr, Palette::Brass, 0.6);
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  for (double dotX : {x + 54, x + w - 54}) {
    cairo_new_path(cr);
    cairo_arc(cr, dotX, y + 52.5, 2.2, 0, 2 * Pi);
    SetColour(cr, Palette::Brass, 0.8);
    cairo_fill(cr);
  }
  return picture.ToImage();
}

}  // namespace InterfaceArt
