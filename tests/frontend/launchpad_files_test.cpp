#include "frontend/launchpad_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "launchpad_fixture.h"

namespace fg {
namespace {

namespace fs = std::filesystem;
using test::ScratchDir;

TEST(SkinFolders, ListsPlainWritableVisibleFoldersByNameIgnoringCase) {
  ScratchDir d;
  for (const char* n : {"zeta", "Alpha", "beta", ".hidden", "locked"}) fs::create_directories(d / ("skins/" + std::string(n)));
  ::chmod((d / "skins/locked").c_str(), 0555);            // read-only: left out
  test::writeText(d / "skins/notes.txt", "a file");       // not a folder
  fs::create_directory_symlink(d / "skins/zeta", d / "skins/link");  // a link, not a plain folder
  EXPECT_EQ(listSkinFolders(d / "skins"), (std::vector<std::string>{"Alpha", "beta", "zeta"}));
}

TEST(SkinFolders, MissingFolderGivesNone) {
  ScratchDir d;
  EXPECT_TRUE(listSkinFolders(d / "skins").empty());
}

TEST(SkinFolders, ListIsBoundedToWhatTheGameLooksAt) {
  ScratchDir d;
  for (int i = 0; i < 300; ++i) fs::create_directories(d / ("skins/s" + std::to_string(1000 + i)));
  auto skins = listSkinFolders(d / "skins");
  EXPECT_EQ(skins.size(), kMaxSkinRows - 1);
  EXPECT_EQ(skins.front(), "s1000");
}

TEST(TextureCycle, WrapsAroundInNameOrder) {
  ScratchDir d;
  for (const char* n : {"b.bmp", "A.BMP", "c.Bmp", "readme.txt", "d.bmp.txt"}) test::writeText(d / ("textures/" + std::string(n)), "x");
  fs::create_directories(d / "textures/folder.bmp");
  TextureCycle cycle(d / "textures/");
  std::vector<std::string> seen{cycle.first()};
  for (int i = 0; i < 4; ++i) seen.push_back(cycle.next());
  EXPECT_EQ(seen, (std::vector<std::string>{"A.BMP", "b.bmp", "c.Bmp", "A.BMP", "b.bmp"}));
}

TEST(TextureCycle, EmptyOrMissingFolderGivesNothing) {
  ScratchDir d;
  TextureCycle cycle(d / "textures/");
  EXPECT_EQ(cycle.first(), "");
  EXPECT_EQ(cycle.next(), "");
}

TEST(TextureCycle, FileRemovedMeanwhileStillStepsOn) {
  ScratchDir d;
  for (const char* n : {"a.bmp", "b.bmp", "c.bmp"}) test::writeText(d / ("textures/" + std::string(n)), "x");
  TextureCycle cycle(d / "textures/");
  EXPECT_EQ(cycle.first(), "a.bmp");
  EXPECT_EQ(cycle.next(), "b.bmp");
  fs::remove(d / "textures/b.bmp");
  EXPECT_EQ(cycle.next(), "c.bmp");
}

class LaunchpadFiles : public test::LaunchpadFixture {};

TEST_F(LaunchpadFiles, SkinListAndNextButtonOnTheWindow) {
  fs::create_directories(game / "skins/Retro");
  fs::create_directories(game / "skins/chrome");
  test::writeTexture(game / "textures/blue.bmp", 10);
  test::writeTexture(game / "textures/Red.bmp", 250);
  Tlaunchpad& pad = make();
  EXPECT_EQ(pad.controls.skins, (std::vector<std::string>{"[default interface]", "chrome", "Retro"}));
  EXPECT_EQ(pad.controls.skin_selected.size(), 3u);
  EXPECT_EQ(pad.controls.texture_file, "blue.bmp");
  EXPECT_EQ(pad.controls.ball_texture.rgb[0], 10);
  pad.controls.skipintro = true;
  pad.show();
  clickOn(ControlId::tex_inc);
  EXPECT_EQ(pad.controls.texture_file, "Red.bmp");
  EXPECT_EQ(pad.controls.ball_texture.rgb[0], 250);
  clickOn(ControlId::tex_inc);
  EXPECT_EQ(pad.controls.texture_file, "blue.bmp");
  // Picking the third row of the skin list selects it alone.
  clickOn(ControlId::tab_setup);
  const Rect r = controlOf(ControlId::skin).rect;
  platform.pushClick(r.left + 10, r.top + 2 * kListRowHeight + 3);
  app.pumpMessages();
  EXPECT_EQ(pad.controls.skin_selected, (std::vector<bool>{false, false, true}));
  platform.pushClick(r.left + 10, r.top + 2);
  app.pumpMessages();
  EXPECT_EQ(pad.controls.skin_selected, (std::vector<bool>{true, false, false}));
}

// "Next" walks the texture folder whatever it meets: a damaged file is
// reported, the preview keeps what it showed, and the next click moves on.
struct TextureWalk {
  const char* label;
  std::vector<std::pair<const char*, bool>> files;  // name, loadable
  std::vector<std::string> shown;  // after the window is made, then after each "Next"
  size_t errors;
};

class TextureWalkTest : public test::LaunchpadFixture, public ::testing::WithParamInterface<TextureWalk> {};

TEST_P(TextureWalkTest, NextStepsPastFilesThatFail) {
  const TextureWalk& w = GetParam();
  for (auto [name, good] : w.files) {
    if (good)
      test::writeTexture(game / ("textures/" + std::string(name)), 90);
    else
      test::writeText(game / ("textures/" + std::string(name)), "BMnot really a bitmap");
  }
  Tlaunchpad& pad = make();
  std::vector<std::string> shown{pad.controls.texture_file};
  pad.controls.skipintro = true;
  pad.show();
  for (size_t i = 1; i < w.shown.size(); ++i) {
    clickOn(ControlId::tex_inc);
    shown.push_back(pad.controls.texture_file);
  }
  EXPECT_EQ(shown, w.shown);
  EXPECT_EQ(platform.errors().size(), w.errors);
  if (pad.controls.texture_file.empty()) {
    EXPECT_EQ(pad.controls.ball_texture, defaultBallTexture());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, TextureWalkTest,
    ::testing::Values(
        TextureWalk{"DamagedInTheMiddle", {{"a.bmp", true}, {"b.bmp", false}, {"c.bmp", true}},
                    {"a.bmp", "a.bmp", "c.bmp", "a.bmp"}, 1},
        TextureWalk{"DamagedFirst", {{"a.bmp", false}, {"b.bmp", true}}, {"", "b.bmp", "b.bmp", "b.bmp"}, 2},
        TextureWalk{"None", {}, {"", ""}, 2}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(LaunchpadFiles, NoTexturesKeepTheBuiltInBallAndSaySo) {
  Tlaunchpad& pad = make();
  EXPECT_EQ(platform.errors(), std::vector<std::string>{"Unknown picture file extension (.)"});
  EXPECT_EQ(pad.controls.ball_texture, defaultBallTexture());
}

}  // namespace
}  // namespace fg
