// Scenery of the descriptions: things with no effect on the ball. Ground
// scenery lies on the course; canopy scenery (tree tops, bridges, roofs,
// arches) is also the foreground layer that hides the ball passing under it.
#include <cmath>

#include "course_picture.h"
#include "harbour_paint.h"

namespace fg {
namespace {

int32_t arg(const Decor& d, size_t i, int32_t dflt = 0) { return i < d.v.size() ? d.v[i] : dflt; }

void tree(cairo_t* cr, const Decor& d, const Theme& t) {
  double x = arg(d, 0), y = arg(d, 1), r = arg(d, 2, 30);
  setSource(cr, t.trunk);
  cairo_rectangle(cr, x - r * 0.12, y - r * 0.9, r * 0.24, r * 0.9);
  cairo_fill(cr);
  double cy = y - r * 1.05;
  for (int i = 0; i < 7; ++i) {  // clustered leaf balls, darker below
    double a = i * 0.9 + x * 0.01;
    double bx = x + std::cos(a) * r * 0.45, by = cy + std::sin(a) * r * 0.3;
    pathEllipse(cr, bx, by, r * 0.62, r * 0.52);
    setSource(cr, shade(t.canopy, 0.8 + 0.05 * i));
    cairo_fill(cr);
  }
  pathEllipse(cr, x - r * 0.25, cy - r * 0.25, r * 0.35, r * 0.25);
  setSource(cr, shade(t.canopy, 1.45));
  cairo_fill(cr);
}

void treeShadow(cairo_t* cr, const Decor& d) {
  double x = arg(d, 0), y = arg(d, 1), r = arg(d, 2, 30);
  pathEllipse(cr, x + r * 0.3, y - r * 0.1, r * 0.9, r * 0.45);
  cairo_set_source_rgba(cr, 0, 0.05, 0, 0.28);
  cairo_fill(cr);
}

void bridge(cairo_t* cr, const Decor& d) {
  double x1 = arg(d, 0), y1 = arg(d, 1), x2 = arg(d, 2), y2 = arg(d, 3), w = arg(d, 4, 30);
  double len = std::hypot(x2 - x1, y2 - y1);
  double ux = (x2 - x1) / len, uy = (y2 - y1) / len, px = -uy * w / 2, py = ux * w / 2;
  cairo_move_to(cr, x1 + px, y1 + py);
  cairo_line_to(cr, x2 + px, y2 + py);
  cairo_line_to(cr, x2 - px, y2 - py);
  cairo_line_to(cr, x1 - px, y1 - py);
  cairo_close_path(cr);
  setSource(cr, {0.62, 0.44, 0.26});
  cairo_fill(cr);
  setSource(cr, {0.40, 0.27, 0.15});
  cairo_set_line_width(cr, 1.5);
  for (double s = 4; s < len; s += 7) {  // planks
    cairo_move_to(cr, x1 + ux * s + px, y1 + uy * s + py);
    cairo_line_to(cr, x1 + ux * s - px, y1 + uy * s - py);
  }
  cairo_stroke(cr);
  cairo_set_line_width(cr, 3);
  setSource(cr, {0.33, 0.22, 0.12});
  for (int side = -1; side <= 1; side += 2) {  // rails
    cairo_move_to(cr, x1 + side * px, y1 + side * py - 6);
    cairo_line_to(cr, x2 + side * px, y2 + side * py - 6);
  }
  cairo_stroke(cr);
}

void roof(cairo_t* cr, const Decor& d) {
  double x = arg(d, 0), y = arg(d, 1), w = arg(d, 2, 60), h = arg(d, 3, 40);
  cairo_rectangle(cr, x, y, w, h);
  setSource(cr, {0.52, 0.48, 0.45});
  cairo_fill(cr);
  setSource(cr, {0.38, 0.35, 0.33});
  cairo_set_line_width(cr, 1.5);
  for (double yy = y + 8; yy < y + h; yy += 8) {
    cairo_move_to(cr, x, yy);
    cairo_line_to(cr, x + w, yy);
  }
  for (double yy = y; yy < y + h; yy += 8)
    for (double xx = x + (static_cast<int>((yy - y) / 8) % 2) * 8; xx < x + w; xx += 16) {
      cairo_move_to(cr, xx, yy);
      cairo_line_to(cr, xx, std::min(yy + 8, y + h));
    }
  cairo_stroke(cr);
  cairo_rectangle(cr, x + 1, y + 1, w - 2, h - 2);
  setSource(cr, {0.70, 0.66, 0.62});
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

void arch(cairo_t* cr, const Decor& d) {
  double x = arg(d, 0), y = arg(d, 1), w = arg(d, 2, 80);
  setSource(cr, {0.85, 0.82, 0.75});
  cairo_rectangle(cr, x - 6, y - 60, 12, 60);
  cairo_rectangle(cr, x + w - 6, y - 60, 12, 60);
  cairo_fill(cr);
  cairo_set_line_width(cr, 12);
  cairo_arc_negative(cr, x + w / 2, y - 60, w / 2, M_PI, 0);
  cairo_stroke(cr);
  setSource(cr, {0.65, 0.2, 0.25});
  cairo_set_line_width(cr, 3);
  cairo_arc_negative(cr, x + w / 2, y - 60, w / 2, M_PI, 0);
  cairo_stroke(cr);
}

void rock(cairo_t* cr, double x, double y, double r) {
  pathEllipse(cr, x + 2, y + 2, r, r * 0.6);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
  cairo_fill(cr);
  pathEllipse(cr, x, y, r, r * 0.6);
  setSource(cr, {0.55, 0.54, 0.52});
  cairo_fill(cr);
  pathEllipse(cr, x - r * 0.3, y - r * 0.2, r * 0.45, r * 0.25);
  setSource(cr, {0.72, 0.71, 0.68});
  cairo_fill(cr);
}

void flowers(cairo_t* cr, const Decor& d) {
  double x = arg(d, 0), y = arg(d, 1), r = arg(d, 2, 30);
  static const Rgb kColours[] = {{0.95, 0.3, 0.3}, {1, 0.9, 0.3}, {0.9, 0.5, 0.95}, {1, 1, 1}};
  for (int i = 0; i < r; ++i) {
    uint32_t h = hash32(static_cast<uint32_t>(x * 131 + y * 7 + i));
    double a = (h % 628) / 100.0, dist = r * ((h >> 10) % 100) / 100.0;
    pathEllipse(cr, x + std::cos(a) * dist, y + std::sin(a) * dist * 0.5, 2, 1.5);
    setSource(cr, kColours[(h >> 20) % 4]);
    cairo_fill(cr);
  }
}

void windmill(cairo_t* cr, const Decor& d) {
  double x = arg(d, 0), y = arg(d, 1);  // base centre
  cairo_move_to(cr, x - 40, y);
  cairo_line_to(cr, x - 28, y - 110);
  cairo_line_to(cr, x + 28, y - 110);
  cairo_line_to(cr, x + 40, y);
  cairo_close_path(cr);
  setSource(cr, {0.85, 0.78, 0.66});
  cairo_fill(cr);
  cairo_move_to(cr, x - 34, y - 108);
  cairo_line_to(cr, x, y - 140);
  cairo_line_to(cr, x + 34, y - 108);
  cairo_close_path(cr);
  setSource(cr, {0.62, 0.22, 0.18});
  cairo_fill(cr);
  cairo_rectangle(cr, x - 12, y - 34, 24, 34);  // the door the ball rolls into
  setSource(cr, {0.18, 0.12, 0.08});
  cairo_fill(cr);
}

void worker(cairo_t* cr, const Decor& d) {
  double x = arg(d, 0), y = arg(d, 1);  // top-left of a lying figure
  pathEllipse(cr, x + 32, y + 26, 34, 8);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.25);
  cairo_fill(cr);
  setSource(cr, {0.2, 0.3, 0.6});  // trousers
  cairo_rectangle(cr, x + 30, y + 12, 30, 12);
  cairo_fill(cr);
  setSource(cr, {0.95, 0.55, 0.1});  // hi-vis vest
  cairo_rectangle(cr, x + 10, y + 10, 22, 15);
  cairo_fill(cr);
  setSource(cr, {0.93, 0.76, 0.6});
  pathEllipse(cr, x + 6, y + 16, 6, 6);
  cairo_fill(cr);
  setSource(cr, {1.0, 0.85, 0.1});  // helmet over the face
  pathEllipse(cr, x + 5, y + 12, 7, 5);
  cairo_fill(cr);
  setSource(cr, {1, 1, 1});
  drawCentredText(cr, "z z", x + 8, y + 2, 10, true);
}

void sign(cairo_t* cr, const Decor& d) {
  double x = arg(d, 0), y = arg(d, 1);
  setSource(cr, {0.4, 0.27, 0.15});
  cairo_rectangle(cr, x - 2, y - 30, 4, 30);
  cairo_fill(cr);
  setSource(cr, {0.7, 0.52, 0.3});
  cairo_rectangle(cr, x - 26, y - 44, 52, 18);
  cairo_fill(cr);
  setSource(cr, {0.2, 0.12, 0.05});
  drawCentredText(cr, "FORE!", x, y - 30, 11, true);
}

void lamp(cairo_t* cr, const Decor& d) {
  double x = arg(d, 0), y = arg(d, 1);
  setSource(cr, {0.25, 0.25, 0.28});
  cairo_rectangle(cr, x - 2, y - 40, 4, 40);
  cairo_fill(cr);
  pathEllipse(cr, x, y - 44, 6, 6);
  setSource(cr, {1.0, 0.9, 0.55});
  cairo_fill(cr);
}

void cone(cairo_t* cr, const Decor& d) {
  double x = arg(d, 0), y = arg(d, 1);
  cairo_move_to(cr, x - 7, y);
  cairo_line_to(cr, x, y - 18);
  cairo_line_to(cr, x + 7, y);
  cairo_close_path(cr);
  setSource(cr, {1.0, 0.45, 0.05});
  cairo_fill(cr);
  setSource(cr, {1, 1, 1});
  cairo_rectangle(cr, x - 4, y - 9, 8, 3);
  cairo_fill(cr);
}

void planet(cairo_t* cr, const Decor& d) {
  double x = arg(d, 0), y = arg(d, 1), r = arg(d, 2, 40);
  cairo_pattern_t* g = cairo_pattern_create_radial(x - r * 0.4, y - r * 0.4, r * 0.1, x, y, r);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.95, 0.7, 0.5);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.35, 0.15, 0.3);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  pathEllipse(cr, x, y, r * 1.7, r * 0.35);
  setSource(cr, {0.8, 0.75, 0.6}, 0.7);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
}

void path(cairo_t* cr, const Decor& d) {
  cairo_move_to(cr, arg(d, 0), arg(d, 1));
  for (size_t i = 2; i + 1 < d.v.size() - 1; i += 2) cairo_line_to(cr, d.v[i], d.v[i + 1]);
  setSource(cr, {0.76, 0.68, 0.55});
  cairo_set_line_width(cr, d.v.empty() ? 10 : d.v.back());
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

}  // namespace

void paintGroundDecor(cairo_t* cr, const HoleSource& h, const Theme& t) {
  for (const Decor& d : h.decor) {
    if (d.type == "tree") treeShadow(cr, d);
    else if (d.type == "bush") {
      pathEllipse(cr, arg(d, 0), arg(d, 1), arg(d, 2, 14), arg(d, 2, 14) * 0.7);
      setSource(cr, shade(t.canopy, 0.9));
      cairo_fill(cr);
      pathEllipse(cr, arg(d, 0) - 3, arg(d, 1) - 3, arg(d, 2, 14) * 0.5, arg(d, 2, 14) * 0.3);
      setSource(cr, shade(t.canopy, 1.3));
      cairo_fill(cr);
    } else if (d.type == "rock") rock(cr, arg(d, 0), arg(d, 1), arg(d, 2, 10));
    else if (d.type == "flowers") flowers(cr, d);
    else if (d.type == "windmill") windmill(cr, d);
    else if (d.type == "worker") worker(cr, d);
    else if (d.type == "sign") sign(cr, d);
    else if (d.type == "lamp") lamp(cr, d);
    else if (d.type == "cone") cone(cr, d);
    else if (d.type == "planet") planet(cr, d);
    else if (d.type == "path") path(cr, d);
    else if (paintHarbourDecor(cr, d)) continue;
    else if (d.type == "crater") {
      pathEllipse(cr, arg(d, 0), arg(d, 1), arg(d, 2, 20), arg(d, 2, 20) / 2.0);
      setSource(cr, shade(t.rough, 1.8));
      cairo_set_line_width(cr, 3);
      cairo_stroke(cr);
    } else if (d.type == "stump") {
      pathEllipse(cr, arg(d, 0), arg(d, 1), arg(d, 2, 10), arg(d, 2, 10) * 0.5);
      setSource(cr, {0.6, 0.45, 0.3});
      cairo_fill(cr);
    } else if (d.type == "fence") {
      setSource(cr, {0.5, 0.36, 0.22});
      cairo_set_line_width(cr, 3);
      cairo_move_to(cr, arg(d, 0), arg(d, 1));
      cairo_line_to(cr, arg(d, 2), arg(d, 3));
      cairo_stroke(cr);
    }
  }
}

void paintCanopyDecor(cairo_t* cr, const HoleSource& h, const Theme& t) {
  for (const Decor& d : h.decor) {
    if (d.type == "tree") tree(cr, d, t);
    else if (d.type == "bridge") bridge(cr, d);
    else if (d.type == "roof") roof(cr, d);
    else if (d.type == "arch") arch(cr, d);
  }
}

}  // namespace fg
