#include "hole_source.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <map>
#include <sstream>

#include "media/error.h"

namespace fg {
namespace {

struct Line {
  int number = 0;
  std::vector<std::string> words;            // positional words
  std::map<std::string, std::string> keys;   // key=value words
};

[[noreturn]] void fail(int line, const std::string& what) {
  throw GameError(formatMessage("hole source line %d: %s", line, what.c_str()));
}

int32_t toInt(const Line& l, const std::string& s) {
  int32_t v = 0;
  auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || p != s.data() + s.size()) fail(l.number, "not a number: " + s);
  return v;
}

std::vector<int32_t> numbersFrom(const Line& l, size_t first) {
  std::vector<int32_t> v;
  for (size_t i = first; i < l.words.size(); ++i) v.push_back(toInt(l, l.words[i]));
  return v;
}

// "a,b,c" as numbers, exactly `count` of them.
std::vector<int32_t> keyNumbers(const Line& l, const std::string& key, size_t count) {
  auto it = l.keys.find(key);
  if (it == l.keys.end()) fail(l.number, "missing " + key + "=");
  std::vector<int32_t> v;
  std::stringstream ss(it->second);
  std::string part;
  while (std::getline(ss, part, ',')) v.push_back(toInt(l, part));
  if (v.size() != count) fail(l.number, key + "= needs " + std::to_string(count) + " numbers");
  return v;
}

int32_t keyInt(const Line& l, const std::string& key, int32_t dflt) {
  auto it = l.keys.find(key);
  return it == l.keys.end() ? dflt : toInt(l, it->second);
}

Line splitLine(std::string_view text, int number) {
  Line l;
  l.number = number;
  std::string cur;
  bool quoted = false;
  auto flush = [&] {
    if (cur.empty()) return;
    auto eq = cur.find('=');
    if (eq != std::string::npos && eq > 0 && !quoted)
      l.keys[cur.substr(0, eq)] = cur.substr(eq + 1);
    else
      l.words.push_back(cur);
    cur.clear();
  };
  bool inQuote = false;
  for (char c : text) {
    if (c == '"') { inQuote = !inQuote; quoted = true; continue; }
    if (!inQuote && c == '#') break;
    if (!inQuote && (c == ' ' || c == '\t' || c == '\r')) { flush(); quoted = false; continue; }
    cur.push_back(c);
  }
  flush();
  return l;
}

// Reads the shape words from position `at` into the record.
void readShape(const Line& l, size_t at, arearec& a) {
  if (at >= l.words.size()) fail(l.number, "missing shape");
  const std::string& s = l.words[at];
  std::vector<int32_t> n = numbersFrom(l, at + 1);
  if (s == "circle" && n.size() == 3) {
    a.x1 = n[0]; a.y1 = n[1]; a.r = n[2];
  } else if (s == "seg" && n.size() == 4) {
    a.x1 = n[0]; a.y1 = n[1]; a.x2 = n[2]; a.y2 = n[3];
  } else if (s == "quad" && n.size() == 8) {
    a.x1 = n[0]; a.y1 = n[1]; a.x2 = n[2]; a.y2 = n[3];
    a.x3 = n[4]; a.y3 = n[5]; a.x4 = n[6]; a.y4 = n[7];
  } else if (s == "rect" && n.size() == 4) {
    a.x1 = n[0]; a.y1 = n[1]; a.x2 = n[0] + n[2]; a.y2 = n[1];
    a.x3 = n[0] + n[2]; a.y3 = n[1] + n[3]; a.x4 = n[0]; a.y4 = n[1] + n[3];
  } else {
    fail(l.number, "bad shape '" + s + "'");
  }
  if (a.r < 1 && s != "seg" && (a.x3 == 0 || a.x4 == 0)) fail(l.number, "a quad may not touch x = 0");
}

int32_t dirIndex(const Line& l, const std::string& d, const std::vector<std::string>& names) {
  for (size_t i = 0; i < names.size(); ++i)
    if (names[i] == d) return static_cast<int32_t>(i);
  fail(l.number, "bad direction '" + d + "'");
}

// Kinds whose only parameter is their shape.
const std::map<std::string, int32_t> kPlainKinds = {
    {"launcher", 12}, {"funnel", 14}, {"sand", 23}, {"mine", 27}, {"kicker", 34},
    {"bonus", 35},    {"sleeper", 36}};

void addArea(HoleSource& h, const Line& l) {
  const std::string& t = l.words[0];
  AreaSource src;
  src.type = t;
  src.line = l.number;
  arearec& a = src.rec;
  a.enabled = true;
  if (t == "slope" || t == "ramp") {
    if (l.words.size() < 2) fail(l.number, "missing direction");
    if (t == "slope")
      a.kind = 15 + dirIndex(l, l.words[1], {"e", "se", "s", "sw", "w", "nw", "n", "ne"});
    else
      a.kind = 8 + dirIndex(l, l.words[1], {"sw", "e", "se", "w"});
    readShape(l, 2, a);
  } else {
    readShape(l, 1, a);
    if (t == "wall") {
      a.kind = keyInt(l, "kind", wallKindFor(a.x1, a.y1, a.x2, a.y2));
      if (a.kind == 0) fail(l.number, "wall direction has no bounce code");
    } else if (t == "cup") {
      a.kind = 5;
      a.comment = l.keys.count("next") ? l.keys.at("next") : "done";
      a.x2 = rimLeft(a);
      a.y2 = rimTop(a);
    } else if (t == "water") {
      a.kind = 24;
      auto d = keyNumbers(l, "drop", 2);
      a.p1 = d[0]; a.p2 = d[1];
    } else if (t == "teleport" || t == "tunnel") {
      a.kind = t == "teleport" ? 25 : 26;
      auto e = keyNumbers(l, "exit", 2);
      auto d = keyNumbers(l, "dir", 4);
      a.x2 = e[0]; a.y2 = e[1];
      a.x3 = d[0]; a.y3 = d[1]; a.x4 = d[2]; a.y4 = d[3];
      if (t == "tunnel") {
        a.p1 = rimLeft(a); a.p2 = rimTop(a); a.p3 = kTunnelPicture;
        a.p4 = keyInt(l, "nobounce", -1);
      }
    } else if (t == "setname") {
      a.kind = 28;
      a.p1 = keyInt(l, "slot", 1);
      a.comment = l.keys.count("text") ? l.keys.at("text") : "";
    } else if (t == "switch") {
      a.kind = 29;
      a.p1 = keyInt(l, "state", 1);
    } else if (t == "bumps") {
      a.kind = 30;
      if (l.keys.count("decor")) {
        auto d = keyNumbers(l, "decor", 3);
        a.p1 = d[0]; a.p2 = d[1]; a.comment = std::to_string(d[2]);
      }
    } else if (t == "shade") {
      a.kind = 32;
      a.p1 = keyInt(l, "strength", 60);
    } else if (t == "ledge") {
      a.kind = 33;
      a.p1 = keyInt(l, "drop", 12);
    } else if (kPlainKinds.count(t)) {
      a.kind = kPlainKinds.at(t);
    } else {
      fail(l.number, "unknown line '" + t + "'");
    }
  }
  if (h.areas.size() >= kAreaCount) fail(l.number, "more than 99 areas");
  h.areas.push_back(std::move(src));
}

// "walls x y x y …": consecutive wall segments of one border.
void addWalls(HoleSource& h, const Line& l, bool fairway) {
  std::vector<int32_t> n = numbersFrom(l, 1);
  if (n.size() < 4 || n.size() % 2) fail(l.number, "walls need pairs of points");
  for (size_t i = 0; i + 3 < n.size(); i += 2) {
    Line seg = l;
    seg.words = {"wall", "seg", std::to_string(n[i]), std::to_string(n[i + 1]),
                 std::to_string(n[i + 2]), std::to_string(n[i + 3])};
    addArea(h, seg);
  }
  if (fairway) h.fairways.push_back(n);
}

void readHeader(HoleSource& h, const Line& l) {
  const std::string& t = l.words[0];
  auto need = [&](size_t n) { if (l.words.size() != n + 1) fail(l.number, t + " needs " + std::to_string(n) + " values"); };
  if (t == "name") { need(1); h.name = l.words[1]; }
  else if (t == "title") { need(2); h.title = l.words[1]; h.subtitle = l.words[2]; }
  else if (t == "size") { need(2); h.width = toInt(l, l.words[1]); h.height = toInt(l, l.words[2]); }
  else if (t == "par") { need(1); h.par = toInt(l, l.words[1]); }
  else if (t == "ball") { need(2); h.ball_x = toInt(l, l.words[1]); h.ball_y = toInt(l, l.words[2]); }
  else if (t == "theme") { need(1); h.theme = l.words[1]; }
  else if (t == "ambience") { need(1); h.ambience = l.words[1]; }
  else if (t == "item") {
    need(2);
    int32_t n = toInt(l, l.words[1]);
    if (n < 3 || n > 10) fail(l.number, "only items 3 to 10 can be chosen");
    h.items[n] = l.words[2];
  }
}

const std::vector<std::string> kHeaders = {"name", "title", "size", "par", "ball", "theme", "ambience", "item"};
const std::vector<std::string> kDecor = {"tree", "bush", "rock", "flowers", "bridge", "roof", "arch",
                                         "windmill", "worker", "sign", "lamp", "pond", "path",
                                         "cone", "planet", "crater", "fence", "stump",
                                         "boat", "crate", "bollard", "buoy", "lighthouse"};

}  // namespace

const AreaSource* HoleSource::findType(std::string_view type) const {
  for (const AreaSource& a : areas)
    if (a.type == type) return &a;
  return nullptr;
}

int32_t wallKindFor(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  int32_t dx = x2 - x1, dy = y2 - y1;
  if (dx == 0 && dy == 0) return 0;
  if (dy == 0) return 4;
  if (dx == 0) return 2;
  if (dy == -dx) return 6;
  if (dy == dx) return 7;
  if (2 * dy == -dx) return 1;
  if (2 * dy == dx) return 3;
  return 0;
}

int32_t rimLeft(const arearec& cup) { return cup.x1 - cup.r - 6; }
int32_t rimTop(const arearec& cup) { return cup.y1; }

HoleSource parseHoleSource(std::string_view text) {
  HoleSource h;
  int number = 0;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    Line l = splitLine(text.substr(pos, end - pos), ++number);
    pos = end + 1;
    if (l.words.empty()) continue;
    const std::string& t = l.words[0];
    if (std::find(kHeaders.begin(), kHeaders.end(), t) != kHeaders.end()) {
      readHeader(h, l);
    } else if (t == "walls" || t == "border") {
      addWalls(h, l, t == "border");
    } else if (t == "fairway") {
      h.fairways.push_back(numbersFrom(l, 1));
    } else if (std::find(kDecor.begin(), kDecor.end(), t) != kDecor.end()) {
      h.decor.push_back({t, numbersFrom(l, 1), l.number});
    } else {
      addArea(h, l);
    }
  }
  if (h.name.empty()) throw GameError("hole source: no name");
  if (h.width <= 0 || h.height <= 0 || h.width % 24 || h.height % 24)
    throw GameError("hole source: size must be positive multiples of 24");
  if (!h.findType("cup")) throw GameError("hole source: no cup");
  return h;
}

HoleSource loadHoleSource(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw GameError("cannot read " + path);
  std::stringstream ss;
  ss << in.rdbuf();
  return parseHoleSource(ss.str());
}

std::string holeFileText(const HoleSource& h) {
  std::ostringstream o;
  o << "; " << h.name << " - made by fgcourse from content/holes/" << h.name << ".txt\r\n";
  o << "[ball]\r\nx=" << h.ball_x << "\r\ny=" << h.ball_y << "\r\n";
  o << "[course]\r\npar=" << h.par << "\r\n";
  for (size_t i = 0; i < h.areas.size(); ++i) {
    const arearec& a = h.areas[i].rec;
    o << "[area" << i + 1 << "]\r\n; " << h.areas[i].type << "\r\n";
    o << "kind=" << a.kind << "\r\n";
    auto put = [&](const char* k, int32_t v) { if (v != 0) o << k << '=' << v << "\r\n"; };
    put("x1", a.x1); put("y1", a.y1); put("r", a.r);
    put("x2", a.x2); put("y2", a.y2); put("x3", a.x3); put("y3", a.y3);
    put("x4", a.x4); put("y4", a.y4);
    put("p1", a.p1); put("p2", a.p2); put("p3", a.p3); put("p4", a.p4);
    put("p5", a.p5); put("p6", a.p6);
    o << "enabled=" << (a.enabled ? 1 : 0) << "\r\n";
    if (!a.comment.empty()) o << "comment=" << a.comment << "\r\n";
  }
  return o.str();
}

}  // namespace fg
