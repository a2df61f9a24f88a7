#pragma once
// `TMain`, the game window: created once, shown modally for every game. It
// owns the display, the sound device, the frame timer and the picture and
// wave lists, starts each hole and runs one frame per tick of `gengine`.
#include <functional>
#include <string>

#include "frontend/personal_bests.h"
#include "media/application.h"
#include "media/display_device.h"
#include "media/frame_timer.h"
#include "media/image_list.h"
#include "media/sound_device.h"
#include "media/wave_list.h"
#include "media/window.h"
#include "render/game_context.h"
#include "shell/game_pause.h"
#include "shell/round_keeper.h"
#include "sim/course_guard.h"
#include "sim/sim_host.h"
#include "state/game_state.h"
#include "state/launchpad_controls.h"

namespace fg {

class TMain : public Window, public SimHost {
 public:
  TMain(Application& app, LaunchpadControls& launchpad, const std::string& exeDir);
  ~TMain() override;

  // Components, in the order the window declares them.
  DisplayDevice DXDraw;
  SoundDevice DXSound;
  FrameTimer gengine;
  ImageList menu;
  ImageList gui;
  ImageList course;
  WaveList sounds;
  WaveList bgsounds;
  bool training_mode = false;

  GameState gs;
  const char* Caption = "Fairglade Demo";

  // Shows the window modally: FormShow, then the loop until it closes.
  int ShowModal();
  // One hole alone, as often as the player likes: no title card, no game
  // over, the hole starts again after its cup and on the restart key.
  int ShowPractice(const std::string& hole);
  // The two halves of it, around a show of the window.
  void beginPractice(const std::string& hole);
  void endPractice();
  // Where finished holes and rounds are offered; null keeps no bests.
  PersonalBests* bests = nullptr;
  const RoundKeeper& rounds() const { return rounds_; }
  bool paused() const { return pause_.paused(); }

  void FormCreate();
  void FormShow();
  void DXDrawInitialize();
  void DXSoundInitialize();
  void HoleInit();
  void GengineTimer(int32_t lagCount);
  // Click, timer off, display and sound off, modal result "OK".
  void closeGameWindow();

  GameContext& context() { return ctx_; }

  // Window
  void onKeyDown(int key, ShiftState s) override;
  void onKeyUp(int key, ShiftState s) override;
  void onMouseMove(ShiftState s, int x, int y) override;
  void onMouseDown(MouseButton b, ShiftState s, int x, int y) override;
  void onMouseUp(MouseButton b, ShiftState s, int x, int y) override;
  void onClick() override;
  void onDblClick() override;
  void onActivate(bool active) override;

  // SimHost
  void playSound(int32_t item) override;
  void restartSound(int32_t item) override;
  void playBgSound(int32_t item, bool looping) override;
  void centreCursor() override;
  void HoleInit(GameState& state) override;
  void bonusStrokeTaken(const GameState&) override { rounds_.bonusTaken(); }
  int32_t surfaceWidth() const override { return DXDraw.SurfaceWidth(); }
  int32_t surfaceHeight() const override { return DXDraw.SurfaceHeight(); }

 private:
  void showCentred(ImageList& list, int item);
  void showTitleCard();
  void drawEndScorecard();
  // F12: the picture on screen into the screenshot folder, told in the banner.
  void screenshotKey();
  // M in play: all sound off and on again, smoothly, told in the banner.
  void muteKey();
  static constexpr int kMuteKey = 'M';
  bool muted_ = false;
  void fillStars();
  // Pause and the practice restart; true when the key was one of them.
  bool ownKey(int key);
  void restartPractice();

  Application& app_;
  LaunchpadControls& launchpad_;
  std::string exeDir_;
  GameContext ctx_;
  CourseGuard guard_;
  RoundKeeper rounds_;
  GamePause pause_;
  std::string practiceHole_;  // empty in a game
  bool trainingBeforePractice_ = false;
};

// Frame pacing from the "Computer Speed" bar: interval and `frame_skip`.
struct FramePacing {
  int32_t interval;
  int32_t frame_skip;
};
FramePacing pacingFromBar(int32_t position);

}  // namespace fg
