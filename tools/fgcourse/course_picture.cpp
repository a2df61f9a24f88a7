#include "course_picture.h"

#include <algorithm>
#include <cmath>

#include "harbour_paint.h"
#include "sim/geometry.h"

namespace fg {

void pathQuad(cairo_t* cr, const arearec& a) {
  cairo_move_to(cr, a.x1, a.y1);
  cairo_line_to(cr, a.x2, a.y2);
  cairo_line_to(cr, a.x3, a.y3);
  cairo_line_to(cr, a.x4, a.y4);
  cairo_close_path(cr);
}

void pathEllipse(cairo_t* cr, double x, double y, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
}

namespace {

void pathArea(cairo_t* cr, const arearec& a) {
  if (a.r >= 1)
    pathEllipse(cr, a.x1, a.y1, a.r + 0.5, a.r / 2.0 + 0.5);
  else
    pathQuad(cr, a);
}

// Bounding box of an area's shape.
void areaBox(const arearec& a, double& x0, double& y0, double& x1, double& y1) {
  if (a.r >= 1) {
    x0 = a.x1 - a.r; x1 = a.x1 + a.r; y0 = a.y1 - a.r / 2.0; y1 = a.y1 + a.r / 2.0;
    return;
  }
  x0 = std::min({a.x1, a.x2, a.x3, a.x4}); x1 = std::max({a.x1, a.x2, a.x3, a.x4});
  y0 = std::min({a.y1, a.y2, a.y3, a.y4}); y1 = std::max({a.y1, a.y2, a.y3, a.y4});
}

void paintGround(cairo_t* cr, const HoleSource& h, const Theme& t) {
  setSource(cr, t.rough);
  cairo_paint(cr);
  for (const auto& poly : h.fairways) {
    if (poly.size() < 6) continue;
    cairo_move_to(cr, poly[0], poly[1]);
    for (size_t i = 2; i + 1 < poly.size(); i += 2) cairo_line_to(cr, poly[i], poly[i + 1]);
    cairo_close_path(cr);
    setSource(cr, t.fairway);
    cairo_fill(cr);
  }
}

// Slopes and ramps: lit from the upper left, with faint chevrons pointing
// the way the ball is pushed so a player can read the ground.
void paintIncline(cairo_t* cr, const arearec& a, int32_t angle, Rgb base, bool ramp) {
  double dx = ByteCos(angle), dy = ByteSin(angle);
  double light = -(dx * -0.6 + dy * -0.8);  // facing the light when the ground falls away from it
  double x0, y0, x1, y1;
  areaBox(a, x0, y0, x1, y1);
  double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2, len = std::max(x1 - x0, y1 - y0) / 2;
  cairo_save(cr);
  pathArea(cr, a);
  cairo_clip(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(cx - dx * len, cy - dy * len, cx + dx * len, cy + dy * len);
  Rgb top = shade(base, 1.0 + 0.22 * light + (ramp ? 0.15 : 0.05));
  Rgb bottom = shade(base, 1.0 - 0.12 * light - (ramp ? 0.05 : 0.0));
  cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  // Chevrons (or plank seams on a ramp) across the fall line.
  double px = -dy, py = dx;
  setSource(cr, shade(base, ramp ? 0.7 : 0.82), ramp ? 0.8 : 0.55);
  cairo_set_line_width(cr, ramp ? 1.5 : 2.0);
  for (double s = -len; s <= len; s += ramp ? 8 : 22) {
    double mx = cx + dx * s, my = cy + dy * s;
    if (ramp) {
      cairo_move_to(cr, mx - px * len * 1.5, my - py * len * 1.5);
      cairo_line_to(cr, mx + px * len * 1.5, my + py * len * 1.5);
    } else {
      for (double q = -len; q <= len; q += 26) {
        double ax = mx + px * q, ay = my + py * q;
        cairo_move_to(cr, ax - px * 5 - dx * 4, ay - py * 5 - dy * 4);
        cairo_line_to(cr, ax, ay);
        cairo_line_to(cr, ax + px * 5 - dx * 4, ay + py * 5 - dy * 4);
      }
    }
  }
  cairo_stroke(cr);
  cairo_restore(cr);
  if (ramp) {  // side rails
    cairo_save(cr);
    pathArea(cr, a);
    setSource(cr, shade(base, 0.55));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_restore(cr);
  }
}

void paintWater(cairo_t* cr, const arearec& a, const Theme& t) {
  cairo_save(cr);
  pathArea(cr, a);
  setSource(cr, shade(t.water, 0.75));
  cairo_fill_preserve(cr);
  cairo_clip(cr);
  double x0, y0, x1, y1;
  areaBox(a, x0, y0, x1, y1);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgba(g, 0, t.water.r, t.water.g, t.water.b, 1);
  Rgb deep = shade(t.water, 0.7);
  cairo_pattern_add_color_stop_rgba(g, 1, deep.r, deep.g, deep.b, 1);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  setSource(cr, {0.85, 0.93, 1.0}, 0.35);
  cairo_set_line_width(cr, 1.2);
  uint32_t k = hash32(a.x1 * 31 + a.y1);
  for (int i = 0; i < (x1 - x0) * (y1 - y0) / 900 + 2; ++i) {
    double wx = x0 + (hash32(k + i * 2) % 1000) / 1000.0 * (x1 - x0);
    double wy = y0 + (hash32(k + i * 2 + 1) % 1000) / 1000.0 * (y1 - y0);
    cairo_move_to(cr, wx - 7, wy);
    cairo_curve_to(cr, wx - 3, wy - 2, wx + 3, wy - 2, wx + 7, wy);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
  cairo_save(cr);
  pathArea(cr, a);
  setSource(cr, shade(t.sand, 0.8));
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void paintSand(cairo_t* cr, const arearec& a, const Theme& t) {
  cairo_save(cr);
  pathArea(cr, a);
  setSource(cr, t.sand);
  cairo_fill_preserve(cr);
  setSource(cr, shade(t.sand, 0.85));
  cairo_set_line_width(cr, 2);
  cairo_stroke_preserve(cr);
  cairo_clip(cr);
  double x0, y0, x1, y1;
  areaBox(a, x0, y0, x1, y1);
  setSource(cr, shade(t.sand, 0.9), 0.8);
  cairo_set_line_width(cr, 1);
  for (double y = y0 + 4; y < y1; y += 6) {  // raked lines
    cairo_move_to(cr, x0, y);
    for (double x = x0; x <= x1; x += 8) cairo_line_to(cr, x, y + std::sin(x * 0.08 + y) * 1.2);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
}

void paintHole(cairo_t* cr, const arearec& a, Rgb rim, double ringWidth) {
  pathEllipse(cr, a.x1, a.y1, a.r + ringWidth, a.r / 2.0 + ringWidth / 2);
  setSource(cr, rim);
  cairo_fill(cr);
  pathEllipse(cr, a.x1, a.y1, a.r, a.r / 2.0);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, a.y1 - a.r / 2.0, 0, a.y1 + a.r / 2.0);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.03, 0.04, 0.03);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.16, 0.18, 0.14);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void paintRings(cairo_t* cr, const arearec& a, Rgb outer, Rgb inner, int rings) {
  for (int i = 0; i < rings; ++i) {
    double f = 1.0 - static_cast<double>(i) / rings;
    pathEllipse(cr, a.x1, a.y1, a.r * f, a.r / 2.0 * f);
    setSource(cr, outer.mix(inner, static_cast<double>(i) / std::max(1, rings - 1)));
    cairo_fill(cr);
  }
}

// Funnel: a bowl darkening toward its centre.
void paintFunnel(cairo_t* cr, const arearec& a, const Theme& t) {
  cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
  Rgb c = shade(t.fairway, 0.6), e = t.fairway;
  cairo_pattern_add_color_stop_rgb(g, 0, c.r, c.g, c.b);
  cairo_pattern_add_color_stop_rgb(g, 1, e.r, e.g, e.b);
  cairo_save(cr);
  cairo_translate(cr, a.x1, a.y1);
  cairo_scale(cr, a.r, a.r / 2.0);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_pattern_destroy(g);
  for (double f = 0.25; f < 1.0; f += 0.25) {
    pathEllipse(cr, a.x1, a.y1, a.r * f, a.r / 2.0 * f);
    setSource(cr, shade(t.fairway, 0.8), 0.5);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
  // The lip where the ground starts to fall, lit from above.
  pathEllipse(cr, a.x1, a.y1, a.r, a.r / 2.0);
  setSource(cr, shade(t.fairway, 1.3), 0.9);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

// Bumpy ground: a field of little mounds.
void paintBumps(cairo_t* cr, const arearec& a, const Theme& t) {
  cairo_save(cr);
  pathArea(cr, a);
  setSource(cr, shade(t.fairway, 0.93));
  cairo_fill_preserve(cr);
  cairo_clip(cr);
  double x0, y0, x1, y1;
  areaBox(a, x0, y0, x1, y1);
  for (double y = y0; y < y1 + 8; y += 9)
    for (double x = x0 + (static_cast<int>(y) / 9 % 2) * 7; x < x1 + 8; x += 14) {
      pathEllipse(cr, x + 1, y + 1, 6, 3);
      setSource(cr, shade(t.fairway, 0.7), 0.8);
      cairo_fill(cr);
      pathEllipse(cr, x - 1, y - 1, 5, 2.5);
      setSource(cr, shade(t.fairway, 1.15), 0.9);
      cairo_fill(cr);
    }
  cairo_restore(cr);
}

// Ledge: a step down the screen.
void paintLedge(cairo_t* cr, const arearec& a, const Theme& t) {
  cairo_save(cr);
  pathArea(cr, a);
  cairo_clip(cr);
  double x0, y0, x1, y1;
  areaBox(a, x0, y0, x1, y1);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
  Rgb hi = shade(t.fairway, 1.2), lo = shade(t.rough, 0.55);
  cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(g, 0.3, lo.r, lo.g, lo.b);
  cairo_pattern_add_color_stop_rgb(g, 1, t.fairway.r * 0.8, t.fairway.g * 0.8, t.fairway.b * 0.8);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

// Kicker: a striped wedge.
void paintKicker(cairo_t* cr, const arearec& a, const Theme&) {
  cairo_save(cr);
  pathArea(cr, a);
  setSource(cr, {0.95, 0.78, 0.15});
  cairo_fill_preserve(cr);
  cairo_clip(cr);
  setSource(cr, {0.2, 0.18, 0.15});
  cairo_set_line_width(cr, 5);
  double x0, y0, x1, y1;
  areaBox(a, x0, y0, x1, y1);
  for (double x = x0 - (y1 - y0); x < x1; x += 14) {
    cairo_move_to(cr, x, y1);
    cairo_line_to(cr, x + (y1 - y0), y0);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
}

void paintArea(cairo_t* cr, const AreaSource& s, const Theme& t) {
  const arearec& a = s.rec;
  if (t.harbour && paintHarbourArea(cr, a, t)) return;
  if (a.kind >= 15 && a.kind <= 22) {
    static const int32_t kAngles[] = {1, 19, 64, 109, 128, 147, 192, 237};
    paintIncline(cr, a, kAngles[a.kind - 15], t.fairway, false);
  } else if (a.kind >= 8 && a.kind <= 11) {
    static const int32_t kAngles[] = {96, 1, 32, 128};
    paintIncline(cr, a, kAngles[a.kind - 8], {0.72, 0.55, 0.34}, true);
  } else if (a.kind == 23) {
    paintSand(cr, a, t);
  } else if (a.kind == 24) {
    paintWater(cr, a, t);
  } else if (a.kind == 14) {
    paintFunnel(cr, a, t);
  } else if (a.kind == 30) {
    paintBumps(cr, a, t);
  } else if (a.kind == 33) {
    paintLedge(cr, a, t);
  } else if (a.kind == 34) {
    paintKicker(cr, a, t);
  } else if (a.kind == 12) {  // launcher: a spring pad
    paintRings(cr, a, {0.55, 0.55, 0.6}, {0.85, 0.2, 0.2}, 5);
    pathEllipse(cr, a.x1, a.y1, a.r * 0.3, a.r * 0.15);
    setSource(cr, {0.95, 0.95, 0.95});
    cairo_fill(cr);
  } else if (a.kind == 27) {  // land mine
    pathEllipse(cr, a.x1, a.y1 + 1, a.r + 2, a.r / 2.0 + 2);
    setSource(cr, {0.1, 0.12, 0.08}, 0.5);
    cairo_fill(cr);
    paintRings(cr, a, {0.36, 0.38, 0.30}, {0.22, 0.24, 0.18}, 3);
    pathEllipse(cr, a.x1, a.y1 - 1, 2, 1.5);
    setSource(cr, {0.95, 0.15, 0.1});
    cairo_fill(cr);
  } else if (a.kind == 25) {  // teleporter pad and its exit mark
    paintRings(cr, a, {0.35, 0.15, 0.55}, {0.75, 0.55, 1.0}, 6);
    pathEllipse(cr, a.x2, a.y2, 12, 6);
    setSource(cr, {0.6, 0.45, 0.9}, 0.7);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  } else if (a.kind == 26) {
    paintHole(cr, a, {0.55, 0.52, 0.48}, 7);
  } else if (a.kind == 5) {
    paintHole(cr, a, {0.96, 0.96, 0.94}, 3);
  } else if (a.kind == 29) {  // switch: a tread plate set flush into the grass
    cairo_save(cr);
    pathArea(cr, a);
    cairo_clip_preserve(cr);
    const Rgb plate = a.p1 == 2 ? Rgb{0.35, 0.60, 0.72} : Rgb{0.82, 0.56, 0.22};
    setSource(cr, plate);
    cairo_fill(cr);
    // Diamond tread: raised slivers, dark below and bright above.
    for (int pass = 0; pass < 2; ++pass) {
      setSource(cr, shade(plate, pass ? 1.45 : 0.55));
      for (int y = std::min(a.y1, a.y2) - 8; y < std::max(a.y3, a.y4) + 8; y += 10)
        for (int x = std::min(a.x1, a.x4) - 10 + (y / 10 % 2) * 6; x < std::max(a.x2, a.x3) + 10; x += 12) {
          cairo_move_to(cr, x, y + (pass ? 0 : 1.2));
          cairo_line_to(cr, x + 5, y - 2.5 + (pass ? 0 : 1.2));
        }
      cairo_set_line_width(cr, 2);
      cairo_stroke(cr);
    }
    // A rivet in each corner.
    const int32_t px[4] = {a.x1, a.x2, a.x3, a.x4}, py[4] = {a.y1, a.y2, a.y3, a.y4};
    for (int k = 0; k < 4; ++k) {
      const double rx = px[k] + (k == 0 || k == 3 ? 6 : -6), ry = py[k] + (k < 2 ? 5 : -5);
      pathEllipse(cr, rx, ry, 2.5, 2);
      setSource(cr, shade(plate, 1.6));
      cairo_fill(cr);
    }
    cairo_restore(cr);
    // Sunk, not raised: the shadow falls inside the top edge, the light on the bottom one.
    cairo_save(cr);
    pathArea(cr, a);
    cairo_clip(cr);
    cairo_set_line_width(cr, 3);
    setSource(cr, shade(plate, 0.55), 0.8);
    cairo_move_to(cr, a.x4, a.y4);
    cairo_line_to(cr, a.x1, a.y1);
    cairo_line_to(cr, a.x2, a.y2);
    cairo_stroke(cr);
    setSource(cr, shade(plate, 1.35), 0.8);
    cairo_move_to(cr, a.x2, a.y2);
    cairo_line_to(cr, a.x3, a.y3);
    cairo_line_to(cr, a.x4, a.y4);
    cairo_stroke(cr);
    cairo_restore(cr);
  } else if (a.kind == 35) {  // where the bonus token hovers: a faint golden ring
    pathArea(cr, a);
    setSource(cr, {1.0, 0.85, 0.3}, 0.35);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
}

// Walls are raised borders painted over exactly the pixels of their band:
// the same test the ball meets, so what the player sees is what bounces.
void paintWall(CairoImage& l, const arearec& a, const Theme& t) {
  int32_t ang = PointAngle(a.x1, a.y1, a.x2, a.y2);
  double nx = ByteCos(ang + 64), ny = ByteSin(ang + 64);
  int32_t ox = roundHalfEven(nx * 4), oy = roundHalfEven(ny * 4);
  // Which side of the band faces the light (up and left).
  double litSide = nx * -0.6 + ny * -0.8 >= 0 ? 1 : -1;
  int x0 = std::max(0, std::min(a.x1, a.x2) - 6), x1 = std::min(l.width() - 1, std::max(a.x1, a.x2) + 6);
  int y0 = std::max(0, std::min(a.y1, a.y2) - 6), y1 = std::min(l.height() - 1, std::max(a.y1, a.y2) + 6);
  for (int y = y0; y <= y1; ++y) {
    uint32_t* row = l.row(y);
    for (int x = x0; x <= x1; ++x) {
      if (!InQuad(a.x1 + ox, a.y1 + oy, a.x2 + ox, a.y2 + oy, a.x2 - ox, a.y2 - oy, a.x1 - ox, a.y1 - oy, x, y))
        continue;
      double side = ((x - a.x1) * nx + (y - a.y1) * ny) * litSide;  // -4 … 4 across the band
      Rgb c = side > 2 ? t.wallLight : side < -2 ? t.wallDark : t.wall;
      double n = valueNoise(x * 0.5, y * 0.5, 7) * 0.12 + 0.94;
      c = shade(c, n);
      row[x] = 0xff000000u | (uint32_t(c.r * 255) << 16) | (uint32_t(c.g * 255) << 8) | uint32_t(c.b * 255);
    }
  }
  l.markDirty();
}

// Fine grain over the whole course so large fields are not flat.
void addGrain(CairoImage& l, const Theme& t) {
  for (int y = 0; y < l.height(); ++y) {
    uint32_t* row = l.row(y);
    for (int x = 0; x < l.width(); ++x) {
      double n = valueNoise(x * 0.25, y * 0.5, 1) * 0.6 + valueNoise(x * 0.06, y * 0.12, 2) * 0.4;
      double f = 0.93 + n * 0.12;
      if (t.space && (hash32(x * 7919 + y * 104729) % 900) == 0) f = 3.5;  // distant stars
      uint32_t p = row[x];
      auto ch = [&](int s) { return std::min<uint32_t>(255, static_cast<uint32_t>(((p >> s) & 255) * f)); };
      row[x] = 0xff000000u | (ch(16) << 16) | (ch(8) << 8) | ch(0);
    }
  }
  l.markDirty();
}

bool isWall(int32_t kind) { return kind == 1 || kind == 2 || kind == 3 || kind == 4 || kind == 6 || kind == 7; }

}  // namespace

CoursePictures paintCourse(const HoleSource& h) {
  const Theme& t = themeNamed(h.theme);
  CairoImage course(h.width, h.height);
  cairo_t* cr = course.cr();
  paintGround(cr, h, t);
  if (t.harbour) paintHarbourGround(cr, h, t);
  // Flat features first, then pads and holes on top of them.
  for (int pass = 0; pass < 2; ++pass)
    for (const AreaSource& s : h.areas) {
      bool flat = s.rec.kind == 23 || s.rec.kind == 24 || (s.rec.kind >= 15 && s.rec.kind <= 22) ||
                  (s.rec.kind >= 8 && s.rec.kind <= 11) || s.rec.kind == 14 || s.rec.kind == 30 || s.rec.kind == 33;
      if (flat == (pass == 0)) paintArea(cr, s, t);
    }
  addGrain(course, t);
  if (t.harbour) paintHarbourLights(cr, h);
  paintGroundDecor(cr, h, t);
  for (const AreaSource& s : h.areas)
    if (isWall(s.rec.kind)) paintWall(course, s.rec, t);

  CairoImage canopy(h.width, h.height);
  paintCanopyDecor(canopy.cr(), h, t);
  CoursePictures out;
  out.foreground = toKeyedPicture(canopy);
  out.course = toPicture(course);
  // The canopy as the player sees it everywhere, not only around the ball;
  // the same hard-edged pixels, so the redrawn tiles match exactly.
  for (size_t i = 0; i + 2 < out.foreground.rgb.size(); i += 3) {
    const uint8_t* f = &out.foreground.rgb[i];
    if (f[0] | f[1] | f[2]) std::copy_n(f, 3, &out.course.rgb[i]);
  }
  return out;
}

}  // namespace fg
