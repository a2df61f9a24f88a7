// Reads of outside files and writes of our own: a planted link, a pipe, a
// device or an endless file must neither redirect a write nor stall a read.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>

#include "media/error.h"
#include "media/file_io.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

class FileIo : public testing::Test {
 protected:
  fs::path dir;
  void SetUp() override {
    dir = fs::temp_directory_path() / ("fg_file_io_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "outside");
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string at(const std::string& name) const { return (dir / name).string(); }
};

TEST_F(FileIo, WriteReplacesLinksAtTheNameAndItsTemporaryInsteadOfFollowingThem) {
  writeFileAtomically(at("outside/victim"), std::string_view("kept"));
  for (const char* name : {"out.bin", "out.bin.tmp", "out.bin.part"})
    fs::create_symlink(dir / "outside/victim", dir / name);
  writeFileAtomically(at("out.bin"), std::string_view("new"));
  EXPECT_EQ(readTextFile(at("outside/victim"), 100), "kept");
  EXPECT_FALSE(fs::is_symlink(dir / "out.bin"));
  EXPECT_EQ(readTextFile(at("out.bin"), 100), "new");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 4) << "no temporary left";
}

struct OddFile {
  const char* name;
  std::function<std::string(const fs::path&)> make;  // returns the path to read
  friend void PrintTo(const OddFile& f, std::ostream* os) { *os << f.name; }
};

class OddFileRead : public FileIo, public testing::WithParamInterface<OddFile> {};

TEST_P(OddFileRead, FailsAtOnceWithTheFileName) {
  const std::string path = GetParam().make(dir);
  try {
    readWholeFile(path, 1000);
    FAIL() << "read " << path;
  } catch (const GameError& e) {
    EXPECT_NE(std::string(e.what()).find("Cannot open file \"" + path + "\""), std::string::npos) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, OddFileRead,
    testing::Values(
        OddFile{"Pipe", [](const fs::path& d) {
                  ::mkfifo((d / "pipe").c_str(), 0600);
                  return (d / "pipe").string();
                }},
        OddFile{"EndlessDevice", [](const fs::path&) { return std::string("/dev/zero"); }},
        OddFile{"LinkToADevice", [](const fs::path& d) {
                  fs::create_symlink("/dev/zero", d / "tex.bmp");
                  return (d / "tex.bmp").string();
                }},
        OddFile{"Folder", [](const fs::path& d) { return (d / "outside").string(); }},
        OddFile{"LongerThanItsKind", [](const fs::path& d) {
                  writeFileAtomically((d / "big").string(), std::string(1001, 'x'));
                  return (d / "big").string();
                }},
        OddFile{"Missing", [](const fs::path& d) { return (d / "none").string(); }}),
    [](const testing::TestParamInfo<OddFile>& i) { return std::string(i.param.name); });

}  // namespace
}  // namespace fg
