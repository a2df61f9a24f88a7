#include "aim_art.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace fg {

namespace {

constexpr double kByteToRadians = 2 * M_PI / 256;

}  // namespace

Picture drawPointer(const Theme& t) {
  CairoImage img(14, 20);
  cairo_t* cr = img.cr();
  const double pts[][2] = {{0.5, 0.5}, {0.5, 15.5}, {4.2, 12}, {7, 18.5}, {10, 17.2}, {7.3, 10.8}, {12, 10.8}};
  cairo_move_to(cr, pts[0][0], pts[0][1]);
  for (const auto& p : pts) cairo_line_to(cr, p[0], p[1]);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 10, 18);
  cairo_pattern_add_color_stop_rgb(g, 0, t.pointerFill.r, t.pointerFill.g, t.pointerFill.b);
  const Rgb low = t.pointerFill.mix(t.accent, 0.45);
  cairo_pattern_add_color_stop_rgb(g, 1, low.r, low.g, low.b);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  cairo_set_line_width(cr, 1);
  setSource(cr, t.pointerEdge);
  cairo_stroke(cr);
  img.setPixel(0, 0, 255, 255, 255, 255);  // the hot spot is the tip, always drawn
  return toKeyedPicture(img, 110);
}

Picture drawGauge(const Theme& t, const PixelFont& font) {
  std::vector<Picture> levels;
  constexpr double cx = 47.5, cy = 56.5, rOuter = 44, rInner = 35;
  constexpr int segments = kGaugeLevels - 1;
  const double start = M_PI * 0.75, sweep = M_PI * 1.5;  // from lower left over the top
  for (int level = 0; level < kGaugeLevels; ++level) {
    CairoImage img(kGaugeWidth, kGaugeHeight);
    cairo_t* cr = img.cr();
    for (int s = 0; s < segments; ++s) {
      const double a0 = start + sweep * s / segments + 0.012, a1 = start + sweep * (s + 1) / segments - 0.035;
      cairo_new_path(cr);
      cairo_arc(cr, cx, cy, rOuter, a0, a1);
      cairo_arc_negative(cr, cx, cy, rInner, a1, a0);
      cairo_close_path(cr);
      const double k = static_cast<double>(s) / (segments - 1);
      const bool lit = s < level;
      const Rgb middle = t.gaugeLow.mix(t.gaugeHigh, 0.5).mix({1, 0.95, 0.25}, 0.6);
      const Rgb hot = k < 0.5 ? t.gaugeLow.mix(middle, 2 * k) : middle.mix(t.gaugeHigh, 2 * k - 1);
      const Rgb c = lit ? hot : t.gaugeSlot.mix(t.gaugeLow, 0.08 + 0.1 * k);
      setSource(cr, c);
      cairo_fill_preserve(cr);
      setSource(cr, lit ? c.mix({1, 1, 1}, 0.3) : t.gaugeSlot.scaled(0.6));
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
    }
    font.draw(img, 33, 98, "POWER", t.gaugeLow.mix({1, 1, 1}, 0.5), t.gaugeLow, t.gaugeSlot.scaled(0.5));
    levels.push_back(toKeyedPicture(img, 140));
  }
  return gridOfPatterns(levels, kGaugeColumns);
}

Picture drawTarget(const Theme& t) {
  std::vector<Picture> frames;
  constexpr double cx = 16.5, cy = 13.5;
  for (int f = 0; f < kTargetFrames; ++f) {
    CairoImage img(kTargetWidth, kTargetHeight);
    cairo_t* cr = img.cr();
    const double pulse = 0.75 + 0.25 * std::cos(f * M_PI / 2);
    for (int pass = 0; pass < 2; ++pass) {  // a soft glow, then the sharp ring
      cairo_save(cr);
      cairo_translate(cr, cx, cy);
      cairo_scale(cr, 1, 0.5);  // the ground is seen at a 2:1 slant
      cairo_arc(cr, 0, 0, 11, 0, 2 * M_PI);
      cairo_restore(cr);
      cairo_set_line_width(cr, pass == 0 ? 4 : 1.5);
      setSource(cr, t.target, pass == 0 ? 0.3 * pulse : pulse);
      cairo_stroke(cr);
    }
    // Four arrow heads turning around the aiming point.
    for (int k = 0; k < 4; ++k) {
      const double a = (k * 90 + f * 22.5) * M_PI / 180;
      const double ca = std::cos(a), sa = std::sin(a);
      auto at = [&](double r, double side) {
        const double x = cx + r * ca - side * sa;
        const double y = cy + (r * sa + side * ca) * 0.5;
        return std::array<double, 2>{x, y - 0.0};
      };
      const auto tip = at(7, 0), l = at(15, -3), r = at(15, 3);
      cairo_move_to(cr, tip[0], tip[1]);
      cairo_line_to(cr, l[0], l[1]);
      cairo_line_to(cr, r[0], r[1]);
      cairo_close_path(cr);
      setSource(cr, t.target.mix({1, 1, 1}, 0.35));
      cairo_fill(cr);
    }
    cairo_arc(cr, cx, cy, 1.3, 0, 2 * M_PI);
    setSource(cr, {1, 1, 1});
    cairo_fill(cr);
    frames.push_back(toPicture(img));
  }
  return gridOfPatterns(frames, kTargetFrames);
}

namespace {

struct V3 {
  double x, y, z;
};

// Ground point (x, y) and height z, relative to the head point, on the picture.
std::array<double, 2> project(const V3& p) { return {kPutterHeadX + 0.5 + p.x, kPutterHeadY + 0.5 + p.y * 0.5 - p.z}; }
std::array<double, 2> projectShadow(const V3& p) {
  // Light from the top left: shadows fall to the lower right.
  return project({p.x + p.z * 0.18, p.y + p.z * 0.12, 0});
}

void polygon(cairo_t* cr, const std::vector<std::array<double, 2>>& pts) {
  cairo_move_to(cr, pts[0][0], pts[0][1]);
  for (const auto& p : pts) cairo_line_to(cr, p[0], p[1]);
  cairo_close_path(cr);
}

// The putter for one direction: a box-shaped head on the ground, a shaft
// leaning back towards the player, and a grip.
struct PutterShape {
  double dx, dy, px, py;  // along the shot and across it, on the ground
  double halfLen = 13, halfDepth = 4.5, height = 8;
  V3 heel, top, gripStart;

  explicit PutterShape(double angle) {
    // Undo the 2:1 slant to get the direction on the ground.
    dx = std::cos(angle), dy = 2 * std::sin(angle);
    const double n = std::hypot(dx, dy);
    dx /= n, dy /= n;
    px = -dy, py = dx;
    heel = corner(0, halfLen - 2, height);
    top = {heel.x - dx * 10 + px * 6, heel.y - dy * 10 + py * 6, 108};
    gripStart = {heel.x + (top.x - heel.x) * 0.72, heel.y + (top.y - heel.y) * 0.72, 8 + 100 * 0.72};
  }
  V3 corner(double along, double across, double z) const {
    return {dx * along + px * across, dy * along + py * across, z};
  }
};

void headShadow(cairo_t* cr, const PutterShape& s) {
  std::vector<std::array<double, 2>> hull;
  for (double a : {-s.halfDepth, s.halfDepth})
    for (double c : {-s.halfLen, s.halfLen})
      for (double z : {0.0, s.height}) hull.push_back(projectShadow(s.corner(a, c, z)));
  // Convex outline of the head's shadow: the points sorted around their centre.
  double mx = 0, my = 0;
  for (auto& p : hull) mx += p[0] / hull.size(), my += p[1] / hull.size();
  std::sort(hull.begin(), hull.end(), [&](auto& a, auto& b) {
    return std::atan2(a[1] - my, a[0] - mx) < std::atan2(b[1] - my, b[0] - mx);
  });
  polygon(cr, hull);
  cairo_set_source_rgb(cr, 0.42, 0.42, 0.38);
  cairo_fill(cr);
}

void shaft(cairo_t* cr, const PutterShape& s, bool shadow) {
  auto proj = shadow ? projectShadow : project;
  const auto a = proj(s.heel), b = proj(s.gripStart), c = proj(s.top);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, 2.8);
  if (shadow) cairo_set_source_rgb(cr, 0.36, 0.36, 0.32);
  else cairo_set_source_rgb(cr, 0.78, 0.82, 0.88);
  cairo_move_to(cr, a[0], a[1]);
  cairo_line_to(cr, b[0], b[1]);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 4.6);
  if (!shadow) cairo_set_source_rgb(cr, 0.55, 0.1, 0.1);
  cairo_move_to(cr, b[0], b[1]);
  cairo_line_to(cr, c[0], c[1]);
  cairo_stroke(cr);
  if (shadow) return;
  // Highlight along the shaft, lit from the top left.
  cairo_set_line_width(cr, 0.9);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_move_to(cr, a[0] - 0.6, a[1]);
  cairo_line_to(cr, b[0] - 0.6, b[1]);
  cairo_stroke(cr);
}

void sideFaces(cairo_t* cr, const PutterShape& s) {
  const V3 light = {-0.55, -0.55, 0.63};
  for (int sign : {-1, 1}) {
    for (int across = 0; across < 2; ++across) {
      const double nx = (across ? s.px : s.dx) * sign, ny = (across ? s.py : s.dy) * sign;
      if (ny <= 0) continue;  // only faces turned towards the viewer show
      std::vector<V3> pts;
      if (across)
        pts = {s.corner(-s.halfDepth, sign * s.halfLen, 0), s.corner(s.halfDepth, sign * s.halfLen, 0),
               s.corner(s.halfDepth, sign * s.halfLen, s.height), s.corner(-s.halfDepth, sign * s.halfLen, s.height)};
      else
        pts = {s.corner(sign * s.halfDepth, -s.halfLen, 0), s.corner(sign * s.halfDepth, s.halfLen, 0),
               s.corner(sign * s.halfDepth, s.halfLen, s.height), s.corner(sign * s.halfDepth, -s.halfLen, s.height)};
      std::vector<std::array<double, 2>> screen;
      for (const V3& p : pts) screen.push_back(project(p));
      polygon(cr, screen);
      const double k = 0.35 + 0.5 * std::max(0.0, nx * light.x + ny * light.y);
      cairo_set_source_rgb(cr, 0.45 * k + 0.1, 0.5 * k + 0.1, 0.62 * k + 0.12);
      cairo_fill(cr);
    }
  }
}

void topFace(cairo_t* cr, const PutterShape& s) {
  const std::vector<std::array<double, 2>> face = {
      project(s.corner(-s.halfDepth, -s.halfLen, s.height)), project(s.corner(s.halfDepth, -s.halfLen, s.height)),
      project(s.corner(s.halfDepth, s.halfLen, s.height)), project(s.corner(-s.halfDepth, s.halfLen, s.height))};
  polygon(cr, face);
  cairo_pattern_t* g = cairo_pattern_create_linear(face[0][0], face[0][1], face[2][0], face[2][1]);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.95, 0.97, 1.0);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.6, 0.66, 0.76);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  cairo_set_line_width(cr, 0.8);
  cairo_set_source_rgb(cr, 0.2, 0.22, 0.3);
  cairo_stroke(cr);
  // A gold sight line on the top, pointing at the ball.
  const auto s0 = project(s.corner(-s.halfDepth + 1, 0, s.height)), s1 = project(s.corner(s.halfDepth, 0, s.height));
  cairo_set_source_rgb(cr, 1.0, 0.8, 0.2);
  cairo_set_line_width(cr, 1.2);
  cairo_move_to(cr, s0[0], s0[1]);
  cairo_line_to(cr, s1[0], s1[1]);
  cairo_stroke(cr);
}

void drawPutterFrame(cairo_t* cr, double angle, bool shadow) {
  const PutterShape s(angle);
  if (shadow) {
    headShadow(cr, s);
    shaft(cr, s, true);
    return;
  }
  shaft(cr, s, false);
  sideFaces(cr, s);
  topFace(cr, s);
}

}  // namespace

Picture drawPutter(bool shadow) {
  std::vector<Picture> frames;
  for (int f = 0; f < kPutterFrames; ++f) {
    CairoImage img(kPutterWidth, kPutterHeight);
    drawPutterFrame(img.cr(), (128 - 8 * f - 3.5) * kByteToRadians, shadow);
    frames.push_back(shadow ? toPicture(img) : toKeyedPicture(img, 100));
  }
  return gridOfPatterns(frames, kPutterColumns);
}

}  // namespace fg
