#include "shell/hole_catalogue.h"

#include <gtest/gtest.h>

#include "shell/game_folder_helpers.h"

namespace fg {
namespace {

TEST(HoleCatalogue, ListsEveryHoleInCourseOrderWithItsParAndPicture) {
  const std::string dir = testing::makeGameFolder(
      ::testing::TempDir() + "/fg_catalogue",
      {{"training2", "[course]\npar=2\n"}, {"course10hole1", "[course]\npar=4\n"}, {"course2hole10", "[course]\npar=5\n"},
       {"course2hole9", "[course]\npar=3\n"}, {"course1hole1", "[course]\npar=3\n"}, {"nohole", ""}});
  std::vector<std::string> names;
  for (const CatalogueHole& h : findHoles(dir)) names.push_back(h.name + " " + std::to_string(h.par));
  EXPECT_EQ(names, (std::vector<std::string>{"course1hole1 3", "course2hole9 3", "course2hole10 5", "course10hole1 4",
                                             "training2 2"}));
  EXPECT_EQ(holeTitle(findHoles(dir)[2]), "Course 2 - Hole 10");
  Picture p = holePreview(dir, "course2hole9", 40, 30);
  EXPECT_EQ(p.width, 40);
  EXPECT_EQ(p.rgb.size(), 40u * 30u * 3u);
  EXPECT_TRUE(holePreview(dir, "missing", 40, 30).empty());
}

TEST(HoleCatalogue, BestsSummaryPerCourseInHoleOrder) {
  PersonalBests bests(::testing::TempDir() + "/fg_catalogue_bests");
  bests.offer(BestKind::Hole, "Anna", "course1hole2", 2);
  bests.offer(BestKind::Round, "Anna", "course1", 20);
  bests.offer(BestKind::Hole, "Bo", "course1hole1", 1);
  std::vector<CatalogueHole> holes{{"course1hole1", "course1", 1, 3}, {"course1hole2", "course1", 2, 3},
                                   {"course2hole1", "course2", 1, 3}, {"training1", "training", 1, 3}};
  EXPECT_EQ(bestsSummary(bests, "Anna", holes), "Course 1 best: 20  holes - 2\nCourse 2 best: -  holes -");
}

}  // namespace
}  // namespace fg
