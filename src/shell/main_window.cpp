#include "shell/main_window.h"

#include <algorithm>

#include "input/input_handlers.h"
#include "render/frame_phases.h"
#include "sim/ball_step.h"
#include "sim/geometry.h"
#include "sim/hole_start.h"
#include "sim/sim_actions.h"
#include "state/gui_items.h"
#include "state/sound_items.h"

namespace fg {

FramePacing pacingFromBar(int32_t position) {
  // The bar is kept within 25 … 100; a value outside is treated as its end.
  int32_t p = std::clamp(position / 25, 1, 4);
  static constexpr int32_t kInterval[] = {66, 33, 33, 0};
  return {kInterval[p - 1], 5 - p};
}

TMain::TMain(Application& app, LaunchpadControls& launchpad, const std::string& exeDir)
    : DXDraw(&app.platform()),
      DXSound(&app.platform()),
      gengine(app),
      app_(app),
      launchpad_(launchpad),
      exeDir_(exeDir),
      ctx_{gs, menu, gui, course, sounds, bgsounds, DXDraw, gengine, launchpad, *this,
           app.platform(), training_mode, exeDir, [this] { closeGameWindow(); }} {
  gengine.ActiveOnly = true;
  gengine.setEnabled(false);
  gengine.setInterval(0);
  gengine.OnTimer = [this](int32_t lag) { GengineTimer(lag); };
  DXDraw.bind(menu);
  DXDraw.bind(gui);
  DXDraw.bind(course);
  DXDraw.OnInitialize = [this] { DXDrawInitialize(); };
  DXSound.exclusive = true;
  DXSound.bind(sounds);
  DXSound.bind(bgsounds);
  DXSound.OnInitialize = [this] { DXSoundInitialize(); };
  // A failure in FormCreate (a missing "menu.dxg" or "sound.dxw") is shown
  // and stops the rest of it, but the window exists all the same: a later
  // game meets the missing files' own errors, not a missing window.
  try {
    FormCreate();
  } catch (const std::exception& e) {
    app.showError(e.what());
  }
}

TMain::~TMain() {
  // The lists die before the devices that hold them, so let go of them first.
  gengine.setEnabled(false);
  try {
    DXDraw.Finalize();
    DXSound.Finalize();
  } catch (...) {
  }
}

void TMain::FormCreate() {
  // The display control's cursor is none: the game draws its own pointer.
  app_.platform().showCursor(false);
  gs.foreground_tiles = true;
  gs.debug_mode = false;
  gs.game_screen = kScreenPlay;
  menu.loadFromFile(exeDir_ + "menu.dxg");
  sounds.loadFromFile(exeDir_ + "sound.dxw");
  gs.panel_minimised = false;
  gs.sound_on = true;
  gs.bgsound_on = true;
}

void TMain::FormShow() {
  // The game draws its own pointer: the system's stays hidden while the game
  // window owns the screen (the launch window shows it again).
  app_.platform().showCursor(false);
  // 1. The mode from the resolution radios; the last checked one wins, and
  //    none checked keeps the mode the display had.
  if (launchpad_.screen1024) DXDraw.setMode(1024, 768, 16);
  if (launchpad_.screen800) DXDraw.setMode(800, 600, 16);
  if (launchpad_.screen640) DXDraw.setMode(640, 480, 16);
  // 2. Interface pictures, ball texture and skin, before the display starts so
  //    its start uploads the replaced pictures.
  loadInterfacePictures(ctx_);
  // 3 and 4.
  DXDraw.Initialize();
  DXSound.Initialize();
  // 5.
  HoleInit();
  // 6.
  fillStars();
}

void TMain::fillStars() {
  int32_t h = DXDraw.SurfaceHeight();
  for (Star& s : gs.stars) {
    s.x = RandBelow(gs, std::max(DXDraw.SurfaceWidth(), 1));
    s.y = RandBelow(gs, std::max(h, 1));
    s.picture = RandBelow(gs, 2) + 5;
    int32_t courseH = course.count() > 0 ? course.item(0).height() : 0;
    if (courseH < h) s.y = RandBelow(gs, std::max(courseH, 1)) + (h - courseH) / 2;
  }
}

void TMain::DXDrawInitialize() {
  gs.pull_putt = !launchpad_.pushputt;
  FramePacing pace = pacingFromBar(launchpad_.frameskip);
  gengine.setInterval(pace.interval);
  gs.frame_skip = pace.frame_skip;
  gs.current_hole = training_mode ? "training1" : "course1hole1";
  for (PlayerRecord& p : gs.players) {
    p.total_strokes = 0;
    p.strokes = 0;
    p.score = 0;
    p.finished = false;
  }
  gs.par_total = 0;
  gs.bgsound_on = launchpad_.bgsounds;
  gs.putt_phase = 0;
}

void TMain::DXSoundInitialize() {
  gs.sound_on = !launchpad_.soundoff;
  // The game mixes at 22050 Hz, 16-bit mono, whatever the launch window chose.
  DXSound.setMixingFormat(22050, 16, 1);
}

void TMain::showCentred(ImageList& list, int item) {
  for (int page = 0; page < 2; ++page) {
    DXDraw.Fill(0);
    if (item < list.count()) {
      const PictureItem& p = list.item(item);
      p.BlitPattern(DXDraw.surface(), (DXDraw.SurfaceWidth() - p.width()) / 2,
                    (DXDraw.SurfaceHeight() - p.height()) / 2, 0);
    }
    DXDraw.Flip();
  }
}

void TMain::HoleInit() {
  gengine.setEnabled(false);
  showCentred(menu, kMenuLoading);
  bgsounds.loadFromFile(exeDir_ + gs.current_hole + ".dxw");
  if (gs.bgsound_on && bgsounds.count() > 0) {
    bgsounds.item(0).setLooped(true);
    bgsounds.item(0).Play(false);
  }
  course.loadFromFile(exeDir_ + gs.current_hole + ".dxg");
  holeStartState(gs, *this, exeDir_);
  if (!training_mode) {
    showCentred(course, 12);
    gs.game_screen = kScreenTitleCard;
    // A nested loop: input handlers run until one of them ends the card.
    app_.runUntil([this] { return gs.game_screen != kScreenTitleCard || modalResult != 0; });
  }
  gengine.setEnabled(true);
  playIfSoundOn(gs, *this, kSoundTeleport);
}

void TMain::HoleInit(GameState&) { HoleInit(); }

void TMain::GengineTimer(int32_t) {
  if (!DXDraw.CanDraw()) return;
  phase("simulation");
  runSimulationSubsteps(gs, *this);
  if (course.count() > 0) guard_.keepOnCourse(gs, *this, course.item(0).picture.width, course.item(0).picture.height);
  phase("camera");
  updateCamera(ctx_);
  phase("playfield");
  drawPlayingField(ctx_);
  phase("holeflow");
  runHoleFlow(ctx_);
  if (modalResult != 0 || !DXDraw.initialized()) return;  // closed from inside the title-card wait
  phase("putting");
  puttingPhase(ctx_);
  phase("stars");
  drawStarField(ctx_);
  phase("hud");
  drawScoreHudAndBanner(ctx_);
  phase("endcheck");
  endOfGameCheck(ctx_);
  phase("help");
  if (gs.game_screen == kScreenHelp) drawHelpPicture(ctx_);
  phase("pointer");
  drawPointer(ctx_);
  phase("flip");
  DXDraw.Flip();
}

void TMain::closeGameWindow() {
  playClick(ctx_);
  gengine.setEnabled(false);
  DXDraw.Finalize();
  DXSound.Finalize();
  modalResult = 1;
}

int TMain::ShowModal() {
  modalResult = 0;
  Window* previous = app_.target();
  app_.setTarget(this);
  try {
    FormShow();
  } catch (...) {
    app_.setTarget(previous);
    throw;
  }
  app_.setTarget(previous);
  if (modalResult != 0) return modalResult;
  return app_.runModal(*this);
}

void TMain::onKeyDown(int key, ShiftState s) { FormKeyDown(ctx_, key, s); }
void TMain::onKeyUp(int key, ShiftState s) { FormKeyUp(ctx_, key, s); }
void TMain::onMouseMove(ShiftState s, int x, int y) { DXDrawMouseMove(ctx_, s, x, y); }
void TMain::onMouseDown(MouseButton b, ShiftState s, int x, int y) { DXDrawMouseDown(ctx_, b, s, x, y); }
void TMain::onMouseUp(MouseButton b, ShiftState s, int x, int y) { DXDrawMouseUp(ctx_, b, s, x, y); }
void TMain::onClick() { DXDrawClick(ctx_); }
void TMain::onDblClick() { DXDrawDblClick(ctx_); }

void TMain::playSound(int32_t item) {
  if (item >= 0 && item < sounds.count()) sounds.item(item).Play(false);
}

void TMain::restartSound(int32_t item) {
  if (item < 0 || item >= sounds.count()) return;
  sounds.item(item).Stop();
  sounds.item(item).Play(false);
}

void TMain::playBgSound(int32_t item, bool looping) {
  if (item < 0 || item >= bgsounds.count()) return;
  bgsounds.item(item).setLooped(looping);
  bgsounds.item(item).Play(false);
}

void TMain::centreCursor() { app_.platform().setCursorPos(DXDraw.SurfaceWidth() / 2, DXDraw.SurfaceHeight() / 2); }

}  // namespace fg
