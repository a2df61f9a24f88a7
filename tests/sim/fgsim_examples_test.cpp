// The course author's examples of docs/fgsim.md, run through the fgsim
// program itself when it has been built beside the tests.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "test_paths.h"

namespace {

std::string runFgsim(const std::string& scenario, int* status) {
  std::string cmd = std::string("\"") + fg::test::gameDir() + "fgsim\" run \"" + scenario + "\" 2>&1";
  std::string out;
  FILE* pipe = popen(cmd.c_str(), "r");
  if (pipe == nullptr) return out;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) out.append(buf, n);
  *status = pclose(pipe);
  return out;
}

class FgsimExamples : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(fg::test::gameDir() + "fgsim")) GTEST_SKIP() << "fgsim not built";
  }
  std::string example(const char* name) { return fg::test::testDataDir() + "/../tools/fgsim/examples/" + name; }
};

TEST_F(FgsimExamples, PondPuttSinksAndDropsBack) {
  int status = -1;
  std::string out = runFgsim(example("pond.json"), &status);
  ASSERT_EQ(status, 0) << out;
  EXPECT_NE(out.find("[\"sound\",13],[\"particles\",1,33,"), std::string::npos);
  EXPECT_NE(out.find("[\"effect\",26,"), std::string::npos);
  EXPECT_NE(out.find("\"sequence\":\"water\""), std::string::npos);
  EXPECT_NE(out.find("[\"effect\",1,133,"), std::string::npos);  // dropped in at x 150
  EXPECT_NE(out.find("\"type\":\"final\""), std::string::npos);
}

TEST_F(FgsimExamples, GreenPuttHolesOutOnTheLastHole) {
  int status = -1;
  std::string out = runFgsim(example("green.json"), &status);
  ASSERT_EQ(status, 0) << out;
  EXPECT_NE(out.find("\"sequence\":\"cup\""), std::string::npos);
  EXPECT_NE(out.find("[\"sound\",18]"), std::string::npos);
  EXPECT_NE(out.find("\"finished\":true"), std::string::npos);
  EXPECT_NE(out.find("\"current_hole\":\"done\""), std::string::npos);
}

TEST_F(FgsimExamples, BadScenarioIsAnError) {
  int status = 0;
  std::string out = runFgsim(example("missing.json"), &status);
  EXPECT_NE(status, 0);
  EXPECT_NE(out.find("fgsim: "), std::string::npos);
}

TEST_F(FgsimExamples, MalformedScenariosAreRefused) {
  const std::string dir = std::filesystem::temp_directory_path() / "fg_fgsim_bad";
  std::filesystem::create_directories(dir);
  const char* bad[] = {"{\"hole\": ", "[1,2]", "{\"hole\": \"x\", \"frames\": -1}",
                       "{\"hole\": \"x\", \"initial\": {\"no_such_name\": 1}}",
                       "{\"hole\": \"x\", \"putts\": [{\"angle\": 0}]}",
                       "{\"hole\": \"x\", \"frames\": 1e400}",
                       // "initial" is bounded as the top-level keys are
                       "{\"hole\": \"x\", \"frames\": 3, \"initial\": {\"frame_skip\": 2000000000}}",
                       "{\"hole\": \"x\", \"frames\": 3, \"initial\": {\"holed_area\": 500, \"holed_out\": true}}",
                       "{\"hole\": \"x\", \"initial\": {\"ball_x\": 1e300}}"};
  int i = 0;
  for (const char* text : bad) {
    std::string path = dir + "/bad" + std::to_string(i++) + ".json";
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs(text, f);
    std::fclose(f);
    int status = 0;
    std::string out = runFgsim(path, &status);
    EXPECT_NE(status, 0) << text;
  }
  std::string deep = std::string(100000, '[');
  std::string path = dir + "/deep.json";
  FILE* f = std::fopen(path.c_str(), "wb");
  std::fputs(deep.c_str(), f);
  std::fclose(f);
  int status = 0;
  std::string out = runFgsim(path, &status);
  EXPECT_EQ(WEXITSTATUS(status), 1) << out.substr(0, 200);
  std::filesystem::remove_all(dir);
}

}  // namespace
