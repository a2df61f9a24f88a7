// The headless platform's input script and its event timing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "media/error.h"
#include "platform/headless_platform.h"
#include "media/key_names.h"

namespace fg {
namespace {

TEST(HeadlessScript, ParsesEveryKindOfLine) {
  auto steps = parseInputScript(
      "# a comment\n"
      "step 16\n"
      "at 100 key F1\n"
      "at frame 3 click 10 20 right\n"
      "at 200 dblclick 5 6\n"
      "at 300 text Anna Bee\n"
      "at frame 9 shot x.png\n"
      "at 900 quit\n");
  ASSERT_EQ(steps.size(), 2u + 2u + 4u + 1u + 1u + 1u);
  EXPECT_EQ(steps[0].event.type, EventType::KeyDown);
  EXPECT_EQ(steps[0].event.key, vk::F1);
  EXPECT_EQ(steps[1].event.type, EventType::KeyUp);
  EXPECT_TRUE(steps[2].byFrame);
  EXPECT_EQ(steps[2].event.button, MouseButton::Right);
  EXPECT_EQ(steps[6].when, 250u);  // the second click of a double click comes 50 ms later
  EXPECT_EQ(steps[8].event.text, "Anna Bee");
  EXPECT_EQ(steps[9].kind, ScriptStep::Kind::Shot);
  EXPECT_EQ(steps[10].kind, ScriptStep::Kind::Quit);
  EXPECT_EQ(scriptStepMs("step 16\n", 10), 16u);
  EXPECT_EQ(scriptStepMs("at 1 quit\n", 10), 10u);
}

TEST(HeadlessScript, BadLinesNameTheirLine) {
  try {
    parseInputScript("at 10 key F1\nat 20 jump\n");
    FAIL();
  } catch (const GameError& e) {
    EXPECT_NE(std::string(e.what()).find("line 2"), std::string::npos);
  }
  EXPECT_THROW(parseInputScript("at 10 key NOPE\n"), GameError);
  EXPECT_THROW(parseInputScript("at x key F1\n"), GameError);
  // Times beyond 32 bits would wrap round to an early time; signs and tails are no times.
  for (const char* bad : {"at 4294968296 shot a.png\n", "at -5 quit\n", "at 10ms quit\n", "at frame 4294967296 quit\n"})
    EXPECT_THROW(parseInputScript(bad), GameError) << bad;
  EXPECT_EQ(parseInputScript("at 4294967295 dblclick 1 1\n").back().when, 4294967295u);
}

// Counts what the sound card would be asked for.
struct SliceCounter : AudioSource {
  int64_t frames = 0;
  int largest = 0;
  void mix(int16_t*, int n, int, int) override {
    frames += n;
    largest = std::max(largest, n);
  }
};

TEST(HeadlessScript, AStepOfHoursIsMixedInSmallSlices) {
  HeadlessPlatform p;
  SliceCounter sound;
  AudioSpec spec{22050, 2};
  p.openAudio(&sound, &spec, nullptr);
  p.advance(4000000);
  EXPECT_EQ(sound.frames, int64_t{22050} * 4000);
  EXPECT_LE(sound.largest, 65536);
}

TEST(HeadlessScript, EventsComeDueByTimeAndByFrame) {
  HeadlessPlatform p;
  p.setStep(10);
  p.setScript(parseInputScript("at 30 key A\nat frame 2 key B\n"));
  InputEvent e;
  EXPECT_FALSE(p.pollEvent(e));
  p.idlePass();
  p.idlePass();
  EXPECT_FALSE(p.pollEvent(e));
  p.idlePass();
  ASSERT_TRUE(p.pollEvent(e));
  EXPECT_EQ(e.key, 'A');
  ASSERT_TRUE(p.pollEvent(e));  // its key up
  EXPECT_FALSE(p.pollEvent(e));
  Surface s(4, 4, PixelFormat::Rgb565);
  p.present(s);
  EXPECT_FALSE(p.pollEvent(e));
  p.present(s);
  ASSERT_TRUE(p.pollEvent(e));
  EXPECT_EQ(e.key, 'B');
}

TEST(HeadlessScript, MovingTheCursorMakesAMoveEvent) {
  HeadlessPlatform p;
  p.setCursorPos(320, 240);
  InputEvent e;
  ASSERT_TRUE(p.pollEvent(e));
  EXPECT_EQ(e.type, EventType::MouseMove);
  EXPECT_EQ(e.x, 320);
  EXPECT_EQ(e.y, 240);
}

TEST(HeadlessScript, ShotNamesStayInTheShotFolder) {
  HeadlessPlatform p;
  std::string dir = ::testing::TempDir() + "/shots_fg";
  p.setShotFolder(dir);
  p.setScript(parseInputScript("at frame 1 shot ../../escape.png\n"));
  Surface s(2, 2, PixelFormat::Rgb565);
  p.present(s);
  ASSERT_EQ(p.shotsWritten().size(), 1u);
  EXPECT_EQ(p.shotsWritten()[0], dir + "/escape.png");
}

}  // namespace
}  // namespace fg

namespace fg {
namespace {

TEST(HeadlessScript, AShotAtATimeShowsTheLastPresentedPicture) {
  HeadlessPlatform p;
  p.setStep(10);
  std::string dir = ::testing::TempDir() + "/shots_fg_time";
  p.setShotFolder(dir);
  p.setScript(parseInputScript("at 10 shot early.png\nat 30 shot waiting.png\n"));
  InputEvent e;
  p.idlePass();
  p.pollEvent(e);
  EXPECT_TRUE(p.shotsWritten().empty());  // nothing shown yet: it waits
  Surface s(2, 2, PixelFormat::Rgb565);
  p.present(s);
  ASSERT_EQ(p.shotsWritten().size(), 1u);
  p.idlePass();
  p.idlePass();
  p.pollEvent(e);  // no present since, as while a title card waits
  ASSERT_EQ(p.shotsWritten().size(), 2u);
  EXPECT_EQ(p.shotsWritten()[1], dir + "/waiting.png");
}

}  // namespace
}  // namespace fg
