#include "sprites.h"

#include <cmath>
#include <functional>
#include <map>

#include "media/error.h"
#include "cairo_picture.h"
#include "value_noise.h"

namespace fg {
namespace {

using FrameFn = std::function<void(cairo_t*, double t, int w, int h)>;

// Sprites drawn over the course with the colour key are keyed; those only
// ever added to or taken from the picture below keep their soft edges over
// black, which adds and takes nothing.
ImageItemDesc animation(const std::string& name, int w, int h, int frames, const FrameFn& draw, bool keyed = true) {
  std::vector<Picture> pics;
  for (int f = 0; f < frames; ++f) {
    CairoImage l(w, h);
    draw(l.cr(), frames > 1 ? static_cast<double>(f) / frames : 0.0, w, h);
    pics.push_back(keyed ? toKeyedPicture(l) : toPicture(l));
  }
  ImageItemDesc d;
  d.name = name;
  d.picture = gridOfPatterns(pics, frames);
  d.patternWidth = w;
  d.patternHeight = h;
  return d;
}

void glowDisc(cairo_t* cr, double x, double y, double r, Rgb c, double a) {
  cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, r);
  cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, a);
  cairo_pattern_add_color_stop_rgba(g, 0.3, c.r, c.g, c.b, a);
  cairo_pattern_add_color_stop_rgba(g, 1, c.r, c.g, c.b, 0);
  cairo_set_source(cr, g);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void sparks(cairo_t* cr, double cx, double cy, double radius, int n, Rgb c, uint32_t salt) {
  for (int i = 0; i < n; ++i) {
    double a = (hash32(salt + i) % 628) / 100.0, d = radius * (0.6 + (hash32(salt * 3 + i) % 40) / 100.0);
    glowDisc(cr, cx + std::cos(a) * d, cy + std::sin(a) * d * 0.6, 3, c, 1);
  }
}

// Force-field flash along a wall of the given direction (dx, dy).
FrameFn fieldFlash(double dx, double dy) {
  return [dx, dy](cairo_t* cr, double t, int w, int h) {
    double len = std::hypot(dx, dy), ux = dx / len, uy = dy / len, e = 26 * (0.5 + t);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int k = 3; k >= 1; --k) {
      cairo_set_line_width(cr, k * 3.0 * (1 - t) + 1);
      cairo_set_source_rgba(cr, 0.3 + 0.2 * k, 0.8, 1.0, 1.0);
      cairo_move_to(cr, w / 2.0 - ux * e, h / 2.0 - uy * e);
      cairo_line_to(cr, w / 2.0 + ux * e, h / 2.0 + uy * e);
      cairo_stroke(cr);
    }
    sparks(cr, w / 2.0, h / 2.0, 10 + 16 * t, 6, {0.6, 0.9, 1.0}, static_cast<uint32_t>(t * 100));
  };
}

const std::map<std::string, std::function<ImageItemDesc()>>& looks() {
  static const std::map<std::string, std::function<ImageItemDesc()>> kLooks = {
      {"blast", [] { return animation("blast", 110, 90, 8, [](cairo_t* cr, double t, int w, int h) {
          glowDisc(cr, w / 2.0, 65, 10 + 40 * t, {1.0, 0.55 - 0.3 * t, 0.1}, 1 - t * 0.7);
          sparks(cr, w / 2.0, 60, 10 + 45 * t, 10, {1, 0.9, 0.4}, 11);
          (void)h; }); }},
      {"launch", [] { return animation("launch", 54, 150, 8, [](cairo_t* cr, double t, int w, int h) {
          for (int i = 0; i < 6; ++i) {
            double y = h - 5 - (h - 20) * std::fmod(t + i / 6.0, 1.0);
            glowDisc(cr, w / 2.0 + std::sin(i * 2.0) * 8, y, 8 * (1 - t) + 3, {0.4, 0.8, 1.0}, 0.9);
          } }); }},
      {"splash", [] { return animation("splash", 24, 32, 8, [](cairo_t* cr, double t, int w, int h) {
          for (int i = 0; i < 7; ++i) {
            double ang = M_PI * (0.15 + 0.7 * i / 6.0), v = 18 + (i % 3) * 4;
            double x = w / 2.0 - std::cos(ang) * v * t * 0.6, y = h - 4 - std::sin(ang) * v * t * 1.6 + 30 * t * t;
            cairo_arc(cr, x, std::min(y, h - 2.0), 1.8, 0, 2 * M_PI);
            cairo_set_source_rgba(cr, 0.75, 0.88, 1.0, 1);
            cairo_fill(cr);
          }
          pathEllipse(cr, w / 2.0, h - 4, 4 + 7 * t, 2 + 2 * t);
          cairo_set_source_rgba(cr, 0.9, 0.95, 1, 1);
          cairo_set_line_width(cr, 1.5);
          cairo_stroke(cr); }); }},
      {"glow", [] { return animation("glow", 32, 32, 8, [](cairo_t* cr, double t, int w, int h) {
          glowDisc(cr, w / 2.0, h / 2.0, 10 + 4 * std::sin(t * 2 * M_PI), {1.0, 0.85, 0.4}, 1); }); }},
      {"firefly", [] { return animation("firefly", 32, 32, 8, [](cairo_t* cr, double t, int w, int h) {
          glowDisc(cr, w / 2.0 + 5 * std::sin(t * 2 * M_PI), h / 2.0 + 3 * std::cos(t * 4 * M_PI), 9,
                   {0.7, 1.0, 0.4}, 1); }); }},
      // A swarm of midges: soft motes circling, that glow where the course
      // adds them (by the lamps) and darken it where it takes them away.
      {"swarm", [] { return animation("swarm", 48, 48, 8, [](cairo_t* cr, double t, int w, int h) {
          for (int i = 0; i < 7; ++i) {
            const double a = 2 * M_PI * (t + i / 7.0), r = 7 + (i % 3) * 4;
            const double x = w / 2.0 + r * std::cos(a * (i % 2 ? 1 : -1)), y = h / 2.0 + 0.6 * r * std::sin(2 * a + i);
            cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, 4);
            cairo_pattern_add_color_stop_rgba(g, 0, 0.8, 0.85, 0.6, 1);
            cairo_pattern_add_color_stop_rgba(g, 0.45, 0.8, 0.85, 0.6, 0.7);
            cairo_pattern_add_color_stop_rgba(g, 1, 0.8, 0.85, 0.6, 0);
            cairo_set_source(cr, g);
            cairo_arc(cr, x, y, 4, 0, 2 * M_PI);
            cairo_fill(cr);
            cairo_pattern_destroy(g);
          } }, false); }},
      {"star", [] { return animation("star", 8, 8, 4, [](cairo_t* cr, double t, int w, int h) {
          glowDisc(cr, w / 2.0, h / 2.0, 2 + 2 * std::sin(t * M_PI), {0.9, 0.9, 1.0}, 1); }); }},
      {"bluestar", [] { return animation("bluestar", 8, 8, 4, [](cairo_t* cr, double t, int w, int h) {
          glowDisc(cr, w / 2.0, h / 2.0, 1.5 + 2.5 * std::sin(t * M_PI), {0.5, 0.7, 1.0}, 1); }); }},
      {"bonus", [] { return animation("bonus", 40, 40, 8, [](cairo_t* cr, double t, int w, int h) {
          double sx = std::max(0.15, std::fabs(std::cos(t * 2 * M_PI)));
          glowDisc(cr, w / 2.0, h / 2.0, 19, {1.0, 0.8, 0.2}, 0.6);
          pathEllipse(cr, w / 2.0, h / 2.0, 12 * sx, 12);
          cairo_set_source_rgb(cr, 1.0, 0.82, 0.2);
          cairo_fill(cr);
          if (sx > 0.6) { cairo_set_source_rgb(cr, 0.6, 0.35, 0.05); drawCentredText(cr, "+1", w / 2.0, h / 2.0 + 5, 13, true); } }); }},
      {"burst", [] { return animation("burst", 160, 124, 8, [](cairo_t* cr, double t, int w, int h) {
          pathEllipse(cr, w / 2.0, h / 2.0, 10 + 65 * t, 8 + 50 * t);
          cairo_set_source_rgba(cr, 1.0, 0.85, 0.3, 1);
          cairo_set_line_width(cr, 6 * (1 - t) + 1);
          cairo_stroke(cr);
          sparks(cr, w / 2.0, h / 2.0, 10 + 60 * t, 14, {1, 0.95, 0.6}, 5); }); }},
      {"redlamp", [] { return animation("redlamp", 24, 24, 4, [](cairo_t* cr, double t, int w, int h) {
          glowDisc(cr, w / 2.0, h / 2.0, 10 + 2 * std::sin(t * 2 * M_PI), {1.0, 0.15, 0.1}, 1); }); }},
      {"greenlamp", [] { return animation("greenlamp", 24, 24, 4, [](cairo_t* cr, double t, int w, int h) {
          glowDisc(cr, w / 2.0, h / 2.0, 10 + 2 * std::sin(t * 2 * M_PI), {0.2, 1.0, 0.3}, 1); }); }},
      {"flag", [] { return animation("flag", 32, 40, 8, [](cairo_t* cr, double t, int w, int h) {
          cairo_set_source_rgb(cr, 0.9, 0.9, 0.9);
          cairo_rectangle(cr, 1, 1, 2, h - 1);
          cairo_fill(cr);
          cairo_move_to(cr, 3, 2);
          for (double x = 3; x <= w - 2; x += 2) cairo_line_to(cr, x, 2 + 2 * std::sin(x * 0.3 - t * 2 * M_PI));
          for (double x = w - 2; x >= 3; x -= 2) cairo_line_to(cr, x, 16 + 2 * std::sin(x * 0.3 - t * 2 * M_PI) - (x - 3) * 0.15);
          cairo_close_path(cr);
          cairo_set_source_rgb(cr, 0.9, 0.15, 0.15);
          cairo_fill(cr); }); }},
      {"sails", [] { return animation("sails", 96, 96, 8, [](cairo_t* cr, double t, int w, int h) {
          cairo_translate(cr, w / 2.0, h / 2.0);
          cairo_rotate(cr, t * M_PI / 2);
          for (int i = 0; i < 4; ++i) {
            cairo_rotate(cr, M_PI / 2);
            cairo_rectangle(cr, 4, -2, 42, 4);
            cairo_set_source_rgb(cr, 0.35, 0.22, 0.12);
            cairo_fill(cr);
            cairo_rectangle(cr, 12, 2, 32, 11);
            cairo_set_source_rgb(cr, 0.95, 0.93, 0.85);
            cairo_fill(cr);
          }
          cairo_arc(cr, 0, 0, 5, 0, 2 * M_PI);
          cairo_set_source_rgb(cr, 0.3, 0.2, 0.1);
          cairo_fill(cr); }); }},
      {"dust", [] { return animation("dust", 24, 24, 6, [](cairo_t* cr, double t, int w, int h) {
          for (int i = 0; i < 4; ++i)
            glowDisc(cr, w / 2.0 + (i - 1.5) * 4 * (1 + t), h / 2.0 - t * 4, 4 + 4 * t, {0.75, 0.7, 0.55}, 0.8 * (1 - t)); }); }},
      {"wake", [] { return animation("wake", 72, 56, 10, [](cairo_t* cr, double t, int w, int h) {
          double up = std::min(1.0, t * 2.5);  // the worker sits up, shakes a fist, grumbles
          cairo_set_source_rgb(cr, 0.95, 0.55, 0.1);
          cairo_rectangle(cr, 10, 30 - 14 * up, 16, 16);
          cairo_fill(cr);
          cairo_set_source_rgb(cr, 0.93, 0.76, 0.6);
          cairo_arc(cr, 18, 24 - 16 * up, 6, 0, 2 * M_PI);
          cairo_fill(cr);
          cairo_set_source_rgb(cr, 1.0, 0.85, 0.1);
          cairo_arc(cr, 18, 21 - 16 * up, 7, M_PI, 2 * M_PI);
          cairo_fill(cr);
          if (t > 0.4) {
            cairo_set_source_rgb(cr, 0.93, 0.76, 0.6);
            cairo_arc(cr, 32, 14 + 4 * std::sin(t * 30), 4, 0, 2 * M_PI);
            cairo_fill(cr);
            cairo_set_source_rgb(cr, 1, 1, 1);
            drawCentredText(cr, "GRR!", 54, 14, 12, true);
          }
          (void)w; (void)h; }); }},
      {"flash", [] { return animation("flash", 34, 40, 6, [](cairo_t* cr, double t, int w, int h) {
          pathEllipse(cr, w / 2.0, h - 10, 4 + 12 * t, 2 + 5 * t);
          cairo_set_source_rgba(cr, 0.8, 0.9, 1.0, 1);
          cairo_set_line_width(cr, 2);
          cairo_stroke(cr);
          glowDisc(cr, w / 2.0, h / 2.0, 14 * (1 - t) + 2, {0.6, 0.8, 1.0}, 1); }); }},
      {"field19", [] { return animation("field19", 60, 60, 6, fieldFlash(2, -1)); }},
      {"field109", [] { return animation("field109", 60, 60, 6, fieldFlash(2, 1)); }},
      {"field0", [] { return animation("field0", 60, 60, 6, fieldFlash(1, 0)); }},
  };
  return kLooks;
}

}  // namespace

ImageItemDesc makeSprite(const std::string& look) {
  auto it = looks().find(look);
  if (it == looks().end()) throw GameError("unknown sprite look " + look);
  return it->second();
}

ImageItemDesc makeTitleCard(const HoleSource& h) {
  CairoImage l(400, 180);
  cairo_t* cr = l.cr();
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 180);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.12, 0.30, 0.14);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.05, 0.14, 0.07);
  cairo_rectangle(cr, 4, 4, 392, 172);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_rectangle(cr, 6, 6, 388, 168);
  cairo_set_source_rgb(cr, 0.95, 0.85, 0.45);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_set_source_rgb(cr, 1, 1, 1);
  drawCentredText(cr, h.title, 200, 62, 34, true);
  cairo_set_source_rgb(cr, 0.85, 0.95, 0.85);
  drawCentredText(cr, h.subtitle, 200, 100, 20, false);
  cairo_set_source_rgb(cr, 0.95, 0.85, 0.45);
  drawCentredText(cr, "PAR " + std::to_string(h.par), 200, 138, 28, true);
  cairo_set_source_rgb(cr, 0.75, 0.85, 0.75);
  drawCentredText(cr, "click or press a key", 200, 164, 13, false);
  ImageItemDesc d;
  d.name = "title";
  d.picture = toKeyedPicture(l);
  return d;
}

ImageItemDesc makeOpeningCover(const Picture& course, const arearec& a, int left, int top) {
  int w = 2 * (a.x1 - left) + 1, h = 46;
  ImageItemDesc d;
  d.name = a.kind == 5 ? "cup rim" : "tunnel mouth";
  d.picture = cropPicture(course, left, top, w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      double ex = (left + x - a.x1) / (a.r + 0.5), ey = (top + y - a.y1) / (a.r / 2.0 + 0.5);
      uint8_t* p = &d.picture.rgb[(static_cast<size_t>(y) * w + x) * 3];
      if (ex * ex + ey * ey <= 1.0) p[0] = p[1] = p[2] = 0;
      else if (p[0] < 8 && p[1] < 8 && p[2] < 8) p[0] = p[1] = p[2] = 8;
    }
  return d;
}

std::vector<ImageItemDesc> holeImages(const HoleSource& h, const CoursePictures& pics) {
  std::vector<ImageItemDesc> items(17);
  items[0].name = "course";
  items[0].picture = pics.course;
  items[0].transparent = false;
  items[1].name = "foreground";
  items[1].picture = pics.foreground;
  items[1].patternWidth = 24;
  items[1].patternHeight = 24;
  const arearec& cup = h.findType("cup")->rec;
  items[2] = makeOpeningCover(pics.course, cup, rimLeft(cup), rimTop(cup));
  std::map<int, std::string> chosen = {{3, "blast"}, {4, "splash"}, {5, "glow"},  {6, "burst"},
                                       {7, "glow"},  {8, "dust"},   {9, "glow"},  {10, "glow"}};
  for (const auto& [n, look] : h.items) chosen[n] = look;
  for (const auto& [n, look] : chosen) items[n] = makeSprite(look);
  if (const AreaSource* t = h.findType("tunnel"))
    items[11] = makeOpeningCover(pics.course, t->rec, t->rec.p1, t->rec.p2);
  else
    items[11] = makeSprite("glow");
  items[12] = makeTitleCard(h);
  items[13] = makeSprite("flash");
  items[14] = makeSprite("field19");
  items[15] = makeSprite("field109");
  items[16] = makeSprite("field0");
  return items;
}

}  // namespace fg
