#pragma once
// The source recipes of the interface content (content/ui): colour themes,
// the HUD font's glyph art and the help texts.
#include <map>
#include <string>
#include <vector>

#include "cairo_picture.h"

namespace fg {

// An INI file: section -> key -> value, sections in file order.
struct IniFile {
  std::vector<std::string> order;
  std::map<std::string, std::map<std::string, std::string>> sections;
};
IniFile readIni(const std::string& path);

struct Theme {
  std::string name;
  std::string title;
  Rgb panelTop, panelBottom, panelLight, panelDark;
  Rgb stripTop, stripBottom, stripText;
  Rgb closeTop, closeBottom, closeText;
  Rgb field, fieldEdge;
  Rgb textTop, textBottom, textShadow;
  Rgb digitTop, digitBottom, digitEdge;
  Rgb icon, iconShadow, buttonTop, buttonBottom, accent;
  Rgb gaugeLow, gaugeHigh, gaugeSlot, target;
  Rgb pointerFill, pointerEdge;
};
// Every section of themes.ini, "default" first.
std::vector<Theme> readThemes(const std::string& path);

// A glyph of the pixel font: rows of '#' (ink) and '.', aligned to the baseline.
struct Glyph {
  std::string name;
  std::vector<std::string> rows;
};
std::vector<Glyph> readGlyphs(const std::string& path);

// Reads a whole text file; fails with a message naming it.
std::string readTextFile(const std::string& path);

}  // namespace fg
