#include "scenario.h"

#include <filesystem>
#include <iostream>
#include <stdexcept>

#include "event_json.h"
#include "media/error.h"
#include "media/file_io.h"
#include "sim/ball_step.h"
#include "sim/hole_file.h"
#include "sim/hole_flow.h"
#include "sim/hole_start.h"
#include "sim/putt_runner.h"
#include "sim/recording_host.h"
#include "sim/sim_actions.h"
#include "state/sound_items.h"
#include "state_fields.h"

namespace fg {

namespace {

constexpr size_t kScenarioLimit = 16u << 20;
constexpr int64_t kFrameLimit = 10'000'000;

std::string readScenarioText(const std::string& path) {
  try {
    return readTextFile(path, kScenarioLimit);
  } catch (const GameError&) {
    // Tell a file too large from one that is missing or not a plain file.
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec) && std::filesystem::file_size(path, ec) > kScenarioLimit)
      throw std::runtime_error("scenario file too large: " + path);
    throw std::runtime_error("cannot read " + path);
  }
}

template <typename T>
T integerField(const JsonValue& doc, const char* key, T dflt, int64_t lo, int64_t hi) {
  const JsonValue* v = jsonMember(doc, key);
  if (v == nullptr) return dflt;
  auto i = jsonInteger(*v, lo, hi);
  if (!i) throw std::runtime_error(std::string("bad value for ") + key);
  return static_cast<T>(*i);
}

ScenarioPutt parsePutt(const JsonValue& p) {
  if (!p.is_object()) throw std::runtime_error("each putt must be an object");
  ScenarioPutt putt;
  putt.angle = integerField<int32_t>(p, "angle", 0, INT32_MIN, INT32_MAX);
  const JsonValue* speed = jsonMember(p, "speed");
  if (speed == nullptr || !speed->is_number()) throw std::runtime_error("a putt needs a numeric speed");
  putt.speed = speed->get<double>();
  if (jsonMember(p, "frame") != nullptr) putt.frame = integerField<int64_t>(p, "frame", 0, INT64_MIN / 2, INT64_MAX / 2);
  return putt;
}

// The frame-by-frame run, printing as it goes.
class Run {
 public:
  Run(const Scenario& sc, std::ostream& out) : sc_(sc), out_(out), host_(sc.folder), splash_(sc.splash_frames) {}

  void start() {
    gs_.seed = sc_.seed;
    gs_.effect_next = sc_.effect_next;
    gs_.sound_on = sc_.sound_on;
    gs_.frame_skip = sc_.frame_skip;
    gs_.current_hole = sc_.hole;
    if (readHoleText(sc_.folder, sc_.hole + ".hole").empty()) {
      std::cerr << "fgsim: warning: " << sc_.hole << ".hole not found or empty in " << sc_.folder
                << "; the hole's defaults are used\n";
    }
    holeStartState(gs_, host_, sc_.folder);
    playIfSoundOn(gs_, host_, kSoundTeleport);
    if (sc_.initial.is_object()) {
      for (const auto& [name, value] : sc_.initial.items()) setStateField(gs_, name, value);
    } else if (!sc_.initial.is_null()) {
      throw std::runtime_error("initial must be an object");
    }
    print("init");
  }

  void frames() {
    for (frame_ = 1; frame_ <= sc_.frames; ++frame_) {
      puttIfDue();
      const int64_t count = gs_.frame_skip < 0 ? 0 : static_cast<int64_t>(gs_.frame_skip) + 1;
      for (int64_t i = 0; i < count; ++i) {
        if (!BallSubStep(gs_, host_)) continue;
        ++substeps_;
        print("substep");
      }
      splash_.age(gs_);
      flow("cup", runCupSequence);
      flow("tunnel", tunnelSequence);
      flow("water", waterSequence);
    }
    frame_ = sc_.frames;
  }

  void finish() {
    JsonLine line;
    header(line, "final");
    addStateFields(line, gs_);
    const PlayerRecord& p = gs_.players[0];
    std::string slots = "[";
    for (size_t i = 1; i < gs_.name_slots.size(); ++i) {
      if (i > 1) slots += ',';
      slots += jsonString(gs_.name_slots[i]);
    }
    slots += ']';
    line.field("strokes", p.strokes)
        .field("total_strokes", p.total_strokes)
        .field("score", p.score)
        .field("finished", p.finished)
        .field("par_total", gs_.par_total)
        .field("course_par", gs_.course_par)
        .field("current_hole", std::string_view(gs_.current_hole))
        .raw("name_slots", slots)
        .field("trigger_sound_done", gs_.trigger_sound_done)
        .field("ball_shade", p.ball_shade)
        .field("banner_text", std::string_view(gs_.banner_text));
    line.raw("events", eventsJson(host_.takeEvents()));
    out_ << line.finish() << '\n';
  }

 private:
  bool atRest() const { return !gs_.ball_moving && !gs_.holed_out && !gs_.in_tunnel && !gs_.in_water; }

  void puttIfDue() {
    if (next_putt_ >= sc_.putts.size()) return;
    const ScenarioPutt& p = sc_.putts[next_putt_];
    bool due = p.frame ? frame_ >= *p.frame : atRest();
    if (!due) return;
    ++next_putt_;
    gs_.ball_angle = p.angle;
    gs_.ball_speed = p.speed;
    strikeBall(gs_, host_, true);
    print("putt");
  }

  void flow(const char* name, bool (*sequence)(GameState&, SimHost&)) {
    if (!sequence(gs_, host_)) return;
    JsonLine line;
    header(line, "flow");
    line.field("sequence", std::string_view(name));
    addStateFields(line, gs_);
    line.raw("events", eventsJson(host_.takeEvents()));
    out_ << line.finish() << '\n';
  }

  void header(JsonLine& line, std::string_view type) {
    line.field("type", type).field("frame", frame_).field("substep", substeps_);
  }

  void print(std::string_view type) {
    JsonLine line;
    header(line, type);
    addStateFields(line, gs_);
    line.raw("events", eventsJson(host_.takeEvents()));
    out_ << line.finish() << '\n';
  }

  const Scenario& sc_;
  std::ostream& out_;
  GameState gs_;
  RecordingHost host_;
  SplashClock splash_;
  int64_t frame_ = 0;
  int64_t substeps_ = 0;
  size_t next_putt_ = 0;
};

}  // namespace

Scenario parseScenario(const JsonValue& doc, const std::string& folder) {
  if (!doc.is_object()) throw std::runtime_error("a scenario is a JSON object");
  Scenario sc;
  sc.folder = folder;
  const JsonValue* hole = jsonMember(doc, "hole");
  if (hole == nullptr || !hole->is_string()) throw std::runtime_error("a scenario needs \"hole\"");
  sc.hole = hole->get<std::string>();
  sc.frames = integerField<int64_t>(doc, "frames", 100, 0, kFrameLimit);
  sc.frame_skip = integerField<int32_t>(doc, "frame_skip", 2, kFrameSkipLow, kFrameSkipHigh);
  sc.splash_frames = integerField<int32_t>(doc, "splash_frames", 32, 0, INT32_MAX);
  sc.seed = integerField<uint32_t>(doc, "seed", 0, 0, UINT32_MAX);
  sc.effect_next = integerField<int32_t>(doc, "effect_next", 0, 0, 25);
  if (const JsonValue* s = jsonMember(doc, "sound_on")) {
    if (!s->is_boolean()) throw std::runtime_error("bad value for sound_on");
    sc.sound_on = s->get<bool>();
  }
  if (const JsonValue* init = jsonMember(doc, "initial")) sc.initial = *init;
  if (const JsonValue* putts = jsonMember(doc, "putts")) {
    if (!putts->is_array()) throw std::runtime_error("putts must be an array");
    for (const JsonValue& p : *putts) sc.putts.push_back(parsePutt(p));
  }
  return sc;
}

Scenario loadScenario(const std::string& path) {
  JsonValue doc = parseJson(readScenarioText(path));
  std::string folder = std::filesystem::path(path).parent_path().string();
  if (folder.empty()) folder = ".";
  return parseScenario(doc, folder);
}

void runScenario(const Scenario& sc, std::ostream& out) {
  Run run(sc, out);
  run.start();
  run.frames();
  run.finish();
}

}  // namespace fg
