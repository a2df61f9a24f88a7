#include "shell/round_state.h"

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <variant>

namespace fg {

namespace {

// A field of a struct, of one of the kinds the game state uses.
template <typename S>
using FieldPtr = std::variant<int32_t S::*, uint32_t S::*, uint8_t S::*, double S::*, bool S::*>;

template <typename S>
struct Field {
  const char* name;
  FieldPtr<S> ptr;
};

#define FG_F(S, f) Field<S>{#f, &S::f}

const Field<GameState> kPlain[] = {
    FG_F(GameState, ball_x), FG_F(GameState, ball_y), FG_F(GameState, ball_z), FG_F(GameState, ball_prev_x),
    FG_F(GameState, ball_prev_y), FG_F(GameState, ball_angle), FG_F(GameState, ball_speed),
    FG_F(GameState, ball_vz), FG_F(GameState, ball_spin), FG_F(GameState, ball_tex_u),
    FG_F(GameState, ball_tex_v), FG_F(GameState, ball_airborne), FG_F(GameState, ball_moving),
    FG_F(GameState, slope_angle), FG_F(GameState, slope_force), FG_F(GameState, ramp_tag),
    FG_F(GameState, ramp_tag_prev), FG_F(GameState, in_drag_area), FG_F(GameState, last_bounce_area),
    FG_F(GameState, holed_out), FG_F(GameState, in_tunnel), FG_F(GameState, in_water),
    FG_F(GameState, holed_area), FG_F(GameState, sink_timer), FG_F(GameState, drop_x), FG_F(GameState, drop_y),
    FG_F(GameState, trigger_sound_done), FG_F(GameState, course_par), FG_F(GameState, par_total),
    FG_F(GameState, putt_phase), FG_F(GameState, swing_left), FG_F(GameState, swing_speed),
    FG_F(GameState, backswing), FG_F(GameState, aim_frame), FG_F(GameState, mouse_x), FG_F(GameState, mouse_y),
    FG_F(GameState, mouse_step), FG_F(GameState, aim_centre_x), FG_F(GameState, aim_centre_y),
    FG_F(GameState, pointer_visible), FG_F(GameState, camera_x), FG_F(GameState, camera_y),
    FG_F(GameState, recentre_camera), FG_F(GameState, scroll_speed_x), FG_F(GameState, scroll_speed_y),
    FG_F(GameState, scroll_up), FG_F(GameState, scroll_down), FG_F(GameState, scroll_left),
    FG_F(GameState, scroll_right), FG_F(GameState, stars_camera_x), FG_F(GameState, stars_camera_y),
    FG_F(GameState, game_screen), FG_F(GameState, banner_pos), FG_F(GameState, sound_on),
    FG_F(GameState, bgsound_on), FG_F(GameState, debug_mode), FG_F(GameState, panel_minimised),
    FG_F(GameState, foreground_tiles), FG_F(GameState, frame_skip), FG_F(GameState, pull_putt),
    FG_F(GameState, effect_next), FG_F(GameState, seed),
};

const Field<PlayerRecord> kPlayer[] = {FG_F(PlayerRecord, strokes), FG_F(PlayerRecord, total_strokes),
                                       FG_F(PlayerRecord, score), FG_F(PlayerRecord, ball_shade),
                                       FG_F(PlayerRecord, finished)};
const Field<EffectSlot> kEffect[] = {FG_F(EffectSlot, x),     FG_F(EffectSlot, y),       FG_F(EffectSlot, image),
                                     FG_F(EffectSlot, frame), FG_F(EffectSlot, looping), FG_F(EffectSlot, blend),
                                     FG_F(EffectSlot, pulse)};
const Field<Particle> kParticle[] = {
    FG_F(Particle, bounces), FG_F(Particle, x),      FG_F(Particle, y),      FG_F(Particle, z),
    FG_F(Particle, prev_x),  FG_F(Particle, prev_y), FG_F(Particle, prev_z), FG_F(Particle, angle),
    FG_F(Particle, speed),   FG_F(Particle, vspeed), FG_F(Particle, active), FG_F(Particle, colour),
    FG_F(Particle, shadow),  FG_F(Particle, dot)};
const Field<Star> kStar[] = {FG_F(Star, x), FG_F(Star, y), FG_F(Star, picture), FG_F(Star, pattern)};

#undef FG_F

template <typename S>
std::string valueOf(const S& s, const FieldPtr<S>& p) {
  return std::visit(
      [&](auto ptr) -> std::string {
        using T = std::remove_cvref_t<decltype(s.*ptr)>;
        if constexpr (std::is_same_v<T, double>) {
          char buf[64];
          std::snprintf(buf, sizeof buf, "%a", s.*ptr);  // exact, and read back exactly
          return buf;
        } else {
          return std::to_string(static_cast<int64_t>(s.*ptr));
        }
      },
      p);
}

template <typename S>
bool setValue(S& s, const FieldPtr<S>& p, const std::string& text) {
  const char* begin = text.c_str();
  char* end = nullptr;
  return std::visit(
      [&](auto ptr) -> bool {
        using T = std::remove_cvref_t<decltype(s.*ptr)>;
        if constexpr (std::is_same_v<T, double>) {
          double v = std::strtod(begin, &end);
          if (end == begin || *end) return false;
          s.*ptr = v;
        } else {
          long long v = std::strtoll(begin, &end, 10);
          if (end == begin || *end) return false;
          s.*ptr = static_cast<T>(v);
        }
        return true;
      },
      p);
}

template <typename S, size_t N>
std::string recordLine(const char* kind, size_t index, const S& s, const Field<S> (&fields)[N]) {
  std::string line = std::string(kind) + " " + std::to_string(index);
  for (const Field<S>& f : fields) line += " " + valueOf(s, f.ptr);
  return line;
}

template <typename S, size_t N, size_t M>
void readRecord(std::istringstream& in, std::array<S, M>& table, const Field<S> (&fields)[N]) {
  size_t index = 0;
  if (!(in >> index) || index >= M) return;
  S record = table[index];
  std::string word;
  for (const Field<S>& f : fields)
    if (!(in >> word) || !setValue(record, f.ptr, word)) return;
  table[index] = record;
}

}  // namespace

std::vector<std::string> saveRoundState(const GameState& gs) {
  std::vector<std::string> lines;
  for (const Field<GameState>& f : kPlain) lines.push_back(std::string(f.name) + " " + valueOf(gs, f.ptr));
  std::string buttons = "button_down";
  for (bool b : gs.button_down) buttons += b ? " 1" : " 0";
  lines.push_back(buttons);
  // The banner keeps its leading spaces: everything after the first space.
  lines.push_back("banner_text " + gs.banner_text);
  for (size_t i = 1; i < gs.name_slots.size(); ++i) lines.push_back("name_slot " + std::to_string(i) + " " + gs.name_slots[i]);
  for (size_t i = 0; i < gs.players.size(); ++i) lines.push_back(recordLine("player", i, gs.players[i], kPlayer));
  for (size_t i = 0; i < gs.effects.size(); ++i) lines.push_back(recordLine("effect", i, gs.effects[i], kEffect));
  for (size_t i = 0; i < gs.particles.size(); ++i)
    lines.push_back(recordLine("particle", i, gs.particles[i], kParticle));
  for (size_t i = 0; i < gs.stars.size(); ++i) lines.push_back(recordLine("star", i, gs.stars[i], kStar));
  return lines;
}

void loadRoundState(GameState& gs, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    std::istringstream in(line);
    std::string name;
    if (!(in >> name)) continue;
    if (name == "banner_text") {
      gs.banner_text = line.size() > name.size() + 1 ? line.substr(name.size() + 1) : std::string();
    } else if (name == "name_slot") {
      size_t i = 0;
      std::string rest;
      if ((in >> i) && i > 0 && i < gs.name_slots.size()) {
        std::getline(in >> std::ws, rest);
        gs.name_slots[i] = rest;
      }
    } else if (name == "button_down") {
      int b = 0;
      for (bool& down : gs.button_down)
        if (in >> b) down = b != 0;
    } else if (name == "player") {
      readRecord(in, gs.players, kPlayer);
    } else if (name == "effect") {
      readRecord(in, gs.effects, kEffect);
    } else if (name == "particle") {
      readRecord(in, gs.particles, kParticle);
    } else if (name == "star") {
      readRecord(in, gs.stars, kStar);
    } else {
      std::string value;
      in >> value;
      for (const Field<GameState>& f : kPlain)
        if (name == f.name) setValue(gs, f.ptr, value);
    }
  }
}

}  // namespace fg
