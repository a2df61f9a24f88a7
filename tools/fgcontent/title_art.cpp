#include "title_art.h"

#include <algorithm>
#include <cmath>

#include "synth.h"

namespace fg {

namespace {

constexpr double kW = 640, kH = 480;
constexpr double kHoleX = 538;

double nearHill(double x, double scroll) {
  return 352 + 14 * std::sin((x + scroll) * 0.011) + 8 * std::sin((x + scroll) * 0.027 + 1.3);
}

void sky(cairo_t* cr) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 360);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.03, 0.05, 0.16);
  cairo_pattern_add_color_stop_rgb(g, 0.7, 0.12, 0.14, 0.36);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.42, 0.26, 0.46);
  cairo_rectangle(cr, 0, 0, kW, kH);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  NoiseSource rnd(2024);
  for (int i = 0; i < 110; ++i) {
    const double x = (rnd.next() + 1) / 2 * kW, y = (rnd.next() + 1) / 2 * 300;
    const double b = 0.45 + 0.55 * (rnd.next() + 1) / 2;
    cairo_arc(cr, x, y, b > 0.9 ? 1.3 : 0.8, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 1, 1, 0.9, b);
    cairo_fill(cr);
  }
  cairo_pattern_t* moon = cairo_pattern_create_radial(540, 92, 4, 540, 92, 70);
  cairo_pattern_add_color_stop_rgba(moon, 0, 1, 1, 0.9, 0.95);
  cairo_pattern_add_color_stop_rgba(moon, 0.33, 1, 0.95, 0.8, 0.9);
  cairo_pattern_add_color_stop_rgba(moon, 0.36, 1, 0.9, 0.7, 0.25);
  cairo_pattern_add_color_stop_rgba(moon, 1, 1, 0.8, 0.6, 0);
  cairo_arc(cr, 540, 92, 70, 0, 2 * M_PI);
  cairo_set_source(cr, moon);
  cairo_fill(cr);
  cairo_pattern_destroy(moon);
}

void hills(cairo_t* cr, double scroll) {
  cairo_move_to(cr, 0, kH);
  for (double x = 0; x <= kW; x += 4)
    cairo_line_to(cr, x, 318 + 18 * std::sin((x + scroll * 0.4) * 0.008 + 0.5) + 9 * std::sin((x + scroll * 0.4) * 0.021));
  cairo_line_to(cr, kW, kH);
  cairo_close_path(cr);
  cairo_set_source_rgb(cr, 0.07, 0.24, 0.2);
  cairo_fill(cr);
  cairo_move_to(cr, 0, kH);
  for (double x = 0; x <= kW; x += 4) cairo_line_to(cr, x, nearHill(x, scroll));
  cairo_line_to(cr, kW, kH);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 330, 0, kH);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.35, 0.75, 0.25);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.06, 0.28, 0.1);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void flag(cairo_t* cr, double scroll) {
  const double x = kHoleX, y = nearHill(x, scroll);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, 1, 0.4);
  cairo_arc(cr, 0, 0, 9, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_set_source_rgb(cr, 0.04, 0.1, 0.05);
  cairo_fill(cr);
  cairo_set_line_width(cr, 2.5);
  cairo_set_source_rgb(cr, 0.95, 0.95, 0.9);
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x, y - 78);
  cairo_stroke(cr);
  cairo_move_to(cr, x + 1, y - 78);
  cairo_curve_to(cr, x + 18, y - 74, x + 26, y - 68, x + 40, y - 66);
  cairo_line_to(cr, x + 1, y - 52);
  cairo_close_path(cr);
  cairo_set_source_rgb(cr, 0.95, 0.2, 0.15);
  cairo_fill(cr);
}

void ball(cairo_t* cr, double x, double scroll) {
  const double y = nearHill(x, scroll) - 7;
  cairo_pattern_t* g = cairo_pattern_create_radial(x - 3, y - 3, 1, x, y, 7);
  cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 1);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.6, 0.64, 0.72);
  cairo_arc(cr, x, y, 7, 0, 2 * M_PI);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void sparkles(cairo_t* cr, double amount, double scroll) {
  if (amount <= 0) return;
  const double cx = kHoleX, cy = nearHill(kHoleX, scroll) - 10;
  for (int i = 0; i < 12; ++i) {
    const double a = i * M_PI / 6, r = 10 + 50 * amount;
    cairo_arc(cr, cx + r * std::cos(a), cy + r * std::sin(a) * 0.6, 2.2 * (1 - amount) + 0.5, 0, 2 * M_PI);
    cairo_set_source_rgba(cr, 1, 0.95, 0.5, 1 - amount);
    cairo_fill(cr);
  }
}

void title(cairo_t* cr, const ContentContext& ctx, double scale, double alpha) {
  if (alpha <= 0) return;
  cairo_save(cr);
  cairo_translate(cr, kW / 2, 402);
  cairo_scale(cr, scale, scale);
  ctx.sansBold->textPath(cr, 86, 0, 0, "FAIRGLADE", TextAlign::Centre);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, 10);
  cairo_set_source_rgba(cr, 0.3, 1, 0.4, 0.25 * alpha);
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 4);
  cairo_set_source_rgba(cr, 0.02, 0.15, 0.05, alpha);
  cairo_stroke_preserve(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, -66, 0, 0);
  cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, alpha);
  cairo_pattern_add_color_stop_rgba(g, 0.5, 0.85, 1, 0.45, alpha);
  cairo_pattern_add_color_stop_rgba(g, 1, 0.2, 0.7, 0.15, alpha);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

}  // namespace

void drawTitleScene(cairo_t* cr, const ContentContext& ctx, const TitleScene& s) {
  sky(cr);
  hills(cr, s.scroll);
  flag(cr, s.scroll);
  if (s.ballX >= 0) ball(cr, s.ballX, s.scroll);
  sparkles(cr, s.sparkle, s.scroll);
  title(cr, ctx, s.titleScale, s.titleAlpha);
  if (s.subtitleAlpha > 0) {
    ctx.sansBold->textPath(cr, 17, kW / 2, 438, "BETA 3", TextAlign::Centre);
    cairo_set_source_rgba(cr, 1, 0.85, 0.3, s.subtitleAlpha);
    cairo_fill(cr);
    ctx.sans->textPath(cr, 12, kW / 2, 462, "a Brackwater game", TextAlign::Centre);
    cairo_set_source_rgba(cr, 0.8, 0.9, 1, s.subtitleAlpha);
    cairo_fill(cr);
  }
  if (s.fade < 1) {
    cairo_rectangle(cr, 0, 0, kW, kH);
    cairo_set_source_rgba(cr, 0, 0, 0, 1 - std::clamp(s.fade, 0.0, 1.0));
    cairo_fill(cr);
  }
}

void drawMakerLogo(cairo_t* cr, const ContentContext& ctx, double t, double length) {
  cairo_rectangle(cr, 0, 0, kW, kH);
  cairo_pattern_t* bg = cairo_pattern_create_radial(kW / 2, kH / 2, 20, kW / 2, kH / 2, 420);
  cairo_pattern_add_color_stop_rgb(bg, 0, 0.05, 0.22, 0.28);
  cairo_pattern_add_color_stop_rgb(bg, 1, 0.01, 0.04, 0.07);
  cairo_set_source(cr, bg);
  cairo_fill(cr);
  cairo_pattern_destroy(bg);
  // A wave drawn from left to right under the name.
  const double drawn = std::clamp(t / 1.2, 0.0, 1.0);
  cairo_set_line_width(cr, 4);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int layer = 0; layer < 2; ++layer) {
    cairo_new_path(cr);
    for (double x = 120; x <= 120 + 400 * drawn; x += 3)
      cairo_line_to(cr, x, 272 + layer * 14 + 10 * std::sin(x * 0.035 + t * 3 + layer));
    cairo_set_source_rgba(cr, 0.3, 0.85, 0.9, layer ? 0.45 : 0.95);
    cairo_stroke(cr);
  }
  const double nameAlpha = std::clamp((t - 0.6) / 0.7, 0.0, 1.0);
  ctx.sansBold->textPath(cr, 52, kW / 2, 246, "BRACKWATER", TextAlign::Centre);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 206, 0, 246);
  cairo_pattern_add_color_stop_rgba(g, 0, 0.9, 1, 1, nameAlpha);
  cairo_pattern_add_color_stop_rgba(g, 1, 0.3, 0.8, 0.85, nameAlpha);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  const double tagAlpha = std::clamp((t - 1.3) / 0.5, 0.0, 1.0);
  ctx.sans->textPath(cr, 15, kW / 2, 330, "i n t e r a c t i v e", TextAlign::Centre);
  cairo_set_source_rgba(cr, 0.6, 0.8, 0.85, tagAlpha);
  cairo_fill(cr);
  const double fade = std::min(std::clamp(t / 0.4, 0.0, 1.0), std::clamp((length - t) / 0.5, 0.0, 1.0));
  if (fade < 1) {
    cairo_rectangle(cr, 0, 0, kW, kH);
    cairo_set_source_rgba(cr, 0, 0, 0, 1 - fade);
    cairo_fill(cr);
  }
}

}  // namespace fg
