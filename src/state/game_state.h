#pragma once
// The program-wide game state. The original keeps these as loose variables of
// the game window's unit; here they are one struct so a test or a tool can own
// a fresh copy. Names, widths and resets are the game's own: handlers read and
// write the fields directly, there are no accessors.
#include <array>
#include <cstdint>
#include <string>

namespace fg {

// One interaction area of a hole, numbered 1 … 99.
struct arearec {
  int32_t kind = 0;
  int32_t x1 = 0, y1 = 0;
  int32_t r = 0;
  int32_t x2 = 0, y2 = 0;
  int32_t x3 = 0, y3 = 0;
  int32_t x4 = 0, y4 = 0;
  int32_t p1 = 0, p2 = 0, p3 = 0, p4 = 0, p5 = 0, p6 = 0;
  bool enabled = false;
  std::string comment;
};

struct PlayerRecord {
  int32_t strokes = 0;
  int32_t total_strokes = 0;
  int32_t score = 0;
  int32_t ball_shade = 0;
  bool finished = false;
};

struct EffectSlot {
  int32_t x = 0, y = 0;  // x == 0 && y == 0 means empty
  int32_t image = 0;     // item of the `course` image list
  int32_t frame = 0;     // frame counter, quarter patterns
  bool looping = false;
  int32_t blend = 0;     // 0 plain, > 0 additive, < 0 subtractive
  int32_t pulse = 0;     // glow phase, 0 = off
};

struct Particle {
  int32_t bounces = 0;
  double x = 0, y = 0, z = 0;
  double prev_x = 0, prev_y = 0, prev_z = 0;
  int32_t angle = 0;
  double speed = 0;
  double vspeed = 0;
  bool active = false;
  uint32_t colour = 0;  // 0x00BBGGRR
  bool shadow = false;
  bool dot = false;
};

struct Star {
  int32_t x = 0, y = 0;  // screen pixels
  int32_t picture = 0;   // `course` item 5 or 6
  int32_t pattern = 0;
};

constexpr int kAreaCount = 99;
constexpr int kEffectSlots = 46;   // 0 … 45
constexpr int kParticleSlots = 34; // 0 … 33
constexpr int kStarCount = 50;
constexpr int kPlayerCount = 4;
constexpr int kBannerLead = 27;    // spaces before every banner message

// `game_screen` values.
constexpr uint8_t kScreenPlay = 2;
constexpr uint8_t kScreenHelp = 3;
constexpr uint8_t kScreenTitleCard = 4;

struct GameState {
  // Ball.
  double ball_x = 0, ball_y = 0, ball_z = 0;
  double ball_prev_x = 0, ball_prev_y = 0;
  int32_t ball_angle = 0;
  double ball_speed = 0;
  double ball_vz = 0;
  uint8_t ball_spin = 0;
  double ball_tex_u = 0, ball_tex_v = 0;
  bool ball_airborne = false;
  bool ball_moving = false;

  // Per-sub-step inputs written by the area loop for the next sub-step.
  int32_t slope_angle = 0;
  double slope_force = 0;
  int32_t ramp_tag = 0, ramp_tag_prev = 0;
  bool in_drag_area = false;
  int32_t last_bounce_area = 0;

  // Hazards and hole-out.
  bool holed_out = false;
  bool in_tunnel = false;
  bool in_water = false;
  int32_t holed_area = 0;
  uint8_t sink_timer = 0;
  int32_t drop_x = 0, drop_y = 0;
  bool trigger_sound_done = false;

  // Hole and score. name_slots[0] is unused: slot 0 is `current_hole` itself.
  std::string current_hole;
  std::array<std::string, 5> name_slots;
  int32_t course_par = 0;
  int32_t par_total = 0;
  std::array<PlayerRecord, kPlayerCount> players{};
  std::array<arearec, kAreaCount + 1> areas{};  // areas[1] … areas[99]; [0] unused

  // Putt and mouse.
  int32_t putt_phase = 0;
  int32_t swing_left = 0;
  int32_t swing_speed = 0;
  double backswing = 0;
  int32_t aim_frame = 0;
  int32_t mouse_x = 0, mouse_y = 0, mouse_step = 0;
  int32_t aim_centre_x = 0, aim_centre_y = 0;
  bool pointer_visible = false;

  // Camera and view.
  int32_t camera_x = 0, camera_y = 0;
  bool recentre_camera = false;
  int32_t scroll_speed_x = 0, scroll_speed_y = 0;
  bool scroll_up = false, scroll_down = false, scroll_left = false, scroll_right = false;
  int32_t stars_camera_x = 0, stars_camera_y = 0;

  // Screen, HUD and banner.
  uint8_t game_screen = 0;
  std::array<bool, 5> button_down{};
  std::string banner_text;
  int32_t banner_pos = 0;

  // Settings and modes.
  bool sound_on = false;
  bool bgsound_on = false;
  bool debug_mode = false;
  bool panel_minimised = false;
  bool foreground_tiles = false;
  int32_t frame_skip = 0;
  bool pull_putt = false;

  // Sprite tables.
  std::array<EffectSlot, kEffectSlots> effects{};
  int32_t effect_next = 0;
  std::array<Particle, kParticleSlots> particles{};
  std::array<Star, kStarCount> stars{};

  // The one random generator's seed, shared by every caller.
  uint32_t seed = 0;
};

}  // namespace fg
