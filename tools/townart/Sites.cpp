// Construction and demolition frames for every kind that is built and torn
// down by the vans (decorations and the office come and go at once):
//  - "<Kind>/Construction/00".."05": the pit, the slab, then walls rising
//    inside scaffolding that grows with them, the roof beams, the roof;
//  - "<Kind>/Demolish/01".."05": dust rising over the building, a cloud
//    with rubble in it, the rubble heap, the cleared plot.
// Each frame has the size of the kind's picture and the footprint at the
// same place, so it is drawn where the building stands.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "townart/BuildingShapes.h"
#include "townart/Pictures.h"

namespace TownArt {

namespace {

constexpr int ConstructionFrames = 6, DemolitionFrames = 5;

const Colour Concrete = Hex(0xB8B4AC), Timber = Hex(0xC8944E), Steel = Hex(0x8A8F96), Warning = Hex(0xE8762E);

struct Site {
  double X, Y, W, H;  // the footprint
  double BodyX, BodyY, BodyW, BodyD, MaxHeight;
};

Site SiteOf(const BuildingShape& shape) {
  Site s;
  s.X = SidePad;
  s.Y = shape.Rise;
  s.W = shape.Columns * 40.0;
  s.H = shape.Rows * 40.0;
  s.BodyX = s.X + 8;
  s.BodyW = s.W - 16;
  s.BodyY = s.Y + std::max(6.0, s.H * 0.16);
  s.BodyD = s.H * 0.46;
  // The walls' top stays inside the picture.
  s.MaxHeight = std::clamp(s.BodyY - 6, 12.0, 64.0);
  return s;
}

// Trodden earth over the whole plot.
void SiteGround(Picture& picture, const Site& s) {
  PaintPixels(picture, [&](int px, int py) -> Texel {
    double x = px + 0.5, y = py + 0.5;
    double d = std::min({x - s.X - 2, s.X + s.W - 2 - x, y - s.Y - 2, s.Y + s.H - 2 - y});
    if (d < -1) return {Hex(0), 0};
    double n = Fractal(x / 8, y / 8, 901, 3);
    Colour c = Mix(Hex(0x9A7A54), Hex(0xC2A47A), n);
    return {c, std::clamp(d + 1, 0.0, 1.0) * 0.95};
  });
}

void BarrierFence(cairo_t* cr, const Site& s) {
  const double y = s.Y + s.H - 3;
  for (double x = s.X + 4; x < s.X + s.W - 8; x += 12) {
    Fill(
        cr, [=](cairo_t* c) { cairo_rectangle(c, x, y - 6, 1.2, 6); }, Steel);
    for (int i = 0; i < 3; ++i)
      Fill(
          cr, [=](cairo_t* c) { cairo_rectangle(c, x + 1.2 + i * 3.3, y - 5.5, 3.3, 2.5); },
          i % 2 ? Hex(0xFFFFFF) : Warning);
  }
}

void Materials(Picture& picture, const Site& s, int frame, uint64_t seed) {
  cairo_t* cr = picture.Cr();
  Rng rng(seed);
  const double y = s.Y + s.H - 14;
  // A pallet of bricks, a stack of timber, a cement mixer.
  double bx = s.X + 10 + rng.Range(0, 6);
  BlockShadow(picture, bx, y - 4, 12, 8, 6);
  Block(cr, bx, y - 4, 12, 8, 6, Hex(0xB5543A), Hex(0xC8684A));
  double tx = s.X + s.W - 30;
  for (int i = 0; i < 3; ++i)
    Shade(
        cr, [=](cairo_t* c) { RoundedRect(c, tx, y - 2 - i * 2.2, 20, 2.2, 0.8); }, Timber, 0.5);
  if (frame >= 1 && frame <= 4) {
    double mx = s.X + s.W / 2 + 14;
    BlobShadow(picture, mx + 3, y + 4, 7, 3, 0.3);
    Shade(
        cr, [=](cairo_t* c) { Ellipse(c, mx, y - 2, 5, 5.5); }, Hex(0xE8A23C), 0.8, 0.3, 0.15);
    Fill(
        cr, [=](cairo_t* c) { Ellipse(c, mx - 1, y - 5, 2.2, 1.5); }, Hex(0x3A3430));
    Fill(
        cr, [=](cairo_t* c) { cairo_rectangle(c, mx - 5, y + 2.5, 10, 1.5); }, Steel);
  }
}

void Scaffold(cairo_t* cr, double x, double front, double w, double h) {
  const double step = std::max(12.0, w / std::max(2.0, std::round(w / 18)));
  const double top = front + 3 - h - 6;
  for (double u = x - 2; u <= x + w + 2.1; u += step) {
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, u, front + 3);
          cairo_line_to(c, u, top);
        },
        Steel.Darker(0.3), 2.0);
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, u - 0.3, front + 3);
          cairo_line_to(c, u - 0.3, top);
        },
        Steel.Lighter(0.35), 0.8);
  }
  for (double v = front + 3 - 9; v > top + 1; v -= 9) {
    Stroke(
        cr,
        [=](cairo_t* c) {
          for (double u = x - 2; u + step <= x + w + 2.1; u += step) {
            cairo_move_to(c, u, v + 9);
            cairo_line_to(c, u + step, v);
          }
        },
        Steel, 0.7, 0.9);
    Shade(
        cr, [=](cairo_t* c) { cairo_rectangle(c, x - 4, v - 1.5, w + 8, 3); }, Hex(0xE8B04A), 0.7, 0.2, 0.1);
  }
}

void Crane(Picture& picture, const Site& s, double height) {
  cairo_t* cr = picture.Cr();
  const double x = s.X + s.W - 10, base = s.BodyY + s.BodyD + 5, top = std::max(4.0, base - height - 30);
  GroundShadow(
      picture,
      [=](cairo_t* c) {
        Polygon(c, {x - 2, base, x + 2, base, x + 30, base + 14, x + 26, base + 14});
      },
      0, 0, 1, 0.25);
  Stroke(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, x - 2, base);
        cairo_line_to(c, x - 2, top);
        cairo_move_to(c, x + 2, base);
        cairo_line_to(c, x + 2, top);
      },
      Hex(0xE8A23C), 1.2);
  for (double v = base; v > top; v -= 5)
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, x - 2, v);
          cairo_line_to(c, x + 2, v - 5);
        },
        Hex(0xC8842C), 0.6);
  // The jib over the site, its counterweight, the hook.
  const double jibEnd = std::max(s.X + 10, x - s.W * 0.6);
  Stroke(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, jibEnd, top);
        cairo_line_to(c, x + 12, top);
      },
      Hex(0xE8A23C), 2.0);
  Fill(
      cr, [=](cairo_t* c) { cairo_rectangle(c, x + 6, top - 1, 6, 5); }, Hex(0x5A5A5E));
  Stroke(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, jibEnd + 12, top);
        cairo_line_to(c, jibEnd + 12, top + 18);
      },
      Hex(0x3A3A3E), 0.5);
  Fill(
      cr, [=](cairo_t* c) { cairo_rectangle(c, jibEnd + 10, top + 18, 4, 3); }, Hex(0x3A3A3E));
}

Tools::Image DrawConstruction(const BuildingShape& shape, int frame) {
  Picture picture(shape.PictureWidth(), shape.PictureHeight());
  cairo_t* cr = picture.Cr();
  const Site s = SiteOf(shape);
  SiteGround(picture, s);
  const double front = s.BodyY + s.BodyD;
  if (frame == 0) {
    // The pit with its stakes and string.
    Fill(
        cr, [=](cairo_t* c) { RoundedRect(c, s.BodyX, s.BodyY, s.BodyW, s.BodyD, 4); }, Hex(0x6E4C2E), 0.9);
    Fill(
        cr, [=](cairo_t* c) { RoundedRect(c, s.BodyX, s.BodyY, s.BodyW, 6, 3); }, Hex(0x4A3420), 0.5);
    Stroke(
        cr, [=](cairo_t* c) { cairo_rectangle(c, s.BodyX - 3, s.BodyY - 3, s.BodyW + 6, s.BodyD + 6); }, Hex(0xF2E6C8),
        0.7);
  } else {
    Shade(
        cr, [=](cairo_t* c) { cairo_rectangle(c, s.BodyX - 2, s.BodyY - 2, s.BodyW + 4, s.BodyD + 4); }, Concrete, 0.8,
        0.1, 0.05);
  }
  if (frame >= 2) {
    double h = s.MaxHeight * std::min(1.0, (frame - 1) / 3.0);
    // Walls of raw block with the window openings left dark.
    BlockShadow(picture, s.BodyX, s.BodyY, s.BodyW, s.BodyD, h);
    const Colour wall = Hex(0xCFC3AE);
    Shade(
        cr, [=](cairo_t* c) { cairo_rectangle(c, s.BodyX, front - h, s.BodyW, h); }, wall, 1.0, 0.05, 0.12);
    if (frame >= 5) {
      Shade(
          cr, [=](cairo_t* c) { cairo_rectangle(c, s.BodyX - 2, s.BodyY - h - 2, s.BodyW + 4, s.BodyD + 2); },
          Hex(0xA8543A), 1.0);
    } else {
      // The open top: the inside walls and floor in shade.
      Fill(
          cr, [=](cairo_t* c) { cairo_rectangle(c, s.BodyX, s.BodyY - h, s.BodyW, s.BodyD); }, Hex(0x8A8070));
      Stroke(
          cr, [=](cairo_t* c) { cairo_rectangle(c, s.BodyX + 1.5, s.BodyY - h + 1.5, s.BodyW - 3, s.BodyD - 3); }, wall,
          3);
    }
    if (frame == 4) {
      // Roof beams across the top.
      for (double u = s.BodyX + 4; u < s.BodyX + s.BodyW; u += 8)
        Shade(
            cr, [=](cairo_t* c) { cairo_rectangle(c, u, s.BodyY - h - 3, 2.5, s.BodyD + 2); }, Timber, 0.5);
    }
    for (double v = front - 6; v > front - h + 4; v -= 14)
      for (double u = s.BodyX + 6; u < s.BodyX + s.BodyW - 8; u += 14)
        Fill(
            cr, [=](cairo_t* c) { cairo_rectangle(c, u, v - 7, 7, 7); }, Hex(0x4A4238));
    Scaffold(cr, s.BodyX, front, s.BodyW, std::min(h + 6, h + 12));
  } else if (frame == 1) {
    // Steel bars of the first walls.
    for (double u = s.BodyX + 2; u < s.BodyX + s.BodyW; u += 6)
      Stroke(
          cr,
          [=](cairo_t* c) {
            cairo_move_to(c, u, front);
            cairo_line_to(c, u, front - 8);
          },
          Hex(0x7A4A2A), 0.8);
  }
  if (shape.Columns >= 4 && shape.Rows >= 2 && frame >= 1) Crane(picture, s, s.MaxHeight);
  Materials(picture, s, frame, uint64_t(shape.Columns * 10 + shape.Rows));
  BarrierFence(cr, s);
  return picture.ToImage();
}

// A cloud of dust: overlapping soft puffs.
void Dust(cairo_t* cr, double cx, double cy, double w, double h, int count, double alpha, uint64_t seed) {
  Rng rng(seed);
  for (int i = 0; i < count; ++i) {
    double x = cx + rng.Range(-w / 2, w / 2), y = cy + rng.Range(-h / 2, h / 2),
           r = rng.Range(0.18, 0.32) * std::min(w, h * 1.6);
    cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.3, y - r * 0.3, r * 0.1, x, y, r);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.93, 0.90, 0.84, alpha);
    cairo_pattern_add_color_stop_rgba(p, 0.7, 0.80, 0.76, 0.68, alpha * 0.8);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.72, 0.68, 0.60, 0);
    cairo_new_path(cr);
    Ellipse(cr, x, y, r, r);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
  }
}

void Rubble(Picture& picture, const Site& s, double amount, uint64_t seed) {
  cairo_t* cr = picture.Cr();
  Rng rng(seed);
  const double cx = s.BodyX + s.BodyW / 2, cy = s.BodyY + s.BodyD * 0.7;
  const double rw = s.BodyW * 0.5, rh = s.BodyD * 0.45 * amount + 4;
  GroundShadow(
      picture, [=](cairo_t* c) { Ellipse(c, cx + 4, cy + 3, rw, rh * 0.7); }, 0, 0, 2, 0.3);
  Shade(
      cr,
      [=](cairo_t* c) {
        cairo_move_to(c, cx - rw, cy + rh * 0.3);
        cairo_curve_to(c, cx - rw * 0.6, cy - rh, cx + rw * 0.6, cy - rh, cx + rw, cy + rh * 0.3);
        cairo_close_path(c);
      },
      Hex(0xA89A86), 0.9, 0.2, 0.1);
  const Colour bits[] = {Hex(0xB5543A), Hex(0xCFC3AE), Hex(0x8A8F96), Hex(0xC8944E), Hex(0x7A7268)};
  for (int i = 0; i < int(s.BodyW * amount * 0.9) + 6; ++i) {
    double a = rng.Range(Pi, 2 * Pi), r = rng.Next();
    double x = cx + std::cos(a) * rw * r, y = cy + rh * 0.2 + std::sin(a) * rh * r * 0.9;
    double w = rng.Range(2, 5), h = rng.Range(1.5, 3), rot = rng.Range(-0.8, 0.8);
    const Colour c = bits[rng.Below(5)];
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, rot);
    Shade(
        cr, [=](cairo_t* k) { cairo_rectangle(k, -w / 2, -h / 2, w, h); }, c, 0.5, 0.2, 0.1);
    cairo_restore(cr);
  }
}

Tools::Image DrawDemolition(const BuildingShape& shape, int frame) {
  Picture picture(shape.PictureWidth(), shape.PictureHeight());
  cairo_t* cr = picture.Cr();
  const Site s = SiteOf(shape);
  const double cx = s.BodyX + s.BodyW / 2, front = s.BodyY + s.BodyD;
  const uint64_t seed = uint64_t(shape.Columns * 100 + shape.Rows * 10 + frame);
  if (frame >= 3) SiteGround(picture, s);
  if (frame >= 3) Rubble(picture, s, frame == 3 ? 1.0 : frame == 4 ? 0.8 : 0.35, seed);
  switch (frame) {
    case 1:  // dust bursts out at the foot of the walls
      Dust(cr, cx, front, s.BodyW * 1.05, 16, 14, 0.75, seed);
      break;
    case 2:  // the building sinks into its cloud
      Dust(cr, cx, front - s.MaxHeight * 0.4, s.BodyW * 1.1, s.MaxHeight + 10, 26, 0.85, seed);
      break;
    case 3: Dust(cr, cx, front - s.MaxHeight * 0.3, s.BodyW, s.MaxHeight * 0.8, 18, 0.6, seed); break;
    case 4: Dust(cr, cx, front - 10, s.BodyW * 0.9, 24, 10, 0.35, seed); break;
    default: break;
  }
  return picture.ToImage();
}

bool IsBuiltByVans(const BuildingShape& shape) {
  static const char* instant[] = {"Office", "Tree", "Fountain", "Park", "Statue", "ChineseGarden"};
  for (const char* name : instant)
    if (shape.Name == name) return false;
  return true;
}

}  // namespace

void AddSitePictures(Recipes& out) {
  for (const BuildingShape& shape : BuildingShapes()) {
    if (!IsBuiltByVans(shape)) continue;
    const BuildingShape* s = &shape;
    char name[128];
    for (int frame = 0; frame < ConstructionFrames; ++frame) {
      std::snprintf(name, sizeof name, "images/buildings/%s/Construction/%02i", shape.Name.c_str(), frame);
      out.push_back({name, [s, frame] { return DrawConstruction(*s, frame); }});
    }
    for (int frame = 1; frame <= DemolitionFrames; ++frame) {
      std::snprintf(name, sizeof name, "images/buildings/%s/Demolish/%02i", shape.Name.c_str(), frame);
      out.push_back({name, [s, frame] { return DrawDemolition(*s, frame); }});
    }
  }
}

}  // namespace TownArt
