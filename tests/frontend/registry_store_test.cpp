#include "frontend/registry_store.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "frontend_test_helpers.h"
#include "media/error.h"

namespace fg {
namespace {

using test::ScratchDir;
namespace fs = std::filesystem;

const char* kKey = "Software/Brackwater/Fairglade Beta 3";

std::string valueFile(const ScratchDir& d, const std::string& name) {
  return d / (std::string(kKey) + "/" + name + "/" + name);
}

std::string errorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const GameError& e) {
    return e.what();
  }
  return "";
}

TEST(RegistryStore, WritesOneSubkeyAndValuePerSettingAndReadsThemBack) {
  ScratchDir dir;
  RegistryStore store(dir.path());
  store.open();
  store.writeInteger("FrameSkip", -7);
  store.writeBoolean("SkipIntro", true);
  EXPECT_EQ(test::readText(valueFile(dir, "FrameSkip")), "dword:-7\n");
  EXPECT_EQ(store.readInteger("FrameSkip"), -7);
  EXPECT_TRUE(store.readBoolean("SkipIntro"));
  // Nothing but the value itself is left in the subkey (no temporary files).
  int entries = 0;
  for ([[maybe_unused]] auto& e : fs::directory_iterator(dir / (std::string(kKey) + "/FrameSkip"))) ++entries;
  EXPECT_EQ(entries, 1);
}

// "--settings out/settings" means that folder under the one the program was
// started in, even after the current folder changes.
TEST(RegistryStore, RelativeRootIsTakenFromTheStartingFolder) {
  ScratchDir dir, elsewhere;
  fs::path before = fs::current_path();
  fs::current_path(dir.path());
  RegistryStore store("out/settings");
  fs::current_path(elsewhere.path());
  store.open();
  store.writeInteger("RunOnce", 1);
  EXPECT_EQ(store.readInteger("RunOnce"), 1);
  fs::current_path(before);
  EXPECT_TRUE(fs::exists(dir / ("out/settings/" + std::string(kKey) + "/RunOnce/RunOnce")));
}

TEST(RegistryStore, MissingSubkeyReadsAsZero) {
  ScratchDir dir;
  RegistryStore store(dir.path());
  store.open();
  EXPECT_EQ(store.readInteger("RunOnce"), 0);
  EXPECT_FALSE(store.readBoolean("bgsounds"));
}

TEST(RegistryStore, ClosedStoreRefusesReadsAndIgnoresWrites) {
  ScratchDir dir;
  RegistryStore store(dir.path());
  EXPECT_EQ(errorOf([&] { store.readInteger("RunOnce"); }), "Registry not opened");
  store.writeInteger("RunOnce", 1);
  EXPECT_FALSE(fs::exists(valueFile(dir, "RunOnce")));
}

TEST(RegistryStore, RootThatIsNotAFolderLeavesTheStoreClosed) {
  ScratchDir dir;
  test::writeText(dir / "notafolder", "x");
  RegistryStore store(dir / "notafolder");
  store.open();
  EXPECT_FALSE(store.opened());
  EXPECT_EQ(errorOf([&] { store.readBoolean("RunOnce"); }), "Registry not opened");
}

struct StoredCase {
  const char* label;
  const char* content;    // null: the subkey exists without its value
  const char* expected;   // error message, or null when the value reads fine
  int32_t value;
};

class StoredValue : public ::testing::TestWithParam<StoredCase> {};

TEST_P(StoredValue, IsCheckedBeforeUse) {
  const StoredCase& c = GetParam();
  ScratchDir dir;
  fs::create_directories(dir / (std::string(kKey) + "/FrameSkip"));
  if (c.content) test::writeText(valueFile(dir, "FrameSkip"), c.content);
  RegistryStore store(dir.path());
  store.open();
  if (c.expected) {
    EXPECT_EQ(errorOf([&] { store.readInteger("FrameSkip"); }),
              formatMessage(c.expected, "FrameSkip"));
  } else {
    EXPECT_EQ(store.readInteger("FrameSkip"), c.value);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Contents, StoredValue,
    ::testing::Values(
        StoredCase{"Plain", "dword:50\n", nullptr, 50},
        StoredCase{"Negative", "dword:-2147483648", nullptr, INT32_MIN},
        StoredCase{"NoValue", nullptr, "Failed to get data for '%s'", 0},
        StoredCase{"Empty", "", "Failed to get data for '%s'", 0},
        StoredCase{"StringValue", "sz:hello", "Invalid data type for '%s'", 0},
        StoredCase{"BinaryValue", "binary:00ff", "Invalid data type for '%s'", 0},
        StoredCase{"NoTag", "50", "Failed to get data for '%s'", 0},
        StoredCase{"NotANumber", "dword:fifty", "Failed to get data for '%s'", 0},
        StoredCase{"TooLarge", "dword:4294967296", "Failed to get data for '%s'", 0},
        StoredCase{"TrailingJunk", "dword:5x", "Failed to get data for '%s'", 0},
        StoredCase{"Huge", "dword:1                                                                    ",
                   "Failed to get data for '%s'", 0}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(RegistryStore, ValueThatIsAFolderFailsToRead) {
  ScratchDir dir;
  fs::create_directories(valueFile(dir, "PushPutt"));
  RegistryStore store(dir.path());
  store.open();
  EXPECT_EQ(errorOf([&] { store.readBoolean("PushPutt"); }), "Failed to get data for 'PushPutt'");
}

TEST(RegistryStore, NamesCannotLeaveTheKeyFolder) {
  ScratchDir dir;
  RegistryStore store(dir.path());
  store.open();
  EXPECT_EQ(errorOf([&] { store.writeInteger("../../evil", 1); }), "Failed to set data for '../../evil'");
  EXPECT_EQ(errorOf([&] { store.readInteger(".."); }), "Failed to get data for '..'");
  EXPECT_FALSE(fs::exists(dir / "Software/evil"));
}

TEST(RegistryStore, FileInPlaceOfTheSubkeyFailsTheWriteAndStaysAsItWas) {
  ScratchDir dir;
  test::writeText(dir / (std::string(kKey) + "/screen800"), "keep me");
  RegistryStore store(dir.path());
  store.open();
  EXPECT_EQ(errorOf([&] { store.writeBoolean("screen800", true); }), "Failed to set data for 'screen800'");
  EXPECT_EQ(test::readText(dir / (std::string(kKey) + "/screen800")), "keep me");
}

TEST(RegistryStore, ALinkAtAValueIsReplacedNotWrittenThrough) {
  ScratchDir dir;
  test::writeText(dir / "victim", "keep me");
  fs::create_directories(dir / (std::string(kKey) + "/FrameSkip"));
  fs::create_symlink(dir / "victim", valueFile(dir, "FrameSkip"));
  RegistryStore store(dir.path());
  store.open();
  store.writeInteger("FrameSkip", 50);
  EXPECT_EQ(test::readText(dir / "victim"), "keep me");
  EXPECT_EQ(store.readInteger("FrameSkip"), 50);
}

TEST(RegistryStore, FullDiskKeepsTheOldValue) {
  ScratchDir dir;
  RegistryStore store(dir.path());
  store.open();
  store.writeInteger("FrameSkip", 50);
  // A file size limit of 4 bytes makes every longer write fail like a full disk.
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit tiny = old;
  tiny.rlim_cur = 4;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
  std::string err = errorOf([&] { store.writeInteger("FrameSkip", 100); });
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_EQ(err, "Failed to set data for 'FrameSkip'");
  EXPECT_EQ(store.readInteger("FrameSkip"), 50);
  int entries = 0;
  for ([[maybe_unused]] auto& e : fs::directory_iterator(dir / (std::string(kKey) + "/FrameSkip"))) ++entries;
  EXPECT_EQ(entries, 1) << "the temporary file is cleaned up";
}

TEST(RegistryStore, SettingsFolderFollowsXdgConfigHome) {
  std::string saved = getenv("XDG_CONFIG_HOME") ? getenv("XDG_CONFIG_HOME") : "";
  std::string savedHome = getenv("HOME") ? getenv("HOME") : "";
  setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
  EXPECT_EQ(settingsFolder(), "/tmp/cfg/Software/Brackwater/Fairglade Beta 3");
  setenv("XDG_CONFIG_HOME", "relative/path", 1);
  setenv("HOME", "/home/someone", 1);
  EXPECT_EQ(settingsFolder(), "/home/someone/.config/Software/Brackwater/Fairglade Beta 3");
  if (saved.empty()) {
    unsetenv("XDG_CONFIG_HOME");
  } else {
    setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
  }
  setenv("HOME", savedHome.c_str(), 1);
}

}  // namespace
}  // namespace fg
