// The input script of the headless platform, one step a line:
//   step 10                      virtual milliseconds per idle pass (header)
//   at 1500 key F1               key down and up at 1500 ms
//   at 1500 keydown LEFT / keyup LEFT
//   at frame 40 move 320 240     at the 40th presented frame
//   at 2000 press 320 240 [right]   / release 320 240 [right]
//   at 2000 click 320 240 [right]   press and release
//   at 2000 dblclick 320 240        two clicks 50 ms apart
//   at 2000 text Anna            typed text
//   at frame 60 shot hole1.png   screenshot of that frame
//   at 9000 quit
// Lines starting with '#' and blank lines are skipped.
#include <charconv>
#include <cstdint>
#include <sstream>

#include "media/error.h"
#include "platform/headless_platform.h"
#include "media/key_names.h"
#include "media/script_lines.h"

namespace fg {

namespace {

[[noreturn]] void bad(int line, const std::string& why) {
  throw GameError("Script line " + std::to_string(line) + ": " + why);
}

MouseButton buttonWord(std::istringstream& in) {
  std::string word;
  if (in >> word) {
    if (word == "right") return MouseButton::Right;
    if (word == "middle") return MouseButton::Middle;
  }
  return MouseButton::Left;
}

void addMouse(std::vector<ScriptStep>& out, ScriptStep base, EventType t, int x, int y, MouseButton b,
              uint32_t delay) {
  base.kind = ScriptStep::Kind::Event;
  base.event = InputEvent{};
  base.event.type = t;
  base.event.x = x;
  base.event.y = y;
  base.event.button = b;
  base.when = base.when > UINT32_MAX - delay ? UINT32_MAX : base.when + delay;
  out.push_back(base);
}

}  // namespace

std::vector<ScriptStep> parseInputScript(const std::string& text) {
  std::vector<ScriptStep> out;
  forEachScriptLine(text, [&](int lineNo, const std::string& word, std::istringstream& in) {
    if (word == "step") return;  // read by the caller: scriptStepMs()
    if (word != "at") bad(lineNo, "expected 'at'");
    ScriptStep step;
    std::string when;
    in >> when;
    if (when == "frame") {
      step.byFrame = true;
      in >> when;
    }
    // Whole milliseconds or frames within 32 bits; anything larger would wrap
    // round to an early time.
    auto [end, ec] = std::from_chars(when.data(), when.data() + when.size(), step.when);
    if (when.empty() || ec != std::errc() || end != when.data() + when.size()) bad(lineNo, "bad time " + when);
    std::string what;
    in >> what;
    int x = 0, y = 0;
    if (what == "key" || what == "keydown" || what == "keyup") {
      std::string name;
      in >> name;
      int key = keyFromName(name);
      if (!key) bad(lineNo, "unknown key " + name);
      step.event.key = key;
      if (what != "keyup") {
        step.event.type = EventType::KeyDown;
        out.push_back(step);
      }
      if (what != "keydown") {
        step.event.type = EventType::KeyUp;
        out.push_back(step);
      }
    } else if (what == "move" || what == "press" || what == "release" || what == "click" || what == "dblclick") {
      if (!(in >> x >> y)) bad(lineNo, "expected x y");
      MouseButton b = buttonWord(in);
      if (what == "move") addMouse(out, step, EventType::MouseMove, x, y, b, 0);
      if (what == "press") addMouse(out, step, EventType::MouseDown, x, y, b, 0);
      if (what == "release") addMouse(out, step, EventType::MouseUp, x, y, b, 0);
      if (what == "click" || what == "dblclick") {
        addMouse(out, step, EventType::MouseDown, x, y, b, 0);
        addMouse(out, step, EventType::MouseUp, x, y, b, 0);
      }
      if (what == "dblclick") {
        addMouse(out, step, EventType::MouseDown, x, y, b, step.byFrame ? 0 : 50);
        addMouse(out, step, EventType::MouseUp, x, y, b, step.byFrame ? 0 : 50);
      }
    } else if (what == "text") {
      std::string rest;
      std::getline(in >> std::ws, rest);
      step.event.type = EventType::TextInput;
      step.event.text = rest;
      out.push_back(step);
    } else if (what == "shot") {
      step.kind = ScriptStep::Kind::Shot;
      if (!(in >> step.shotName)) bad(lineNo, "expected a file name");
      out.push_back(step);
    } else if (what == "quit") {
      step.kind = ScriptStep::Kind::Quit;
      out.push_back(step);
    } else {
      bad(lineNo, "unknown action " + what);
    }
  });
  return out;
}

uint32_t scriptStepMs(const std::string& text, uint32_t fallback) {
  std::istringstream lines(text);
  std::string raw;
  while (std::getline(lines, raw)) {
    std::istringstream in(raw);
    std::string word;
    uint32_t ms = 0;
    if ((in >> word) && word == "step" && (in >> ms) && ms > 0) return ms;
  }
  return fallback;
}

}  // namespace fg
