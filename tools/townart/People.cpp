// Pedestrians: images/Pedestrians/NN (NN from 01) and their winter clothes
// images/Pedestrians/NNs. Each is a strip of 25 frames of 10 x 22, left to
// right: six walking frames for each heading (east, north, west, south),
// then one frame standing. The feet are at (5, 20) of a frame, so the map,
// which draws a frame centred on the walker and 20 pixels above the feet,
// sets them on the pavement. images/Pedestrians/Smile and ThumbUp (14 x 14)
// show over a happy walker's head.
#include <cmath>
#include <cstdio>

#include "townart/Kit.h"
#include "townart/Pictures.h"

namespace TownArt {

namespace {

constexpr int FrameW = 10, FrameH = 22, Frames = 25, People = 8;

struct Walker {
  Colour Skin, Hair, Top, Legs, Shoes;
  bool Hat;
  Colour HatColour;
  bool LongHair;
};

Walker PersonOf(int index, bool winter) {
  static const Colour skins[] = {Hex(0xF2C9A0), Hex(0xD9A47A), Hex(0xA8704A), Hex(0x7A4E32)};
  static const Colour hair[] = {Hex(0x3A2A1A), Hex(0x8A5A2B), Hex(0xE0C070), Hex(0x1E1A18), Hex(0xA8452A)};
  static const Colour tops[] = {Hex(0xD9482B), Hex(0x3F86C9), Hex(0x6FBF4A), Hex(0xF2C23C),
                                Hex(0x8A4FC0), Hex(0xF4F1EA), Hex(0xE8762E), Hex(0x2F7A8A)};
  static const Colour coats[] = {Hex(0x8E2E3A), Hex(0x2F4E7A), Hex(0x4E6A3A), Hex(0x6A4A30),
                                 Hex(0x3A3F46), Hex(0xB8452A), Hex(0x5A4A7A), Hex(0x2F6A6A)};
  static const Colour legs[] = {Hex(0x2F4E7A), Hex(0x3A3A40), Hex(0x6A5A4A), Hex(0x2E3440)};
  Walker w;
  w.Skin = skins[(index * 3 + 1) % 4];
  w.Hair = hair[(index * 2) % 5];
  w.Top = winter ? coats[index] : tops[index];
  w.Legs = legs[index % 4];
  w.Shoes = Hex(0x2A2420);
  w.LongHair = index % 3 == 1;
  w.Hat = winter;
  w.HatColour = tops[(index + 3) % 8];
  return w;
}

void DrawWalker(cairo_t* cr, const Walker& w, int heading, double phase, bool standing, bool winter) {
  const double swing = standing ? 0 : std::sin(phase / 6 * 2 * Pi);
  const bool side = !standing && (heading == 0 || heading == 2);
  const double facing = heading == 2 ? -1 : 1;
  const double bob = standing ? 0 : std::abs(swing) * 0.5;
  cairo_save(cr);
  cairo_translate(cr, 0, -bob);
  // A soft shadow at the feet.
  Fill(
      cr, [](cairo_t* c) { Ellipse(c, 6, 20.3, 3.5, 1.2); }, Hex(0x000000), 0.25);
  if (side) {
    for (int leg = 0; leg < 2; ++leg) {
      double s = leg ? swing : -swing;
      Stroke(
          cr,
          [=](cairo_t* c) {
            cairo_move_to(c, 5, 13.5);
            cairo_line_to(c, 5 + 2.4 * s, 19.5);
          },
          leg ? w.Legs : w.Legs.Darker(0.2), 1.8);
      Fill(
          cr, [=](cairo_t* c) { Ellipse(c, 5 + 2.4 * s + facing * 0.6, 19.8, 1.2, 0.7); }, w.Shoes);
    }
  } else {
    for (int leg = 0; leg < 2; ++leg) {
      double lift = standing ? 0 : std::max(0.0, leg ? swing : -swing) * 1.5;
      double x = leg ? 5.9 : 4.1;
      Stroke(
          cr,
          [=](cairo_t* c) {
            cairo_move_to(c, x, 13.5);
            cairo_line_to(c, x, 19.5 - lift);
          },
          w.Legs, 1.6);
      Fill(
          cr, [=](cairo_t* c) { Ellipse(c, x, 19.8 - lift, 0.9, 0.7); }, w.Shoes);
    }
  }
  // The body; a coat in winter is longer.
  const double hem = winter ? 15.5 : 14;
  Shade(
      cr, [=](cairo_t* c) { RoundedRect(c, side ? 3.6 : 2.8, 8, side ? 3 : 4.4, hem - 8, 1.2); }, w.Top, 0.5, 0.2, 0.1);
  // Arms swinging against the legs.
  if (side) {
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, 5, 9);
          cairo_line_to(c, 5 - 2 * swing, 13);
        },
        w.Top.Darker(0.15), 1.3);
    Fill(
        cr, [=](cairo_t* c) { Ellipse(c, 5 - 2 * swing, 13.3, 0.7, 0.7); }, w.Skin);
  } else {
    for (int arm = 0; arm < 2; ++arm) {
      double x = arm ? 7.6 : 2.4, s = (arm ? swing : -swing) * 0.8;
      Stroke(
          cr,
          [=](cairo_t* c) {
            cairo_move_to(c, x, 9);
            cairo_line_to(c, x, 12.8 + s);
          },
          w.Top.Darker(0.15), 1.2);
      Fill(
          cr, [=](cairo_t* c) { Ellipse(c, x, 13.2 + s, 0.7, 0.7); }, w.Skin);
    }
  }
  if (winter)
    Fill(
        cr, [=](cairo_t* c) { RoundedRect(c, side ? 3.6 : 3, 7.4, side ? 3 : 4, 1.6, 0.6); }, w.HatColour);
  // The head: face to the front, hair behind, a nose to the side.
  Fill(
      cr, [](cairo_t* c) { Ellipse(c, 5, 5.2, 2.5, 2.6); }, w.Skin);
  if (heading == 1 && !standing) {
    Fill(
        cr, [](cairo_t* c) { Ellipse(c, 5, 5, 2.6, 2.6); }, w.Hair);
  } else if (side) {
    Fill(
        cr, [=](cairo_t* c) { Ellipse(c, 5 - facing * 0.8, 4.3, 2.3, 2.0); }, w.Hair);
    Fill(
        cr, [=](cairo_t* c) { Ellipse(c, 5 + facing * 1.6, 5.2, 0.4, 0.4); }, Hex(0x3A2A1A));
  } else {
    Fill(
        cr, [](cairo_t* c) { Ellipse(c, 5, 3.6, 2.6, 1.4); }, w.Hair);
    Fill(
        cr,
        [](cairo_t* c) {
          Ellipse(c, 4.1, 5.4, 0.35, 0.35);
          Ellipse(c, 5.9, 5.4, 0.35, 0.35);
        },
        Hex(0x2A1E16));
  }
  if (w.LongHair && !winter)
    Fill(
        cr, [=](cairo_t* c) { RoundedRect(c, side ? 5 - facing * 2.6 : 2.4, 4.5, side ? 1.8 : 5.2, 3.5, 1); }, w.Hair);
  if (w.Hat)
    Shade(
        cr,
        [](cairo_t* c) {
          cairo_move_to(c, 2.4, 4.3);
          cairo_curve_to(c, 2.4, 1.2, 7.6, 1.2, 7.6, 4.3);
          cairo_close_path(c);
        },
        w.HatColour, 0.4, 0.2, 0.1);
  cairo_restore(cr);
}

Tools::Image DrawPedestrian(int index, bool winter) {
  Picture picture(FrameW * Frames, FrameH);
  cairo_t* cr = picture.Cr();
  const Walker w = PersonOf(index, winter);
  for (int f = 0; f < Frames; ++f) {
    cairo_save(cr);
    cairo_rectangle(cr, f * FrameW, 0, FrameW, FrameH);
    cairo_clip(cr);
    cairo_translate(cr, f * FrameW, 0);
    bool standing = f == 24;
    DrawWalker(cr, w, standing ? 3 : f / 6, f % 6, standing, winter);
    cairo_restore(cr);
  }
  return picture.ToImage();
}

Tools::Image Smile() {
  Picture picture(14, 14);
  cairo_t* cr = picture.Cr();
  GroundShadow(
      picture, [](cairo_t* c) { Ellipse(c, 7.5, 7.8, 6, 6); }, 0, 0, 1, 0.4);
  Shade(
      cr, [](cairo_t* c) { Ellipse(c, 7, 7, 6, 6); }, Hex(0xFFD23F), 0.9, 0.3, 0.1);
  Fill(
      cr,
      [](cairo_t* c) {
        Ellipse(c, 5, 5.6, 0.8, 1.1);
        Ellipse(c, 9, 5.6, 0.8, 1.1);
      },
      Hex(0x5A3A10));
  Stroke(
      cr, [](cairo_t* c) { cairo_arc(c, 7, 7.2, 3.2, 0.35, Pi - 0.35); }, Hex(0x5A3A10), 1.0);
  return picture.ToImage();
}

Tools::Image ThumbUp() {
  Picture picture(14, 14);
  cairo_t* cr = picture.Cr();
  GroundShadow(
      picture, [](cairo_t* c) { Ellipse(c, 7.5, 7.8, 6, 6); }, 0, 0, 1, 0.4);
  Shade(
      cr, [](cairo_t* c) { Ellipse(c, 7, 7, 6, 6); }, Hex(0x4E9A36), 0.9, 0.3, 0.1);
  // A fist with its thumb up, the cuff at its wrist.
  Fill(
      cr,
      [](cairo_t* c) {
        RoundedRect(c, 4.2, 6.6, 5.2, 4.6, 1.3);
        RoundedRect(c, 4.4, 2.4, 2.4, 5.4, 1.2);
      },
      Hex(0xFFFFFF));
  Fill(
      cr, [](cairo_t* c) { cairo_rectangle(c, 9.4, 7.2, 1.6, 3.6); }, Hex(0x2F5E2A));
  Stroke(
      cr,
      [](cairo_t* c) {
        cairo_move_to(c, 6.8, 8.1);
        cairo_line_to(c, 9.3, 8.1);
        cairo_move_to(c, 6.8, 9.6);
        cairo_line_to(c, 9.3, 9.6);
      },
      Hex(0x4E9A36), 0.5);
  return picture.ToImage();
}

}  // namespace

void AddPeoplePictures(Recipes& out) {
  char name[64];
  for (int i = 0; i < People; ++i) {
    std::snprintf(name, sizeof name, "images/Pedestrians/%02i", i + 1);
    out.push_back({name, [i] { return DrawPedestrian(i, false); }});
    std::snprintf(name, sizeof name, "images/Pedestrians/%02is", i + 1);
    out.push_back({name, [i] { return DrawPedestrian(i, true); }});
  }
  out.push_back({"images/Pedestrians/Smile", Smile});
  out.push_back({"images/Pedestrians/ThumbUp", ThumbUp});
}

}  // namespace TownArt
