// The small pictures the map draws over buildings and vans:
//  - images/buildings/ProgressBar_empty, _full: 60 x 10, the full one drawn
//    over the empty one cut to the job's progress;
//  - images/buildings/Icon*: 24 x 24 status badges (IconForSale_* 28 x 28),
//    IconStar_own / _rival 20 x 20 marks of the owner;
//  - images/buildings/MenuButtons_normal, _over, _pressed, _disabled: a
//    strip of eight 40 x 40 round buttons for the building menu: cancel,
//    buy, sell, upgrade, repair, special ability, construct, information;
//    MenuButtonCooldown 40 x 40, laid over a button while it recharges;
//  - images/buildings/BankCheck: 48 x 30, the bonus check over a house;
//  - images/Dollar: 24 x 24 coin (the money popup); images/IconAcceleration:
//    24 x 24 (over vans while the office speeds them up); images/hud/InfoVan:
//    26 x 16; images/effects/BrockenHouses: 48 x 48 smoke over a broken house.
#include <cmath>

#include "townart/Kit.h"
#include "townart/Pictures.h"

namespace TownArt {

namespace {

const Colour Gold = Hex(0xF2C23C), GoldDark = Hex(0xB8862A), Ink = Hex(0x3B2A1A), Red = Hex(0xD9482B);
const Colour Green = Hex(0x4E9A36), Blue = Hex(0x3F86C9), White = Hex(0xFFFFFF);

void Glyph(cairo_t* cr, const char* text, double cx, double cy, double size, const Colour& colour) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text, &e);
  cairo_move_to(cr, cx - e.width / 2 - e.x_bearing, cy - e.height / 2 - e.y_bearing);
  SetColour(cr, colour);
  cairo_show_text(cr, text);
  cairo_new_path(cr);
}

// A round badge with a light rim and a drop shadow.
void Badge(Picture& picture, double cx, double cy, double r, const Colour& fill) {
  cairo_t* cr = picture.Cr();
  GroundShadow(
      picture, [=](cairo_t* c) { Ellipse(c, cx + 1, cy + 1.5, r, r); }, 0, 0, 1, 0.45);
  Shade(
      cr, [=](cairo_t* c) { Ellipse(c, cx, cy, r, r); }, fill, 1.2, 0.3, 0.15);
  Stroke(
      cr, [=](cairo_t* c) { Ellipse(c, cx, cy, r - 1.6, r - 1.6); }, White, 0.9, 0.55);
}

void StarPath(cairo_t* cr, double cx, double cy, double r) {
  for (int i = 0; i < 10; ++i) {
    double a = -Pi / 2 + i * Pi / 5, rr = i % 2 ? r * 0.45 : r;
    if (i == 0)
      cairo_move_to(cr, cx + std::cos(a) * rr, cy + std::sin(a) * rr);
    else
      cairo_line_to(cr, cx + std::cos(a) * rr, cy + std::sin(a) * rr);
  }
  cairo_close_path(cr);
}

void VanShape(cairo_t* cr, double x, double y, double s, const Colour& body) {
  // A side view: box body, cab with a window, two wheels.
  Shade(
      cr, [=](cairo_t* c) { RoundedRect(c, x, y, 11 * s, 7 * s, 1.2 * s); }, body, 0.8, 0.2, 0.1);
  Shade(
      cr, [=](cairo_t* c) { RoundedRect(c, x + 10 * s, y + 2 * s, 5 * s, 5 * s, 1.2 * s); }, body.Darker(0.1), 0.8);
  Fill(
      cr, [=](cairo_t* c) { cairo_rectangle(c, x + 11 * s, y + 2.8 * s, 2.8 * s, 1.8 * s); }, Hex(0xBFE0F0));
  for (double wx : {x + 3 * s, x + 12 * s}) {
    Fill(
        cr, [=](cairo_t* c) { Ellipse(c, wx, y + 7.2 * s, 1.7 * s, 1.7 * s); }, Hex(0x2A2A2E));
    Fill(
        cr, [=](cairo_t* c) { Ellipse(c, wx, y + 7.2 * s, 0.7 * s, 0.7 * s); }, Hex(0xB0B0B4));
  }
}

Tools::Image ProgressBar(bool full) {
  Picture picture(60, 10);
  cairo_t* cr = picture.Cr();
  if (!full) {
    Shade(
        cr, [](cairo_t* c) { RoundedRect(c, 0.5, 0.5, 59, 9, 4.5); }, Hex(0x3A3028), 1.0, 0.0, 0.1);
    Fill(
        cr, [](cairo_t* c) { RoundedRect(c, 2, 2, 56, 3, 1.5); }, Hex(0x000000), 0.35);
  } else {
    cairo_new_path(cr);
    RoundedRect(cr, 0.5, 0.5, 59, 9, 4.5);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 10);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.75, 0.92, 0.45);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.30, 0.62, 0.20);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    Fill(
        cr, [](cairo_t* c) { RoundedRect(c, 3, 1.5, 54, 2.5, 1.2); }, White, 0.45);
    Stroke(
        cr, [](cairo_t* c) { RoundedRect(c, 0.5, 0.5, 59, 9, 4.5); }, OutlineOf(Green), 1.0);
  }
  return picture.ToImage();
}

Tools::Image Star(bool own) {
  Picture picture(20, 20);
  GroundShadow(
      picture, [](cairo_t* c) { StarPath(c, 10.8, 11, 8.5); }, 0, 0, 1, 0.45);
  Shade(
      picture.Cr(), [](cairo_t* c) { StarPath(c, 10, 10, 8.5); }, own ? Gold : Hex(0xC8453A), 1.0, 0.35, 0.15);
  return picture.ToImage();
}

using IconPainter = void (*)(cairo_t* cr, double cx, double cy);

Tools::Image Icon(const Colour& badge, IconPainter paint) {
  Picture picture(24, 24);
  Badge(picture, 12, 11.5, 10, badge);
  paint(picture.Cr(), 12, 11.5);
  return picture.ToImage();
}

void PaintVan(cairo_t* cr, double cx, double cy) { VanShape(cr, cx - 7.5, cy - 4.5, 1.0, Hex(0xF2A03C)); }
void PaintBroken(cairo_t* cr, double cx, double cy) {
  // A house with a crack through it.
  Fill(
      cr,
      [=](cairo_t* c) {
        Polygon(c, {cx - 6, cy + 5, cx - 6, cy - 1, cx, cy - 6.5, cx + 6, cy - 1, cx + 6, cy + 5});
      },
      White);
  Stroke(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, cx + 1, cy - 6);
        cairo_line_to(c, cx - 1.5, cy - 1.5);
        cairo_line_to(c, cx + 1.5, cy + 0.5);
        cairo_line_to(c, cx - 1, cy + 5);
      },
      Red.Darker(0.2), 1.4);
}
void PaintNoConnection(cairo_t* cr, double cx, double cy) {
  Fill(
      cr, [=](cairo_t* c) { cairo_rectangle(c, cx - 7, cy - 3, 14, 6); }, Hex(0x6E6A66));
  Fill(
      cr,
      [=](cairo_t* c) {
        cairo_rectangle(c, cx - 6, cy - 0.5, 3, 1);
        cairo_rectangle(c, cx - 1.5, cy - 0.5, 3, 1);
        cairo_rectangle(c, cx + 3, cy - 0.5, 3, 1);
      },
      White);
  Stroke(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, cx - 5, cy - 5);
        cairo_line_to(c, cx + 5, cy + 5);
        cairo_move_to(c, cx + 5, cy - 5);
        cairo_line_to(c, cx - 5, cy + 5);
      },
      White, 2.2);
}
void PaintJob(cairo_t* cr, double cx, double cy) {
  // A hard hat.
  Shade(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, cx - 6, cy + 2);
        cairo_curve_to(c, cx - 6, cy - 6, cx + 6, cy - 6, cx + 6, cy + 2);
        cairo_close_path(c);
      },
      Hex(0xFFD23F), 0.8, 0.3, 0.1);
  Fill(
      cr, [=](cairo_t* c) { RoundedRect(c, cx - 8, cy + 1.5, 16, 3, 1.5); }, Hex(0xF2B82A));
  Fill(
      cr, [=](cairo_t* c) { cairo_rectangle(c, cx - 1, cy - 5, 2, 6); }, Hex(0xF8E08A));
}
void PaintIncomePlus(cairo_t* cr, double cx, double cy) { Glyph(cr, "+$", cx, cy + 0.5, 10, White); }
void PaintEvent(cairo_t* cr, double cx, double cy) { Glyph(cr, "!", cx, cy + 0.5, 14, Ink); }
void PaintSpeed(cairo_t* cr, double cx, double cy) {
  for (int i = 0; i < 2; ++i) {
    double x = cx - 5 + i * 5;
    Fill(
        cr,
        [=](cairo_t* c) {
          Polygon(c, {x, cy - 5, x + 5.5, cy, x, cy + 5});
        },
        White);
  }
}

Tools::Image ForSale(bool own) {
  Picture picture(28, 28);
  cairo_t* cr = picture.Cr();
  const Colour board = own ? Blue : Red;
  GroundShadow(
      picture, [](cairo_t* c) { RoundedRect(c, 4, 4, 22, 15, 2); }, 1, 2, 1, 0.45);
  Fill(
      cr, [](cairo_t* c) { cairo_rectangle(c, 13, 17, 2.5, 10); }, Hex(0x8A5A2B));
  Shade(
      cr, [](cairo_t* c) { RoundedRect(c, 3, 3, 22, 15, 2.5); }, board, 1.2, 0.3, 0.15);
  Stroke(
      cr, [](cairo_t* c) { RoundedRect(c, 4.8, 4.8, 18.4, 11.4, 1.5); }, White, 0.8, 0.7);
  Glyph(cr, "$", 14, 10.5, 11, White);
  return picture.ToImage();
}

enum MenuState { MENU_Normal, MENU_Over, MENU_Pressed, MENU_Disabled };

void MenuGlyph(cairo_t* cr, int index, double cx, double cy, const Colour& ink) {
  switch (index) {
    case 0:  // cancel
      Stroke(
          cr,
          [=](cairo_t* c) {
            cairo_move_to(c, cx - 6, cy - 6);
            cairo_line_to(c, cx + 6, cy + 6);
            cairo_move_to(c, cx + 6, cy - 6);
            cairo_line_to(c, cx - 6, cy + 6);
          },
          ink, 3.2);
      break;
    case 1: Glyph(cr, "$", cx, cy, 18, ink); break;  // buy
    case 2:                                          // sell: a sign on a post
      Fill(
          cr, [=](cairo_t* c) { cairo_rectangle(c, cx - 1, cy, 2, 9); }, ink);
      Stroke(
          cr, [=](cairo_t* c) { RoundedRect(c, cx - 8, cy - 8, 16, 10, 1.5); }, ink, 2);
      Glyph(cr, "$", cx, cy - 3, 8, ink);
      break;
    case 3:  // upgrade
      Fill(
          cr,
          [=](cairo_t* c) {
            Polygon(c, {cx, cy - 9, cx + 8, cy - 1, cx + 3, cy - 1, cx + 3, cy + 8, cx - 3, cy + 8, cx - 3, cy - 1,
                        cx - 8, cy - 1});
          },
          ink);
      break;
    case 4:  // repair: a spanner, its jaw open at the top
      cairo_save(cr);
      cairo_translate(cr, cx, cy);
      cairo_rotate(cr, Pi / 4);
      Fill(
          cr, [](cairo_t* c) { RoundedRect(c, -1.8, -3, 3.6, 12, 1.5); }, ink);
      Stroke(
          cr, [](cairo_t* c) { cairo_arc(c, 0, -5.5, 3.6, -Pi / 2 + 0.7, 3 * Pi / 2 - 0.7); }, ink, 3);
      cairo_restore(cr);
      break;
    case 5:  // special ability
      cairo_new_path(cr);
      StarPath(cr, cx, cy, 9);
      SetColour(cr, ink);
      cairo_fill(cr);
      break;
    case 6:  // construct: a hammer
      cairo_save(cr);
      cairo_translate(cr, cx, cy);
      cairo_rotate(cr, Pi / 5);
      Fill(
          cr,
          [](cairo_t* c) {
            cairo_rectangle(c, -1.5, -4, 3, 13);
            cairo_rectangle(c, -7, -8, 14, 5);
          },
          ink);
      cairo_restore(cr);
      break;
    default: Glyph(cr, "i", cx, cy, 18, ink); break;  // information
  }
}

Tools::Image MenuButtons(MenuState state) {
  Picture picture(320, 40);
  cairo_t* cr = picture.Cr();
  const Colour faces[] = {Red, Green, Blue, Hex(0x7A4FC0), Hex(0xE8762E), Gold, Hex(0xB07A42), Hex(0x3FA7C9)};
  for (int i = 0; i < 8; ++i) {
    double cx = i * 40 + 20, cy = 19 + (state == MENU_Pressed ? 1 : 0);
    Colour face = faces[i];
    if (state == MENU_Over) face = face.Lighter(0.25);
    if (state == MENU_Pressed) face = face.Darker(0.2);
    if (state == MENU_Disabled) face = face.Grey(0.85).Lighter(0.25);
    GroundShadow(
        picture, [=](cairo_t* c) { Ellipse(c, cx + 1, cy + (state == MENU_Pressed ? 1 : 2.5), 16, 16); }, 0, 0, 2,
        state == MENU_Disabled ? 0.25 : 0.45);
    if (state == MENU_Over)
      Fill(
          cr, [=](cairo_t* c) { Ellipse(c, cx, cy, 18.5, 18.5); }, Hex(0xFFF2B0), 0.7);
    Shade(
        cr, [=](cairo_t* c) { Ellipse(c, cx, cy, 16, 16); }, face, 1.4, 0.3, 0.15);
    Stroke(
        cr, [=](cairo_t* c) { Ellipse(c, cx, cy, 14, 14); }, White, 1.2, state == MENU_Disabled ? 0.3 : 0.6);
    Fill(
        cr, [=](cairo_t* c) { Ellipse(c, cx - 3, cy - 7, 9, 5); }, White, state == MENU_Pressed ? 0.1 : 0.28);
    MenuGlyph(cr, i, cx, cy + 0.5, state == MENU_Disabled ? Hex(0xEDEDED) : White);
  }
  return picture.ToImage();
}

Tools::Image Cooldown() {
  Picture picture(40, 40);
  Fill(
      picture.Cr(), [](cairo_t* c) { Ellipse(c, 20, 19, 16, 16); }, Hex(0x1A1410), 0.55);
  return picture.ToImage();
}

Tools::Image BankCheck() {
  Picture picture(48, 30);
  cairo_t* cr = picture.Cr();
  GroundShadow(
      picture, [](cairo_t* c) { RoundedRect(c, 3, 4, 43, 23, 2); }, 1, 2, 1, 0.4);
  Shade(
      cr, [](cairo_t* c) { RoundedRect(c, 2, 2, 43, 23, 2); }, Hex(0xDFF0C8), 1.0, 0.15, 0.1);
  Stroke(
      cr, [](cairo_t* c) { RoundedRect(c, 4, 4, 39, 19, 1.5); }, Hex(0x6FA84A), 0.7, 0.8);
  Fill(
      cr,
      [](cairo_t* c) {
        cairo_rectangle(c, 8, 8, 18, 1.5);
        cairo_rectangle(c, 8, 12, 14, 1.5);
        cairo_rectangle(c, 8, 18, 22, 1);
      },
      Hex(0x5A7A46), 0.8);
  Badge(picture, 37, 13.5, 6.5, Gold);
  Glyph(cr, "$", 37, 13.5, 8, Ink);
  return picture.ToImage();
}

Tools::Image Dollar() {
  Picture picture(24, 24);
  Badge(picture, 12, 11.5, 10, Gold);
  Stroke(
      picture.Cr(), [](cairo_t* c) { Ellipse(c, 12, 11.5, 7, 7); }, GoldDark, 0.8, 0.8);
  Glyph(picture.Cr(), "$", 12, 11.5, 12, Hex(0x7A5418));
  return picture.ToImage();
}

Tools::Image Acceleration() {
  Picture picture(24, 24);
  Badge(picture, 12, 11.5, 10, Hex(0xE8762E));
  // A lightning bolt.
  Fill(
      picture.Cr(),
      [](cairo_t* c) {
        Polygon(c, {13.5, 3.5, 7, 12.5, 11.5, 12.5, 10, 19.5, 17, 10, 12.5, 10});
      },
      White);
  return picture.ToImage();
}

Tools::Image InfoVan() {
  Picture picture(26, 16);
  GroundShadow(
      picture, [](cairo_t* c) { RoundedRect(c, 4, 5, 18, 10, 2); }, 0, 0, 1, 0.35);
  VanShape(picture.Cr(), 3, 3, 1.2, Hex(0xF2A03C));
  return picture.ToImage();
}

Tools::Image BrokenSmoke() {
  Picture picture(48, 48);
  cairo_t* cr = picture.Cr();
  const double puffs[6][3] = {{22, 38, 6}, {26, 30, 7}, {20, 23, 8}, {27, 15, 8}, {21, 9, 6}, {30, 6, 4.5}};
  for (auto& p : puffs) {
    cairo_pattern_t* g = cairo_pattern_create_radial(p[0] - 2, p[1] - 2, 1, p[0], p[1], p[2]);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.55, 0.52, 0.50, 0.9);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.30, 0.28, 0.27, 0.0);
    cairo_new_path(cr);
    Ellipse(cr, p[0], p[1], p[2], p[2]);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  // Sparks at the foot of the smoke.
  for (std::pair<double, double> at : {std::pair{16.0, 40.0}, {30.0, 42.0}, {24.0, 44.0}})
    Fill(
        cr, [=](cairo_t* c) { StarPath(c, at.first, at.second, 2.5); }, Hex(0xFFD23F));
  return picture.ToImage();
}

}  // namespace

void AddIconPictures(Recipes& out) {
  const std::string b = "images/buildings/";
  out.push_back({b + "ProgressBar_empty", [] { return ProgressBar(false); }});
  out.push_back({b + "ProgressBar_full", [] { return ProgressBar(true); }});
  out.push_back({b + "IconStar_own", [] { return Star(true); }});
  out.push_back({b + "IconStar_rival", [] { return Star(false); }});
  out.push_back({b + "IconConstructionVan", [] { return Icon(Hex(0x2F5E8A), PaintVan); }});
  out.push_back({b + "IconBroken", [] { return Icon(Red, PaintBroken); }});
  out.push_back({b + "IconNoConnection", [] { return Icon(Red, PaintNoConnection); }});
  out.push_back({b + "IconJob", [] { return Icon(Hex(0x2F5E8A), PaintJob); }});
  out.push_back({b + "IconIncomePlus", [] { return Icon(Green, PaintIncomePlus); }});
  out.push_back({b + "IconEvent", [] { return Icon(Gold, PaintEvent); }});
  out.push_back({b + "IconSpeed", [] { return Icon(Hex(0xE8762E), PaintSpeed); }});
  out.push_back({b + "IconForSale_rival", [] { return ForSale(false); }});
  out.push_back({b + "IconForSale_own", [] { return ForSale(true); }});
  out.push_back({b + "MenuButtons_normal", [] { return MenuButtons(MENU_Normal); }});
  out.push_back({b + "MenuButtons_over", [] { return MenuButtons(MENU_Over); }});
  out.push_back({b + "MenuButtons_pressed", [] { return MenuButtons(MENU_Pressed); }});
  out.push_back({b + "MenuButtons_disabled", [] { return MenuButtons(MENU_Disabled); }});
  out.push_back({b + "MenuButtonCooldown", Cooldown});
  out.push_back({b + "BankCheck", BankCheck});
  out.push_back({"images/hud/InfoVan", InfoVan});
  out.push_back({"images/Dollar", Dollar});
  out.push_back({"images/IconAcceleration", Acceleration});
  out.push_back({"images/effects/BrockenHouses", BrokenSmoke});
}

}  // namespace TownArt
