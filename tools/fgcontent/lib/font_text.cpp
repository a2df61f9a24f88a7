#include "font_text.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <cairo/cairo-ft.h>

#include "media/error.h"

namespace fg {

namespace {
const char kDejaVuFolder[] = "/usr/share/fonts/truetype/dejavu/";
}

FontFace::FontFace(const std::string& dejavuFile) {
  FT_Library lib = nullptr;
  if (FT_Init_FreeType(&lib) != 0) throw GameError("Cannot start FreeType");
  library_ = lib;
  FT_Face face = nullptr;
  const std::string path = kDejaVuFolder + dejavuFile;
  if (FT_New_Face(lib, path.c_str(), 0, &face) != 0) {
    FT_Done_FreeType(lib);
    throw GameError("Cannot open font \"" + path + "\" (install fonts-dejavu-core)");
  }
  face_ = face;
  cairoFace_ = cairo_ft_font_face_create_for_ft_face(face, 0);
}

FontFace::~FontFace() {
  cairo_font_face_destroy(cairoFace_);
  FT_Done_Face(static_cast<FT_Face>(face_));
  FT_Done_FreeType(static_cast<FT_Library>(library_));
}

void FontFace::use(cairo_t* cr, double size) const {
  cairo_set_font_face(cr, cairoFace_);
  cairo_set_font_size(cr, size);
  cairo_font_options_t* opt = cairo_font_options_create();
  cairo_font_options_set_antialias(opt, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(opt, CAIRO_HINT_STYLE_SLIGHT);
  cairo_font_options_set_hint_metrics(opt, CAIRO_HINT_METRICS_ON);
  cairo_set_font_options(cr, opt);
  cairo_font_options_destroy(opt);
}

double FontFace::textWidth(cairo_t* cr, double size, const std::string& utf8) const {
  use(cr, size);
  cairo_text_extents_t ext;
  cairo_text_extents(cr, utf8.c_str(), &ext);
  return ext.x_advance;
}

void FontFace::textPath(cairo_t* cr, double size, double x, double y, const std::string& utf8,
                        TextAlign align) const {
  const double w = textWidth(cr, size, utf8);
  if (align == TextAlign::Centre) x -= w / 2;
  if (align == TextAlign::Right) x -= w;
  cairo_move_to(cr, x, y);
  cairo_text_path(cr, utf8.c_str());
}

}  // namespace fg
