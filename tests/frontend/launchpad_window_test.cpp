#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "frontend/launchpad_settings.h"
#include "launchpad_fixture.h"
#include "media/error.h"
#include "media/pixel_format.h"

namespace fg {
namespace {

using test::LaunchpadFixture;
namespace fs = std::filesystem;

const char* kNine[] = {"RunOnce",   "SkipIntro",  "PushPutt", "PullPutt", "screen640",
                       "screen800", "screen1024", "bgsounds", "FrameSkip"};

// Remembers what the window asks of the screen.
class SharpPlatform : public test::RecordingPlatform {
 public:
  void setSharpPixels(bool sharp) override { sharp_.push_back(sharp); }
  std::vector<bool> sharp_;
};

class LaunchpadTest : public LaunchpadFixture {
 protected:
  // Stored settings as a previous "Start Game" would have left them.
  void store(std::initializer_list<std::pair<const char*, int32_t>> values) {
    RegistryStore s(settings.path());
    s.open();
    for (auto& [name, v] : values) s.writeInteger(name, v);
  }
  int32_t stored(const char* name) {
    RegistryStore s(settings.path());
    s.open();
    return s.readInteger(name);
  }
  void showSkipped() {
    store({{"RunOnce", 1}, {"SkipIntro", 1}, {"PullPutt", 1}, {"screen640", 1}, {"bgsounds", 1}, {"FrameSkip", 75}});
    make().show();
  }
};

TEST_F(LaunchpadTest, FirstRunKeepsDefaultsAndStartGameWritesAllNine) {
  Tlaunchpad& pad = make();
  const LaunchpadControls defaults;
  EXPECT_EQ(pad.controls.name, "Player 1");
  EXPECT_EQ(pad.controls.pullputt, defaults.pullputt);
  EXPECT_EQ(pad.controls.frameskip, 75);
  EXPECT_TRUE(pad.controls.screen640);
  EXPECT_TRUE(pad.controls.bgsounds);
  for (const char* n : kNine) EXPECT_FALSE(fs::exists(settings / (std::string(
                                  "Software/Brackwater/Fairglade Beta 3/") + n))) << n;
  pad.controls.skipintro = true;
  pad.launchClick();
  for (const char* n : kNine) {
    EXPECT_TRUE(fs::exists(settings / (std::string("Software/Brackwater/Fairglade Beta 3/") + n + "/" + n))) << n;
  }
  EXPECT_EQ(stored("RunOnce"), 1);
  EXPECT_EQ(stored("FrameSkip"), 75);
  EXPECT_EQ(stored("PullPutt"), 1);
  EXPECT_EQ(stored("PushPutt"), 0);
  EXPECT_EQ(stored("SkipIntro"), 1);
}

TEST_F(LaunchpadTest, SecondStartReadsTheStoredSettingsBack) {
  store({{"RunOnce", 1}, {"SkipIntro", 1}, {"PushPutt", 1}, {"PullPutt", 0}, {"screen640", 0},
         {"screen800", 0}, {"screen1024", 1}, {"bgsounds", 0}, {"FrameSkip", 50}});
  test::writeTexture(game / "textures/ball.bmp", 200);
  Tlaunchpad& pad = make();
  EXPECT_TRUE(pad.controls.skipintro);
  EXPECT_TRUE(pad.controls.pushputt);
  EXPECT_FALSE(pad.controls.pullputt);
  EXPECT_FALSE(pad.controls.screen640);
  EXPECT_TRUE(pad.controls.screen1024);
  EXPECT_FALSE(pad.controls.bgsounds);
  EXPECT_EQ(pad.controls.frameskip, 50);
  EXPECT_TRUE(platform.errors().empty());
}

TEST_F(LaunchpadTest, WithoutRunOnceNothingElseIsRead) {
  store({{"SkipIntro", 1}, {"FrameSkip", 25}});
  Tlaunchpad& pad = make();
  EXPECT_FALSE(pad.controls.skipintro);
  EXPECT_EQ(pad.controls.frameskip, 75);
}

struct ReadFault {
  const char* label;
  const char* setting;   // planted under this name; null: the store cannot open
  const char* content;   // null: subkey without value
  const char* message;
};

class LaunchpadReadFault : public LaunchpadTest, public ::testing::WithParamInterface<ReadFault> {};

TEST_P(LaunchpadReadFault, IsShownAndSkipsTheRestOfFormCreate) {
  const ReadFault& f = GetParam();
  fs::create_directories(game / "skins/Neon");
  test::writeTexture(game / "textures/red.bmp", 200);
  std::string key = settings / "Software/Brackwater/Fairglade Beta 3/";
  if (f.setting) {
    store({{"RunOnce", 1}, {"SkipIntro", 1}, {"PushPutt", 1}, {"PullPutt", 0}, {"FrameSkip", 25}});
    fs::remove_all(key + f.setting);
    fs::create_directories(key + f.setting);
    if (f.content) test::writeText(key + f.setting + "/" + f.setting, f.content);
  } else {
    // A user root that is a file: the store never opens.
    fs::remove_all(settings.path());
    test::writeText(settings.path(), "not a folder");
  }
  Tlaunchpad& pad = make();
  ASSERT_EQ(platform.errors().size(), 1u);
  EXPECT_EQ(platform.errors()[0], f.setting ? formatMessage(f.message, f.setting) : std::string(f.message));
  if (f.setting && std::string(f.setting) == "PullPutt") {
    // Push putt was read before the fault: it stays the one checked, and
    // Start Game stores that.
    EXPECT_TRUE(pad.controls.pushputt);
    pad.launchClick();
    EXPECT_EQ(stored("PushPutt"), 1);
    EXPECT_EQ(stored("PullPutt"), 0);
  }
  // Read before the fault: kept. After it: defaults. Skins and texture: skipped.
  EXPECT_EQ(pad.controls.skipintro, f.setting != nullptr);
  EXPECT_EQ(pad.controls.frameskip, 75);
  EXPECT_EQ(pad.controls.skins.size(), 1u);
  EXPECT_TRUE(pad.controls.texture_file.empty());
  // The putting radios stay a pair, whatever was read of them.
  EXPECT_NE(pad.controls.pullputt, pad.controls.pushputt);
  // The store is set aside before a "Start Game" writes over it: values
  // beyond the fault are still there for the player.
  if (f.setting) {
    RegistryStore kept(settings.path());
    kept.Application = "Fairglade Beta 3 (damaged settings)";
    kept.open();
    EXPECT_EQ(kept.readInteger("FrameSkip"), 25);
  } else {
    fs::remove(settings.path());
    fs::create_directories(settings.path());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, LaunchpadReadFault,
    ::testing::Values(ReadFault{"NotOpened", nullptr, nullptr, "Registry not opened"},
                      ReadFault{"WrongType", "screen800", "sz:yes", "Invalid data type for '%s'"},
                      ReadFault{"NoData", "bgsounds", nullptr, "Failed to get data for '%s'"},
                      ReadFault{"PullPuttUnreadable", "PullPutt", "sz:yes", "Invalid data type for '%s'"}),
    [](const auto& info) { return std::string(info.param.label); });

// A value that cannot be written is reported with the store's message, the
// others are written, and the game starts with what the controls hold.
TEST_F(LaunchpadTest, FailedWriteIsShownAndTheGameStartsAllTheSame) {
  store({{"RunOnce", 1}, {"SkipIntro", 1}, {"FrameSkip", 50}});
  Tlaunchpad& pad = make();
  pad.show();
  std::string key = settings / "Software/Brackwater/Fairglade Beta 3/";
  // A file where the "screen800" subkey should be, a folder where the
  // "bgsounds" value should be.
  fs::remove_all(key + "screen800");
  test::writeText(key + "screen800", "in the way");
  fs::create_directories(key + "bgsounds/bgsounds");
  bool ran = false;
  pad.runGame = [&] { ran = true; };
  pad.controls.frameskip = 100;
  platform.pushClick(0, 0);  // nothing there
  size_t before = platform.errors().size();  // a test folder without textures says so at start
  clickOn(ControlId::launch);
  ASSERT_EQ(platform.errors().size(), before + 1);
  EXPECT_EQ(platform.errors().back(), "Failed to set data for 'screen800'");
  EXPECT_TRUE(ran);
  EXPECT_EQ(stored("FrameSkip"), 100);
  EXPECT_EQ(test::readText(key + "screen800"), "in the way");
  EXPECT_TRUE(pad.DXinterface.initialized());
}

struct PacingCase {
  const char* label;
  int32_t stored;       // 0: first run
  std::vector<ControlId> clicks;
  std::vector<int32_t> positions;  // after each click
};

class FramePacing : public LaunchpadTest, public ::testing::WithParamInterface<PacingCase> {};

TEST_P(FramePacing, ArrowButtonsStepTheBar) {
  const PacingCase& c = GetParam();
  if (c.stored) store({{"RunOnce", 1}, {"SkipIntro", 1}, {"PullPutt", 1}, {"FrameSkip", c.stored}});
  Tlaunchpad& pad = make();
  pad.show();
  clickOn(ControlId::tab_setup);
  for (size_t i = 0; i < c.clicks.size(); ++i) {
    int before = clicksHeard();
    clickOn(c.clicks[i]);
    EXPECT_EQ(pad.controls.frameskip, c.positions[i]) << "after click " << i;
    EXPECT_EQ(clicksHeard(), before + 1);
  }
}

const ControlId kInc = ControlId::fskip_inc, kDec = ControlId::fskip_dec;
INSTANTIATE_TEST_SUITE_P(
    Bar, FramePacing,
    ::testing::Values(PacingCase{"From75Up", 0, {kInc, kInc}, {100, 100}},
                      PacingCase{"From75Down", 0, {kDec, kDec, kDec}, {50, 25, 25}},
                      PacingCase{"Stored30Up", 30, {kInc, kInc, kInc}, {55, 80, 80}},
                      PacingCase{"Stored30Down", 30, {kDec, kInc}, {25, 50}},
                      PacingCase{"StoredTooLow", 5, {kDec}, {25}},
                      PacingCase{"StoredNegative", -40, {kInc}, {50}},
                      PacingCase{"StoredTooHigh", 1000, {kInc, kDec}, {100, 75}}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(LaunchpadTest, TabsShowTheirPanelsAndSetTrainingMode) {
  showSkipped();
  std::vector<bool> training;
  pad->setTrainingMode = [&](bool t) { training.push_back(t); };
  EXPECT_TRUE(pad->controls.start_visible);
  clickOn(ControlId::tab_training);
  EXPECT_TRUE(pad->controls.start_visible);
  EXPECT_TRUE(pad->controls.training_tab);
  EXPECT_EQ(pad->controls.label3, "");
  clickOn(ControlId::tab_setup);
  EXPECT_FALSE(pad->controls.start_visible);
  EXPECT_TRUE(pad->controls.setup_visible);
  clickOn(ControlId::tab_exit);
  EXPECT_TRUE(pad->controls.quit_visible);
  EXPECT_FALSE(pad->controls.setup_visible);
  EXPECT_FALSE(app.terminated());
  clickOn(ControlId::tab_game);
  EXPECT_EQ(pad->controls.label3, "The game ends if score is 2 over par");
  EXPECT_EQ(training, (std::vector<bool>{true, false}));
  EXPECT_EQ(clicksHeard(), 4);
  clickOn(ControlId::tab_exit);
  clickOn(ControlId::quit);
  EXPECT_TRUE(app.terminated());
}

TEST_F(LaunchpadTest, SetupControlsFollowClicks) {
  showSkipped();
  clickOn(ControlId::tab_setup);
  int clicks = clicksHeard();
  clickOn(ControlId::screen800);
  clickOn(ControlId::soundoff);
  clickOn(ControlId::bgsounds);
  clickOn(ControlId::skipintro);
  clickOn(ControlId::fastwrite);
  const auto& c = pad->controls;
  EXPECT_TRUE(c.screen800);
  EXPECT_FALSE(c.screen640);
  EXPECT_TRUE(c.soundoff);
  EXPECT_FALSE(c.sound16bit);
  EXPECT_FALSE(c.bgsounds);
  EXPECT_FALSE(c.skipintro);
  EXPECT_FALSE(c.fastwrites);
  EXPECT_EQ(clicksHeard(), clicks + 5);  // every box and radio clicks on the press
  // A right press clicks but changes nothing.
  const Rect r = controlOf(ControlId::screen1024).rect;
  platform.pushClick(r.left + 5, r.top + 5, MouseButton::Right);
  app.pumpMessages();
  EXPECT_FALSE(c.screen1024);
  EXPECT_EQ(clicksHeard(), clicks + 6);
  // Controls of a hidden panel do not react.
  clickOn(ControlId::tab_game);
  clickOn(ControlId::screen1024);
  EXPECT_FALSE(c.screen1024);
}

struct CourseCase {
  const char* name;
  int32_t stored;  // 0: a setup stored before there was a choice of course
  bool second;
};

class CourseChoice : public LaunchpadTest, public ::testing::WithParamInterface<CourseCase> {};

// The stored value picks the radio; anything but 2 is the first course.
TEST_P(CourseChoice, IsReadFromTheStoredSetup) {
  if (GetParam().stored)
    store({{"RunOnce", 1}, {"SkipIntro", 1}, {"PullPutt", 1}, {"FrameSkip", 75}, {"Course", GetParam().stored}});
  else
    store({{"RunOnce", 1}, {"SkipIntro", 1}, {"PullPutt", 1}, {"FrameSkip", 75}});
  Tlaunchpad& p = make();
  EXPECT_EQ(p.controls.course2, GetParam().second);
  EXPECT_NE(p.controls.course1, p.controls.course2);
  EXPECT_EQ(p.controls.frameskip, 75);  // read on after it as before
}

INSTANTIATE_TEST_SUITE_P(Stored, CourseChoice,
                         ::testing::Values(CourseCase{"Absent", 0, false}, CourseCase{"First", 1, false},
                                           CourseCase{"Second", 2, true}, CourseCase{"Unknown", 7, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LaunchpadTest, CourseRadiosFollowClicksAndStartGameStoresTheChoice) {
  showSkipped();
  clickOn(ControlId::course2);
  EXPECT_TRUE(pad->controls.course2);
  EXPECT_FALSE(pad->controls.course1);
  EXPECT_TRUE(pad->controls.pullputt);  // a group of its own
  pad->launchClick();
  EXPECT_EQ(stored("Course"), 2);
  clickOn(ControlId::course1);
  EXPECT_FALSE(pad->controls.course2);
  pad->launchClick();
  EXPECT_EQ(stored("Course"), 1);
}

TEST_F(LaunchpadTest, PlayerNameTakesTypedText) {
  showSkipped();
  clickOn(ControlId::name);
  InputEvent back;
  back.type = EventType::KeyDown;
  back.key = vk::Back;
  platform.push(back);
  InputEvent text;
  text.type = EventType::TextInput;
  text.text = "2\x01\xC3\xA9 Ann";
  platform.push(text);
  app.pumpMessages();
  EXPECT_EQ(pad->controls.name, "Player 2 Ann");
  pad->setPlayerName(std::string(100, 'x'));
  EXPECT_EQ(pad->controls.name.size(), Tlaunchpad::kMaxNameLength);
  // The HUD font's Nordic capitals are kept, in the game's 8-bit encoding;
  // what it cannot draw (here the euro sign and a broken byte) is dropped.
  pad->setPlayerName("\xC3\x85sa \xC3\x84\xC3\x96\xE2\x82\xAC\xFF!");
  EXPECT_EQ(pad->controls.name, "\xC5sa \xC4\xD6!");
  // The platform is handed the name back as UTF-8.
  UiScene scene = pad->uiScene();
  auto field = std::find_if(scene.controls.begin(), scene.controls.end(),
                            [](const UiControl& c) { return c.id == static_cast<int>(ControlId::name); });
  ASSERT_NE(field, scene.controls.end());
  EXPECT_EQ(field->caption, "\xC3\x85sa \xC3\x84\xC3\x96!");
}

TEST_F(LaunchpadTest, StartGameHandsOverDisplayAndSoundAndTakesThemBack) {
  showSkipped();
  ASSERT_TRUE(pad->DXSong.item(0).isPlaying());
  clickOn(ControlId::tab_setup);
  clickOn(ControlId::screen1024);
  clickOn(ControlId::tab_game);
  std::vector<std::string> seen;
  pad->runGame = [&] {
    seen.push_back(pad->DXinterface.initialized() ? "display held" : "display free");
    seen.push_back(pad->DXSound.initialized() ? "sound held" : "sound free");
    seen.push_back(pad->controls.setup_visible ? "setup shown" : "setup hidden");
    seen.push_back(stored("screen1024") ? "stored" : "not stored");
    seen.push_back(platform.displayOpen() ? "screen busy" : "screen free");
  };
  clickOn(ControlId::launch);
  EXPECT_EQ(seen, (std::vector<std::string>{"display free", "sound free", "setup hidden", "stored", "screen free"}));
  EXPECT_TRUE(pad->DXinterface.initialized());
  EXPECT_TRUE(pad->DXSound.initialized());
  EXPECT_TRUE(pad->DXSong.item(0).isPlaying());
  EXPECT_TRUE(pad->controls.start_visible);
}

TEST_F(LaunchpadTest, GameFailureStillBringsTheLaunchWindowBack) {
  showSkipped();
  pad->runGame = [] { throw GameError("Cannot open file \"gui.dxg\". No such file or directory"); };
  clickOn(ControlId::launch);
  ASSERT_FALSE(platform.errors().empty());
  EXPECT_EQ(platform.errors().back(), "Cannot open file \"gui.dxg\". No such file or directory");
  EXPECT_TRUE(pad->DXinterface.initialized());
  EXPECT_TRUE(pad->visible());
}

TEST_F(LaunchpadTest, MissingMenuSoundsLeaveASilentWorkingWindow) {
  fs::remove(game / "menu.dxw");
  test::writeTexture(game / "textures/ball.bmp", 200);
  showSkipped();
  ASSERT_EQ(platform.errors().size(), 1u);
  EXPECT_TRUE(pad->DXinterface.initialized());
  EXPECT_TRUE(pad->controls.start_visible);
  clickOn(ControlId::tab_setup);
  EXPECT_TRUE(pad->controls.setup_visible);
}

TEST_F(LaunchpadTest, PaintsTheLogoAndBallPreview) {
  test::writeTexture(game / "textures/a.bmp", 255);
  showSkipped();
  runFor(100);
  const Surface& shot = platform.lastFrame();
  ASSERT_EQ(shot.width, 640);
  const Rect r = controlOf(ControlId::balltexture).rect;
  uint32_t c = pixelToColor(shot.at(r.left + 5, r.top + 5), shot.format);
  EXPECT_EQ(c & 0xFF, 0xF8u);  // red preview
  EXPECT_EQ(c >> 8, 0u);
}

}  // namespace
}  // namespace fg

namespace fg {
namespace {

// "Sharp Pixels" on the Setup tab: stored under its own name, handed to the
// screen at once and at the next start.
TEST(SharpPixels, IsStoredAndHandedToTheScreen) {
  test::ScratchDir game, settings;
  test::writeMenuSounds(game / "menu.dxw");
  test::writeTexture(game / "textures/ball.bmp", 200);
  for (bool expected : {true, false}) {
    SharpPlatform platform;
    Application app{platform};
    Tlaunchpad pad(app, game.path() + "/", settings.path());
    pad.controls.skipintro = true;
    app.setTarget(&pad);
    pad.show();
    ASSERT_FALSE(platform.sharp_.empty());
    EXPECT_EQ(platform.sharp_.back(), !expected) << "read back from the last start";
    const Rect tab = controlOf(ControlId::tab_setup).rect, box = controlOf(ControlId::sharppixels).rect;
    platform.pushClick(tab.left + 5, tab.top + 5);
    platform.pushClick(box.left + 5, box.top + 5);
    app.pumpMessages();
    EXPECT_EQ(platform.sharp_.back(), expected);
    pad.launchClick();
    RegistryStore s(settings.path());
    s.open();
    EXPECT_EQ(s.readBoolean("SharpPixels"), expected);
  }
}

}  // namespace
}  // namespace fg
