// gui.dxg against the places the HUD, the putting code and the ball renderer
// draw its pictures.
#include <gtest/gtest.h>

#include "case_name.h"
#include "content_test_helpers.h"
#include "media/pixel_format.h"

namespace fg {
namespace {

using content_test::covered;
using content_test::gameFile;
using content_test::inkOf;

class GuiArchive : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    list_ = new ImageList;
    list_->loadFromFile(gameFile("gui.dxg"));
    list_->displayInitialized(PixelFormat::Rgb565);
  }
  static void TearDownTestSuite() { delete list_; }
  static const PictureItem& item(int i) { return list_->item(i); }
  static ImageList* list_;
};
ImageList* GuiArchive::list_ = nullptr;

TEST_F(GuiArchive, HasAllEighteenItems) { EXPECT_EQ(list_->count(), 18); }

struct ItemShape {
  int item, patterns, width, height;
};

void PrintTo(const ItemShape& c, std::ostream* os) {
  *os << "item " << c.item;
}

class GuiItemShape : public GuiArchive, public ::testing::WithParamInterface<ItemShape> {};

TEST_P(GuiItemShape, PatternCountAndSize) {
  const ItemShape s = GetParam();
  EXPECT_EQ(item(s.item).patternCount(), s.patterns);
  EXPECT_EQ(item(s.item).width(), s.width);
  EXPECT_EQ(item(s.item).height(), s.height);
}

INSTANTIATE_TEST_SUITE_P(Items, GuiItemShape,
                         ::testing::Values(ItemShape{1, 1, 541, 100}, ItemShape{2, 1, 541, 18},
                                           ItemShape{3, 5, 22, 22}, ItemShape{4, 1, 47, 17},
                                           ItemShape{5, 31, 95, 113}, ItemShape{6, 4, 33, 27},
                                           ItemShape{7, 67, 6, 10}, ItemShape{8, 12, 9, 17},
                                           ItemShape{9, 32, 96, 142}, ItemShape{10, 32, 96, 142},
                                           ItemShape{11, 256, 1, 1}, ItemShape{15, 1, 16, 16},
                                           ItemShape{16, 1, 16, 16}, ItemShape{17, 1, 16, 16}),
    fg::test::PrintedName());

// A screen rectangle the game draws on or clicks in, and the panel that must
// lie under all of it (the panel is drawn at 4, 4).
struct PanelPlace {
  const char* what;
  int item, left, top, right, bottom;
};

class PanelCovers : public GuiArchive, public ::testing::WithParamInterface<PanelPlace> {};

TEST_P(PanelCovers, ScreenRectangle) {
  const PanelPlace p = GetParam();
  EXPECT_TRUE(covered(item(p.item).picture, p.left - 4, p.top - 4, p.right - 4, p.bottom - 4)) << p.what;
}

// Text of the font writer starts one advance (6) right of its position.
INSTANTIATE_TEST_SUITE_P(
    Places, PanelCovers,
    ::testing::Values(PanelPlace{"title strip", 1, 4, 4, 269, 19}, PanelPlace{"close area", 1, 269, 4, 544, 19},
                      PanelPlace{"name line, 28 characters", 1, 122, 31, 122 + 28 * 6, 41},
                      PanelPlace{"strokes, two digits", 1, 119, 48, 131, 58},
                      PanelPlace{"par, two digits", 1, 167, 48, 179, 58},
                      PanelPlace{"score, three digits", 1, 32, 27, 62, 44},
                      PanelPlace{"method indicator", 1, 196, 49, 236, 65},
                      PanelPlace{"buttons", 1, 17, 76, 127, 98},
                      PanelPlace{"small title strip", 2, 4, 4, 269, 19},
                      PanelPlace{"small close area", 2, 269, 4, 544, 19},
                      PanelPlace{"small name line, 21 characters", 2, 86, 9, 86 + 21 * 6, 19},
                      PanelPlace{"small strokes", 2, 207, 9, 219, 19},
                      PanelPlace{"small par", 2, 227, 9, 239, 19}),
    fg::test::NamedBy(&PanelPlace::what));

TEST_F(GuiArchive, PushMarkHidesTheMethodIndicator) {
  // The mark is drawn at (193, 49).
  EXPECT_TRUE(covered(item(4).picture, 196 - 193, 0, 236 - 193, 65 - 49));
}

TEST_F(GuiArchive, PressedButtonsAreWholeButtons) {
  for (int b = 0; b < 5; ++b)
    EXPECT_TRUE(covered(item(3).picture, 22 * b + 2, 2, 22 * b + 20, 20)) << "button " << b + 1;
}

TEST_F(GuiArchive, FontBlanksAndSecondEquals) {
  const PictureItem& font = item(7);
  EXPECT_EQ(inkOf(font, 29), 0);
  EXPECT_EQ(inkOf(font, 30), 0);
  for (int p : {0, 25, 26, 27, 28, 31, 40, 41, 61, 62, 63, 64, 65, 66}) EXPECT_GT(inkOf(font, p), 0) << p;
  const Rect a = font.patternRect(43), b = font.patternRect(59);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 6; ++x)
      EXPECT_EQ(content_test::isKey(font.picture, a.left + x, y), content_test::isKey(font.picture, b.left + x, y));
}

TEST_F(GuiArchive, DigitSpaceIsBlank) {
  for (int p = 0; p < 12; ++p) EXPECT_EQ(inkOf(item(8), p) == 0, p == 10) << p;
}

TEST_F(GuiArchive, EveryGaugeLevelDiffers) {
  for (int p = 1; p < 31; ++p) {
    const Rect a = item(5).patternRect(p - 1), b = item(5).patternRect(p);
    bool same = true;
    for (int y = 0; y < 113 && same; ++y)
      for (int x = 0; x < 95 && same; ++x)
        same = item(5).picture.rgb[((a.top + y) * item(5).picture.width + a.left + x) * 3] ==
               item(5).picture.rgb[((b.top + y) * item(5).picture.width + b.left + x) * 3];
    EXPECT_FALSE(same) << "levels " << p - 1 << " and " << p;
  }
}

TEST_F(GuiArchive, PutterHeadSitsOnTheAimPoint) {
  for (int f = 0; f < 32; ++f) {
    const Rect r = item(10).patternRect(f);
    EXPECT_FALSE(content_test::isKey(item(10).picture, r.left + 47, r.top + 125)) << "frame " << f;
    EXPECT_GT(inkOf(item(9), f), 0) << "shadow " << f;
  }
}

TEST_F(GuiArchive, TargetCentreIsLit) {
  for (int f = 0; f < 4; ++f) {
    const Rect r = item(6).patternRect(f);
    EXPECT_FALSE(content_test::isKey(item(6).picture, r.left + 16, r.top + 13)) << f;
  }
}

TEST_F(GuiArchive, BallTextureIsOpaqueAndSpritesStayInTheirSquare) {
  EXPECT_FALSE(item(11).transparent);
  for (int i : {15, 16, 17}) {
    EXPECT_TRUE(content_test::isKey(item(i).picture, 0, 0)) << i;
    EXPECT_TRUE(content_test::isKey(item(i).picture, 15, 15)) << i;
    EXPECT_FALSE(content_test::isKey(item(i).picture, 8, 9)) << i;
  }
}

// Keyed sprites must not lose pixels to the key on either 16-bit display.
TEST_F(GuiArchive, NoDarkPixelTurnsIntoTheKey) {
  for (int i : {0, 1, 2, 3, 4, 5, 7, 8, 10}) {
    const Picture& p = item(i).picture;
    int lost = 0;
    for (size_t k = 0; k < p.rgb.size(); k += 3) {
      const uint32_t bgr = p.rgb[k] | (p.rgb[k + 1] << 8) | (p.rgb[k + 2] << 16);
      if (bgr != 0 && (colorToPixel(bgr, PixelFormat::Rgb555) == 0 || colorToPixel(bgr, PixelFormat::Rgb565) == 0))
        ++lost;
    }
    EXPECT_EQ(lost, 0) << "item " << i;
  }
}

}  // namespace
}  // namespace fg
