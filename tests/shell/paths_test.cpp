// Where the game looks for its files: beside the program in the build folder,
// or in share/fairglade/ beside bin/ once installed; never elsewhere.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "shell/paths.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

struct LayoutCase {
  const char* name;
  bool beside;     // gui.dxg beside the program
  bool shared;     // gui.dxg in ../share/fairglade
  bool expectShared;
};

class GameFolder : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(GameFolder, BesideTheProgramElseItsShareFolder) {
  const LayoutCase& c = GetParam();
  fs::path root = fs::temp_directory_path() / ("fg_paths_" + std::string(c.name));
  fs::remove_all(root);
  fs::create_directories(root / "bin");
  fs::create_directories(root / "share/fairglade");
  if (c.beside) std::ofstream(root / "bin/gui.dxg") << "x";
  if (c.shared) std::ofstream(root / "share/fairglade/gui.dxg") << "x";
  const std::string bin = (root / "bin").string() + "/";
  const std::string expected = c.expectShared ? (fs::canonical(root) / "share/fairglade").string() + "/" : bin;
  EXPECT_EQ(gameFolderFor(bin), expected);
  fs::remove_all(root);
}

INSTANTIATE_TEST_SUITE_P(Cases, GameFolder,
                         ::testing::Values(LayoutCase{"build_folder", true, false, false},
                                           LayoutCase{"installed", false, true, true},
                                           LayoutCase{"both_beside_wins", true, true, false},
                                           LayoutCase{"neither_stays_beside", false, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace fg
