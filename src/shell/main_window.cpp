#include "shell/main_window.h"

#include <algorithm>
#include <iostream>

#include "frontend/launchpad_settings.h"
#include "frontend/screenshot.h"

#include "input/added_keys.h"
#include "input/input_handlers.h"
#include "media/error.h"
#include "render/frame_phases.h"
#include "render/scorecard_drawing.h"
#include "sim/ball_step.h"
#include "sim/geometry.h"
#include "sim/hole_file.h"
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
  bgsounds.group = VoiceGroup::Music;
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
  gs.current_hole = training_mode ? "training1" : launchpad_.course2 ? "course2hole1" : "course1hole1";
  if (!practiceHole_.empty()) gs.current_hole = practiceHole_;
  for (PlayerRecord& p : gs.players) {
    p.total_strokes = 0;
    p.strokes = 0;
    p.score = 0;
    p.finished = false;
  }
  gs.par_total = 0;
  gs.bgsound_on = launchpad_.bgsounds;
  gs.putt_phase = 0;
  rounds_.gameStarted(launchpad_.name, bests, !training_mode);
}

void TMain::DXSoundInitialize() {
  gs.sound_on = !launchpad_.soundoff;
  // The game mixes at 22050 Hz, 16-bit mono, whatever the launch window chose.
  DXSound.setMixingFormat(22050, 16, 1);
  // The volume sliders; every game starts unmuted.
  muted_ = false;
  DXSound.mixer().setMuted(false);
  DXSound.mixer().setVolumes(volumesOf(launchpad_));
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

// The title card, and under it the card of the holes played so far.
void TMain::showTitleCard() {
  for (int page = 0; page < 2; ++page) {
    DXDraw.Fill(0);
    const int32_t w = DXDraw.SurfaceWidth(), h = DXDraw.SurfaceHeight();
    int32_t below = h / 2;
    if (const PictureItem* p = course.find(12)) {
      p->BlitPattern(DXDraw.surface(), (w - p->width()) / 2, (h - p->height()) / 2, 0);
      below = (h - p->height()) / 2 + p->height();
    }
    if (!rounds_.card().empty()) {
      ScorecardLook look = rounds_.look();
      look.heading = false;  // the title card above says where we are
      drawScorecard(rounds_.card(), look, gui, DXDraw.surface(), {0, below + 6, w, h - 4});
    }
    DXDraw.Flip();
  }
}

// Under "YOU FINISHED" or "GAME OVER": the whole round and its total, until
// the click that closes the window.
void TMain::drawEndScorecard() {
  rounds_.gameOver(gs, training_mode);
  const int32_t w = DXDraw.SurfaceWidth(), h = DXDraw.SurfaceHeight();
  drawScorecard(rounds_.card(), rounds_.look(), gui, DXDraw.surface(), {0, h / 2 + 16, w, h - 4});
}

void TMain::HoleInit() {
  gengine.setEnabled(false);
  showCentred(menu, kMenuLoading);
  // In practice the hole starts again after its cup; the banner then names
  // the result just made.
  rounds_.holeEnding(gs, training_mode);
  std::string practiceResult;
  if (!practiceHole_.empty() && gs.holed_out && !rounds_.card().empty()) {
    const HoleScore& made = rounds_.card().holes().back();
    practiceResult = resultName(made) + " - " + std::to_string(made.strokes) + (made.strokes == 1 ? " STROKE" : " STROKES");
  }
  // The name comes from the last hole's cup: checked once here, and the same
  // checked name opens all three of the hole's files.
  const std::string hole = gs.current_hole;
  if (!isPlainFileName(hole)) {
    throw GameError("Cannot open file \"" + exeDir_ + hole + ".dxw\". Not a file in the game folder");
  }
  bgsounds.loadFromFile(exeDir_ + hole + ".dxw");
  if (gs.bgsound_on && bgsounds.count() > 0) {
    bgsounds.item(0).setLooped(true);
    bgsounds.item(0).Play(false);
  }
  course.loadFromFile(exeDir_ + hole + ".dxg");
  holeStartState(gs, *this, exeDir_);
  if (!training_mode) {
    showTitleCard();
    gs.game_screen = kScreenTitleCard;
    // A nested loop: input handlers run until one of them ends the card.
    app_.runUntil([this] { return gs.game_screen != kScreenTitleCard || modalResult != 0; });
  }
  rounds_.holeStarted(gs);
  if (!practiceResult.empty()) startBanner(gs, *this, practiceResult);
  gengine.setEnabled(true);
  playIfSoundOn(gs, *this, kSoundTeleport);
}

void TMain::HoleInit(GameState&) { HoleInit(); }

// One frame, its phases in the game's fixed order.
void TMain::GengineTimer(int32_t) {
  if (!DXDraw.CanDraw()) return;
  runSimulationSubsteps(gs, *this);
  if (course.count() > 0) guard_.keepOnCourse(gs, *this, course.item(0).picture.width, course.item(0).picture.height);
  updateCamera(ctx_);
  drawPlayingField(ctx_);
  // A practice hole's cup leads back to the same hole, never to the next.
  if (!practiceHole_.empty() && gs.holed_out) gs.current_hole = practiceHole_;
  try {
    runHoleFlow(ctx_);
  } catch (...) {
    // The next hole could not be loaded: as when the first one cannot, the
    // error is shown and the launch window comes back, instead of the
    // loading picture staying on screen.
    gengine.setEnabled(false);
    DXDraw.Finalize();
    DXSound.Finalize();
    modalResult = 1;
    throw;
  }
  if (modalResult != 0 || !DXDraw.initialized()) return;  // closed from inside the title-card wait
  puttingPhase(ctx_);
  drawStarField(ctx_);
  drawScoreHudAndBanner(ctx_);
  endOfGameCheck(ctx_);
  if (gs.players[0].finished) drawEndScorecard();
  if (gs.game_screen == kScreenHelp) drawHelpPicture(ctx_);
  drawPointer(ctx_);
  DXDraw.Flip();
}

void TMain::closeGameWindow() {
  pause_.forget();
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

int TMain::ShowPractice(const std::string& hole) {
  beginPractice(hole);
  int result = 0;
  try {
    result = ShowModal();
  } catch (...) {
    endPractice();
    throw;
  }
  endPractice();
  return result;
}

// Practice plays as training does (no title card, no game over) on the one
// hole; the window's own training switch is the launch window's again after.
void TMain::beginPractice(const std::string& hole) {
  trainingBeforePractice_ = training_mode;
  training_mode = true;
  practiceHole_ = hole.empty() ? "course1hole1" : hole;
}

void TMain::endPractice() {
  if (practiceHole_.empty()) return;
  practiceHole_.clear();
  training_mode = trainingBeforePractice_;
}

void TMain::restartPractice() {
  gs.holed_out = false;  // a restart is not a hole played
  gs.in_tunnel = false;  // nor is a ride still under way
  gs.current_hole = practiceHole_;
  HoleInit();
}

// Only in play: on a title card or the help picture any key does what it
// always did. While paused, the pause keys resume, Escape still leaves, and
// every other key waits.
bool TMain::ownKey(int key) {
  if (pause_.paused()) {
    if (isPauseKey(key)) pause_.resume(ctx_);
    if (key == vk::Escape) {
      pause_.forget();
      return false;
    }
    return true;
  }
  if (gs.game_screen != kScreenPlay) return false;
  if (isPauseKey(key) && gengine.Enabled()) {
    pause_.pause(ctx_);
    return true;
  }
  if (key == kRestartKey && !practiceHole_.empty()) {
    restartPractice();
    return true;
  }
  return false;
}

void TMain::onKeyDown(int key, ShiftState s) {
  const bool playing = gs.game_screen == kScreenPlay && !pause_.paused();
  if (!ownKey(key)) FormKeyDown(ctx_, key, s);
  // The keys the game leaves free act after the game's own handler, so on a
  // title card or the help picture the key first does what any key does there.
  if (modalResult != 0) return;
  if (key == vk::F12) screenshotKey();
  if (key == kMuteKey && playing) muteKey();
}

void TMain::muteKey() {
  muted_ = !muted_;
  DXSound.mixer().setMuted(muted_);
  startBanner(gs, *this, muted_ ? "ALL SOUND MUTED" : "ALL SOUND ON");
}

void TMain::screenshotKey() {
  try {
    std::string path = saveScreenshot(app_.platform());
    std::cout << "Screenshot saved: " << path << std::endl;
    startBanner(gs, *this, "SCREENSHOT SAVED");
  } catch (const std::exception& e) {
    std::cerr << e.what() << std::endl;
    startBanner(gs, *this, "SCREENSHOT FAILED");
  }
}

// Releases still reach the game while paused, so no arrow stays held.
void TMain::onKeyUp(int key, ShiftState s) { FormKeyUp(ctx_, key, s); }
void TMain::onMouseMove(ShiftState s, int x, int y) {
  if (!pause_.paused()) DXDrawMouseMove(ctx_, s, x, y);
}
void TMain::onMouseDown(MouseButton b, ShiftState s, int x, int y) {
  if (!pause_.paused()) DXDrawMouseDown(ctx_, b, s, x, y);
}
void TMain::onMouseUp(MouseButton b, ShiftState s, int x, int y) {
  if (!pause_.paused()) DXDrawMouseUp(ctx_, b, s, x, y);
}
void TMain::onClick() {
  if (!pause_.paused()) DXDrawClick(ctx_);
}
void TMain::onDblClick() {
  if (!pause_.paused()) DXDrawDblClick(ctx_);
}

// Switching away pauses a game in play; coming back shows the paused picture
// again and waits for the pause key.
void TMain::onActivate(bool active) {
  if (!active && gs.game_screen == kScreenPlay) pause_.pause(ctx_);
  if (active) pause_.redraw(ctx_);
}

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
