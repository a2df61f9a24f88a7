#include <gtest/gtest.h>

#include <map>

#include "media/archive_reader.h"
#include "media/error.h"
#include "media_fixtures.h"

namespace fg {
namespace {

using test::infoHeader;
using test::makePicture;

// A 5x3 picture (odd width, so rows need padding) from a palette of `colors`.
Picture samplePicture(int colors) {
  static const uint32_t kColors[16] = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0x123456,
                                       0x808080, 0xFEDCBA, 0x0F0F0F, 0xF0F0F0, 0x7F3F1F, 0x1F3F7F,
                                       0xAA5500, 0x00AA55, 0x5500AA, 0x336699};
  return makePicture(5, 3, [colors](int x, int y) { return kColors[(x * 3 + y * 7) % colors]; });
}

struct Layout {
  int bits = 24;
  bool core = false;      // 12-byte header
  bool topDown = false;   // negative height
  uint32_t compression = 0;
  std::vector<uint32_t> masks{};
};

// An independent encoder for the variants the decoder must accept.
std::vector<uint8_t> encodeVariant(const Picture& p, const Layout& l) {
  std::map<uint32_t, int> index;
  std::vector<uint32_t> palette;
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) {
      uint32_t c = test::rgbAt(p, x, y);
      if (!index.count(c)) index[c] = static_cast<int>(palette.size()), palette.push_back(c);
    }
  ByteWriter w;
  if (l.core) {
    w.u32(12), w.u16(p.width), w.u16(p.height), w.u16(1), w.u16(l.bits);
  } else {
    infoHeader(w, p.width, l.topDown ? -p.height : p.height, l.bits, l.compression,
               l.bits <= 8 ? static_cast<uint32_t>(palette.size()) : 0);
  }
  for (uint32_t m : l.masks) w.u32(m);
  if (l.bits <= 8) {
    size_t entries = l.core ? (1u << l.bits) : palette.size();
    for (size_t i = 0; i < entries; ++i) {
      uint32_t c = i < palette.size() ? palette[i] : 0;
      w.u8(c), w.u8(c >> 8), w.u8(c >> 16);
      if (!l.core) w.u8(0);
    }
  }
  const size_t stride = ((p.width * l.bits + 31) / 32) * 4;
  for (int row = 0; row < p.height; ++row) {
    int y = l.topDown ? row : p.height - 1 - row;
    std::vector<uint8_t> bytes(stride, 0);
    for (int x = 0; x < p.width; ++x) {
      uint32_t c = test::rgbAt(p, x, y);
      uint32_t r = c >> 16, g = (c >> 8) & 255, b = c & 255;
      switch (l.bits) {
        case 1: bytes[x / 8] |= index[c] << (7 - x % 8); break;
        case 4: bytes[x / 2] |= index[c] << (x % 2 ? 0 : 4); break;
        case 8: bytes[x] = static_cast<uint8_t>(index[c]); break;
        case 16: {
          bool is565 = !l.masks.empty() && l.masks[0] == 0xF800;
          uint32_t v = is565 ? ((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3)
                             : ((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3);
          bytes[2 * x] = static_cast<uint8_t>(v), bytes[2 * x + 1] = static_cast<uint8_t>(v >> 8);
          break;
        }
        case 24: bytes[3 * x] = b, bytes[3 * x + 1] = g, bytes[3 * x + 2] = r; break;
        case 32: bytes[4 * x] = b, bytes[4 * x + 1] = g, bytes[4 * x + 2] = r, bytes[4 * x + 3] = 0x77; break;
      }
    }
    w.bytes(bytes);
  }
  return w.out;
}

Picture quantised(const Picture& p, uint8_t rMask, uint8_t gMask, uint8_t bMask) {
  Picture q = p;
  for (size_t i = 0; i < q.rgb.size(); i += 3) q.rgb[i] &= rMask, q.rgb[i + 1] &= gMask, q.rgb[i + 2] &= bMask;
  return q;
}

struct VariantCase {
  const char* label;
  int colors;
  Layout layout;
  uint8_t rMask = 0xFF, gMask = 0xFF, bMask = 0xFF;
};

class DibVariant : public testing::TestWithParam<VariantCase> {};

TEST_P(DibVariant, DecodesToTheSamePixels) {
  const VariantCase& c = GetParam();
  Picture p = samplePicture(c.colors);
  Picture got = decodeDib(encodeVariant(p, c.layout));
  EXPECT_EQ(got, quantised(p, c.rMask, c.gMask, c.bMask));
  // The same bytes wrapped as a whole bitmap file inside "TBitmap".
  std::vector<uint8_t> dib = encodeVariant(p, c.layout);
  ByteWriter file;
  file.text("BM"), file.u32(static_cast<uint32_t>(14 + dib.size())), file.u32(0), file.u32(0);
  file.bytes(dib);
  ByteWriter data;
  data.shortString("TBitmap"), data.u32(static_cast<uint32_t>(file.out.size())), data.bytes(file.out);
  EXPECT_EQ(decodePictureData(data.out), got);
}

INSTANTIATE_TEST_SUITE_P(
    Variants, DibVariant,
    testing::Values(VariantCase{"bits1", 2, {1}}, VariantCase{"bits4", 16, {4}}, VariantCase{"bits8", 16, {8}},
                    VariantCase{"core1", 2, {1, true}}, VariantCase{"core4", 9, {4, true}},
                    VariantCase{"core8", 16, {8, true}}, VariantCase{"core24", 16, {24, true}},
                    VariantCase{"bits24", 16, {24}}, VariantCase{"topDown24", 16, {24, false, true}},
                    VariantCase{"topDown8", 16, {8, false, true}}, VariantCase{"bits32", 16, {32}},
                    VariantCase{"bits32Fields", 16, {32, false, false, 3, {0xFF0000, 0xFF00, 0xFF}}},
                    VariantCase{"bits16Plain", 16, {16}, 0xF8, 0xF8, 0xF8},
                    VariantCase{"bits16Fields555", 16, {16, false, false, 3, {0x7C00, 0x03E0, 0x1F}}, 0xF8, 0xF8,
                                0xF8},
                    VariantCase{"bits16Fields565", 16, {16, false, false, 3, {0xF800, 0x07E0, 0x1F}}, 0xF8, 0xFC,
                                0xF8}),
    [](const auto& info) { return std::string(info.param.label); });

// Palette of four colours for the run-length cases.
void rlePalette(ByteWriter& w) {
  for (uint32_t c : {0x000000u, 0xFF0000u, 0x00FF00u, 0x0000FFu}) w.u8(c), w.u8(c >> 8), w.u8(c >> 16), w.u8(0);
}

TEST(DibRunLength, EightBitRunsAbsoluteRunsAndJumps) {
  ByteWriter w;
  infoHeader(w, 4, 3, 8, 1, 4);
  rlePalette(w);
  const uint8_t data[] = {
      4, 1,           // bottom row: four of colour 1
      0, 0,           // end of line
      0, 3, 2, 0, 3, 0,  // absolute run 2, 0, 3 (padded)
      1, 2,           // one more of colour 2
      0, 0,           // end of line
      0, 2, 1, 0,     // jump right 1
      1, 3,           // one of colour 3 at (1, top row)
      0, 1};          // end of bitmap
  w.bytes(data);
  Picture p = decodeDib(w.out);
  ASSERT_EQ(p.width, 4);
  ASSERT_EQ(p.height, 3);
  const uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF;
  const uint32_t want[3][4] = {{0, kBlue, 0, 0}, {kGreen, 0, kBlue, kGreen}, {kRed, kRed, kRed, kRed}};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(test::rgbAt(p, x, y), want[y][x]) << x << "," << y;
}

TEST(DibRunLength, FourBitRunsAlternateNibbles) {
  ByteWriter w;
  infoHeader(w, 6, 1, 4, 2, 4);
  rlePalette(w);
  const uint8_t data[] = {3, 0x12, 0, 3, 0x30, 0x20, 0, 1};  // run 1,2,1 then absolute 3,0,2
  w.bytes(data);
  Picture p = decodeDib(w.out);
  const uint32_t want[6] = {0xFF0000, 0x00FF00, 0xFF0000, 0x0000FF, 0, 0x00FF00};
  for (int x = 0; x < 6; ++x) EXPECT_EQ(test::rgbAt(p, x, 0), want[x]) << x;
}

TEST(DibRunLength, RunsPastTheEdgeAreDropped) {
  ByteWriter w;
  infoHeader(w, 2, 1, 8, 1, 4);
  rlePalette(w);
  const uint8_t data[] = {255, 1, 0, 2, 255, 255, 255, 2};  // overlong run, huge jump, no end mark
  w.bytes(data);
  Picture p = decodeDib(w.out);
  EXPECT_EQ(test::rgbAt(p, 0, 0), 0xFF0000u);
  EXPECT_EQ(test::rgbAt(p, 1, 0), 0xFF0000u);
}

TEST(Dib, EmptyPayloadsGiveEmptyPictures) {
  EXPECT_TRUE(decodeDib({}).empty());
  EXPECT_TRUE(decodePictureData(test::tdib({})).empty());
  ByteWriter bitmap;
  bitmap.shortString("TBitmap"), bitmap.u32(0);
  EXPECT_TRUE(decodePictureData(bitmap.out).empty());
  ByteWriter other;
  other.shortString("TMetafile"), other.u32(12345);
  EXPECT_TRUE(decodePictureData(other.out).empty());
}

struct FaultCase {
  const char* label;
  std::function<std::vector<uint8_t>()> bytes;
  std::string message;
  bool wholeFile = false;
};

class DibFault : public testing::TestWithParam<FaultCase> {};

TEST_P(DibFault, FailsWithItsMessage) {
  const FaultCase& c = GetParam();
  std::vector<uint8_t> bytes = c.bytes();
  try {
    if (c.wholeFile) decodeBitmapFile(bytes);
    else decodeDib(bytes);
    FAIL() << "no error";
  } catch (const GameError& e) {
    EXPECT_EQ(std::string(e.what()), c.message);
  }
}

std::vector<uint8_t> header(int32_t w, int32_t h, int bits, uint32_t compression, std::vector<uint32_t> masks = {}) {
  ByteWriter out;
  infoHeader(out, w, h, bits, compression, 0);
  for (uint32_t m : masks) out.u32(m);
  return out.out;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, DibFault,
    testing::Values(
        FaultCase{"headerSize", [] { std::vector<uint8_t> b(64, 0); b[0] = 108; return b; }, "DIB is invalid"},
        FaultCase{"shortHeader", [] { auto b = header(2, 2, 24, 0); b.resize(20); return b; }, "DIB is invalid"},
        FaultCase{"tinyHeader", [] { return std::vector<uint8_t>{40, 0}; }, "DIB is invalid"},
        FaultCase{"compression", [] { return header(2, 2, 24, 4); }, "DIB is invalid"},
        FaultCase{"rleBits", [] { return header(2, 2, 24, 1); }, "DIB is invalid"},
        FaultCase{"fieldsMissing", [] { return header(2, 2, 16, 3); }, "DIB is invalid"},
        FaultCase{"bitcount2", [] { return header(2, 2, 2, 0); }, "Bitcount in invalid (2)"},
        FaultCase{"bitcount0", [] { return header(2, 2, 0, 0); }, "Bitcount in invalid (0)"},
        FaultCase{"masks", [] { return header(2, 2, 16, 3, {0x001F, 0x07E0, 0xF800}); }, "PixelFormat in invalid"},
        FaultCase{"masks32", [] { return header(2, 2, 32, 3, {0xFF, 0xFF00, 0xFF0000}); }, "PixelFormat in invalid"},
        FaultCase{"tooWide", [] { return header(16385, 1, 24, 0); }, "DIB is invalid"},
        FaultCase{"tooTall", [] { return header(1, -16385, 24, 0); }, "DIB is invalid"},
        FaultCase{"negativeWidth", [] { return header(-4, 1, 24, 0); }, "DIB is invalid"},
        FaultCase{"hugeRle", [] { auto b = header(16384, 16384, 8, 1); b.resize(b.size() + 1024 + 64); return b; },
                  "DIB is invalid"},
        FaultCase{"shortRows", [] { auto b = header(4, 4, 24, 0); b.resize(b.size() + 40); return b; },
                  "Stream read error"},
        FaultCase{"shortPalette", [] { auto b = header(4, 4, 8, 0); b.resize(b.size() + 100); return b; },
                  "Stream read error"},
        FaultCase{"notBM", [] { std::vector<uint8_t> b(60, 0); b[0] = 'B'; b[1] = 'N'; return b; },
                  "Bitmap image is not valid", true},
        FaultCase{"shortFileHeader", [] { return std::vector<uint8_t>{'B', 'M', 1, 2}; }, "Stream read error", true}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(BitmapFile, PixelOffsetFromTheFileHeaderIsHonoured) {
  Picture p = samplePicture(16);
  std::vector<uint8_t> dib = encodeVariant(p, {24});
  ByteWriter file;
  file.text("BM"), file.u32(0), file.u32(0), file.u32(14 + 40 + 6);
  file.bytes(std::span(dib).first(40));
  for (int i = 0; i < 6; ++i) file.u8(0xEE);  // a gap before the rows
  file.bytes(std::span(dib).subspan(40));
  EXPECT_EQ(decodeBitmapFile(file.out), p);
}

}  // namespace
}  // namespace fg
