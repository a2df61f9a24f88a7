#include "media/key_names.h"

#include <algorithm>
#include <cctype>
#include <iterator>

#include "media/platform.h"

namespace fg {

namespace {
struct Named {
  const char* name;
  int key;
};
constexpr Named kNames[] = {
    {"BACK", vk::Back},     {"BACKSPACE", vk::Back}, {"TAB", vk::Tab},     {"RETURN", vk::Return},
    {"ENTER", vk::Return},  {"SHIFT", vk::Shift},    {"CONTROL", vk::Control}, {"CTRL", vk::Control},
    {"ALT", vk::Menu},      {"ESCAPE", vk::Escape},  {"ESC", vk::Escape},  {"SPACE", vk::Space},
    {"PAGEUP", vk::Prior},  {"PAGEDOWN", vk::Next},  {"END", vk::End},     {"HOME", vk::Home},
    {"LEFT", vk::Left},     {"UP", vk::Up},          {"RIGHT", vk::Right}, {"DOWN", vk::Down},
    {"DELETE", vk::Delete}, {"F1", vk::F1},          {"F2", vk::F2},       {"F3", vk::F3},
    {"F4", vk::F4},         {"F5", vk::F5},          {"F6", vk::F6},       {"F7", vk::F7},
    {"F8", vk::F8},         {"F9", vk::F9},          {"F10", vk::F10},     {"F11", vk::F11},
    {"F12", vk::F12},       {"PAUSE", vk::Pause},
};
}  // namespace

int keyFromName(const std::string& name) {
  std::string up;
  std::transform(name.begin(), name.end(), std::back_inserter(up),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  for (const Named& n : kNames)
    if (up == n.name) return n.key;
  // "#123": a key without a name, as keyName() writes it.
  if (up.size() > 1 && up[0] == '#' && up.size() <= 4 &&
      std::all_of(up.begin() + 1, up.end(), [](unsigned char c) { return std::isdigit(c); })) {
    int code = std::stoi(up.substr(1));
    return code > 0 && code < 256 ? code : 0;
  }
  if (up.size() == 1 && (std::isupper(static_cast<unsigned char>(up[0])) || std::isdigit(static_cast<unsigned char>(up[0]))))
    return up[0];
  return 0;
}

std::string keyName(int key) {
  for (const Named& n : kNames)
    if (n.key == key) return n.name;
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9')) return std::string(1, static_cast<char>(key));
  return "#" + std::to_string(key);
}

}  // namespace fg
