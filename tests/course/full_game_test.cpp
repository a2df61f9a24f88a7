// The whole game played headless from the launch window with real mouse
// events: each putt is a press on the ball, a drag and a release, worked out
// by the solver from the live game state whenever the ball rests.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <functional>
#include <memory>
#include <unistd.h>

#include "frontend/intro_window.h"
#include "frontend/launchpad_layout.h"
#include "frontend/launchpad_window.h"
#include "frontend/personal_bests.h"
#include "media/application.h"
#include "platform/headless_platform.h"
#include "shell/main_window.h"
#include "shell/round_tape.h"
#include "sim/geometry.h"
#include "sim/hole_flow.h"
#include "sim/solver.h"
#include "test_paths.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

enum class Style { Solver, Feeble };

// Plays the game from inside the message loop: whenever the loop asks for
// input and none is queued, it looks at the game and queues the next events.
class AutoPlayer : public HeadlessPlatform {
 public:
  AutoPlayer(Style style, bool training, fs::path shots, ControlId course = ControlId::course1)
      : style_(style), training_(training), shots_(std::move(shots)), course_(course) {}

  Tlaunchpad* pad = nullptr;
  TMain* game = nullptr;
  std::vector<std::string> holes_seen;
  std::string end_message;
  std::vector<std::string> pictures;
  int putts = 0;
  std::string last_state;  // for failure messages

  bool pollEvent(InputEvent& e) override {
    if (HeadlessPlatform::pollEvent(e)) return true;
    decide();
    return HeadlessPlatform::pollEvent(e);
  }

 private:
  void clickControl(ControlId id) {
    const Rect r = controlOf(id).rect;
    pushClick((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }
  void move(int x, int y) {
    InputEvent e;
    e.type = EventType::MouseMove;
    e.x = x;
    e.y = y;
    push(e);
  }
  void button(EventType t) {
    InputEvent e;
    e.type = t;
    e.x = cursorX();
    e.y = cursorY();
    push(e);
  }
  void shot(const std::string& name) {
    fs::path p = shots_ / (name + ".png");
    writeSurfacePng(p.string(), lastFrame());
    pictures.push_back(p.string());
  }
  bool waiting() const { return frames() < wait_until_; }
  void waitFrames(uint32_t n) { wait_until_ = frames() + n; }

  void decide() {
    if (!started_) {
      if (!pad || !pad->visible()) return;
      started_ = true;
      clickControl(training_ ? ControlId::tab_training : ControlId::tab_game);
      clickControl(course_);
      clickControl(ControlId::launch);
      return;
    }
    if (closed_) {
      if (!quit_sent_ && pad->visible()) {
        quit_sent_ = true;
        clickControl(ControlId::tab_exit);
        clickControl(ControlId::quit);
      }
      return;
    }
    GameState& gs = game->gs;
    last_state = gs.current_hole + " (" + std::to_string(gs.ball_x) + ", " + std::to_string(gs.ball_y) +
                 ") moving " + std::to_string(gs.ball_moving) + " phase " + std::to_string(gs.putt_phase) +
                 " screen " + std::to_string(gs.game_screen) + " strokes " + std::to_string(gs.players[0].strokes) +
                 " camera " + std::to_string(gs.camera_x) + "," + std::to_string(gs.camera_y) + " frames " +
                 std::to_string(frames());
    if (gs.game_screen == kScreenTitleCard) {  // any press ends the card
      // One title card with the holes played so far under it, to look at.
      if (!card_clicked_ && gs.current_hole == "course1hole9") shot(std::string("title_card_") + gs.current_hole);
      if (!card_clicked_) pushClick(320, 240);
      card_clicked_ = true;
      return;
    }
    card_clicked_ = false;
    if (!game->DXDraw.initialized()) return;
    if (gs.current_hole != shot_hole_ && gs.ball_z < 80 && !gs.holed_out && gs.current_hole != "done") {
      shot_hole_ = gs.current_hole;
      holes_seen.push_back(gs.current_hole);
      shot(gs.current_hole);
    }
    if (waiting() || !steps_.empty()) return;
    if (gs.players[0].finished) {
      if (end_message.empty()) {
        const char* m = endOfGameMessage(gs);
        end_message = m ? m : "";
        waitFrames(10);
        return;
      }
      shot(std::string("end_") + (training_                        ? "training"
                                  : style_ == Style::Feeble         ? "feeble"
                                  : course_ == ControlId::course2   ? "harbour"
                                                                    : "game"));
      closed_ = true;
      pushClick(320, 240);  // a click closes the finished game
      return;
    }
    if (gs.ball_moving || gs.holed_out || gs.in_water || gs.in_tunnel || gs.putt_phase != 0) return;
    putt(gs);
  }

  void putt(const GameState& gs) {
    int bx = roundHalfEven(gs.ball_x) - gs.camera_x, by = roundHalfEven(gs.ball_y) - gs.camera_y;
    if (bx < 2 || by < 2 || bx >= surfaceWidth() - 2 || by >= surfaceHeight() - 2) {
      pushClick(116, 87);  // the panel's centre-view button
      waitFrames(30);
      return;
    }
    PullShot s = plan(gs);
    move(bx, by);
    button(EventType::MouseDown);  // on the ball: aiming starts and the pointer is parked
    ++putts;
    // The drag goes out once the parking move has been handled, the release
    // once the aiming frames have seen the pointer there.
    const int cx = surfaceWidth() / 2, cy = surfaceHeight() / 2;
    steps_ = {[=, this] { move(cx + s.drag_x / 2, cy + s.drag_y / 2); move(cx + s.drag_x, cy + s.drag_y); },
              [this] { button(EventType::MouseUp); }};
    waitFrames(2);
  }

  PullShot plan(const GameState& gs) {
    if (style_ == Style::Feeble) return pullShotFromDrag(10, 0);
    SolverOptions opt;
    opt.max_strokes = 3;
    opt.beam = 6;
    Solution sol = solveFrom(gs, opt);
    if (sol.solved) return sol.shots.front();
    return pullShotFor(0, 1.0);
  }

 public:
  void idlePass() override {
    HeadlessPlatform::idlePass();
    if (!steps_.empty() && !waiting()) {
      steps_.front()();
      steps_.erase(steps_.begin());
      waitFrames(3);
    }
  }
  int32_t surfaceWidth() const { return game ? game->surfaceWidth() : 640; }
  int32_t surfaceHeight() const { return game ? game->surfaceHeight() : 480; }

 private:
  Style style_;
  bool training_;
  fs::path shots_;
  ControlId course_;
  bool started_ = false, closed_ = false, quit_sent_ = false, card_clicked_ = false;
  std::vector<std::function<void()>> steps_;
  uint32_t wait_until_ = 0;
  std::string shot_hole_;
};

class FullGame : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* f : {"gui.dxg", "menu.dxg", "sound.dxw", "course1hole1.dxg"})
      if (!fs::exists(fs::path(fg::test::gameDir()) / f)) GTEST_SKIP() << f << " not built";
    root = fs::temp_directory_path() / ("fg_full_game_" + std::to_string(::getpid()));
    fs::create_directories(root / "settings");
    // Screenshots go beside the game folder, where a person can look at them.
    shots = fs::path(fg::test::gameDir()) / ".." / "course_shots";
    if (const char* out = std::getenv("FG_SHOT_DIR")) shots = out;
    fs::create_directories(shots);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(root, ec);
  }

  void play(AutoPlayer& player) {
    player.setStep(10);
    player.setTimeLimit(4000000);
    Application app(player);
    const std::string dir = fg::test::gameDir();
    Tlaunchpad launchpad(app, dir, (root / "settings").string());
    launchpad.controls.skipintro = true;
    TMain game(app, launchpad.controls, dir);
    // Earlier records to beat, so the end picture shows "NEW BEST".
    PersonalBests bests((root / "data").string());
    for (int i = 1; i <= 9; ++i) bests.offer(BestKind::Hole, "Player 1", "course1hole" + std::to_string(i), 9);
    bests.offer(BestKind::Round, "Player 1", "course1", 81);
    game.bests = &bests;
    Tintro intro(app, dir);
    launchpad.intro = &intro;
    launchpad.setTrainingMode = [&game](bool t) { game.training_mode = t; };
    // Every round is recorded, with a picture every 40 frames, as the
    // program does for its replays.
    RoundShots recordShots{(root / "recorded").string(), 40};
    launchpad.runGame = [&] { recorded = recordRound(game, app, &recordShots); };
    player.pad = &launchpad;
    player.game = &game;
    app.setTarget(&launchpad);
    launchpad.show();
    app.runUntil([&] { return app.terminated(); });
    EXPECT_TRUE(player.errors().empty()) << player.errors().front();
  }

  // Plays the recording back in a new game window and expects every picture
  // the recording took, the end screen included, byte for byte.
  void expectReplayIdentical() {
    ASSERT_FALSE(recorded.entries.empty());
    HeadlessPlatform platform;
    Application app(platform);
    LaunchpadControls controls;
    TMain game(app, controls, fg::test::gameDir());
    RoundShots replayShots{(root / "replayed").string(), 40};
    EXPECT_EQ(playRound(game, app, recorded, false, &replayShots), 0) << "frames differed from the recording";
    EXPECT_EQ(game.gs.players[0].total_strokes, recorded.result.strokes);
    EXPECT_EQ(game.gs.players[0].score, recorded.result.score);
    size_t compared = 0;
    for (const auto& e : fs::directory_iterator(root / "recorded")) {
      std::string a = readBytes(e.path()), b = readBytes(root / "replayed" / e.path().filename());
      EXPECT_EQ(a, b) << e.path().filename() << " differs in the replay";
      ++compared;
    }
    EXPECT_GT(compared, 3u);
    EXPECT_TRUE(fs::exists(root / "replayed" / "end.png"));
  }
  static std::string readBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  fs::path root, shots;
  Replay recorded;
};

TEST_F(FullGame, SolverPlaysTheCourseToTheEnd) {
  AutoPlayer player(Style::Solver, false, shots);
  play(player);
  EXPECT_EQ(player.end_message, "YOU FINISHED");
  std::vector<std::string> want;
  for (int i = 1; i <= 9; ++i) want.push_back("course1hole" + std::to_string(i));
  EXPECT_EQ(player.holes_seen, want);
  EXPECT_EQ(player.pictures.size(), 11u);
  expectReplayIdentical();
}

TEST_F(FullGame, SolverPlaysTheHarbourCourseToTheEnd) {
  AutoPlayer player(Style::Solver, false, shots, ControlId::course2);
  play(player);
  EXPECT_EQ(player.end_message, "YOU FINISHED") << "last ball " << player.last_state;
  std::vector<std::string> want;
  for (int i = 1; i <= 9; ++i) want.push_back("course2hole" + std::to_string(i));
  EXPECT_EQ(player.holes_seen, want);
}

TEST_F(FullGame, FeeblePuttsEndInGameOver) {
  AutoPlayer player(Style::Feeble, false, shots);
  play(player);
  EXPECT_EQ(player.end_message, "GAME OVER") << player.putts << " putts, holes seen " << player.holes_seen.size()
                                             << ", last ball " << player.last_state;
  EXPECT_EQ(player.holes_seen, std::vector<std::string>{"course1hole1"});
  EXPECT_GE(player.putts, 4);
  expectReplayIdentical();
}

TEST_F(FullGame, TrainingCourseToTheEnd) {
  AutoPlayer player(Style::Solver, true, shots);
  play(player);
  EXPECT_EQ(player.end_message, "YOU FINISHED");
  EXPECT_EQ(player.holes_seen, (std::vector<std::string>{"training1", "training2"}));
}

}  // namespace
}  // namespace fg
