// The screenshot key: where the pictures go, and that a press writes the
// picture on screen as a PNG of the display's size without overwriting one.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "frontend/screenshot.h"
#include "frontend/user_folders.h"
#include "launchpad_fixture.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

// Sets environment variables for one test and puts the old values back.
class EnvGuard {
 public:
  void set(const char* name, const std::string* value) {
    const char* old = std::getenv(name);
    saved_.push_back({name, old ? std::optional<std::string>(old) : std::nullopt});
    if (value)
      ::setenv(name, value->c_str(), 1);
    else
      ::unsetenv(name);
  }
  ~EnvGuard() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
      if (it->second)
        ::setenv(it->first, it->second->c_str(), 1);
      else
        ::unsetenv(it->first);
    }
  }

 private:
  std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

struct FolderCase {
  const char* name;
  bool picturesEnv;      // XDG_PICTURES_DIR set to <home>/env-pics
  const char* userDirs;  // line of user-dirs.dirs, or null for no file
  const char* expected;  // below <home>, or absolute
};

class ScreenshotFolder : public ::testing::TestWithParam<FolderCase> {};

TEST_P(ScreenshotFolder, FollowsThePicturesFolderElseTheDataFolder) {
  const FolderCase& c = GetParam();
  test::ScratchDir home;
  EnvGuard env;
  std::string pics = home / "env-pics", config = home / "config", data = home / "data";
  env.set("HOME", &home.path());
  env.set("XDG_PICTURES_DIR", c.picturesEnv ? &pics : nullptr);
  env.set("XDG_CONFIG_HOME", &config);
  env.set("XDG_DATA_HOME", &data);
  if (c.userDirs) test::writeText(config + "/user-dirs.dirs", std::string("# made by the desktop\n") + c.userDirs + "\n");
  EXPECT_EQ(screenshotFolder(), c.expected[0] == '/' ? std::string(c.expected) : home / c.expected);
  EXPECT_EQ(dataFolder(), home / "data/fairglade");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScreenshotFolder,
    ::testing::Values(FolderCase{"environment", true, "XDG_PICTURES_DIR=\"$HOME/Bilder\"", "env-pics/Fairglade"},
                      FolderCase{"user_dirs", false, "XDG_PICTURES_DIR=\"$HOME/Bilder\"", "Bilder/Fairglade"},
                      FolderCase{"user_dirs_absolute", false, "XDG_PICTURES_DIR=\"/nonexistent/P\"",
                                 "/nonexistent/P/Fairglade"},
                      FolderCase{"home_itself_means_none", false, "XDG_PICTURES_DIR=\"$HOME/\"", "data/fairglade"},
                      FolderCase{"no_list", false, nullptr, "data/fairglade"}),
    [](const auto& info) { return std::string(info.param.name); });

class ScreenshotKey : public test::LaunchpadFixture {};

TEST_F(ScreenshotKey, F12WritesThePictureWithoutOverwriting) {
  test::ScratchDir pics;
  EnvGuard env;
  env.set("XDG_PICTURES_DIR", &pics.path());
  Tlaunchpad& pad = make();
  pad.controls.skipintro = true;
  pad.show();
  runFor(100);
  platform.pushKey(vk::F12);
  platform.pushKey(vk::F12);
  app.pumpMessages();

  std::vector<fs::path> files;
  for (auto& e : fs::directory_iterator(pics / "Fairglade")) files.push_back(e.path());
  ASSERT_EQ(files.size(), 2u) << "a second shot in the same second keeps the first";
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files[0].extension(), ".png");
  EXPECT_EQ(files[0].filename().string().rfind("fairglade-", 0), 0u);
  std::string png = test::readText(files[0].string());
  ASSERT_GT(png.size(), 24u);
  EXPECT_EQ(png.substr(1, 3), "PNG");
  // IHDR: width and height, big-endian, at bytes 16 and 20.
  auto be32 = [&](size_t at) {
    return (static_cast<uint8_t>(png[at]) << 24) | (static_cast<uint8_t>(png[at + 1]) << 16) |
           (static_cast<uint8_t>(png[at + 2]) << 8) | static_cast<uint8_t>(png[at + 3]);
  };
  EXPECT_EQ(be32(16), 640);
  EXPECT_EQ(be32(20), 480);
  EXPECT_NE(pad.controls.status.find(pics / "Fairglade"), std::string::npos) << pad.controls.status;
}

TEST(ScreenshotName, DateAndTime) {
  std::tm t{};
  t.tm_year = 126;
  t.tm_mon = 11;
  t.tm_mday = 8;
  t.tm_hour = 7;
  t.tm_min = 5;
  t.tm_sec = 9;
  EXPECT_EQ(screenshotName(t), "fairglade-20261208-070509.png");
}

}  // namespace
}  // namespace fg
