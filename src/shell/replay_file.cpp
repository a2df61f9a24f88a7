#include "shell/replay_file.h"

#include <algorithm>
#include <sstream>

#include "media/error.h"
#include "media/key_names.h"
#include "media/script_lines.h"

namespace fg {

namespace {

constexpr const char* kMagic = "fairglade-replay";
constexpr int kTextureMaxSide = 256;

const char* buttonWord(MouseButton b) {
  return b == MouseButton::Right ? " right" : b == MouseButton::Middle ? " middle" : "";
}

std::string eventLine(const InputEvent& e) {
  std::string mods = std::string(e.shift ? " shift" : "") + (e.ctrl ? " ctrl" : "") + (e.alt ? " alt" : "");
  auto xy = [&] { return " " + std::to_string(e.x) + " " + std::to_string(e.y); };
  switch (e.type) {
    case EventType::KeyDown: return "keydown " + keyName(e.key) + mods;
    case EventType::KeyUp: return "keyup " + keyName(e.key) + mods;
    case EventType::TextInput: return "text " + e.text;
    case EventType::MouseMove: return "move" + xy() + mods;
    case EventType::MouseDown: return "press" + xy() + buttonWord(e.button) + mods;
    case EventType::MouseUp: return "release" + xy() + buttonWord(e.button) + mods;
    case EventType::Activate: return "activate";
    case EventType::Deactivate: return "deactivate";
    case EventType::Quit: return "quit";
  }
  return "quit";
}

std::string hex(const std::vector<uint8_t>& bytes) {
  static const char* digits = "0123456789abcdef";
  std::string out;
  out.reserve(bytes.size() * 2);
  for (uint8_t b : bytes) {
    out += digits[b >> 4];
    out += digits[b & 15];
  }
  return out;
}

[[noreturn]] void bad(int line, const std::string& why) {
  throw GameError("Replay line " + std::to_string(line) + ": " + why);
}

// Modifier and button words after a key or mouse event.
void readTail(std::istringstream& in, InputEvent& e) {
  std::string w;
  while (in >> w) {
    if (w == "shift") e.shift = true;
    if (w == "ctrl") e.ctrl = true;
    if (w == "alt") e.alt = true;
    if (w == "right") e.button = MouseButton::Right;
    if (w == "middle") e.button = MouseButton::Middle;
  }
}

TapeEntry readAt(std::istringstream& in, int lineNo) {
  TapeEntry t;
  long long when = -1;
  std::string what;
  if (!(in >> when >> what) || when < 0 || when > 0xFFFFFFFFLL) bad(lineNo, "expected a time and an action");
  t.time = static_cast<uint32_t>(when);
  t.event.time = t.time;
  InputEvent& e = t.event;
  if (what == "hook" || what == "tick") {
    t.kind = what == "hook" ? TapeEntry::Kind::Hook : TapeEntry::Kind::Tick;
  } else if (what == "keydown" || what == "keyup") {
    std::string name;
    in >> name;
    e.key = keyFromName(name);
    if (!e.key) bad(lineNo, "unknown key " + name);
    e.type = what == "keydown" ? EventType::KeyDown : EventType::KeyUp;
    readTail(in, e);
  } else if (what == "move" || what == "press" || what == "release") {
    if (!(in >> e.x >> e.y)) bad(lineNo, "expected x y");
    e.type = what == "move" ? EventType::MouseMove : what == "press" ? EventType::MouseDown : EventType::MouseUp;
    readTail(in, e);
  } else if (what == "text") {
    e.type = EventType::TextInput;
    std::getline(in >> std::ws, e.text);
  } else if (what == "activate" || what == "deactivate") {
    e.type = what == "activate" ? EventType::Activate : EventType::Deactivate;
  } else if (what == "quit") {
    e.type = EventType::Quit;
  } else {
    bad(lineNo, "unknown action " + what);
  }
  return t;
}

void readTexture(std::istringstream& in, Picture& p, int lineNo) {
  std::string digits;
  if (!(in >> p.width >> p.height >> digits) || p.width <= 0 || p.height <= 0 || p.width > kTextureMaxSide ||
      p.height > kTextureMaxSide || digits.size() != static_cast<size_t>(p.width) * p.height * 6)
    bad(lineNo, "bad texture");
  p.rgb.resize(digits.size() / 2);
  auto nibble = [&](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    bad(lineNo, "bad texture");
  };
  for (size_t i = 0; i < p.rgb.size(); ++i)
    p.rgb[i] = static_cast<uint8_t>(nibble(digits[2 * i]) << 4 | nibble(digits[2 * i + 1]));
}

void readSetting(const std::string& word, std::istringstream& in, Replay& r, int lineNo) {
  LaunchpadControls& c = r.settings;
  std::string v;
  if (word == "name") {
    std::getline(in >> std::ws, c.name);
  } else if (word == "skin") {
    std::getline(in >> std::ws, r.skin);
  } else if (word == "texture") {
    readTexture(in, c.ball_texture, lineNo);
  } else if (word == "putting" && (in >> v)) {
    c.pushputt = v == "push";
    c.pullputt = !c.pushputt;
  } else if (word == "speed" && (in >> v)) {
    c.frameskip = std::clamp(std::atoi(v.c_str()), kFrameSkipMin, kFrameSkipMax);
  } else if (word == "screen" && (in >> v)) {
    c.screen640 = v == "640";
    c.screen800 = v == "800";
    c.screen1024 = v == "1024";
  } else if (word == "sound" && (in >> v)) {
    c.soundoff = v == "off";
  } else if (word == "bgsounds" && (in >> v)) {
    c.bgsounds = v == "on";
  } else if (word == "course" && (in >> v)) {
    r.training = v == "training";
  } else {
    bad(lineNo, "unknown line " + word);
  }
}

}  // namespace

std::string formatReplay(const Replay& r) {
  const LaunchpadControls& c = r.settings;
  std::ostringstream out;
  out << kMagic << " 1\n"
      << "# A recorded round: fairglade --replay FILE plays it back.\n"
      << "seed " << r.seed << "\n"
      << "course " << (r.training ? "training" : "game") << "\n"
      << "name " << c.name << "\n"
      << "putting " << (c.pushputt ? "push" : "pull") << "\n"
      << "speed " << c.frameskip << "\n"
      << "screen " << (c.screen640 ? "640" : c.screen800 ? "800" : c.screen1024 ? "1024" : "none") << "\n"
      << "sound " << (c.soundoff ? "off" : "on") << "\n"
      << "bgsounds " << (c.bgsounds ? "on" : "off") << "\n";
  if (!r.skin.empty()) out << "skin " << r.skin << "\n";
  const Picture& t = c.ball_texture;
  if (!t.empty() && t.width <= kTextureMaxSide && t.height <= kTextureMaxSide)
    out << "texture " << t.width << " " << t.height << " " << hex(t.rgb) << "\n";
  out << "rate " << r.rate.fps << " " << r.rate.framesInWindow << " " << r.effectCarry << "\n";
  const Application::ClickState& k = r.click;
  out << "click " << k.time << " " << k.x << " " << k.y << " " << k.pendingDouble << " " << k.haveClick << " "
      << k.left << " " << k.right << " " << k.middle << "\n";
  for (const std::string& s : r.state) out << "state " << s << "\n";
  for (const BestRecord& b : r.bests)
    out << "best " << (b.kind == BestKind::Round ? "round " : "hole ") << b.strokes << " " << b.name << "\n";
  for (const TapeEntry& e : r.entries) {
    out << "at " << e.time << " ";
    if (e.kind == TapeEntry::Kind::Hook) out << "hook\n";
    else if (e.kind == TapeEntry::Kind::Tick) out << "tick\n";
    else out << eventLine(e.event) << "\n";
  }
  out << "result " << (r.result.finished ? "finished" : "left") << " " << r.result.strokes << " " << r.result.score
      << " " << r.result.hole << "\n";
  return out.str();
}

Replay parseReplay(const std::string& text) {
  if (text.size() > kMaxReplayBytes) throw GameError("Replay file too large");
  Replay r;
  r.settings.ball_texture = Picture{};
  bool magic = false;
  forEachScriptLine(text, [&](int lineNo, const std::string& word, std::istringstream& in) {
    if (!magic) {
      if (word != kMagic) bad(lineNo, "not a replay");
      magic = true;
      return;
    }
    if (word == "at") {
      r.entries.push_back(readAt(in, lineNo));
    } else if (word == "state") {
      std::string rest;
      std::getline(in >> std::ws, rest);
      r.state.push_back(rest);
    } else if (word == "best") {
      BestRecord b;
      std::string kind;
      if (!(in >> kind >> b.strokes) || (kind != "hole" && kind != "round")) bad(lineNo, "bad best");
      b.kind = kind == "round" ? BestKind::Round : BestKind::Hole;
      std::getline(in >> std::ws, b.name);
      r.bests.push_back(std::move(b));
    } else if (word == "seed") {
      long long seed = -1;
      if (!(in >> seed) || seed < 0 || seed > 0xFFFFFFFFLL) bad(lineNo, "bad seed");
      r.seed = static_cast<uint32_t>(seed);
    } else if (word == "rate") {
      if (!(in >> r.rate.fps >> r.rate.framesInWindow >> r.effectCarry)) bad(lineNo, "bad rate");
    } else if (word == "click") {
      Application::ClickState& k = r.click;
      if (!(in >> k.time >> k.x >> k.y >> k.pendingDouble >> k.haveClick >> k.left >> k.right >> k.middle))
        bad(lineNo, "bad click");
    } else if (word == "result") {
      std::string how;
      in >> how >> r.result.strokes >> r.result.score >> r.result.hole;
      r.result.finished = how == "finished";
    } else {
      readSetting(word, in, r, lineNo);
    }
  });
  if (!magic) throw GameError("Replay line 1: not a replay");
  return r;
}

}  // namespace fg
