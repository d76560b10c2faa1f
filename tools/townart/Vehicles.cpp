// The vehicles, each frame 32 x 32 with the vehicle's centre in the middle,
// seen from above with its sides showing below its roof:
//  - images/cars/ConstructionVan/NN and images/cars/WorkshopVan/NN, NN 00..07:
//    00 east, 01 north, 02 west, 03 south (the straight headings), then the
//    diagonals between a heading and the next one to its left: 04 north-east,
//    05 north-west, 06 south-west, 07 south-east;
//  - images/cars/Civilian/MM/RR/NN: four models (MM 00 a small hatchback,
//    01 a saloon, 02 an estate, 03 a pick-up), four colour rows RR 00..03,
//    the eight frames NN as above; images/cars/Taxi/00/NN, one row.
#include <cmath>
#include <cstdio>

#include "townart/Kit.h"
#include "townart/Pictures.h"

namespace TownArt {

namespace {

constexpr int Frame = 32;

double HeadingAngle(int frame) {
  // Screen angles: east 0, north up (-pi/2), west pi, south pi/2.
  static const double angles[8] = {0, -Pi / 2, Pi, Pi / 2, -Pi / 4, -3 * Pi / 4, 3 * Pi / 4, Pi / 4};
  return angles[frame];
}

struct Body {
  double Length, Width, Height;  // the chassis, pixels
  double CabinFrom, CabinTo;     // along the length, 0 = rear, 1 = front
  Colour Paint;
  Colour Roof;            // the roof's own colour (or the paint)
  bool Bed = false;       // an open load bed behind the cab (pick-up)
  bool RoofRack = false;  // ladders on the roof (the construction van)
  bool ToolBox = false;   // a box on the roof (the workshop van)
  bool Stripe = false;    // a stripe along the sides
  Colour StripeColour{};
  bool TaxiSign = false;
};

// Draws the body in the vehicle's own frame: x along it (front +), y across.
template <typename F>
void InVehicleFrame(cairo_t* cr, double angle, double lift, F draw) {
  cairo_save(cr);
  cairo_translate(cr, Frame / 2.0, Frame / 2.0 - lift);
  cairo_rotate(cr, angle);
  draw();
  cairo_restore(cr);
}

Tools::Image DrawVehicle(const Body& b, int frame) {
  Picture picture(Frame, Frame);
  cairo_t* cr = picture.Cr();
  const double angle = HeadingAngle(frame), L = b.Length, W = b.Width;
  ShapePath chassis = [=](cairo_t* c) { RoundedRect(c, -L / 2, -W / 2, L, W, 2.5); };
  // The shadow on the road.
  GroundShadow(
      picture,
      [=](cairo_t* c) {
        cairo_translate(c, Frame / 2.0 + 1.5, Frame / 2.0 + 1.5);
        cairo_rotate(c, angle);
        RoundedRect(c, -L / 2, -W / 2, L, W, 2.5);
      },
      0, 0, 1, 0.45);
  // The sides: the chassis drawn a pixel higher each time.
  for (double lift = 0; lift < b.Height; lift += 1)
    InVehicleFrame(cr, angle, lift, [&] { Fill(cr, chassis, b.Paint.Darker(0.28)); });
  if (b.Stripe) InVehicleFrame(cr, angle, b.Height * 0.5, [&] { Stroke(cr, chassis, b.StripeColour, 1.0, 0.9); });
  const double top = b.Height;
  // Wheels peeking out at the sides.
  InVehicleFrame(cr, angle, 0.5, [&] {
    for (double u : {-L * 0.3, L * 0.3})
      for (double v : {-W / 2, W / 2})
        Fill(
            cr, [=](cairo_t* c) { RoundedRect(c, u - 2.2, v - 1, 4.4, 2, 0.8); }, Hex(0x1E1E22));
  });
  InVehicleFrame(cr, angle, top, [&] {
    Shade(cr, chassis, b.Paint, 0.9, 0.22, 0.1);
    // Bonnet and boot lines, headlights.
    Fill(
        cr,
        [=](cairo_t* c) {
          cairo_rectangle(c, L / 2 - 1.6, -W / 2 + 1.2, 1.2, 2);
          cairo_rectangle(c, L / 2 - 1.6, W / 2 - 3.2, 1.2, 2);
        },
        Hex(0xFFF6C8));
    Fill(
        cr,
        [=](cairo_t* c) {
          cairo_rectangle(c, -L / 2 + 0.4, -W / 2 + 1.2, 1, 2);
          cairo_rectangle(c, -L / 2 + 0.4, W / 2 - 3.2, 1, 2);
        },
        Hex(0xD9302A));
  });
  // The cabin rises a little above the body.
  const double c0 = -L / 2 + L * b.CabinFrom, c1 = -L / 2 + L * b.CabinTo;
  InVehicleFrame(cr, angle, top + 1.5, [&] {
    Fill(
        cr, [=](cairo_t* c) { RoundedRect(c, c0, -W / 2 + 0.8, c1 - c0, W - 1.6, 2); }, Hex(0x2A4660));
    // Windscreen in front, roof panel behind it.
    Shade(
        cr, [=](cairo_t* c) { RoundedRect(c, c0 + 0.8, -W / 2 + 1.6, (c1 - c0) * 0.62, W - 3.2, 1.5); }, b.Roof, 0.6,
        0.25, 0.05);
    Fill(
        cr,
        [=](cairo_t* c) {
          Polygon(c, {c1 - 1.5, -W / 2 + 2, c1 - 0.5, -W / 2 + 3.5, c1 - 0.5, W / 2 - 3.5, c1 - 1.5, W / 2 - 2});
        },
        Hex(0xBFE0F0), 0.8);
    if (b.TaxiSign)
      Shade(
          cr, [=](cairo_t* c) { RoundedRect(c, c0 + 2.5, -2, 3, 4, 1); }, Hex(0xFFF2A0), 0.5);
  });
  if (b.Bed)
    InVehicleFrame(cr, angle, top - 1, [&] {
      Fill(
          cr, [=](cairo_t* c) { RoundedRect(c, -L / 2 + 1.5, -W / 2 + 1.5, L * b.CabinFrom - 2.5, W - 3, 1); },
          b.Paint.Darker(0.45));
    });
  if (b.RoofRack)
    InVehicleFrame(cr, angle, top + 2.5, [&] {
      for (double v : {-W / 2 + 2.2, W / 2 - 2.2})
        Stroke(
            cr,
            [=](cairo_t* c) {
              cairo_move_to(c, -L / 2 + 2, v);
              cairo_line_to(c, c1 - 2, v);
            },
            Hex(0xD8DCE0), 1.0);
      for (double u = -L / 2 + 3; u < c1 - 2; u += 2.5)
        Stroke(
            cr,
            [=](cairo_t* c) {
              cairo_move_to(c, u, -W / 2 + 2.2);
              cairo_line_to(c, u, W / 2 - 2.2);
            },
            Hex(0xB0B4B8), 0.6);
      Fill(
          cr, [=](cairo_t* c) { RoundedRect(c, c1 - 2.5, -1.5, 1.6, 3, 0.6); }, Hex(0xF2A03C));
    });
  if (b.ToolBox)
    InVehicleFrame(cr, angle, top + 3, [&] {
      Shade(
          cr, [=](cairo_t* c) { RoundedRect(c, -L / 2 + 2.5, -W / 2 + 2, L * 0.4, W - 4, 1); }, Hex(0xD9482B), 0.6, 0.2,
          0.1);
    });
  return picture.ToImage();
}

Body ConstructionVan() {
  Body b{22, 11, 5, 0.52, 0.9, Hex(0xF2A03C), Hex(0xFFFFFF)};
  b.RoofRack = true;
  b.Stripe = true;
  b.StripeColour = Hex(0x5E3B1A);
  return b;
}

Body WorkshopVan() {
  Body b{20, 11, 5, 0.5, 0.9, Hex(0xF4F4F0), Hex(0xF4F4F0)};
  b.ToolBox = true;
  b.Stripe = true;
  b.StripeColour = Hex(0x2F5E8A);
  return b;
}

const Colour CarColours[4][4] = {
    {Hex(0xD9482B), Hex(0x3F86C9), Hex(0xF2F2EE), Hex(0x6FBF4A)},
    {Hex(0x2E3440), Hex(0xB8BCC4), Hex(0x8E2E3A), Hex(0x2F5E8A)},
    {Hex(0x4E7A5E), Hex(0xC99A3C), Hex(0xE8E4DA), Hex(0x5A4A7A)},
    {Hex(0xC8453A), Hex(0x3A3F46), Hex(0xF2C23C), Hex(0x5E8FB8)},
};

Body CivilianCar(int model, int row) {
  const Colour paint = CarColours[model][row];
  switch (model) {
    case 0: return {16, 10, 4, 0.25, 0.78, paint, paint};
    case 1: return {20, 10, 4, 0.3, 0.72, paint, paint};
    case 2: return {21, 10, 4.5, 0.12, 0.72, paint, paint};
    default: {
      Body b{21, 11, 5, 0.42, 0.78, paint, paint};
      b.Bed = true;
      return b;
    }
  }
}

Body Taxi() {
  Body b{20, 10, 4, 0.3, 0.72, Hex(0xF2C23C), Hex(0xF2C23C)};
  b.TaxiSign = true;
  b.Stripe = true;
  b.StripeColour = Hex(0x2A2A2E);
  return b;
}

}  // namespace

void AddVehiclePictures(Recipes& out) {
  char name[96];
  for (int frame = 0; frame < 8; ++frame) {
    std::snprintf(name, sizeof name, "images/cars/ConstructionVan/%02i", frame);
    out.push_back({name, [frame] { return DrawVehicle(ConstructionVan(), frame); }});
    std::snprintf(name, sizeof name, "images/cars/WorkshopVan/%02i", frame);
    out.push_back({name, [frame] { return DrawVehicle(WorkshopVan(), frame); }});
  }
  for (int model = 0; model < 4; ++model)
    for (int row = 0; row < 4; ++row)
      for (int frame = 0; frame < 8; ++frame) {
        std::snprintf(name, sizeof name, "images/cars/Civilian/%02i/%02i/%02i", model, row, frame);
        out.push_back({name, [model, row, frame] { return DrawVehicle(CivilianCar(model, row), frame); }});
      }
  for (int frame = 0; frame < 8; ++frame) {
    std::snprintf(name, sizeof name, "images/cars/Taxi/00/%02i", frame);
    out.push_back({name, [frame] { return DrawVehicle(Taxi(), frame); }});
  }
}

}  // namespace TownArt
