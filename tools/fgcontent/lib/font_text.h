#pragma once
// Outline text for the content tools: a Debian font file loaded through
// FreeType and drawn with Cairo, with hinting fixed so every run draws the
// same pixels.
#include <cairo/cairo.h>

#include <string>

namespace fg {

enum class TextAlign { Left, Centre, Right };

class FontFace {
 public:
  // A file name under the DejaVu folder, e.g. "DejaVuSans-Bold.ttf".
  explicit FontFace(const std::string& dejavuFile);
  ~FontFace();
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  // Selects this face at `size` pixels on the context, hinted and grey-antialiased.
  void use(cairo_t* cr, double size) const;
  double textWidth(cairo_t* cr, double size, const std::string& utf8) const;
  // Appends the text outline to the current path with its baseline at y.
  void textPath(cairo_t* cr, double size, double x, double y, const std::string& utf8,
                TextAlign align = TextAlign::Left) const;

 private:
  void* library_ = nullptr;  // FT_Library
  void* face_ = nullptr;     // FT_Face
  cairo_font_face_t* cairoFace_ = nullptr;
};

}  // namespace fg
