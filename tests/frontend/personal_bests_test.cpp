#include "frontend/personal_bests.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "frontend_test_helpers.h"

namespace fg {
namespace {

using test::ScratchDir;

TEST(PersonalBests, KeepsTheFewestStrokesPerPlayerAndSurvivesAReload) {
  ScratchDir dir;
  PersonalBests bests(dir.path());
  EXPECT_EQ(bests.load(), "");  // no file yet is no fault
  EXPECT_TRUE(bests.offer(BestKind::Hole, "Anna", "course1hole1", 3));
  EXPECT_FALSE(bests.offer(BestKind::Hole, "Anna", "course1hole1", 3));
  EXPECT_TRUE(bests.offer(BestKind::Hole, "Anna", "course1hole1", 2));
  EXPECT_TRUE(bests.offer(BestKind::Hole, "Bo\tb %1\n", "course1hole1", 4));
  EXPECT_TRUE(bests.offer(BestKind::Round, "Anna", "course1", 25));
  ASSERT_TRUE(bests.save());

  PersonalBests again(dir.path());
  EXPECT_EQ(again.load(), "");
  EXPECT_EQ(again.best(BestKind::Hole, "Anna", "course1hole1"), 2);
  EXPECT_EQ(again.best(BestKind::Hole, "Bo\tb %1\n", "course1hole1"), 4);
  EXPECT_EQ(again.best(BestKind::Round, "Anna", "course1"), 25);
  EXPECT_EQ(again.best(BestKind::Round, "Anna", "course2"), std::nullopt);
  EXPECT_EQ(again.of("Anna").size(), 2u);
}

struct DamageCase {
  const char* name;
  std::string text;
  size_t keptRecords;
};
class DamagedBests : public ::testing::TestWithParam<DamageCase> {};

// A damaged file is reported and set aside; the records still readable stay,
// and the file is written again clean.
TEST_P(DamagedBests, AreReportedSetAsideAndTheReadableRecordsKept) {
  ScratchDir dir;
  test::writeText(dir / "bests.txt", GetParam().text);
  PersonalBests bests(dir.path());
  EXPECT_NE(bests.load(), "");
  EXPECT_EQ(bests.of("Anna").size(), GetParam().keptRecords);
  EXPECT_TRUE(std::filesystem::exists(dir / "bests.damaged.1.txt"));
  EXPECT_EQ(test::readText(dir / "bests.damaged.1.txt"), GetParam().text);

  PersonalBests again(dir.path());
  EXPECT_EQ(again.load(), "");
  EXPECT_EQ(again.of("Anna").size(), GetParam().keptRecords);
}

const std::string kGood = "fairglade-bests 1\nhole\tAnna\tcourse1hole1\t2\nround\tAnna\tcourse1\t30\n";

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedBests,
    ::testing::Values(DamageCase{"GarbageLine", kGood + "hole\tAnna\tcourse1hole2\tmany\n", 2},
                      DamageCase{"CutOff", kGood + "hole\tAnna\tcourse1hole3\t", 2},
                      DamageCase{"NoHeader", "hole\tAnna\tcourse1hole1\t2\n", 1},
                      DamageCase{"BadEscape", kGood + "hole\tAn%Zna\tcourse1hole4\t3\n", 2},
                      DamageCase{"Binary", std::string("\0\xff\x01junk", 7), 0},
                      DamageCase{"HugeNumber", kGood + "round\tAnna\tcourse2\t99999999999999\n", 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PersonalBests, AnOversizedOrLinkedFileIsSetAsideNotRead) {
  ScratchDir dir;
  test::writeText(dir / "elsewhere.txt", kGood);
  ASSERT_EQ(::symlink((dir / "elsewhere.txt").c_str(), (dir / "bests.txt").c_str()), 0);
  PersonalBests linked(dir.path());
  EXPECT_NE(linked.load(), "");
  EXPECT_TRUE(linked.of("Anna").empty());
  EXPECT_EQ(test::readText(dir / "elsewhere.txt"), kGood);  // the link's target is left alone

  ScratchDir big;
  test::writeText(big / "bests.txt", kGood + std::string(PersonalBests::kMaxFileBytes, '\n'));
  PersonalBests oversized(big.path());
  EXPECT_NE(oversized.load(), "");
  EXPECT_TRUE(std::filesystem::exists(big / "bests.damaged.1.txt"));
}

TEST(PersonalBests, AnOlderDamagedCopyIsNeverOverwritten) {
  ScratchDir dir;
  test::writeText(dir / "bests.damaged.1.txt", "older");
  test::writeText(dir / "bests.txt", "junk\n");
  PersonalBests bests(dir.path());
  EXPECT_NE(bests.load(), "");
  EXPECT_EQ(test::readText(dir / "bests.damaged.1.txt"), "older");
  EXPECT_EQ(test::readText(dir / "bests.damaged.2.txt"), "junk\n");
}

}  // namespace
}  // namespace fg
