#include <gtest/gtest.h>

#include "media/archive_writer.h"
#include "media/error.h"
#include "media/image_list.h"
#include "media/pixel_format.h"
#include "media_fixtures.h"

namespace fg {
namespace {

struct Layout {
  const char* label;
  int width, height;
  int32_t patternWidth, patternHeight, skipWidth, skipHeight;
  int count;
  std::vector<Rect> rects;  // the first few, in pattern order
};

class PatternLayout : public testing::TestWithParam<Layout> {};

TEST_P(PatternLayout, CountAndRectangles) {
  const Layout& l = GetParam();
  PictureItem item;
  item.picture = test::makePicture(l.width, l.height, [](int, int) { return 0x808080u; });
  item.patternWidth = l.patternWidth, item.patternHeight = l.patternHeight;
  item.skipWidth = l.skipWidth, item.skipHeight = l.skipHeight;
  EXPECT_EQ(item.patternCount(), 0);  // nothing is built before a display
  item.upload(PixelFormat::Rgb565);
  EXPECT_EQ(item.patternCount(), l.count);
  for (size_t i = 0; i < l.rects.size(); ++i) EXPECT_EQ(item.patternRect(static_cast<int>(i)), l.rects[i]) << i;
  for (int i = 0; i < item.patternCount(); ++i) {
    Rect r = item.patternRect(i);
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= l.width && r.bottom <= l.height) << i;
  }
  EXPECT_EQ(item.patternRect(l.count), Rect{});
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, PatternLayout,
    testing::Values(
        Layout{"grid96", 96, 32, 32, 32, 0, 0, 3, {{0, 0, 32, 32}, {32, 0, 64, 32}, {64, 0, 96, 32}}},
        Layout{"whole96", 96, 32, 0, 32, 0, 0, 1, {{0, 0, 96, 32}}},
        Layout{"partialDropped", 100, 32, 32, 0, 0, 0, 3, {{0, 0, 32, 32}, {32, 0, 64, 32}, {64, 0, 96, 32}}},
        Layout{"skipWidth", 94, 30, 30, 0, 2, 0, 3, {{0, 0, 30, 30}, {32, 0, 62, 30}, {64, 0, 94, 30}}},
        Layout{"rowByRow", 20, 21, 10, 10, 0, 1, 4, {{0, 0, 10, 10}, {10, 0, 20, 10}, {0, 11, 10, 21}}},
        Layout{"tooWide", 20, 20, 40, 0, 0, 0, 0, {}},
        Layout{"negativeSkip", 20, 10, 10, 0, -5, 0, 3, {{0, 0, 10, 10}, {5, 0, 15, 10}, {10, 0, 20, 10}}},
        Layout{"skipCancelsWidth", 20, 10, 10, 0, -10, 0, 0, {}},
        Layout{"skipBeyond", 20, 10, 10, 0, -30, 0, 0, {}},
        Layout{"hugeSkip", 20, 10, 10, 0, 0x7FFFFFFF, 0, 1, {{0, 0, 10, 10}}},
        Layout{"negativePattern", 12, 8, -4, -1, 0, 0, 1, {{0, 0, 12, 8}}}),
    [](const auto& info) { return std::string(info.param.label); });

// Draws find a pattern's row by a multiply and shift; it must equal the
// division for every column count and index a grid can hold.
TEST(PictureItem, PatternRowIsTheQuotient) {
  for (int columns : {1, 2, 3, 7, 100, 641, 12345, kMaxPictureSide - 1, kMaxPictureSide}) {
    PictureItem::Grid g{columns, kMaxPictureSide, 1, 1};
    g.prepareRowOf();
    for (int64_t r : {int64_t{0}, int64_t{1}, int64_t{5}, int64_t{4097}, int64_t{kMaxPictureSide - 1}})
      for (int64_t back : {0, 1}) {
        const int64_t first = r * columns;
        for (int64_t n : {first, first + columns - 1}) {
          if (n - back < 0) continue;
          ASSERT_EQ(g.rowOf(static_cast<int>(n - back)), (n - back) / columns) << columns << " " << n - back;
        }
      }
  }
}

TEST(PictureItem, EffectiveSizeFollowsThePatternSize) {
  PictureItem item;
  item.picture = test::makePicture(40, 20, [](int, int) { return 0u; });
  EXPECT_EQ(item.width(), 40);
  EXPECT_EQ(item.height(), 20);
  item.patternWidth = 8;
  item.patternHeight = -1;
  EXPECT_EQ(item.width(), 8);
  EXPECT_EQ(item.height(), 20);
}

TEST(PictureItem, UploadConvertsAndKeysInTheDisplayFormat) {
  PictureItem item;
  item.picture = test::makePicture(2, 1, [](int x, int) { return x ? 0xFF80FFu : 0x0F0F0Fu; });
  item.setTransparentColor(0x0C0C0C);  // converts to the same 5-6-5 value as 0x0F0F0F
  item.upload(PixelFormat::Rgb565);
  EXPECT_EQ(item.image().at(0, 0), item.key());
  EXPECT_EQ(item.image().at(1, 0), 0xFC1F);
  item.setTransparentColor(0xFFFFFF);
  EXPECT_EQ(item.key(), 0xFFFF);
  item.upload(PixelFormat::Rgb555);
  EXPECT_EQ(item.image().at(1, 0), 0x7E1F);
  EXPECT_EQ(item.key(), 0x7FFF);
}

TEST(ImageList, UploadsFollowTheDisplay) {
  ImageList list;
  PictureItem& a = list.add();
  a.picture = test::makePicture(4, 4, [](int, int) { return 0xFFFFFFu; });
  EXPECT_EQ(a.patternCount(), 0);
  list.displayInitialized(PixelFormat::Rgb565);
  EXPECT_TRUE(list.onDisplay());
  EXPECT_EQ(a.patternCount(), 1);
  a.setPicture(test::makePicture(8, 4, [](int, int) { return 0u; }));
  EXPECT_EQ(a.image().width, 8);
  list.displayFinalized();
  EXPECT_EQ(a.patternCount(), 0);
  EXPECT_EQ(a.picture.width, 8);  // the picture itself stays
}

TEST(PixelFormat, ColourConversionKeepsHighBits) {
  EXPECT_EQ(colorToPixel(0x00FFFFFF, PixelFormat::Rgb565), 0xFFFF);
  EXPECT_EQ(colorToPixel(0x000000FF, PixelFormat::Rgb565), 0xF800);  // red is the low byte
  EXPECT_EQ(colorToPixel(0x00FF0000, PixelFormat::Rgb555), 0x001F);
  EXPECT_EQ(colorToPixel(0x0000FF00, PixelFormat::Rgb555), 0x03E0);
  EXPECT_EQ(colorToPixel(0x00070307, PixelFormat::Rgb565), 0);
  EXPECT_EQ(pixelToColor(0xFFFF, PixelFormat::Rgb565), 0x00F8FCF8u);
}

}  // namespace
}  // namespace fg

namespace fg {
namespace {

TEST(ImageList, LoadingOnADisplayCutsAtOnceEvenAfterAFault) {
  ImageItemDesc d;
  d.picture = test::makePicture(64, 16, [](int x, int) { return x * 0x030303u; });
  d.patternWidth = 16;
  std::vector<uint8_t> bytes = writeImageArchive({d, d});
  ImageList list;
  list.displayInitialized(PixelFormat::Rgb555);
  list.loadFromMemory(bytes);
  EXPECT_EQ(list.item(1).patternCount(), 4);
  EXPECT_EQ(list.item(1).image().format, PixelFormat::Rgb555);
  bytes.resize(bytes.size() - 10);
  EXPECT_THROW(list.loadFromMemory(bytes), GameError);
  ASSERT_EQ(list.count(), 2);
  EXPECT_EQ(list.item(0).patternCount(), 4);
}

}  // namespace
}  // namespace fg
