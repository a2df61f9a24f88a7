#pragma once
// Small synthetic pictures and lists for the drawing tests: made here with
// the archive writer, never taken from the game's content.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "media/archive_writer.h"
#include "media/image_list.h"
#include "media/pixel_format.h"
#include "media/surface.h"
#include "state/game_state.h"
#include "sim/sim_host.h"

namespace fg::test {

constexpr PixelFormat kFormat = PixelFormat::Rgb565;

// A picture whose every pixel has the colour returned for (x, y) as 0xRRGGBB.
Picture makePicture(int w, int h, const std::function<uint32_t(int, int)>& colour);
Picture solidPicture(int w, int h, uint32_t rgb);

ImageItemDesc itemDesc(Picture p, int32_t patternW = 0, int32_t patternH = 0, bool transparent = true);
// Writes the items into an archive, loads it into `list` and uploads it as a
// display start would.
void loadList(ImageList& list, const std::vector<ImageItemDesc>& items);

uint16_t pixelOf(uint32_t rgb);  // 0xRRGGBB as a back-buffer pixel
Surface blankSurface(int w, int h, uint32_t rgb = 0);

// Number of pixels that differ between two surfaces of the same size.
int differingPixels(const Surface& a, const Surface& b);
// Pixels inside the rectangle that are not `value`.
int pixelsNot(const Surface& s, int left, int top, int right, int bottom, uint16_t value);

// Golden pictures in tests/golden: compared pixel for pixel. With
// FG_UPDATE_GOLDEN set in the environment a missing or different file is
// written instead.
::testing::AssertionResult matchesGolden(const Surface& s, const std::string& name);

// A host that records what the sequences ask of the game window.
class FakeHost : public SimHost {
 public:
  std::vector<int32_t> played, restarted;
  int holeInits = 0;
  std::function<void(GameState&)> onHoleInit;
  void playSound(int32_t item) override { played.push_back(item); }
  void restartSound(int32_t item) override { restarted.push_back(item); }
  void playBgSound(int32_t, bool) override {}
  void centreCursor() override {}
  void HoleInit(GameState& gs) override {
    ++holeInits;
    if (onHoleInit) onHoleInit(gs);
  }
  int32_t surfaceWidth() const override { return 640; }
  int32_t surfaceHeight() const override { return 480; }
};

}  // namespace fg::test
