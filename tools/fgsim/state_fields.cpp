#include "state_fields.h"

#include <functional>
#include <limits>
#include <map>
#include <stdexcept>

namespace fg {

namespace {

using Setter = std::function<void(GameState&, const JsonValue&)>;

[[noreturn]] void badValue(const std::string& what) { throw std::runtime_error("bad value for " + what); }

// Doubles: positions, speeds and heights far beyond any course, but finite.
constexpr double kDoubleBound = 1e9;
// Strings: what a hole file's 2048-byte value buffer can hold.
constexpr size_t kStringBound = 2047;

double asDouble(const JsonValue& v, const char* name) {
  if (!v.is_number()) badValue(name);
  const double d = v.get<double>();
  if (!(d >= -kDoubleBound && d <= kDoubleBound)) badValue(name);
  return d;
}

int64_t asInteger(const JsonValue& v, const char* name, int64_t lo, int64_t hi) {
  auto i = jsonInteger(v, lo, hi);
  if (!i) badValue(name);
  return *i;
}

template <typename T>
int64_t lowest() { return std::numeric_limits<T>::min(); }
template <typename T>
int64_t highest() { return std::numeric_limits<T>::max(); }

bool asBool(const JsonValue& v, const char* name) {
  if (!v.is_boolean()) badValue(name);
  return v.get<bool>();
}

std::string asString(const JsonValue& v, const char* name) {
  if (!v.is_string() || v.get_ref<const std::string&>().size() > kStringBound) badValue(name);
  return v.get<std::string>();
}

// Every field has its bounds: the type's own range unless the game reads it
// as an index or a count, where the range is what the game can take.
#define FG_D(f) {#f, [](GameState& g, const JsonValue& v) { g.f = asDouble(v, #f); }}
#define FG_I(f) FG_R(f, lowest<decltype(GameState::f)>(), highest<decltype(GameState::f)>())
#define FG_R(f, lo, hi) \
  {#f, [](GameState& g, const JsonValue& v) { g.f = static_cast<decltype(g.f)>(asInteger(v, #f, lo, hi)); }}
#define FG_B(f) {#f, [](GameState& g, const JsonValue& v) { g.f = asBool(v, #f); }}
#define FG_S(f) {#f, [](GameState& g, const JsonValue& v) { g.f = asString(v, #f); }}
#define FG_P(f, conv) {#f, [](GameState& g, const JsonValue& v) { g.players[0].f = conv; }}

const std::map<std::string, Setter>& setters() {
  static const std::map<std::string, Setter> table = {
      FG_D(ball_x), FG_D(ball_y), FG_D(ball_z), FG_D(ball_prev_x), FG_D(ball_prev_y),
      FG_I(ball_angle), FG_D(ball_speed), FG_D(ball_vz), FG_I(ball_spin), FG_D(ball_tex_u),
      FG_D(ball_tex_v), FG_B(ball_airborne), FG_B(ball_moving), FG_I(slope_angle),
      FG_D(slope_force), FG_I(ramp_tag), FG_I(ramp_tag_prev), FG_B(in_drag_area),
      FG_R(last_bounce_area, -1, kAreaCount), FG_B(holed_out), FG_B(in_tunnel), FG_B(in_water),
      FG_R(holed_area, 0, kAreaCount), FG_I(sink_timer), FG_I(drop_x), FG_I(drop_y),
      FG_B(trigger_sound_done), FG_S(current_hole), FG_I(course_par), FG_I(par_total),
      FG_S(banner_text), FG_R(banner_pos, -1, 4 * static_cast<int64_t>(kStringBound)), FG_B(sound_on),
      FG_B(bgsound_on), FG_R(frame_skip, kFrameSkipLow, kFrameSkipHigh), FG_R(effect_next, 0, 25),
      FG_I(seed), FG_B(recentre_camera),
      FG_P(strokes, static_cast<int32_t>(asInteger(v, "strokes", INT32_MIN, INT32_MAX))),
      FG_P(total_strokes, static_cast<int32_t>(asInteger(v, "total_strokes", INT32_MIN, INT32_MAX))),
      FG_P(score, static_cast<int32_t>(asInteger(v, "score", INT32_MIN, INT32_MAX))),
      FG_P(ball_shade, static_cast<int32_t>(asInteger(v, "ball_shade", INT32_MIN, INT32_MAX))),
      FG_P(finished, asBool(v, "finished")),
  };
  return table;
}

#undef FG_D
#undef FG_I
#undef FG_R
#undef FG_B
#undef FG_S
#undef FG_P

}  // namespace

void setStateField(GameState& gs, const std::string& name, const JsonValue& value) {
  auto it = setters().find(name);
  if (it == setters().end()) throw std::runtime_error("unknown game-state name in initial: " + name);
  it->second(gs, value);
}

void addStateFields(JsonLine& line, const GameState& gs) {
  line.field("ball_x", gs.ball_x)
      .field("ball_y", gs.ball_y)
      .field("ball_z", gs.ball_z)
      .field("ball_angle", gs.ball_angle)
      .field("ball_speed", gs.ball_speed)
      .field("ball_vz", gs.ball_vz)
      .field("ball_airborne", gs.ball_airborne)
      .field("ball_moving", gs.ball_moving)
      .field("last_bounce_area", gs.last_bounce_area)
      .field("seed", static_cast<int64_t>(gs.seed))
      .field("ball_prev_x", gs.ball_prev_x)
      .field("ball_prev_y", gs.ball_prev_y)
      .field("ball_spin", static_cast<int32_t>(gs.ball_spin))
      .field("ball_tex_u", gs.ball_tex_u)
      .field("ball_tex_v", gs.ball_tex_v)
      .field("slope_angle", gs.slope_angle)
      .field("slope_force", gs.slope_force)
      .field("ramp_tag", gs.ramp_tag)
      .field("ramp_tag_prev", gs.ramp_tag_prev)
      .field("in_drag_area", gs.in_drag_area)
      .field("in_water", gs.in_water)
      .field("holed_out", gs.holed_out)
      .field("in_tunnel", gs.in_tunnel)
      .field("holed_area", gs.holed_area)
      .field("sink_timer", static_cast<int32_t>(gs.sink_timer))
      .field("effect_next", gs.effect_next);
}

}  // namespace fg
