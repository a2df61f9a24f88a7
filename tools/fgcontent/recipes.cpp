#include "recipes.h"

#include <fstream>
#include <sstream>

#include "media/error.h"

namespace fg {

namespace {

std::string trim(const std::string& s) {
  const size_t a = s.find_first_not_of(" \t\r\n");
  if (a == std::string::npos) return "";
  const size_t b = s.find_last_not_of(" \t\r\n");
  return s.substr(a, b - a + 1);
}

Rgb colour(const std::map<std::string, std::string>& keys, const std::string& section,
           const char* key) {
  const auto it = keys.find(key);
  if (it == keys.end()) throw GameError("Theme \"" + section + "\" has no " + key);
  return rgbFromHex(static_cast<unsigned>(std::stoul(it->second, nullptr, 16)));
}

}  // namespace

std::string readTextFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw GameError("Cannot open recipe \"" + path + "\"");
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

IniFile readIni(const std::string& path) {
  IniFile ini;
  std::istringstream in(readTextFile(path));
  std::string line, section;
  while (std::getline(in, line)) {
    line = trim(line);
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line.front() == '[' && line.back() == ']') {
      section = line.substr(1, line.size() - 2);
      if (!ini.sections.count(section)) ini.order.push_back(section);
      ini.sections[section];
      continue;
    }
    const size_t eq = line.find('=');
    if (eq == std::string::npos || section.empty()) continue;
    ini.sections[section][trim(line.substr(0, eq))] = trim(line.substr(eq + 1));
  }
  return ini;
}

std::vector<Theme> readThemes(const std::string& path) {
  const IniFile ini = readIni(path);
  std::vector<Theme> themes;
  for (const std::string& name : ini.order) {
    const auto& k = ini.sections.at(name);
    Theme t;
    t.name = name;
    t.title = k.count("title") ? k.at("title") : "FAIRGLADE";
    auto c = [&](const char* key) { return colour(k, name, key); };
    t.panelTop = c("panel_top"), t.panelBottom = c("panel_bottom");
    t.panelLight = c("panel_light"), t.panelDark = c("panel_dark");
    t.stripTop = c("strip_top"), t.stripBottom = c("strip_bottom"), t.stripText = c("strip_text");
    t.closeTop = c("close_top"), t.closeBottom = c("close_bottom"), t.closeText = c("close_text");
    t.field = c("field"), t.fieldEdge = c("field_edge");
    t.textTop = c("text_top"), t.textBottom = c("text_bottom"), t.textShadow = c("text_shadow");
    t.digitTop = c("digit_top"), t.digitBottom = c("digit_bottom"), t.digitEdge = c("digit_edge");
    t.icon = c("icon"), t.iconShadow = c("icon_shadow");
    t.buttonTop = c("button_top"), t.buttonBottom = c("button_bottom"), t.accent = c("accent");
    t.gaugeLow = c("gauge_low"), t.gaugeHigh = c("gauge_high"), t.gaugeSlot = c("gauge_slot");
    t.target = c("target");
    t.pointerFill = c("pointer_fill"), t.pointerEdge = c("pointer_edge");
    if (name == "default")
      themes.insert(themes.begin(), t);
    else
      themes.push_back(t);
  }
  if (themes.empty() || themes[0].name != "default")
    throw GameError("themes.ini needs a [default] theme");
  return themes;
}

std::vector<Glyph> readGlyphs(const std::string& path) {
  std::istringstream in(readTextFile(path));
  std::vector<Glyph> glyphs;
  std::string line;
  while (std::getline(in, line)) {
    line = trim(line);
    if (line.rfind("glyph ", 0) == 0) {
      glyphs.push_back({trim(line.substr(6)), {}});
    } else if (!line.empty() && line[0] != ';' && !glyphs.empty()) {
      glyphs.back().rows.push_back(line);
    }
  }
  return glyphs;
}

}  // namespace fg
