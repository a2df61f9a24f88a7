// Interface pictures: "gui.dxg", the ball texture and the skin bitmaps.
#include "case_name.h"
#include "input_fixture.h"

#include "input/interface_pictures.h"
#include "media/archive_writer.h"
#include "media/error.h"

namespace fg::test {
namespace {

class SkinTest : public InputFixture {
 protected:
  std::string exe() const { return dir.string() + "/"; }
  void writeBitmap(const std::string& relative, const Picture& p) {
    std::filesystem::create_directories(std::filesystem::path(exe() + relative).parent_path());
    writeFileAtomically(exe() + relative, encodeBitmapFile(p));
  }
  void select(const std::string& skin) {
    launchpad.skins = {"[default interface]", "alpine", "night"};
    launchpad.skin_selected.assign(3, false);
    for (size_t i = 0; i < launchpad.skins.size(); ++i)
      if (launchpad.skins[i] == skin) launchpad.skin_selected[i] = true;
  }
  // Loads as a window show does, with the display off as it is then.
  void show() {
    DXDraw.Finalize();
    loadInterfacePictures(*ctx);
    DXDraw.Initialize();
  }
  void expectDefaultsExcept(std::initializer_list<int> changed) {
    for (int i = 0; i < kGuiItems; ++i) {
      if (i == 11 || std::find(changed.begin(), changed.end(), i) != changed.end()) continue;
      EXPECT_EQ(gui.item(i).picture, defaultGuiPicture(i)) << "item " << i;
    }
  }
};

TEST_F(SkinTest, FolderWithOnlyTheFontChangesOnlyTheFont) {
  Picture font = solidPicture(40, 8, 0x0000FF00u);
  writeBitmap("skins/night/font.bmp", font);
  select("night");
  show();
  EXPECT_EQ(gui.item(7).picture, font);
  EXPECT_EQ(gui.item(7).patternWidth, kPatternSide);  // the glyph grid stays
  EXPECT_EQ(gui.item(7).patternHeight, kPatternSide);
  EXPECT_FALSE(gui.item(7).transparent);
  EXPECT_GT(gui.item(7).patternCount(), 1);  // cut again on the display
  expectDefaultsExcept({7});
}

TEST_F(SkinTest, DefaultInterfaceAfterASkinnedGameRestoresEverything) {
  for (size_t i = 0; i < kSkinFiles.size(); ++i)
    writeBitmap(std::string("skins/alpine/") + kSkinFiles[i], solidPicture(8, 8, 0x00101010u * (i + 1)));
  select("alpine");
  show();
  for (int i = 0; i < 9; ++i) EXPECT_EQ(gui.item(i).picture, solidPicture(8, 8, 0x00101010u * (i + 1))) << i;
  expectDefaultsExcept({0, 1, 2, 3, 4, 5, 6, 7, 8});
  select("[default interface]");
  show();
  expectDefaultsExcept({});
}

TEST_F(SkinTest, BitmapsBesideTheExecutableActWhenNothingIsSelected) {
  Picture pointer = solidPicture(3, 3, 0x000000FFu);
  writeBitmap("pointer.bmp", pointer);
  writeBitmap("skins/night/panel.bmp", solidPicture(3, 3, 0));
  select("");
  show();
  EXPECT_EQ(gui.item(0).picture, pointer);
  expectDefaultsExcept({0});
}

TEST_F(SkinTest, BallTextureGoesIntoItemEleven) {
  launchpad.ball_texture = solidPicture(16, 16, 0x00336699u);
  show();
  EXPECT_EQ(gui.item(11).picture, launchpad.ball_texture);
  expectDefaultsExcept({});
}

TEST_F(SkinTest, NamesMadeOnCaseBlindSystemsAreFound) {
  Picture gauge = solidPicture(4, 4, 0x00ABCDEFu);
  writeBitmap("skins/night/Gauge.BMP", gauge);
  select("night");
  show();
  EXPECT_EQ(gui.item(5).picture, gauge);
}

TEST_F(SkinTest, DamagedSkinFileFailsWithTheDecodersMessage) {
  std::vector<uint8_t> junk{'B', 'M', 1, 2, 3};
  std::filesystem::create_directories(exe() + "skins/night");
  writeFileAtomically(exe() + "skins/night/target.bmp", junk);
  std::string expected;
  try {
    decodeBitmapFile(junk);
  } catch (const GameError& e) {
    expected = e.what();
  }
  ASSERT_FALSE(expected.empty());
  select("night");
  DXDraw.Finalize();
  try {
    loadInterfacePictures(*ctx);
    FAIL() << "no error";
  } catch (const GameError& e) {
    EXPECT_EQ(std::string(e.what()), expected);
  }
}

TEST_F(SkinTest, MissingGuiArchiveFails) {
  std::filesystem::remove(exe() + "gui.dxg");
  EXPECT_THROW(loadInterfacePictures(*ctx), GameError);
}

struct FolderCase {
  std::vector<bool> selected;
  std::string folder;  // below the game folder
};

void PrintTo(const FolderCase& c, std::ostream* os) {
  *os << "selected";
  for (bool b : c.selected) *os << (b ? "1" : "0");
  *os << " " << (c.folder.empty() ? "game folder" : c.folder);
}

class SkinFolderTest : public ::testing::TestWithParam<FolderCase> {};

TEST_P(SkinFolderTest, LastSelectedAmongTheFirst256Wins) {
  LaunchpadControls lp;
  lp.skins = {"[default interface]", "a", "b", "c"};
  lp.skin_selected = GetParam().selected;
  EXPECT_EQ(skinFolder(lp, "/g/"), "/g/" + GetParam().folder);
}

INSTANTIATE_TEST_SUITE_P(Lists, SkinFolderTest,
                         ::testing::Values(FolderCase{{false, false, false, false}, ""},
                                           FolderCase{{true, false, false, false}, "skins/[default interface]/"},
                                           FolderCase{{false, true, false, true}, "skins/c/"},
                                           FolderCase{{false, false, true}, "skins/b/"},
                                           FolderCase{{}, ""}),
    fg::test::PrintedName());

TEST(SkinFolder, EntriesPast255AreNeverConsidered) {
  LaunchpadControls lp;
  lp.skins.assign(300, "x");
  lp.skins[255] = "last";
  lp.skins[256] = "beyond";
  lp.skin_selected.assign(300, false);
  lp.skin_selected[255] = true;
  lp.skin_selected[256] = true;
  EXPECT_EQ(skinFolder(lp, "/g/"), "/g/skins/last/");
}

TEST(SkinFolder, NamesThatLeaveTheSkinsFolderAreIgnored) {
  LaunchpadControls lp;
  lp.skins = {"ok", "..", "../x", "a\\b"};
  lp.skin_selected = {true, true, true, true};
  EXPECT_EQ(skinFolder(lp, "/g/"), "/g/skins/ok/");
}

}  // namespace
}  // namespace fg::test
