// The Practice tab: choosing a hole shows its picture and par, "Play Hole"
// hands the window over for that hole, and the launch window comes back.
#include <gtest/gtest.h>

#include "launchpad_fixture.h"

namespace fg {
namespace {

class PracticeTab : public test::LaunchpadFixture {};

TEST_F(PracticeTab, PlaysTheChosenHoleAndComesBack) {
  Tlaunchpad& pad = make();
  pad.controls.skipintro = true;
  pad.controls.practice_holes = {"course1hole1", "course1hole2"};
  pad.controls.practice_rows = {"Course 1 - Hole 1", "Course 1 - Hole 2"};
  pad.holePreview = [](const std::string& hole) {
    Picture p;
    p.width = p.height = 1;
    p.rgb = {static_cast<uint8_t>(hole.back()), 0, 0};
    return p;
  };
  pad.holeInfo = [](const std::string& hole) { return "Par of " + hole; };
  std::vector<std::string> played;
  pad.runPractice = [&](const std::string& hole) {
    EXPECT_FALSE(pad.visible());
    played.push_back(hole);
  };
  pad.show();
  runFor(100);
  clickOn(ControlId::tab_practice);
  runFor(50);
  // The first hole is chosen to begin with; a press on a row chooses another.
  EXPECT_EQ(pad.controls.practice_info, "Par of course1hole1");
  clickOn(ControlId::practice_list, -controlOf(ControlId::practice_list).rect.height() / 2 + 13 + 6);
  runFor(50);
  EXPECT_EQ(pad.controls.practice_info, "Par of course1hole2");
  EXPECT_EQ(pad.controls.practice_preview.rgb[0], '2');
  clickOn(ControlId::practice_play);
  runFor(50);
  EXPECT_EQ(played, std::vector<std::string>{"course1hole2"});
  EXPECT_TRUE(pad.visible());
  EXPECT_TRUE(pad.controls.practice_visible);
}

}  // namespace
}  // namespace fg
