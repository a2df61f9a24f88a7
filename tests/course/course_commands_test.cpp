// What fgsim's course commands say, run through the program itself.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "course_list.h"
#include "test_paths.h"

namespace {

struct CommandCase {
  const char* name;
  std::string args;
  int exit_code;
  const char* says;
};

class FgsimCourseCommand : public ::testing::TestWithParam<CommandCase> {};

TEST_P(FgsimCourseCommand, Says) {
  const std::string fgsim = fg::test::gameDir() + "fgsim";
  if (!std::filesystem::exists(fgsim)) GTEST_SKIP() << "fgsim not built";
  FILE* pipe = popen(("\"" + fgsim + "\" " + GetParam().args + " 2>&1").c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string out;
  char buf[4096];
  for (size_t n; (n = fread(buf, 1, sizeof buf, pipe)) > 0;) out.append(buf, n);
  const int status = pclose(pipe);
  EXPECT_EQ(WEXITSTATUS(status), GetParam().exit_code) << out;
  EXPECT_NE(out.find(GetParam().says), std::string::npos) << out;
}

INSTANTIATE_TEST_SUITE_P(
    Commands, FgsimCourseCommand,
    ::testing::Values(
        CommandCase{"MissingHoleIsNamed", "solve nosuchhole", 1, "no hole \"nosuchhole\""},
        CommandCase{"MissingHoleFileIsNamed", "solve /nonexistent/course1hole4.hole", 1,
                    "/nonexistent/course1hole4.hole not found"},
        CommandCase{"HoleByPath", "solve " + fg::test::gameDir() + "course1hole4.hole", 0, "solved in "},
        CommandCase{"BonusStrokeIsExplained", "solve course1hole1", 0, "less 1 bonus stroke"},
        CommandCase{"UnknownSkill", "play course1hole4 --skill pro", 1, "unknown skill \"pro\""},
        CommandCase{"PlayerModel", "play course1hole4 --skill good --rounds 2", 0, "good    mean "}),
    [](const ::testing::TestParamInfo<CommandCase>& i) { return std::string(i.param.name); });

}  // namespace
