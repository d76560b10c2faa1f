// Short effects, each a numbered run of frames:
//  - images/effects/Explosion/00..17, 96 x 96: a flash, a ball of fire, then
//    smoke rolling out and thinning, bits flying (a demolition's blast);
//  - images/Effects/Fireworks/<Purple|Red|Yellow>/00..29, 96 x 96: a rocket
//    climbing to the middle, its burst of sparks falling and fading;
//  - images/Effects/SpecialAction/Confetti/00..56, 128 x 128: a burst of
//    confetti over a building whose special ability starts;
//  - images/Effects/SpecialAction/Balloon_Red, Balloon_Blue, 18 x 30;
//  - images/effects/LevelComplete/100bills_01/00..59 and 100bills_02/00..19,
//    48 x 48: a hundred-dollar note tumbling (a loop each), and
//    LevelComplete/Confetti/<Green|Red|Yellow>/00..19, 16 x 16: a strip of
//    confetti turning over; the level's end scatters many of them.
#include <cmath>
#include <cstdio>

#include "townart/Kit.h"
#include "townart/Pictures.h"

namespace TownArt {

namespace {

constexpr int ExplosionFrames = 18, FireworkFrames = 30, ConfettiFrames = 57;

void Glow(cairo_t* cr, double x, double y, double r, const Colour& c, double alpha) {
  cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, r);
  cairo_pattern_add_color_stop_rgba(p, 0, c.R, c.G, c.B, alpha);
  cairo_pattern_add_color_stop_rgba(p, 1, c.R, c.G, c.B, 0);
  cairo_new_path(cr);
  Ellipse(cr, x, y, r, r);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

Tools::Image Explosion(int frame) {
  Picture picture(96, 96);
  cairo_t* cr = picture.Cr();
  const double t = frame / double(ExplosionFrames - 1), cx = 48, cy = 56;
  Rng rng(700);
  // Smoke: puffs that spread and thin out from the fifth frame on.
  if (frame >= 3) {
    double s = std::min(1.0, (frame - 3) / 10.0), fade = frame < 10 ? 1.0 : 1 - (frame - 10) / 8.0;
    for (int i = 0; i < 12; ++i) {
      double a = rng.Range(Pi, 2 * Pi), d = rng.Range(0.3, 1.0) * 30 * s, r = rng.Range(8, 14) * (0.5 + 0.6 * s);
      double x = cx + std::cos(a) * d, y = cy + std::sin(a) * d * 0.8 - 10 * s;
      cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.3, y - r * 0.3, r * 0.1, x, y, r);
      cairo_pattern_add_color_stop_rgba(p, 0, 0.62, 0.58, 0.54, 0.85 * fade);
      cairo_pattern_add_color_stop_rgba(p, 0.7, 0.42, 0.40, 0.38, 0.7 * fade);
      cairo_pattern_add_color_stop_rgba(p, 1, 0.35, 0.33, 0.32, 0);
      cairo_new_path(cr);
      Ellipse(cr, x, y, r, r);
      cairo_set_source(cr, p);
      cairo_fill(cr);
      cairo_pattern_destroy(p);
    }
  }
  // Fire: hot at the start, gone by the tenth frame.
  if (frame < 10) {
    double heat = std::min(1.0, 1.3 - frame / 10.0), r = 14 + frame * 3.5;
    Glow(cr, cx, cy - 6, r * 1.5, Hex(0xE8501E), 0.9 * heat);
    for (int i = 0; i < 5; ++i) {
      double a = i * 2 * Pi / 5 + frame * 0.3, x = cx + std::cos(a) * r * 0.45, y = cy - 6 + std::sin(a) * r * 0.35;
      Glow(cr, x, y, r * 0.7, Hex(0xFF9A2A), heat);
    }
    Glow(cr, cx, cy - 6, r, Hex(0xFFD23F), heat);
    if (frame < 4) Glow(cr, cx, cy - 6, r * 0.7, Hex(0xFFFFF0), 1.0);
  }
  // Bits of the building flying out and falling.
  Rng bits(701);
  for (int i = 0; i < 14; ++i) {
    double a = bits.Range(Pi * 1.05, Pi * 1.95), v = bits.Range(25, 45);
    double x = cx + std::cos(a) * v * t, y = cy - 6 + std::sin(a) * v * t + 40 * t * t;
    double w = bits.Range(1.5, 3), rot = bits.Range(0, Pi) + t * 6;
    if (frame == 0 || y > 92) continue;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, rot);
    Fill(
        cr, [=](cairo_t* c) { cairo_rectangle(c, -w, -w * 0.6, 2 * w, 1.2 * w); },
        i % 3 ? Hex(0x5A4A3A) : Hex(0xB5543A), std::min(1.0, 1.6 - t));
    cairo_restore(cr);
  }
  return picture.ToImage();
}

Tools::Image Firework(const Colour& colour, int frame) {
  Picture picture(96, 96);
  cairo_t* cr = picture.Cr();
  const double cx = 48, cy = 40;
  const int burstAt = 8;
  if (frame < burstAt) {
    // The rocket climbs with a trail of sparks.
    double f = frame / double(burstAt), y = 92 - (92 - cy) * (1 - (1 - f) * (1 - f));
    for (int i = 0; i < 6; ++i) Glow(cr, cx, y + i * 3, 2.4 - i * 0.3, Hex(0xFFE6A0), 0.8 - i * 0.12);
    Glow(cr, cx, y, 3, Hex(0xFFFFFF), 1);
    return picture.ToImage();
  }
  const double t = (frame - burstAt) / double(FireworkFrames - burstAt - 1);
  const double fade = t < 0.6 ? 1.0 : 1 - (t - 0.6) / 0.4;
  if (t < 0.15) Glow(cr, cx, cy, 22 * (1 - t * 4), Hex(0xFFFFFF), 0.7);
  Rng rng(uint64_t(colour.R * 1000 + colour.G * 100));
  for (int i = 0; i < 36; ++i) {
    double a = i * 2 * Pi / 36 + rng.Range(-0.05, 0.05), v = rng.Range(0.8, 1.0) * 38;
    double ease = 1 - (1 - t) * (1 - t);
    double x = cx + std::cos(a) * v * ease, y = cy + std::sin(a) * v * ease + 14 * t * t;
    // A short streak behind each spark.
    double tx = cx + std::cos(a) * v * ease * 0.86, ty = cy + std::sin(a) * v * ease * 0.86 + 14 * t * t * 0.8;
    Stroke(
        cr,
        [=](cairo_t* c) {
          cairo_move_to(c, tx, ty);
          cairo_line_to(c, x, y);
        },
        colour, 1.2, 0.6 * fade);
    Glow(cr, x, y, 3.4, colour.Lighter(0.3), fade);
    Glow(cr, x, y, 1.6, colour.Lighter(0.6), fade);
    if ((i + frame) % 4 == 0) Glow(cr, x, y, 1.4, Hex(0xFFFFFF), fade);
  }
  return picture.ToImage();
}

// Confetti thrown up over a building and fluttering down, 128 x 128.
Tools::Image Confetti(int frame) {
  Picture picture(128, 128);
  cairo_t* cr = picture.Cr();
  const double t = frame / double(ConfettiFrames - 1);
  static const Colour colours[] = {Hex(0xE84A5F), Hex(0xFFD23F), Hex(0x3F86C9),
                                   Hex(0x6FBF4A), Hex(0xB36AE2), Hex(0xFF8C42)};
  Rng rng(900);
  for (int i = 0; i < 60; ++i) {
    double a = rng.Range(-Pi * 0.85, -Pi * 0.15), v = rng.Range(50, 95), drift = rng.Range(-12, 12);
    double spin = rng.Range(4, 10), phase = rng.Range(0, 2 * Pi), start = rng.Range(0, 0.15);
    const Colour c = colours[i % 6];
    double u = std::max(0.0, t - start) / (1 - start);
    if (t < start) continue;
    // Thrown up fast, slowed by the air, then falling at a flutter.
    double rise = 1 - std::exp(-u * 5);
    double x = 64 + std::cos(a) * v * 0.6 * rise + drift * u + std::sin(u * spin + phase) * 4;
    double y = 100 + std::sin(a) * v * rise + 70 * u * u;
    double fade = u < 0.75 ? 1.0 : 1 - (u - 0.75) / 0.25;
    double flip = std::abs(std::cos(u * spin * 2 + phase));
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, phase + u * spin);
    Fill(
        cr, [=](cairo_t* k) { cairo_rectangle(k, -2, -1.2 * flip - 0.2, 4, 2.4 * flip + 0.4); }, c, fade);
    cairo_restore(cr);
  }
  return picture.ToImage();
}

// A hundred-dollar note, flat, in its own frame: x along it.
void Banknote(cairo_t* cr, double w, double h) {
  Shade(
      cr, [=](cairo_t* c) { RoundedRect(c, -w / 2, -h / 2, w, h, 1.5); }, Hex(0x9ACB7A), 0.8, 0.2, 0.1);
  Stroke(
      cr, [=](cairo_t* c) { RoundedRect(c, -w / 2 + 2, -h / 2 + 2, w - 4, h - 4, 1); }, Hex(0x4E8A3A), 0.6, 0.8);
  Fill(
      cr, [=](cairo_t* c) { Ellipse(c, 0, 0, h * 0.3, h * 0.3); }, Hex(0x4E8A3A), 0.7);
  Fill(
      cr,
      [=](cairo_t* c) {
        cairo_rectangle(c, -w / 2 + 3, -h / 2 + 3, 4, 3);
        cairo_rectangle(c, w / 2 - 7, h / 2 - 6, 4, 3);
      },
      Hex(0x2F6A2A), 0.8);
}

// A note tumbling as it falls: turned about its length and its width by
// the frame, a loop of the given number of frames. 48 x 48.
Tools::Image TumblingNote(int frame, int frames, double turns) {
  Picture picture(48, 48);
  cairo_t* cr = picture.Cr();
  const double t = frame / double(frames), a = 2 * Pi * t;
  cairo_save(cr);
  cairo_translate(cr, 24, 24);
  cairo_rotate(cr, std::sin(a) * 0.6);
  cairo_scale(cr, 1.0, std::max(0.12, std::abs(std::cos(a * turns))));
  Banknote(cr, 32, 16);
  cairo_restore(cr);
  return picture.ToImage();
}

// A strip of confetti turning over, a loop. 16 x 16.
Tools::Image TumblingConfetti(const Colour& colour, int frame, int frames) {
  Picture picture(16, 16);
  cairo_t* cr = picture.Cr();
  const double a = 2 * Pi * frame / frames;
  cairo_save(cr);
  cairo_translate(cr, 8, 8);
  cairo_rotate(cr, a);
  double flip = std::cos(2 * a);
  Fill(
      cr, [=](cairo_t* c) { cairo_rectangle(c, -5, -2.2 * std::abs(flip) - 0.3, 10, 4.4 * std::abs(flip) + 0.6); },
      flip > 0 ? colour : colour.Darker(0.25));
  cairo_restore(cr);
  return picture.ToImage();
}

Tools::Image Balloon(const Colour& colour) {
  Picture picture(18, 30);
  cairo_t* cr = picture.Cr();
  Stroke(
      cr,
      [](cairo_t* c) {
        cairo_move_to(c, 9, 20);
        cairo_curve_to(c, 7, 23, 11, 26, 9, 29.5);
      },
      Hex(0x6A6A6A), 0.7);
  Shade(
      cr,
      [](cairo_t* c) {
        cairo_move_to(c, 9, 20);
        cairo_curve_to(c, 1, 16, 1, 2, 9, 2);
        cairo_curve_to(c, 17, 2, 17, 16, 9, 20);
        cairo_close_path(c);
      },
      colour, 0.9, 0.3, 0.15);
  Fill(
      cr,
      [](cairo_t* c) {
        Polygon(c, {7.5, 21.5, 10.5, 21.5, 9, 19.5});
      },
      colour.Darker(0.2));
  Fill(
      cr, [](cairo_t* c) { Ellipse(c, 6.5, 7, 1.8, 3); }, Hex(0xFFFFFF), 0.55);
  return picture.ToImage();
}

}  // namespace

void AddEffectPictures(Recipes& out) {
  char name[96];
  for (int f = 0; f < ExplosionFrames; ++f) {
    std::snprintf(name, sizeof name, "images/effects/Explosion/%02i", f);
    out.push_back({name, [f] { return Explosion(f); }});
  }
  struct Shell {
    const char* Name;
    Colour C;
  };
  for (Shell shell : {Shell{"Purple", Hex(0xB36AE2)}, Shell{"Red", Hex(0xF2504A)}, Shell{"Yellow", Hex(0xFFD23F)}}) {
    for (int f = 0; f < FireworkFrames; ++f) {
      std::snprintf(name, sizeof name, "images/Effects/Fireworks/%s/%02i", shell.Name, f);
      Colour c = shell.C;
      out.push_back({name, [c, f] { return Firework(c, f); }});
    }
  }
  for (int f = 0; f < ConfettiFrames; ++f) {
    std::snprintf(name, sizeof name, "images/Effects/SpecialAction/Confetti/%02i", f);
    out.push_back({name, [f] { return Confetti(f); }});
  }
  // The level's end: notes and confetti that fall over the screen, each
  // frame one turn of a piece that the effect scatters many of.
  for (int f = 0; f < 60; ++f) {
    std::snprintf(name, sizeof name, "images/effects/LevelComplete/100bills_01/%02i", f);
    out.push_back({name, [f] { return TumblingNote(f, 60, 2); }});
  }
  for (int f = 0; f < 20; ++f) {
    std::snprintf(name, sizeof name, "images/effects/LevelComplete/100bills_02/%02i", f);
    out.push_back({name, [f] { return TumblingNote(f, 20, 1); }});
  }
  for (Shell shell : {Shell{"Green", Hex(0x6FBF4A)}, Shell{"Red", Hex(0xE8404A)}, Shell{"Yellow", Hex(0xFFD23F)}}) {
    for (int f = 0; f < 20; ++f) {
      std::snprintf(name, sizeof name, "images/effects/LevelComplete/Confetti/%s/%02i", shell.Name, f);
      Colour c = shell.C;
      out.push_back({name, [c, f] { return TumblingConfetti(c, f, 20); }});
    }
  }
  out.push_back({"images/Effects/SpecialAction/Balloon_Red", [] { return Balloon(Hex(0xE8404A)); }});
  out.push_back({"images/Effects/SpecialAction/Balloon_Blue", [] { return Balloon(Hex(0x3F86C9)); }});
}

}  // namespace TownArt
