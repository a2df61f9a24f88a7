#include "hud_art.h"

#include <cmath>

namespace fg {

namespace {

void verticalGradient(cairo_t* cr, double y0, double y1, const Rgb& top, const Rgb& bottom) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, g);
  cairo_pattern_destroy(g);
}

// A raised or sunken box lit from the top left.
void bevelBox(cairo_t* cr, double x, double y, double w, double h, double r, const Rgb& top,
              const Rgb& bottom, const Rgb& light, const Rgb& dark, bool sunken) {
  roundedRect(cr, x, y, w, h, r);
  verticalGradient(cr, y, y + h, top, bottom);
  cairo_fill(cr);
  cairo_set_line_width(cr, 1);
  cairo_save(cr);
  roundedRect(cr, x + 0.5, y + 0.5, w - 1, h - 1, r);
  cairo_clip(cr);
  const Rgb& tl = sunken ? dark : light;
  const Rgb& br = sunken ? light : dark;
  roundedRect(cr, x + 1.5, y + 1.5, w + 4, h + 4, r);  // edge along the top and left
  setSource(cr, tl, 0.9);
  cairo_stroke(cr);
  roundedRect(cr, x - 4.5, y - 4.5, w + 4, h + 4, r);  // edge along the bottom and right
  setSource(cr, br, 0.9);
  cairo_stroke(cr);
  cairo_restore(cr);
  roundedRect(cr, x + 0.5, y + 0.5, w - 1, h - 1, r);
  setSource(cr, dark, 0.8);
  cairo_stroke(cr);
}

void field(cairo_t* cr, const Theme& t, double x, double y, double w, double h) {
  bevelBox(cr, x, y, w, h, 3, t.field.scaled(0.8), t.field, t.fieldEdge, t.panelDark, true);
}

void iconShape(cairo_t* cr, int icon, const FontFace& bold) {
  switch (icon) {
    case 0:  // replay the message: a speech bubble
      roundedRect(cr, 3.5, 4.5, 15, 10, 3);
      cairo_move_to(cr, 6.5, 14);
      cairo_line_to(cr, 5.5, 18.5);
      cairo_line_to(cr, 11, 14);
      cairo_close_path(cr);
      cairo_fill(cr);
      break;
    case 1:  // switch the putting method: two arrows
      cairo_set_line_width(cr, 2);
      cairo_move_to(cr, 4, 8);
      cairo_line_to(cr, 15, 8);
      cairo_move_to(cr, 18, 14);
      cairo_line_to(cr, 7, 14);
      cairo_stroke(cr);
      cairo_move_to(cr, 18.5, 8);
      cairo_line_to(cr, 13.5, 4);
      cairo_line_to(cr, 13.5, 12);
      cairo_close_path(cr);
      cairo_move_to(cr, 3.5, 14);
      cairo_line_to(cr, 8.5, 10);
      cairo_line_to(cr, 8.5, 18);
      cairo_close_path(cr);
      cairo_fill(cr);
      break;
    case 2:  // sound: a speaker and its waves
      cairo_move_to(cr, 3.5, 8.5);
      cairo_line_to(cr, 6.5, 8.5);
      cairo_line_to(cr, 10.5, 4.5);
      cairo_line_to(cr, 10.5, 17.5);
      cairo_line_to(cr, 6.5, 13.5);
      cairo_line_to(cr, 3.5, 13.5);
      cairo_close_path(cr);
      cairo_fill(cr);
      cairo_set_line_width(cr, 1.6);
      cairo_arc(cr, 10.5, 11, 3.5, -0.9, 0.9);
      cairo_stroke(cr);
      cairo_arc(cr, 10.5, 11, 7, -0.9, 0.9);
      cairo_stroke(cr);
      break;
    case 3:  // help
      bold.textPath(cr, 16, 11, 17, "?", TextAlign::Centre);
      cairo_fill(cr);
      break;
    default:  // centre the view: cross hairs
      cairo_set_line_width(cr, 1.6);
      cairo_arc(cr, 11, 11, 5.5, 0, 2 * M_PI);
      cairo_stroke(cr);
      cairo_set_line_width(cr, 2);
      cairo_move_to(cr, 11, 2);
      cairo_line_to(cr, 11, 7);
      cairo_move_to(cr, 11, 15);
      cairo_line_to(cr, 11, 20);
      cairo_move_to(cr, 2, 11);
      cairo_line_to(cr, 7, 11);
      cairo_move_to(cr, 15, 11);
      cairo_line_to(cr, 20, 11);
      cairo_stroke(cr);
      cairo_arc(cr, 11, 11, 1.8, 0, 2 * M_PI);
      cairo_fill(cr);
      break;
  }
}

void drawButton(cairo_t* cr, const Theme& t, const HudFonts& f, int icon, double x, double y,
                bool pressed) {
  cairo_save(cr);
  if (pressed)
    bevelBox(cr, x, y, kButtonSize, kButtonSize, 4, t.buttonBottom.scaled(0.7), t.buttonTop.scaled(0.8),
             t.panelLight, t.panelDark, true);
  else
    bevelBox(cr, x, y, kButtonSize, kButtonSize, 4, t.buttonTop, t.buttonBottom, t.panelLight,
             t.panelDark, false);
  const double shift = pressed ? 1 : 0;
  cairo_translate(cr, x + shift + 1, y + shift + 1);
  setSource(cr, t.iconShadow, 0.8);
  iconShape(cr, icon, f.bold);
  cairo_translate(cr, -1, -1);
  setSource(cr, pressed ? t.accent : t.icon);
  iconShape(cr, icon, f.bold);
  cairo_restore(cr);
}

void label(CairoImage& img, const HudFonts& f, int x, int y, const std::string& s, const Rgb& c,
           const Rgb& shadow) {
  f.pixel.draw(img, x, y, s, c, c.scaled(0.85), shadow);
}

void closeStrip(CairoImage& img, const Theme& t, const HudFonts& f, double h) {
  cairo_t* cr = img.cr();
  // The close area runs from screen x 269 to 544 over the title strip's height.
  bevelBox(cr, 265, 0, 276, h, 0, t.closeTop, t.closeBottom, t.closeTop.mix({1, 1, 1}, 0.5),
           t.panelDark, false);
  const std::string text = "CLICK HERE TO CLOSE THE GAME";
  label(img, f, 265 + (258 - PixelFont::width(text)) / 2, static_cast<int>(h / 2) - 5, text, t.closeText,
        t.closeBottom.scaled(0.4));
  // A boxed cross at the right end, the usual close control.
  const double bx = 525, by = h / 2 - 6;
  bevelBox(cr, bx, by, 12, 12, 2, t.closeBottom, t.closeTop, t.closeTop.mix({1, 1, 1}, 0.5),
           t.panelDark, true);
  cairo_set_line_width(cr, 2);
  setSource(cr, t.closeText);
  cairo_move_to(cr, bx + 3, by + 3);
  cairo_line_to(cr, bx + 9, by + 9);
  cairo_move_to(cr, bx + 9, by + 3);
  cairo_line_to(cr, bx + 3, by + 9);
  cairo_stroke(cr);
}

void titleStrip(CairoImage& img, const Theme& t, const HudFonts& f, double h, bool hint) {
  bevelBox(img.cr(), 0, 0, 266, h, 0, t.stripTop, t.stripBottom, t.stripTop.mix({1, 1, 1}, 0.6),
           t.panelDark, false);
  const int ty = static_cast<int>(h / 2) - 5;
  label(img, f, 7, ty, t.title, t.stripText, t.stripTop.mix({1, 1, 1}, 0.5));
  if (hint) label(img, f, 138, ty, "DOUBLE CLICK = FOLD", t.stripText.mix(t.stripBottom, 0.3),
                  t.stripTop.mix({1, 1, 1}, 0.5));
}

void methodBox(cairo_t* cr, const Rgb& top, const Rgb& bottom, const Theme& t) {
  bevelBox(cr, 0, 0, kPushMarkWidth, kPushMarkHeight, 4, top, bottom, t.panelLight, t.panelDark, true);
}

}  // namespace

Picture drawPanel(const Theme& t, const HudFonts& f) {
  CairoImage img(kPanelWidth, kPanelHeight);
  cairo_t* cr = img.cr();
  // Body under the strips: everything the game writes lies within x < 300.
  bevelBox(cr, 0, 10, 300, 90, 8, t.panelTop, t.panelBottom, t.panelLight, t.panelDark, false);
  titleStrip(img, t, f, 16, true);
  closeStrip(img, t, f, 16);
  // Score well: large digits at screen (22 or 32, 27), 17 high.
  field(cr, t, 18, 19, 49, 39);
  label(img, f, 28, 44, "SCORE", t.fieldEdge, t.field.scaled(0.5));
  // Name line at screen (116, 31): 28 characters from x 122.
  field(cr, t, 114, 24, 178, 16);
  // Strokes at screen (118 or 113, 48), par at (161, 48).
  label(img, f, 80, 45, "SHOTS", t.textTop, t.panelDark);
  field(cr, t, 111, 42, 21, 15);
  label(img, f, 139, 45, "PAR", t.textTop, t.panelDark);
  field(cr, t, 159, 42, 21, 15);
  // Putting method: the indicator the push-putt mark covers (screen 193, 49).
  cairo_save(cr);
  cairo_translate(cr, 189, 45);
  methodBox(cr, t.field.scaled(0.8), t.field, t);
  cairo_restore(cr);
  label(img, f, 189 + 12, 49, "PULL", t.textTop, t.textShadow);
  label(img, f, 240, 49, "PUTT", t.textTop, t.panelDark);
  // Buttons at screen x 17, 39, 61, 83, 105, y 76.
  for (int i = 0; i < kButtonCount; ++i) drawButton(cr, t, f, i, 13 + 22 * i, 72, false);
  const Rgb hint = t.panelLight.mix(t.panelTop, 0.25);
  label(img, f, 130, 71, "F1 HELP   F8 METHOD", hint, t.panelDark);
  label(img, f, 130, 84, "SPACE FOLD  ESC QUIT", hint, t.panelDark);
  return toKeyedPicture(img);
}

Picture drawPanelMin(const Theme& t, const HudFonts& f) {
  CairoImage img(kPanelWidth, kPanelMinHeight);
  titleStrip(img, t, f, kPanelMinHeight, false);
  closeStrip(img, t, f, 16);
  // Name and banner at screen (80, 9), strokes at (206 or 201, 9), par at (221, 9).
  field(img.cr(), t, 79, 2, 183, 14);
  label(img, f, 216, 5, "/", t.fieldEdge, t.field.scaled(0.5));
  return toKeyedPicture(img);
}

Picture drawButtonsDown(const Theme& t, const HudFonts& f) {
  CairoImage img(kButtonSize * kButtonCount, kButtonSize);
  for (int i = 0; i < kButtonCount; ++i) drawButton(img.cr(), t, f, i, kButtonSize * i, 0, true);
  return toKeyedPicture(img);
}

Picture drawPushPuttMark(const Theme& t, const HudFonts& f) {
  CairoImage img(kPushMarkWidth, kPushMarkHeight);
  methodBox(img.cr(), t.accent, t.accent.mix(t.panelBottom, 0.45), t);
  label(img, f, 12, 4, "PUSH", t.panelDark.mix(t.accent, 0.1), t.accent.mix({1, 1, 1}, 0.5));
  return toKeyedPicture(img);
}

Picture drawScoreDigits(const Theme& t, const HudFonts& f) {
  const std::string chars = "0123456789 -";
  std::vector<Picture> glyphs;
  for (char c : chars) {
    CairoImage img(kDigitWidth, kDigitHeight);  // each digit kept inside its own cell
    cairo_t* cr = img.cr();
    if (c != ' ') {
      f.condensed.textPath(cr, 17, kDigitWidth / 2.0, 15, std::string(1, c), TextAlign::Centre);
      cairo_set_line_width(cr, 2);
      setSource(cr, t.digitEdge);
      cairo_stroke_preserve(cr);
      verticalGradient(cr, 2, 15, t.digitTop, t.digitBottom);
      cairo_fill(cr);
    }
    glyphs.push_back(toKeyedPicture(img, 100));
  }
  return gridOfPatterns(glyphs, static_cast<int>(glyphs.size()));
}

}  // namespace fg
