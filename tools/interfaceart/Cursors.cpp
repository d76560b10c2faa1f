// The mouse cursor strip: eight cursors of 50 x 90 side by side, each with
// its hot spot at (11, 11). 0 pointer, 1 bulldozer, 2 road, 3 refused
// placement, 4 dragging the map, 5 refused demolition, 6 refused road,
// 7 information. Tool cursors are the pointer with a badge below right.
#include <cmath>

#include "interfaceart/Drawing.h"
#include "interfaceart/Pictures.h"

namespace InterfaceArt {

namespace {

constexpr double HotX = 11, HotY = 11;
constexpr double BadgeX = 32, BadgeY = 34;  // badge centre within a cell

void PointerPath(cairo_t* cr) {
  const double pts[][2] = {{0, 0}, {0, 19}, {4.6, 14.9}, {8, 22.2}, {11.4, 20.7}, {8.1, 13.6}, {14, 13.6}};
  cairo_move_to(cr, HotX + pts[0][0], HotY + pts[0][1]);
  for (const auto& p : pts) cairo_line_to(cr, HotX + p[0], HotY + p[1]);
  cairo_close_path(cr);
}

void DrawPointer(Picture& picture) {
  cairo_t* cr = picture.Cr();
  SoftShadow(picture, PointerPath, 1.5, 2, 1, 0.45);
  cairo_new_path(cr);
  PointerPath(cr);
  cairo_pattern_t* fill = VerticalGradient(HotY, HotY + 22, Palette::White, Hex(0xF1E7D2));
  cairo_set_source(cr, fill);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(fill);
  SetColour(cr, Palette::Ink);
  cairo_set_line_width(cr, 1.4);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

void Outline(cairo_t* cr, const Colour& c, double width) {
  SetColour(cr, c);
  cairo_set_line_width(cr, width);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

void DrawBulldozer(Picture& picture) {
  cairo_t* cr = picture.Cr();
  const double x = BadgeX - 12, y = BadgeY - 9;
  ShapePath whole = [=](cairo_t* c) { RoundedRect(c, x, y + 2, 25, 17, 3); };
  SoftShadow(picture, whole, 1.5, 2, 1, 0.35);
  // Tracks.
  cairo_new_path(cr);
  RoundedRect(cr, x + 6, y + 12, 19, 7, 3.5);
  SetColour(cr, Hex(0x4A4540));
  cairo_fill_preserve(cr);
  Outline(cr, Hex(0x2A2622), 1);
  for (double wx : {x + 10, x + 15.5, x + 21}) {
    cairo_new_path(cr);
    cairo_arc(cr, wx, y + 15.5, 1.6, 0, 2 * Pi);
    SetColour(cr, Hex(0x9A948C));
    cairo_fill(cr);
  }
  // Body and cab.
  cairo_new_path(cr);
  RoundedRect(cr, x + 7, y + 6, 17, 7, 1.5);
  FillWith(cr, [=](cairo_t* c) { RoundedRect(c, x + 7, y + 6, 17, 7, 1.5); },
           VerticalGradient(y + 6, y + 13, Hex(0xFFD65A), Hex(0xE09B12)));
  cairo_new_path(cr);
  RoundedRect(cr, x + 7, y + 6, 17, 7, 1.5);
  Outline(cr, Hex(0x7A4C08), 1);
  cairo_new_path(cr);
  RoundedRect(cr, x + 15, y + 0.5, 8, 6.5, 1.5);
  SetColour(cr, Hex(0xF5C232));
  cairo_fill_preserve(cr);
  Outline(cr, Hex(0x7A4C08), 1);
  cairo_new_path(cr);
  cairo_rectangle(cr, x + 16.8, y + 2, 4.4, 3.2);
  SetColour(cr, Hex(0xBFE3F2));
  cairo_fill(cr);
  // The blade in front.
  cairo_new_path(cr);
  cairo_move_to(cr, x + 0.5, y + 4);
  cairo_curve_to(cr, x + 3, y + 8, x + 3, y + 14, x + 0.5, y + 19);
  cairo_line_to(cr, x + 4.5, y + 19);
  cairo_curve_to(cr, x + 6.5, y + 14, x + 6.5, y + 8, x + 4.5, y + 4);
  cairo_close_path(cr);
  SetColour(cr, Hex(0xB9B4AC));
  cairo_fill_preserve(cr);
  Outline(cr, Hex(0x4A4540), 1);
  cairo_new_path(cr);
  cairo_move_to(cr, x + 4.5, y + 11);
  cairo_line_to(cr, x + 7, y + 10);
  Outline(cr, Hex(0x4A4540), 1.5);
}

void DrawRoadPiece(Picture& picture) {
  cairo_t* cr = picture.Cr();
  ShapePath piece = [](cairo_t* c) { RoundedRect(c, BadgeX - 12, BadgeY - 8, 24, 16, 3); };
  SoftShadow(picture, piece, 1.5, 2, 1, 0.35);
  FillWith(cr, piece, VerticalGradient(BadgeY - 8, BadgeY + 8, Hex(0x8A8580), Palette::Asphalt.Darker(0.1)));
  cairo_new_path(cr);
  piece(cr);
  Outline(cr, Hex(0x3A3632), 1.2);
  // Kerbs and the dashed middle line.
  for (double ky : {BadgeY - 5.5, BadgeY + 5.5}) {
    cairo_new_path(cr);
    cairo_move_to(cr, BadgeX - 10, ky);
    cairo_line_to(cr, BadgeX + 10, ky);
    SetColour(cr, Hex(0xD8D2C6), 0.9);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
  }
  for (double dx : {-8.5, -1.5, 5.5}) {
    cairo_new_path(cr);
    cairo_rectangle(cr, BadgeX + dx, BadgeY - 0.8, 3.5, 1.6);
    SetColour(cr, Hex(0xFFF4C2));
    cairo_fill(cr);
  }
}

void DrawRefusal(Picture& picture) {
  cairo_t* cr = picture.Cr();
  const double cx = BadgeX + 7, cy = BadgeY + 7, r = 8;
  ShapePath disc = [=](cairo_t* c) { cairo_arc(c, cx, cy, r + 1, 0, 2 * Pi); };
  SoftShadow(picture, disc, 1, 1.5, 1, 0.35);
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * Pi);
  SetColour(cr, Palette::White, 0.85);
  cairo_fill_preserve(cr);
  SetColour(cr, Palette::Warning);
  cairo_set_line_width(cr, 2.6);
  cairo_stroke(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, cx - r * 0.68, cy - r * 0.68);
  cairo_line_to(cr, cx + r * 0.68, cy + r * 0.68);
  cairo_set_line_width(cr, 2.6);
  cairo_stroke(cr);
}

void DrawInformation(Picture& picture) {
  cairo_t* cr = picture.Cr();
  ShapePath disc = [](cairo_t* c) { cairo_arc(c, BadgeX, BadgeY, 10, 0, 2 * Pi); };
  SoftShadow(picture, disc, 1.5, 2, 1, 0.4);
  FillWith(cr, disc, VerticalGradient(BadgeY - 10, BadgeY + 10, Palette::Sky.Lighter(0.35), Palette::Sky.Darker(0.2)));
  cairo_new_path(cr);
  disc(cr);
  Outline(cr, Palette::Sky.Darker(0.55), 1.3);
  cairo_new_path(cr);
  cairo_arc(cr, BadgeX, BadgeY - 5, 1.9, 0, 2 * Pi);
  SetColour(cr, Palette::White);
  cairo_fill(cr);
  cairo_new_path(cr);
  RoundedRect(cr, BadgeX - 1.7, BadgeY - 1.5, 3.4, 8.5, 1.2);
  cairo_fill(cr);
}

// Four arrows around the hot spot: the map is being dragged.
void MoveCrossPath(cairo_t* cr) {
  for (int i = 0; i < 4; ++i) {
    double a = i * Pi / 2;
    auto at = [&](double along, double across, double* px, double* py) {
      *px = HotX + std::cos(a) * along - std::sin(a) * across;
      *py = HotY + std::sin(a) * along + std::cos(a) * across;
    };
    double px, py;
    at(3, -2, &px, &py);
    cairo_move_to(cr, px, py);
    const double shape[][2] = {{6.5, -2}, {6.5, -5}, {11, 0}, {6.5, 5}, {6.5, 2}, {3, 2}};
    for (const auto& s : shape) {
      at(s[0], s[1], &px, &py);
      cairo_line_to(cr, px, py);
    }
    cairo_close_path(cr);
  }
  cairo_new_sub_path(cr);
  cairo_arc(cr, HotX, HotY, 3.2, 0, 2 * Pi);
}

void DrawMoveCross(Picture& picture) {
  cairo_t* cr = picture.Cr();
  SoftShadow(picture, MoveCrossPath, 1.5, 2, 1, 0.45);
  cairo_new_path(cr);
  MoveCrossPath(cr);
  SetColour(cr, Palette::White);
  cairo_fill_preserve(cr);
  Outline(cr, Palette::Ink, 1.3);
}

Tools::Image Cursor(int kind) {
  Picture picture(50, 90);
  if (kind == 4) {
    DrawMoveCross(picture);
    return picture.ToImage();
  }
  if (kind == 1 || kind == 5) DrawBulldozer(picture);
  if (kind == 2 || kind == 6) DrawRoadPiece(picture);
  if (kind == 7) DrawInformation(picture);
  if (kind == 3 || kind == 5 || kind == 6) DrawRefusal(picture);
  DrawPointer(picture);
  return picture.ToImage();
}

}  // namespace

Tools::Image DrawCursors() {
  Tools::Image strip(400, 90);
  for (int kind = 0; kind < 8; ++kind) strip.Blit(Cursor(kind), kind * 50, 0);
  return strip;
}

}  // namespace InterfaceArt
