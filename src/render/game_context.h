#pragma once
// Everything a frame phase or an input handler of the game window may touch,
// gathered so those routines can live in their own subsystems and be driven
// by tests without a whole window. The game window (`TMain`) fills it.
#include <functional>
#include <string>

#include "media/display_device.h"
#include "media/frame_timer.h"
#include "media/image_list.h"
#include "media/platform.h"
#include "media/wave_list.h"
#include "render/render_state.h"
#include "sim/sim_host.h"
#include "state/game_state.h"
#include "state/launchpad_controls.h"

namespace fg {

struct GameContext {
  GameState& gs;
  ImageList& menu;
  ImageList& gui;
  ImageList& course;
  WaveList& sounds;
  WaveList& bgsounds;
  DisplayDevice& DXDraw;
  FrameTimer& gengine;
  LaunchpadControls& launchpad;  // read directly, as the game always did
  SimHost& host;
  Platform& platform;
  bool& training_mode;
  std::string exeDir;                     // the executable's folder, with a trailing '/'
  std::function<void()> closeGameWindow;  // click, timer off, display and sound off, modal result
  RenderState render{};                   // the drawing's own memory between frames
};

// The click sound of the game window, only while sound is on.
void playClick(GameContext& ctx);

}  // namespace fg
