// The standard controls: the dialog button in its four states, the slider's
// bar and pin, the text box with its cursor and the check box.
#include "interfaceart/Drawing.h"
#include "interfaceart/Pictures.h"

namespace InterfaceArt {

namespace {

enum ButtonState { BUTTON_Normal, BUTTON_Over, BUTTON_Pressed, BUTTON_Grey };

// 126 x 47, the face 120 x 40 at (3, 2), its shadow below. Over is
// brighter, pressed darker and 1 px lower with a shorter shadow, grey is
// washed out: the four states read apart at a glance.
Tools::Image DialogButton(ButtonState state) {
  Picture picture(126, 47);
  cairo_t* cr = picture.Cr();
  const double dy = state == BUTTON_Pressed ? 1 : 0;
  ShapePath face = [=](cairo_t* c) { RoundedRect(c, 3, 2 + dy, 120, 40, 13); };
  Colour top = Palette::BrassLight.Lighter(0.25), bottom = Palette::Brass;
  Colour rim = Palette::WoodDark;
  if (state == BUTTON_Over) {
    top = Hex(0xFFF3B8);  // warmer and brighter, not paler
    bottom = Hex(0xF4BE3E);
  } else if (state == BUTTON_Pressed) {
    top = top.Darker(0.18);
    bottom = bottom.Darker(0.22);
  } else if (state == BUTTON_Grey) {
    top = top.Grey(0.9).Lighter(0.2);
    bottom = bottom.Grey(0.9).Lighter(0.25);
    rim = rim.Grey(0.8).Lighter(0.35);
  }
  SoftShadow(picture, face, 0, state == BUTTON_Pressed ? 1.5 : 3, 2, state == BUTTON_Grey ? 0.2 : 0.4);
  if (state == BUTTON_Over) SoftShadow(picture, face, 0, 0, 2, 0.55, Hex(0xFFF2B0));
  FillWith(cr, face, VerticalGradient(2 + dy, 42 + dy, top, bottom));
  if (state == BUTTON_Pressed) {
    Bevel(cr, face, 2.5, 0.0, 0.3);  // sunk: the top edge in shadow
  } else {
    Bevel(cr, face, 2.0, state == BUTTON_Grey ? 0.35 : 0.6, 0.2);
    // A soft gloss over the upper half.
    cairo_save(cr);
    cairo_new_path(cr);
    face(cr);
    cairo_clip(cr);
    cairo_new_path(cr);
    RoundedRect(cr, 9, 4 + dy, 108, 17, 8);
    cairo_pattern_t* gloss = cairo_pattern_create_linear(0, 4 + dy, 0, 21 + dy);
    cairo_pattern_add_color_stop_rgba(gloss, 0, 1, 1, 1, state == BUTTON_Grey ? 0.25 : 0.45);
    cairo_pattern_add_color_stop_rgba(gloss, 1, 1, 1, 1, 0.0);
    cairo_set_source(cr, gloss);
    cairo_fill(cr);
    cairo_pattern_destroy(gloss);
    cairo_restore(cr);
  }
  cairo_new_path(cr);
  RoundedRect(cr, 3.75, 2.75 + dy, 118.5, 38.5, 12.5);
  SetColour(cr, rim, 0.9);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  return picture.ToImage();
}

// 22 x 47, the knob centred on (11, 23.5) over the bar's middle.
Tools::Image SliderPin(bool active) {
  Picture picture(22, 47);
  cairo_t* cr = picture.Cr();
  ShapePath knob = [](cairo_t* c) { RoundedRect(c, 2.5, 8, 17, 31, 7); };
  SoftShadow(picture, knob, 1, 2, 2, 0.45);
  if (active) SoftShadow(picture, knob, 0, 0, 2, 0.9, Hex(0xFFE27A));
  Colour top = active ? Hex(0xFFF3B8) : Palette::BrassLight.Lighter(0.1);
  Colour bottom = active ? Hex(0xF4BE3E) : Palette::Brass.Darker(0.12);
  FillWith(cr, knob, VerticalGradient(8, 39, top, bottom));
  Bevel(cr, knob, 1.5, 0.6, 0.25);
  for (double y : {19.5, 23.5, 27.5}) {
    cairo_new_path(cr);
    cairo_move_to(cr, 7, y);
    cairo_line_to(cr, 15, y);
    SetColour(cr, Palette::WoodDark, 0.55);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 7, y + 1.1);
    cairo_line_to(cr, 15, y + 1.1);
    SetColour(cr, Palette::White, 0.5);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
  }
  cairo_new_path(cr);
  RoundedRect(cr, 3.1, 8.6, 15.8, 29.8, 6.5);
  SetColour(cr, Palette::WoodDark, 0.85);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  return picture.ToImage();
}

// 44 x 42, the box at (1, 9) 30 x 30 (the control's hit area); the tick of
// the checked state swings out above and to the right of it.
Tools::Image CheckBox(bool checked) {
  Picture picture(44, 42);
  cairo_t* cr = picture.Cr();
  ShapePath box = [](cairo_t* c) { RoundedRect(c, 2, 10, 28, 28, 6); };
  SoftShadow(picture, box, 1, 2, 1, 0.35);
  FillWith(cr, box, VerticalGradient(10, 38, Palette::WoodLight, Palette::WoodDark));
  ShapePath well = [](cairo_t* c) { RoundedRect(c, 5, 13, 22, 22, 4); };
  FillWith(cr, well, VerticalGradient(13, 35, Palette::PaperShade, Palette::PaperLight));
  Bevel(cr, well, 2.0, 0.0, 0.3);
  Bevel(cr, box, 1.2, 0.4, 0.0);
  if (checked) {
    auto tick = [](cairo_t* c) {
      cairo_move_to(c, 8.5, 23);
      cairo_line_to(c, 15.5, 31);
      cairo_curve_to(c, 21, 20, 29, 10, 39.5, 3.5);
    };
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_new_path(cr);
    tick(cr);
    cairo_translate(cr, 1, 1.5);
    SetColour(cr, Hex(0x1E1208), 0.3);
    cairo_set_line_width(cr, 6.5);
    cairo_stroke(cr);
    cairo_identity_matrix(cr);
    cairo_new_path(cr);
    tick(cr);
    SetColour(cr, Palette::LeafDark.Darker(0.35));
    cairo_set_line_width(cr, 6.5);
    cairo_stroke(cr);
    cairo_new_path(cr);
    tick(cr);
    SetColour(cr, Palette::Leaf);
    cairo_set_line_width(cr, 4.0);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 9.5, 22.5);
    cairo_line_to(cr, 15.2, 29);
    cairo_move_to(cr, 18.5, 24);
    cairo_curve_to(cr, 23, 16, 29, 10.5, 38, 4.5);
    SetColour(cr, Palette::White, 0.45);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  }
  return picture.ToImage();
}

}  // namespace

Tools::Image DrawDialogButtonNormal() { return DialogButton(BUTTON_Normal); }
Tools::Image DrawDialogButtonOver() { return DialogButton(BUTTON_Over); }
Tools::Image DrawDialogButtonPressed() { return DialogButton(BUTTON_Pressed); }
Tools::Image DrawDialogButtonGrey() { return DialogButton(BUTTON_Grey); }

// 185 x 13, drawn at (0, 17) of the 185 x 47 slider: a groove cut into wood.
Tools::Image DrawSliderBar() {
  Picture picture(185, 13);
  cairo_t* cr = picture.Cr();
  ShapePath groove = [](cairo_t* c) { RoundedRect(c, 1, 1.5, 183, 10, 5); };
  FillWith(cr, groove, VerticalGradient(1.5, 11.5, Palette::WoodDark.Darker(0.3), Palette::Wood));
  Bevel(cr, groove, 1.5, 0.0, 0.45);
  cairo_new_path(cr);
  RoundedRect(cr, 1.5, 2, 182, 9, 4.5);
  SetColour(cr, Palette::Brass, 0.55);
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  // Light catching the groove's lower lip.
  cairo_new_path(cr);
  cairo_move_to(cr, 6, 11.5);
  cairo_line_to(cr, 179, 11.5);
  SetColour(cr, Palette::White, 0.35);
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  return picture.ToImage();
}

Tools::Image DrawSliderPinActive() { return SliderPin(true); }
Tools::Image DrawSliderPinInactive() { return SliderPin(false); }

// 260 x 36: a field of light paper set into the panel.
Tools::Image DrawTextBox() {
  Picture picture(260, 36);
  cairo_t* cr = picture.Cr();
  ShapePath field = [](cairo_t* c) { RoundedRect(c, 1, 1, 258, 34, 8); };
  FillWith(cr, field, VerticalGradient(1, 35, Hex(0xF3E6C4), Hex(0xFFFCF2)));
  Bevel(cr, field, 2.5, 0.0, 0.22);
  cairo_new_path(cr);
  RoundedRect(cr, 1.5, 1.5, 257, 33, 7.5);
  SetColour(cr, Palette::Wood, 0.8);
  cairo_set_line_width(cr, 1.3);
  cairo_stroke(cr);
  return picture.ToImage();
}

// 3 x 20: the blinking cursor, in the ink colour.
Tools::Image DrawTextBoxCursor() {
  Picture picture(3, 20);
  cairo_t* cr = picture.Cr();
  RoundedRect(cr, 0.25, 0, 2.5, 20, 1.2);
  SetColour(cr, Palette::Ink);
  cairo_fill(cr);
  return picture.ToImage();
}

Tools::Image DrawCheckBoxNormal() { return CheckBox(false); }
Tools::Image DrawCheckBoxChecked() { return CheckBox(true); }

}  // namespace InterfaceArt
