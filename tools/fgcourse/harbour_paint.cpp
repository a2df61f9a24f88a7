// The night harbour's own look: a dark sea with moonlit ripples round the
// quays, plank decks, warm pools of lamplight, stone steps, a drain that
// swirls, and the harbour's scenery (boats, crates, bollards, buoys, the
// lighthouse).
#include "harbour_paint.h"

#include <algorithm>
#include <cmath>

namespace fg {
namespace {

int32_t arg(const Decor& d, size_t i, int32_t dflt = 0) { return i < d.v.size() ? d.v[i] : dflt; }

double unit(uint32_t h) { return (h % 10000) / 10000.0; }

void pathFairways(cairo_t* cr, const HoleSource& h) {
  for (const auto& poly : h.fairways) {
    if (poly.size() < 6) continue;
    cairo_move_to(cr, poly[0], poly[1]);
    for (size_t i = 2; i + 1 < poly.size(); i += 2) cairo_line_to(cr, poly[i], poly[i + 1]);
    cairo_close_path(cr);
  }
}

// Small crescents of moonlight on the water, thicker toward the top where
// the moon stands.
void seaRipples(cairo_t* cr, const HoleSource& h) {
  int count = h.width * h.height / 1400;
  cairo_set_line_width(cr, 1.3);
  for (int i = 0; i < count; ++i) {
    double x = unit(hash32(i * 3 + 11)) * h.width, y = unit(hash32(i * 3 + 12)) * h.height;
    double len = 4 + unit(hash32(i * 3 + 13)) * 9;
    double a = 0.10 + 0.25 * (1.0 - y / h.height);
    setSource(cr, {0.55, 0.70, 0.90}, a);
    cairo_move_to(cr, x - len, y);
    cairo_curve_to(cr, x - len / 3, y - 2, x + len / 3, y - 2, x + len, y);
    cairo_stroke(cr);
  }
}

// Deck boards across the quay: a seam every board, butt joints staggered
// from board to board, each board a shade of its own.
void planks(cairo_t* cr, const HoleSource& h, const Theme& t) {
  cairo_save(cr);
  pathFairways(cr, h);
  cairo_clip(cr);
  constexpr int kBoard = 12;
  for (int row = 0; row * kBoard < h.height; ++row) {
    double y = row * kBoard;
    double x = -unit(hash32(row * 7 + 1)) * 120;
    for (int k = 0; x < h.width; ++k) {
      double len = 90 + unit(hash32(row * 131 + k)) * 110;
      double tone = 0.9 + unit(hash32(row * 977 + k * 3)) * 0.16;
      cairo_rectangle(cr, x, y, len, kBoard);
      setSource(cr, shade(t.fairway, tone));
      cairo_fill(cr);
      cairo_move_to(cr, x + 0.5, y);  // butt joint
      cairo_line_to(cr, x + 0.5, y + kBoard);
      setSource(cr, shade(t.fairway, 0.62));
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
      for (double nx : {x + 4, x + len - 4}) {  // nail heads
        cairo_rectangle(cr, nx, y + 3, 1.5, 1.5);
        cairo_rectangle(cr, nx, y + kBoard - 4, 1.5, 1.5);
      }
      setSource(cr, shade(t.fairway, 0.55), 0.8);
      cairo_fill(cr);
      x += len;
    }
    cairo_move_to(cr, 0, y + 0.5);  // the gap between boards
    cairo_line_to(cr, h.width, y + 0.5);
    setSource(cr, shade(t.fairway, 0.58));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

void boat(cairo_t* cr, const Decor& d) {
  double x = arg(d, 0), y = arg(d, 1), l = arg(d, 2, 120), w = l * 0.34;
  // Hull seen from above: a pointed bow to the right.
  auto hull = [&](double s) {
    cairo_move_to(cr, x - l / 2 * s, y - w / 2 * s);
    cairo_line_to(cr, x + l * 0.22 * s, y - w / 2 * s);
    cairo_curve_to(cr, x + l * 0.42 * s, y - w / 2 * s, x + l / 2 * s, y - w * 0.1 * s, x + l / 2 * s, y);
    cairo_curve_to(cr, x + l / 2 * s, y + w * 0.1 * s, x + l * 0.42 * s, y + w / 2 * s, x + l * 0.22 * s, y + w / 2 * s);
    cairo_line_to(cr, x - l / 2 * s, y + w / 2 * s);
    cairo_close_path(cr);
  };
  cairo_save(cr);
  cairo_translate(cr, 3, 4);
  hull(1.0);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
  cairo_fill(cr);
  cairo_restore(cr);
  hull(1.0);
  setSource(cr, {0.72, 0.16, 0.14});
  cairo_fill(cr);
  cairo_save(cr);
  cairo_translate(cr, x * 0.12, y * 0.12);
  cairo_scale(cr, 0.88, 0.88);
  hull(1.0);
  cairo_restore(cr);
  setSource(cr, {0.62, 0.46, 0.28});
  cairo_fill(cr);
  cairo_rectangle(cr, x - l * 0.3, y - w * 0.25, l * 0.28, w * 0.5);  // wheelhouse
  setSource(cr, {0.9, 0.9, 0.86});
  cairo_fill(cr);
  cairo_rectangle(cr, x - l * 0.1, y - w * 0.18, l * 0.06, w * 0.36);
  setSource(cr, {1.0, 0.85, 0.45});  // a lit window
  cairo_fill(cr);
}

void crate(cairo_t* cr, const Decor& d) {
  double x = arg(d, 0), y = arg(d, 1), s = arg(d, 2, 24);
  cairo_rectangle(cr, x - s / 2 + 3, y - s * 0.2 + 3, s, s * 0.55);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
  cairo_fill(cr);
  cairo_rectangle(cr, x - s / 2, y - s * 0.7, s, s * 0.5);  // lid
  setSource(cr, {0.78, 0.60, 0.36});
  cairo_fill(cr);
  cairo_rectangle(cr, x - s / 2, y - s * 0.2, s, s * 0.45);  // side
  setSource(cr, {0.56, 0.40, 0.22});
  cairo_fill(cr);
  setSource(cr, {0.36, 0.24, 0.12});
  cairo_set_line_width(cr, 1.5);
  cairo_rectangle(cr, x - s / 2, y - s * 0.7, s, s * 0.95);
  cairo_move_to(cr, x - s / 2, y - s * 0.7);
  cairo_line_to(cr, x + s / 2, y - s * 0.2);
  cairo_move_to(cr, x - s / 2, y - s * 0.2);
  cairo_line_to(cr, x + s / 2, y + s * 0.25);
  cairo_stroke(cr);
}

void bollard(cairo_t* cr, const Decor& d) {
  double x = arg(d, 0), y = arg(d, 1);
  pathEllipse(cr, x + 2, y + 2, 7, 3.5);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.4);
  cairo_fill(cr);
  cairo_rectangle(cr, x - 5, y - 10, 10, 10);
  setSource(cr, {0.16, 0.17, 0.19});
  cairo_fill(cr);
  pathEllipse(cr, x, y - 10, 6.5, 3.2);
  setSource(cr, {0.32, 0.34, 0.38});
  cairo_fill(cr);
  pathEllipse(cr, x, y - 4, 8, 3);  // a turn of rope
  setSource(cr, {0.85, 0.78, 0.58});
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

void buoy(cairo_t* cr, const Decor& d) {
  double x = arg(d, 0), y = arg(d, 1);
  pathEllipse(cr, x, y, 10, 4);
  setSource(cr, {0.5, 0.65, 0.85}, 0.35);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_move_to(cr, x - 7, y);
  cairo_line_to(cr, x, y - 20);
  cairo_line_to(cr, x + 7, y);
  cairo_close_path(cr);
  setSource(cr, {0.85, 0.15, 0.12});
  cairo_fill(cr);
  cairo_rectangle(cr, x - 4.5, y - 12, 9, 4);
  setSource(cr, {0.95, 0.95, 0.92});
  cairo_fill(cr);
  pathEllipse(cr, x, y - 22, 3, 3);
  setSource(cr, {1.0, 0.9, 0.5});
  cairo_fill(cr);
}

// A short striped tower; its lamp room stands where the hole's signal
// lamp is drawn, so the lamp's colour is the lighthouse's light.
void lighthouse(cairo_t* cr, const Decor& d) {
  double x = arg(d, 0), y = arg(d, 1), top = arg(d, 2, y - 60);
  double h = y - top;
  pathEllipse(cr, x + 6, y, 26, 9);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
  cairo_fill(cr);
  for (int band = 0; band < 4; ++band) {
    double y0 = y - h * band / 4.0, y1 = y - h * (band + 1) / 4.0;
    double w0 = 16 - band * 2.5, w1 = 16 - (band + 1) * 2.5;
    cairo_move_to(cr, x - w0, y0);
    cairo_line_to(cr, x - w1, y1);
    cairo_line_to(cr, x + w1, y1);
    cairo_line_to(cr, x + w0, y0);
    cairo_close_path(cr);
    setSource(cr, band % 2 ? Rgb{0.8, 0.18, 0.15} : Rgb{0.94, 0.94, 0.9});
    cairo_fill(cr);
  }
  cairo_rectangle(cr, x - 9, top - 2, 18, 3);  // gallery
  setSource(cr, {0.2, 0.2, 0.22});
  cairo_fill(cr);
  cairo_move_to(cr, x - 8, top - 26);  // roof over the lamp room
  cairo_line_to(cr, x, top - 34);
  cairo_line_to(cr, x + 8, top - 26);
  cairo_close_path(cr);
  setSource(cr, {0.2, 0.2, 0.22});
  cairo_fill(cr);
}

// Where the harbour's lamps stand, a warm pool of light on the ground.
void lampPool(cairo_t* cr, double x, double y) {
  cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
  cairo_pattern_add_color_stop_rgba(g, 0, 1.0, 0.82, 0.45, 0.30);
  cairo_pattern_add_color_stop_rgba(g, 1, 1.0, 0.82, 0.45, 0.0);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, 110, 55);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_pattern_destroy(g);
}

}  // namespace

void paintHarbourGround(cairo_t* cr, const HoleSource& h, const Theme& t) {
  seaRipples(cr, h);
  planks(cr, h, t);
  // The quay's edge drops to the water: a dark band of shadow below it.
  cairo_save(cr);
  cairo_translate(cr, 0, 6);
  pathFairways(cr, h);
  cairo_restore(cr);
  pathFairways(cr, h);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_set_source_rgba(cr, 0, 0, 0.02, 0.55);
  cairo_fill(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

void paintHarbourLights(cairo_t* cr, const HoleSource& h) {
  // Only the quays catch the light: on the dark sea it would turn grey.
  cairo_save(cr);
  pathFairways(cr, h);
  cairo_clip(cr);
  for (const Decor& d : h.decor)
    if (d.type == "lamp") lampPool(cr, arg(d, 0), arg(d, 1));
  cairo_restore(cr);
}

bool paintHarbourArea(cairo_t* cr, const arearec& a, const Theme& t) {
  if (a.kind == 33) {  // stone steps: a lit lip, then the riser in shadow
    const double x0 = std::min({a.x1, a.x2, a.x3, a.x4}), x1 = std::max({a.x1, a.x2, a.x3, a.x4});
    const double y0 = std::min({a.y1, a.y2, a.y3, a.y4}), y1 = std::max({a.y1, a.y2, a.y3, a.y4});
    double hgt = y1 - y0;
    cairo_rectangle(cr, x0, y0, x1 - x0, hgt * 0.3);
    setSource(cr, {0.84, 0.80, 0.64});
    cairo_fill(cr);
    cairo_rectangle(cr, x0, y0 + hgt * 0.3, x1 - x0, hgt * 0.7);
    setSource(cr, {0.30, 0.31, 0.38});
    cairo_fill(cr);
    setSource(cr, {0.22, 0.23, 0.30});
    cairo_set_line_width(cr, 1);
    for (double x = x0 + 30; x < x1; x += 46) {  // joints between the blocks
      cairo_move_to(cr, x + 0.5, y0 + hgt * 0.3);
      cairo_line_to(cr, x + 0.5, y1);
    }
    cairo_stroke(cr);
    return true;
  }
  if (a.kind == 14) {  // the drain: a sunken stone bowl with water swirling down it
    cairo_save(cr);
    pathEllipse(cr, a.x1, a.y1, a.r, a.r / 2.0);
    cairo_clip(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    Rgb rim = shade(t.fairway, 0.85), deep = shade(t.water, 0.55);
    cairo_pattern_add_color_stop_rgb(g, 0, deep.r, deep.g, deep.b);
    cairo_pattern_add_color_stop_rgb(g, 1, rim.r, rim.g, rim.b);
    cairo_translate(cr, a.x1, a.y1);
    cairo_scale(cr, a.r, a.r / 2.0);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    cairo_set_line_width(cr, 0.02);
    for (int arm = 0; arm < 5; ++arm) {  // spiral arms turning in
      double a0 = arm * 2 * M_PI / 5;
      cairo_move_to(cr, std::cos(a0), std::sin(a0));
      for (double s = 0; s <= 1.0; s += 0.05) {
        double r = 1.0 - s * 0.85, ang = a0 + s * 3.2;
        cairo_line_to(cr, r * std::cos(ang), r * std::sin(ang));
      }
      setSource(cr, {0.75, 0.85, 0.95}, 0.45);
      cairo_stroke(cr);
    }
    cairo_restore(cr);
    return true;
  }
  return false;
}

bool paintHarbourDecor(cairo_t* cr, const Decor& d) {
  if (d.type == "boat") boat(cr, d);
  else if (d.type == "crate") crate(cr, d);
  else if (d.type == "bollard") bollard(cr, d);
  else if (d.type == "buoy") buoy(cr, d);
  else if (d.type == "lighthouse") lighthouse(cr, d);
  else return false;
  return true;
}

}  // namespace fg
