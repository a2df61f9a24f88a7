// The Practice tab: every row has its thumbnail, made once; choosing a hole
// shows its picture and par, "Play Hole" hands the window over for that hole,
// and the launch window comes back.
#include <gtest/gtest.h>

#include <algorithm>

#include "launchpad_fixture.h"

namespace fg {
namespace {

class PracticeTab : public test::LaunchpadFixture {};

TEST_F(PracticeTab, PlaysTheChosenHoleAndComesBack) {
  Tlaunchpad& pad = make();
  pad.controls.skipintro = true;
  pad.controls.practice_holes = {"course1hole1", "course1hole2"};
  pad.controls.practice_rows = {"Course 1 - Hole 1", "Course 1 - Hole 2"};
  int previews = 0;
  pad.holePreview = [&previews](const std::string& hole, int w, int h) {
    ++previews;
    Picture p;
    p.width = w;
    p.height = h;
    p.rgb.assign(static_cast<size_t>(w) * h * 3, 0);
    p.rgb[0] = static_cast<uint8_t>(hole.back());
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
  // The first hole is chosen to begin with; each row hands the platform its
  // own thumbnail.
  EXPECT_EQ(pad.controls.practice_info, "Par of course1hole1");
  const UiScene scene = pad.uiScene();
  auto list = std::find_if(scene.controls.begin(), scene.controls.end(),
                           [](const UiControl& u) { return u.id == static_cast<int>(ControlId::practice_list); });
  ASSERT_NE(list, scene.controls.end());
  ASSERT_TRUE(list->rowPictures);
  ASSERT_EQ(list->rowPictures->size(), 2u);
  EXPECT_EQ((*list->rowPictures)[1].width, kThumbnailWidth);
  EXPECT_EQ((*list->rowPictures)[1].rgb[0], '2');
  EXPECT_EQ(list->rowHeight, kPracticeRowHeight);
  // A press on the second row, as tall as its thumbnail, chooses it.
  clickOn(ControlId::practice_list, -controlOf(ControlId::practice_list).rect.height() / 2 + kPracticeRowHeight + 6);
  runFor(50);
  EXPECT_EQ(pad.controls.practice_info, "Par of course1hole2");
  EXPECT_EQ(pad.controls.practice_preview.width, controlOf(ControlId::practice_preview).rect.width());
  EXPECT_EQ(pad.controls.practice_preview.rgb[0], '2');
  clickOn(ControlId::practice_play);
  runFor(50);
  EXPECT_EQ(played, std::vector<std::string>{"course1hole2"});
  EXPECT_TRUE(pad.visible());
  EXPECT_TRUE(pad.controls.practice_visible);
  // Thumbnails were made once (two); the chosen hole's picture at each
  // showing of the tab and each choice (three).
  clickOn(ControlId::tab_game);
  runFor(50);
  clickOn(ControlId::tab_practice);
  runFor(50);
  EXPECT_EQ(previews, 2 + 3);
}

}  // namespace
}  // namespace fg
