// The launch window's controls in headless screenshots: each tab's picture
// shows every visible control where the control table puts it, drawn over
// the window's own picture and nowhere else.
#include <gtest/gtest.h>

#include <filesystem>
#include <utility>
#include <vector>

#include "launchpad_fixture.h"
#include "media/pixel_format.h"

namespace fg {
namespace {

using test::LaunchpadFixture;
namespace fs = std::filesystem;

constexpr uint32_t kGreen = 0x008000;  // (0, 128, 0) keeps its value in 16 bits

struct TabCase {
  const char* name;
  ControlId tab;
};

class LaunchpadShotTest : public LaunchpadFixture, public ::testing::WithParamInterface<TabCase> {
 protected:
  void showSkipped() {
    RegistryStore s(settings.path());
    s.open();
    for (const char* n : {"RunOnce", "SkipIntro", "PullPutt", "screen640", "bgsounds"}) s.writeInteger(n, 1);
    s.writeInteger("FrameSkip", 75);
    make().show();
  }
  // Takes a screenshot of the next presented frame into the shot folder.
  fs::path shoot(const std::string& file) {
    platform.setShotFolder(shots.path());
    ScriptStep step;
    step.byFrame = true;
    step.when = platform.frames() + 1;
    step.kind = ScriptStep::Kind::Shot;
    step.shotName = file;
    platform.setScript({step});
    runFor(100);
    return fs::path(shots.path()) / file;
  }
  // Pixels in `r` the controls drew: their lime and green, and the smoothed
  // edges of lime text over the picture.
  int controlPixels(const Rect& r) const {
    const Surface& shot = platform.lastFrame();
    const Surface& back = pad->DXinterface.surface();
    int n = 0;
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, shot.height); ++y) {
      for (int x = std::max(r.left, 0); x < std::min(r.right, shot.width); ++x) {
        if (shot.at(x, y) == back.at(x, y)) continue;
        uint32_t c = pixelToColor(shot.at(x, y), shot.format);
        int red = c & 0xFF, green = (c >> 8) & 0xFF, blue = c >> 16;
        n += green >= 96 && green > red + 64 && green > blue + 64;
      }
    }
    return n;
  }
  // The visible controls of a tab neither cover each other nor lie across
  // a group box's edge: each is wholly inside a box or wholly outside it.
  void expectNoneLiesAcrossAnother() const {
    auto meets = [](const Rect& a, const Rect& b) {
      return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
    };
    auto inside = [](const Rect& a, const Rect& box) {
      return a.left >= box.left && a.right <= box.right && a.top >= box.top && a.bottom <= box.bottom;
    };
    std::vector<const Control*> shown;
    for (const Control& c : launchpadControlTable())
      if (c.id != ControlId::hor_logo && c.kind != ControlKind::Panel && c.kind != ControlKind::TabStrip &&
          controlVisible(c, pad->controls))
        shown.push_back(&c);
    for (size_t i = 0; i < shown.size(); ++i) {
      for (size_t j = i + 1; j < shown.size(); ++j) {
        const Control *a = shown[i], *b = shown[j];
        if (a->kind == ControlKind::GroupBox) std::swap(a, b);
        const bool ok = !meets(a->rect, b->rect) ||
                        (b->kind == ControlKind::GroupBox && a->kind != ControlKind::GroupBox && inside(a->rect, b->rect));
        EXPECT_TRUE(ok) << a->name << " lies across " << b->name;
      }
    }
  }

  test::ScratchDir shots;
};

TEST_P(LaunchpadShotTest, EveryVisibleControlIsDrawnInItsPlace) {
  showSkipped();
  clickOn(GetParam().tab);
  fs::path file = shoot(std::string(GetParam().name) + ".png");
  ASSERT_TRUE(fs::exists(file));
  EXPECT_GT(fs::file_size(file), 0u);
  const Surface& shot = platform.lastFrame();
  const Surface& back = pad->DXinterface.surface();
  ASSERT_EQ(shot.width, back.width);
  ASSERT_EQ(shot.height, back.height);
  int shown = 0;
  for (const Control& c : launchpadControlTable()) {
    if (c.id == ControlId::hor_logo || !controlVisible(c, pad->controls)) continue;
    if (c.id == ControlId::Label3 && pad->controls.label3.empty()) continue;  // no text, nothing to see
    if (c.id == ControlId::bests && pad->controls.bests_text.empty()) continue;
    ++shown;
    EXPECT_GT(controlPixels(c.rect), 0) << c.name << " (" << static_cast<int>(c.id) << ") is not drawn";
  }
  EXPECT_GT(shown, 5);
  expectNoneLiesAcrossAnother();
  // Below the tab strip the picture is the window's own.
  const int below = controlOf(ControlId::menutab).rect.bottom + 1;
  for (int y = below; y < shot.height; ++y) {
    for (int x = 0; x < shot.width; ++x) ASSERT_EQ(shot.at(x, y), back.at(x, y)) << x << "," << y;
  }
}

INSTANTIATE_TEST_SUITE_P(Tabs, LaunchpadShotTest,
                         ::testing::Values(TabCase{"game", ControlId::tab_game},
                                           TabCase{"training", ControlId::tab_training},
                                           TabCase{"setup", ControlId::tab_setup},
                                           TabCase{"exit", ControlId::tab_exit},
                                           TabCase{"practice", ControlId::tab_practice}),
                         [](const auto& info) { return std::string(info.param.name); });

// The selected tab is drawn black with lime text, the others filled green:
// switching tabs changes the picture, and the same state draws the same one.
TEST_F(LaunchpadShotTest, TabsChangeThePictureAndRepeatIt) {
  showSkipped();
  runFor(100);
  const Surface game = platform.lastFrame();
  runFor(100);
  EXPECT_EQ(platform.lastFrame().pixels, game.pixels);
  clickOn(ControlId::tab_setup);
  runFor(100);
  EXPECT_NE(platform.lastFrame().pixels, game.pixels);
  const Rect tab = controlOf(ControlId::tab_setup).rect;
  const Surface& shot = platform.lastFrame();
  // Inside the selected tab's border: black.
  EXPECT_EQ(pixelToColor(shot.at(tab.left + 2, tab.top + 2), shot.format), 0u);
  const Rect other = controlOf(ControlId::tab_game).rect;
  EXPECT_EQ(pixelToColor(shot.at(other.left + 2, other.top + 2), shot.format), kGreen);
}

}  // namespace
}  // namespace fg
