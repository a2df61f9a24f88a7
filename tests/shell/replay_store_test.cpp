// Recorded rounds on disk: a replay file survives its own round trip, a
// damaged one is refused with its line, and the folder keeps the last 20
// rounds and every best.
#include <gtest/gtest.h>

#include <filesystem>

#include "media/error.h"
#include "shell/replay_store.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

Replay sample() {
  Replay r;
  r.seed = 4242;
  r.settings.name = "Anna Lee";
  r.settings.pushputt = true;
  r.settings.pullputt = false;
  r.settings.frameskip = 50;
  r.settings.ball_texture = Picture{2, 1, {1, 2, 3, 250, 251, 252}};
  r.skin = "Ember";
  r.rate = {31, 4};
  r.effectCarry = 2;
  r.click = {900, 321, 111, false, true, false, false, false};
  r.state = {"ball_tex_u 0x1.8p+1", "banner_text " + std::string(27, ' ') + "SOUND OFF"};
  TapeEntry hook{TapeEntry::Kind::Hook, 1000, {}};
  TapeEntry press{TapeEntry::Kind::Event, 1010, {}};
  press.event.type = EventType::MouseDown;
  press.event.button = MouseButton::Right;
  press.event.x = 20;
  press.event.y = -3;
  press.event.shift = true;
  press.event.time = 1010;
  TapeEntry key{TapeEntry::Kind::Event, 1020, {}};
  key.event.type = EventType::KeyDown;
  key.event.key = 0xBA;  // a key without a name
  key.event.time = 1020;
  r.entries = {hook, press, key, TapeEntry{TapeEntry::Kind::Tick, 1033, {}}};
  r.result = {true, 27, 1, "done"};
  return r;
}

TEST(ReplayFile, RoundTrip) {
  Replay a = sample();
  Replay b = parseReplay(formatReplay(a));
  EXPECT_EQ(formatReplay(b), formatReplay(a));
  EXPECT_EQ(b.settings.name, "Anna Lee");
  EXPECT_EQ(b.state, a.state) << "the banner keeps its leading spaces";
  ASSERT_EQ(b.entries.size(), 4u);
  EXPECT_EQ(b.entries[1].event.button, MouseButton::Right);
  EXPECT_TRUE(b.entries[1].event.shift);
  EXPECT_EQ(b.entries[2].event.key, 0xBA);
}

class DamagedReplay : public ::testing::TestWithParam<const char*> {};

TEST_P(DamagedReplay, IsRefusedWithItsLine) {
  std::string text = std::string("fairglade-replay 1\nseed 1\n") + GetParam() + "\n";
  try {
    parseReplay(text);
    FAIL() << "accepted: " << GetParam();
  } catch (const GameError& e) {
    EXPECT_NE(std::string(e.what()).find("line 3"), std::string::npos) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(Lines, DamagedReplay,
                         ::testing::Values("at -5 tick", "at 99999999999 tick", "at 10 keydown NOSUCHKEY",
                                           "at 10 press 5", "at 10 fly", "texture 2 2 abc", "texture 9999 9999 00",
                                           "texture 1 1 zzzzzz", "seed -1", "rate x", "click 1 2", "bogus 1"));

TEST(ReplayFile, NotAReplay) { EXPECT_THROW(parseReplay("at 10 tick\n"), GameError); }

TEST(ReplayStore, KeepsTheLastRoundsAndEveryBest) {
  fs::path dir = fs::temp_directory_path() / "fg_replay_store";
  fs::remove_all(dir);
  Replay r = sample();
  r.entries.clear();
  r.state.clear();
  // A best (27), a better one (25), then many plain rounds and a worse finish.
  std::vector<std::string> saved;
  for (int strokes : {27, 25, 30, 26}) {
    r.result = {true, strokes, 0, "done"};
    saved.push_back(saveRound(r, dir.string()));
  }
  EXPECT_NE(saved[0].find("-best.replay"), std::string::npos);
  EXPECT_NE(saved[1].find("-best.replay"), std::string::npos);
  EXPECT_NE(saved[2].find("-round.replay"), std::string::npos);
  EXPECT_NE(saved[3].find("-round.replay"), std::string::npos) << "26 does not beat 25";
  r.result = {false, 3, 2, "course1hole1"};  // game over: never a best
  for (int i = 0; i < 21; ++i) saved.push_back(saveRound(r, dir.string()));
  std::vector<std::string> kept = listRounds(dir.string());
  EXPECT_EQ(kept.size(), 22u) << "20 rounds and the two older bests";
  EXPECT_TRUE(fs::exists(saved[0]));
  EXPECT_TRUE(fs::exists(saved[1]));
  EXPECT_FALSE(fs::exists(saved[2]));
  EXPECT_EQ(kept.back(), saved.back()) << "the newest sorts last";
  fs::remove_all(dir);
}

}  // namespace
}  // namespace fg
