// menu.dxg: the large font, the loading picture and the two help pictures.
#include <cmath>
#include <sstream>

#include "content_context.h"
#include "media/archive_writer.h"

namespace fg {

namespace {

constexpr int kLargeWidth = 32, kLargeHeight = 40, kLargeFirst = 32, kLargeLast = 92;

struct HelpPage {
  std::string title;
  std::vector<std::string> steps;
};
struct HelpRecipe {
  HelpPage pull, push;
  std::vector<std::pair<std::string, std::string>> keys;
};

std::string trimmed(const std::string& s) {
  const size_t a = s.find_first_not_of(" \t\r");
  if (a == std::string::npos) return "";
  return s.substr(a, s.find_last_not_of(" \t\r") - a + 1);
}

HelpRecipe readHelp(const std::string& path) {
  HelpRecipe r;
  std::istringstream in(readTextFile(path));
  std::string line, section;
  while (std::getline(in, line)) {
    line = trimmed(line);
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      section = line;
      continue;
    }
    const size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string tag = trimmed(line.substr(0, eq)), value = trimmed(line.substr(eq + 1));
    HelpPage* page = section == "[pull]" ? &r.pull : section == "[push]" ? &r.push : nullptr;
    if (page && tag == "title") page->title = value;
    if (page && tag == "step") page->steps.push_back(value);
    if (section == "[keys]" && tag == "key") {
      const size_t bar = value.find('|');
      r.keys.emplace_back(trimmed(value.substr(0, bar)), bar == std::string::npos ? "" : trimmed(value.substr(bar + 1)));
    }
  }
  return r;
}

void gradientText(cairo_t* cr, const FontFace& font, double size, double x, double y, const std::string& s,
                  TextAlign align, const Rgb& top, const Rgb& bottom, const Rgb& glow) {
  font.textPath(cr, size, x, y, s, align);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, size / 6);
  setSource(cr, glow, 0.45);
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, size / 14);
  setSource(cr, glow.scaled(0.6));
  cairo_stroke_preserve(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y - size * 0.75, 0, y);
  cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

Picture largeFont(const ContentContext& ctx) {
  const int count = kLargeLast - kLargeFirst + 1;
  std::vector<Picture> glyphs;
  for (int c = kLargeFirst; c <= kLargeLast; ++c) {
    CairoImage img(kLargeWidth, kLargeHeight);
    if (c != ' ')
      gradientText(img.cr(), *ctx.sansBold, 31, kLargeWidth / 2.0, 33, std::string(1, static_cast<char>(c)),
                   TextAlign::Centre, rgbFromHex(0xFFFFF0), rgbFromHex(0xFFB030), rgbFromHex(0xFF5020));
    glyphs.push_back(toPicture(img));
  }
  // 61 glyphs in one row: any grid of several rows would leave empty cells
  // that count as patterns.
  return gridOfPatterns(glyphs, count);
}

void backdrop(cairo_t* cr, double w, double h) {
  roundedRect(cr, 1, 1, w - 2, h - 2, 14);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, h);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.14, 0.36, 0.62);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.04, 0.12, 0.26);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  cairo_set_line_width(cr, 2);
  cairo_set_source_rgb(cr, 0.55, 0.85, 1.0);
  cairo_stroke(cr);
}

void golfBall(cairo_t* cr, double x, double y, double r) {
  cairo_pattern_t* g = cairo_pattern_create_radial(x - r * 0.4, y - r * 0.4, r * 0.1, x, y, r);
  cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 1);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.62, 0.66, 0.72);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

Picture loadingPicture(const ContentContext& ctx) {
  CairoImage img(360, 150);
  cairo_t* cr = img.cr();
  backdrop(cr, 360, 150);
  gradientText(cr, *ctx.sansBold, 44, 180, 68, "FAIRGLADE", TextAlign::Centre, rgbFromHex(0xFFFFFF),
               rgbFromHex(0xA8F060), rgbFromHex(0x0A3A18));
  ctx.sansBold->textPath(cr, 16, 180, 108, "LOADING HOLE, PLEASE WAIT", TextAlign::Centre);
  cairo_set_source_rgb(cr, 0.85, 0.95, 1.0);
  cairo_fill(cr);
  for (int i = 0; i < 5; ++i) golfBall(cr, 140 + i * 20, 128, 5);
  return toKeyedPicture(img);
}

void arrow(cairo_t* cr, double x0, double y0, double x1, double y1, bool dashed, const Rgb& c) {
  const double a = std::atan2(y1 - y0, x1 - x0);
  if (dashed) {
    const double dash[] = {6, 4};
    cairo_set_dash(cr, dash, 2, 0);
  }
  cairo_set_line_width(cr, 3);
  setSource(cr, c);
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1 - 8 * std::cos(a), y1 - 8 * std::sin(a));
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  cairo_move_to(cr, x1, y1);
  cairo_line_to(cr, x1 - 12 * std::cos(a - 0.45), y1 - 12 * std::sin(a - 0.45));
  cairo_line_to(cr, x1 - 12 * std::cos(a + 0.45), y1 - 12 * std::sin(a + 0.45));
  cairo_close_path(cr);
  cairo_fill(cr);
}

void diagram(cairo_t* cr, const ContentContext& ctx, bool pull) {
  // A patch of green with the ball, the hand's movement and the shot.
  roundedRect(cr, 430, 60, 150, 160, 10);
  cairo_set_source_rgb(cr, 0.16, 0.52, 0.2);
  cairo_fill(cr);
  golfBall(cr, 505, 130, 9);
  const Rgb hand = rgbFromHex(0xFFD040), shot = rgbFromHex(0xFFFFFF);
  if (pull) {
    arrow(cr, 505, 140, 505, 205, true, hand);
    arrow(cr, 505, 118, 505, 72, false, shot);
  } else {
    arrow(cr, 470, 200, 470, 170, false, hand);
    arrow(cr, 470, 170, 470, 205, true, hand);
    arrow(cr, 505, 118, 505, 72, false, shot);
    arrow(cr, 450, 95, 485, 95, false, hand);
  }
  ctx.sans->textPath(cr, 11, 505, 236, pull ? "drag back, let go" : "aim, pull back, push", TextAlign::Centre);
  cairo_set_source_rgb(cr, 0.85, 0.95, 1.0);
  cairo_fill(cr);
}

Picture helpPicture(const ContentContext& ctx, const HelpPage& page, const HelpRecipe& r, bool pull) {
  constexpr int kW = 600, kH = 440;
  CairoImage img(kW, kH);
  cairo_t* cr = img.cr();
  backdrop(cr, kW, kH);
  gradientText(cr, *ctx.sansBold, 34, 30, 50, page.title, TextAlign::Left, rgbFromHex(0xFFFFFF),
               rgbFromHex(0xFFD040), rgbFromHex(0x402000));
  ctx.sans->textPath(cr, 12, kW - 30, 48, "F8 shows the other method", TextAlign::Right);
  cairo_set_source_rgb(cr, 0.7, 0.85, 1.0);
  cairo_fill(cr);
  diagram(cr, ctx, pull);
  double y = 84;
  for (size_t i = 0; i < page.steps.size(); ++i) {
    cairo_arc(cr, 42, y + 8, 10, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 1.0, 0.82, 0.25);
    cairo_fill(cr);
    ctx.sansBold->textPath(cr, 13, 42, y + 13, std::to_string(i + 1), TextAlign::Centre);
    cairo_set_source_rgb(cr, 0.1, 0.1, 0.2);
    cairo_fill(cr);
    // Wrap each step to the column left of the diagram.
    std::istringstream words(page.steps[i]);
    std::string word, line;
    while (words >> word) {
      const std::string next = line.empty() ? word : line + " " + word;
      if (ctx.sans->textWidth(cr, 13, next) > 350 && !line.empty()) {
        ctx.sans->textPath(cr, 13, 62, y + 13, line);
        y += 17;
        line = word;
      } else {
        line = next;
      }
    }
    ctx.sans->textPath(cr, 13, 62, y + 13, line);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill(cr);
    y += 27;
  }
  y = std::max(y + 8, 272.0);
  ctx.sansBold->textPath(cr, 15, 30, y, "KEYS", TextAlign::Left);
  cairo_set_source_rgb(cr, 1.0, 0.82, 0.25);
  cairo_fill(cr);
  y += 8;
  const size_t half = (r.keys.size() + 1) / 2;
  for (size_t i = 0; i < r.keys.size(); ++i) {
    const double x = i < half ? 30 : 315, ly = y + 19 * static_cast<double>(i < half ? i : i - half) + 14;
    ctx.sansBold->textPath(cr, 12, x, ly, r.keys[i].first);
    cairo_set_source_rgb(cr, 0.6, 0.95, 0.5);
    cairo_fill(cr);
    ctx.sans->textPath(cr, 12, x + 90, ly, r.keys[i].second);
    cairo_set_source_rgb(cr, 0.92, 0.96, 1.0);
    cairo_fill(cr);
  }
  ctx.sans->textPath(cr, 12, kW / 2.0, kH - 14, "Press any key or click to go back to the game", TextAlign::Centre);
  cairo_set_source_rgb(cr, 0.7, 0.85, 1.0);
  cairo_fill(cr);
  return toKeyedPicture(img);
}

ImageItemDesc item(const std::string& name, Picture p, int pw, int ph, bool transparent) {
  ImageItemDesc d;
  d.name = name;
  d.picture = std::move(p);
  d.patternWidth = pw;
  d.patternHeight = ph;
  d.transparent = transparent;
  return d;
}

}  // namespace

void writeMenuContent(const ContentContext& ctx) {
  const HelpRecipe help = readHelp(ctx.recipe("help.txt"));
  const Picture font = largeFont(ctx), loading = loadingPicture(ctx);
  const Picture pull = helpPicture(ctx, help.pull, help, true), push = helpPicture(ctx, help.push, help, false);
  ctx.preview("menu_largefont.png", font);
  ctx.preview("menu_loading.png", loading);
  ctx.preview("menu_help_pull.png", pull);
  ctx.preview("menu_help_push.png", push);
  std::vector<ImageItemDesc> items;
  items.push_back(item("largefont", font, kLargeWidth, kLargeHeight, true));
  items.push_back(item("loading", loading, 0, 0, true));
  items.push_back(item("helppull", pull, 0, 0, true));
  items.push_back(item("helppush", push, 0, 0, true));
  writeFileAtomically(ctx.out("menu.dxg"), writeImageArchive(items));
}

}  // namespace fg
