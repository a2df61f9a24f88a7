// Where the game's picture lands on screens and windows of other sizes.
#include "platform/display_fit.h"
#include "sdl_fixture.h"

namespace fg {
namespace {

struct FitCase {
  const char* label;
  int screenW, screenH, modeW, modeH;
  bool sharp;
  Rect expected;
};

class DisplayFit : public test::SdlFixture, public ::testing::WithParamInterface<FitCase> {};

// The rectangle itself, and the same through the platform: a window of the
// screen's size showing a back buffer of the mode's.
TEST_P(DisplayFit, FillsAsMuchAsTheAspectAllows) {
  const FitCase& c = GetParam();
  EXPECT_EQ(fitPicture(c.screenW, c.screenH, c.modeW, c.modeH, c.sharp), c.expected);
  platform->setSharpPixels(c.sharp);
  ASSERT_TRUE(platform->openDisplay(c.modeW, c.modeH));
  SDL_SetWindowSize(platform->window(), c.screenW, c.screenH);
  SDL_PumpEvents();
  int outW = 0, outH = 0;
  SDL_GetRendererOutputSize(platform->renderer(), &outW, &outH);
  if (outW != c.screenW || outH != c.screenH) GTEST_SKIP() << "this video driver does not resize windows";
  platform->present(Surface(c.modeW, c.modeH, PixelFormat::Rgb565));
  SDL_Rect vp = platform->viewport();
  EXPECT_EQ((Rect{vp.x, vp.y, vp.x + vp.w, vp.y + vp.h}), c.expected);
}

Rect at(int x, int y, int w, int h) { return Rect{x, y, x + w, y + h}; }

INSTANTIATE_TEST_SUITE_P(
    Screens, DisplayFit,
    ::testing::Values(
        FitCase{"Same", 640, 480, 640, 480, false, at(0, 0, 640, 480)},
        FitCase{"Doubled", 1280, 1024, 640, 480, false, at(0, 32, 1280, 960)},
        // The larger mode must not come out smaller than the smaller one.
        FitCase{"LargerModeFillsToo", 1280, 1024, 800, 600, false, at(0, 32, 1280, 960)},
        FitCase{"SharpKeepsWholeNumbers", 1280, 1024, 800, 600, true, at(240, 212, 800, 600)},
        FitCase{"SharpDoubles", 1280, 1024, 640, 480, true, at(0, 32, 1280, 960)},
        FitCase{"Wide", 1920, 1080, 1024, 768, false, at(240, 0, 1440, 1080)},
        FitCase{"SharpWide", 1920, 1080, 640, 480, true, at(320, 60, 1280, 960)},
        FitCase{"Tall", 768, 1024, 800, 600, false, at(0, 224, 768, 576)},
        FitCase{"SmallerScreenShrinks", 800, 600, 1024, 768, true, at(0, 0, 800, 600)}),
    [](const auto& info) { return std::string(info.param.label); });

}  // namespace
}  // namespace fg
