// Running the generator again gives the same bytes as the build's run.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "content_test_helpers.h"
#include "media/file_io.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

TEST(Regeneration, SameBytesEveryRun) {
  // A folder of this run's own, so two test runs never share one.
  const fs::path out = fs::temp_directory_path() / ("fg_content_rerun_" + std::to_string(getpid()));
  fs::remove_all(out);
  const std::string cmd = "\"" + content_test::gameFile("fgcontent") + "\" \"" + content_test::recipeDir() +
                          "\" \"" + out.string() + "\" > /dev/null";
  ASSERT_EQ(std::system(cmd.c_str()), 0);
  int compared = 0;
  for (const auto& f : fs::recursive_directory_iterator(out)) {
    if (!f.is_regular_file()) continue;
    const std::string rel = fs::relative(f.path(), out).string();
    EXPECT_TRUE(readWholeFile(f.path().string(), kArchiveFileLimit) ==
                readWholeFile(content_test::gameFile(rel), kArchiveFileLimit))
        << rel;
    ++compared;
  }
  EXPECT_GE(compared, 7 + 6 + 2 * 9);
  fs::remove_all(out);
}

}  // namespace
}  // namespace fg
