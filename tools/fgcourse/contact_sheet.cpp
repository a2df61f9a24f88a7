#include "contact_sheet.h"

#include <algorithm>

#include "platform/png_file.h"

namespace fg {
namespace {

cairo_surface_t* surfaceOf(const Picture& p, bool keyed) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, p.width, p.height);
  unsigned char* d = cairo_image_surface_get_data(s);
  int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < p.height; ++y) {
    uint32_t* row = reinterpret_cast<uint32_t*>(d + static_cast<size_t>(y) * stride);
    for (int x = 0; x < p.width; ++x) {
      const uint8_t* c = &p.rgb[(static_cast<size_t>(y) * p.width + x) * 3];
      bool key = keyed && c[0] == 0 && c[1] == 0 && c[2] == 0;
      row[x] = key ? 0 : 0xff000000u | (uint32_t(c[0]) << 16) | (uint32_t(c[1]) << 8) | c[2];
    }
  }
  cairo_surface_mark_dirty(s);
  return s;
}

}  // namespace

void writeContactSheet(const std::vector<SheetEntry>& entries, const std::string& path) {
  const int cell = 300, label = 18, cols = 4;
  int rows = static_cast<int>((entries.size() + (cols / 2) - 1) / (cols / 2));
  CairoImage sheet(cols * (cell + 8) + 8, rows * (cell * 3 / 4 + label + 8) + 8);
  cairo_t* cr = sheet.cr();
  cairo_set_source_rgb(cr, 0.15, 0.15, 0.17);
  cairo_paint(cr);
  for (size_t i = 0; i < entries.size(); ++i) {
    int col = static_cast<int>(i % (cols / 2)) * 2, row = static_cast<int>(i / (cols / 2));
    const CoursePictures& p = entries[i].pics;
    double scale = std::min(static_cast<double>(cell) / p.course.width, cell * 0.75 / p.course.height);
    for (int layer = 0; layer < 2; ++layer) {
      double x = 8 + (col + layer) * (cell + 8), y = 8 + row * (cell * 3 / 4 + label + 8);
      cairo_set_source_rgb(cr, 1, 1, 1);
      cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
      cairo_set_font_size(cr, 12);
      cairo_move_to(cr, x, y + 12);
      std::string text = entries[i].name + (layer ? " foreground" : "") + " " +
                         std::to_string(p.course.width) + "x" + std::to_string(p.course.height);
      cairo_show_text(cr, text.c_str());
      cairo_save(cr);
      cairo_translate(cr, x, y + label);
      cairo_scale(cr, scale, scale);
      if (layer) {  // checker behind the see-through parts
        cairo_set_source_rgb(cr, 0.35, 0.35, 0.4);
        cairo_rectangle(cr, 0, 0, p.course.width, p.course.height);
        cairo_fill(cr);
      }
      cairo_surface_t* s = surfaceOf(layer ? p.foreground : p.course, layer == 1);
      cairo_set_source_surface(cr, s, 0, 0);
      cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
      cairo_paint(cr);
      cairo_surface_destroy(s);
      cairo_restore(cr);
    }
  }
  writePngFile(path, toPicture(sheet));
}

}  // namespace fg
