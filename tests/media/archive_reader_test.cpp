#include <gtest/gtest.h>

#include "media/archive_writer.h"
#include "media/error.h"
#include "media/image_list.h"
#include "media/wave_list.h"
#include "media_fixtures.h"

namespace fg {
namespace {

using test::ArchiveBuilder;

std::string loadError(ImageList& list, const std::vector<uint8_t>& bytes) {
  try {
    list.loadFromMemory(bytes);
  } catch (const GameError& e) {
    return e.what();
  }
  return "";
}

std::string loadError(WaveList& list, const std::vector<uint8_t>& bytes) {
  try {
    list.loadFromMemory(bytes);
  } catch (const GameError& e) {
    return e.what();
  }
  return "";
}

std::vector<uint8_t> twoItemArchive() {
  ImageItemDesc a;
  a.name = "first";
  a.picture = test::makePicture(4, 2, [](int x, int) { return x * 0x101010u; });
  ImageItemDesc b;
  b.name = "second";
  return writeImageArchive({a, b});
}

TEST(ImageArchive, LoadsItemsInFileOrderWithDefaults) {
  ArchiveBuilder b;
  b.name("List").tag(kTagCollection);
  b.tag(kTagList).name("Name").text("plain").end();
  b.int8(1).tag(kTagList).name("name").text("withOrdinal").name("PATTERNWIDTH").int32(16).end();
  b.end();
  ImageList list;
  list.loadFromMemory(b.finish());
  ASSERT_EQ(list.count(), 2);
  const PictureItem& first = list.item(0);
  EXPECT_EQ(first.name, "plain");
  EXPECT_TRUE(first.transparent);
  EXPECT_EQ(first.transparentColor, 0u);
  EXPECT_FALSE(first.systemMemory);
  EXPECT_TRUE(first.picture.empty());
  EXPECT_EQ(list.item(1).name, "withOrdinal");
  EXPECT_EQ(list.item(1).patternWidth, 16);
}

TEST(ImageArchive, ValueTagsAndNamedColours) {
  ArchiveBuilder b;
  b.name("List").tag(kTagCollection).tag(kTagList);
  b.name("PatternHeight").tag(kTagInt16).w.u16(0xFFFE);  // -2, sign-extended
  b.name("SkipWidth").int8(-3);
  b.name("TransparentColor").tag(kTagIdent).w.shortString("clFuchsia");
  b.name("Name").tag(kTagLongString).w.u32(3), b.w.text("abc");
  b.name("Transparent").boolean(false).name("SystemMemory").boolean(true);
  b.end().end();
  ImageList list;
  list.loadFromMemory(b.finish());
  const PictureItem& item = list.item(0);
  EXPECT_EQ(item.patternHeight, -2);
  EXPECT_EQ(item.skipWidth, -3);
  EXPECT_EQ(item.transparentColor, 0xFF00FFu);
  EXPECT_EQ(item.name, "abc");
  EXPECT_FALSE(item.transparent);
  EXPECT_TRUE(item.systemMemory);
}

TEST(ImageArchive, ColourTableTakesTheFirst1024Bytes) {
  ArchiveBuilder b;
  std::vector<uint8_t> table(1030);
  for (size_t i = 0; i < table.size(); ++i) table[i] = static_cast<uint8_t>(i);
  b.name("List.ColorTable").binary(table);
  ImageList list;
  list.loadFromMemory(b.finish());
  ASSERT_EQ(list.colorTable().size(), 1024u);
  EXPECT_EQ(list.colorTable()[1023], 1023 & 255);
  ArchiveBuilder shortTable;
  shortTable.name("List.ColorTable").binary(std::vector<uint8_t>(1000));
  EXPECT_EQ(loadError(list, shortTable.finish()), "Stream read error");
}

TEST(ImageArchive, RootPrefixAndAnyClassName) {
  ByteWriter w;
  writeResourceHeader(w, "SOME NAME");
  w.text("TPF0");
  w.u8(0xF2), w.u8(kTagInt8), w.u8(7);  // prefix with an ordinal
  w.shortString("TWhatever"), w.shortString("Thing");
  w.shortString("List"), w.u8(kTagCollection), w.u8(kTagList), w.shortString("Name"), w.u8(kTagString);
  w.shortString("x"), w.u8(0), w.u8(0), w.u8(0), w.u8(0);
  ImageList list;
  list.loadFromMemory(w.out);
  ASSERT_EQ(list.count(), 1);
  EXPECT_EQ(list.item(0).name, "x");
}

struct FaultCase {
  const char* label;
  std::function<std::vector<uint8_t>()> bytes;
  std::string message;
  int itemsKept;
};

class ImageArchiveFault : public testing::TestWithParam<FaultCase> {};

TEST_P(ImageArchiveFault, FailsAndKeepsWhatWasRead) {
  ImageList list;
  list.loadFromMemory(twoItemArchive());  // the load must clear these first
  EXPECT_EQ(loadError(list, GetParam().bytes()), GetParam().message);
  EXPECT_EQ(list.count(), GetParam().itemsKept);
}

// One good item, then `bad` written into a second item's property records.
std::vector<uint8_t> secondItemWith(const std::function<void(ArchiveBuilder&)>& bad) {
  ArchiveBuilder b;
  b.name("List").tag(kTagCollection).tag(kTagList).name("Name").text("good").end();
  b.tag(kTagList);
  bad(b);
  return b.w.out;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ImageArchiveFault,
    testing::Values(
        FaultCase{"empty", [] { return std::vector<uint8_t>{}; }, "Invalid stream format", 0},
        FaultCase{"notFF", [] { auto b = twoItemArchive(); b[0] = 0xFE; return b; }, "Invalid stream format", 0},
        FaultCase{"type", [] { auto b = twoItemArchive(); b[1] = 11; return b; }, "Invalid stream format", 0},
        FaultCase{"nameUnended",
                  [] { std::vector<uint8_t> b(100, 'A'); b[0] = 0xFF, b[1] = 10, b[2] = 0; return b; },
                  "Invalid stream format", 0},
        FaultCase{"signature", [] { auto b = twoItemArchive(); b[17] = 'X'; return b; }, "Invalid stream format", 0},
        FaultCase{"headerOnly", [] { return std::vector<uint8_t>{0xFF, 10, 0, 'A', 0, 0x30, 0x10}; },
                  "Stream read error", 0},
        FaultCase{"truncated", [] { auto b = twoItemArchive(); b.resize(b.size() - 30); return b; },
                  "Stream read error", 2},
        FaultCase{"unknownRootProperty", [] { return ArchiveBuilder().name("Items").int8(1).finish(); },
                  "Property does not exist", 0},
        FaultCase{"unknownItemProperty", [] { return secondItemWith([](auto& b) { b.name("Colour").int8(1); }); },
                  "Property does not exist", 2},
        FaultCase{"unknownDotted",
                  [] { return secondItemWith([](auto& b) { b.name("Picture.Width").int8(1); }); },
                  "Property does not exist", 2},
        FaultCase{"boolAsInt", [] { return secondItemWith([](auto& b) { b.name("Transparent").int8(1); }); },
                  "Invalid property value", 2},
        FaultCase{"intAsText", [] { return secondItemWith([](auto& b) { b.name("PatternWidth").text("1"); }); },
                  "Invalid property value", 2},
        FaultCase{"unknownColour",
                  [] {
                    return secondItemWith([](auto& b) { b.name("TransparentColor").tag(kTagIdent).w.shortString("clPlaid"); });
                  },
                  "Invalid property value", 2},
        FaultCase{"listNotCollection", [] { return ArchiveBuilder().name("List").int8(3).finish(); },
                  "Invalid property value", 0},
        FaultCase{"itemWithoutListTag",
                  [] { return ArchiveBuilder().name("List").tag(kTagCollection).int8(0).int8(1).finish(); },
                  "Invalid property value", 0},
        FaultCase{"badDib",
                  [] {
                    std::vector<uint8_t> dib(40, 0);
                    dib[0] = 41;
                    return secondItemWith([&](auto& b) { b.name("Picture.Data").binary(test::tdib(dib)); });
                  },
                  "DIB is invalid", 2},
        FaultCase{"binaryPastEnd",
                  [] { return secondItemWith([](auto& b) { b.name("Picture.Data").tag(kTagBinary).w.u32(0xFFFFFFF0); }); },
                  "Stream read error", 2}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(ImageArchive, IndexOutOfBounds) {
  ImageList list;
  list.loadFromMemory(twoItemArchive());
  for (int bad : {-1, 2, 1000}) {
    try {
      list.item(bad);
      FAIL();
    } catch (const GameError& e) {
      EXPECT_EQ(std::string(e.what()), formatMessage("List index out of bounds (%d)", bad));
    }
  }
}

TEST(ImageArchive, MissingFileClearsTheList) {
  ImageList list;
  list.loadFromMemory(twoItemArchive());
  EXPECT_THROW(list.loadFromFile("/nonexistent/nothing.dxg"), GameError);
  EXPECT_EQ(list.count(), 0);
}

std::vector<uint8_t> riff(const std::vector<std::pair<std::string, std::vector<uint8_t>>>& chunks) {
  ByteWriter w;
  w.text("RIFF"), w.u32(0), w.text("WAVE");
  for (auto& [id, body] : chunks) w.text(id.c_str()), w.u32(static_cast<uint32_t>(body.size())), w.bytes(body);
  return w.out;
}

std::vector<uint8_t> pcmFormat(uint16_t channels, uint32_t rate, uint16_t bits) {
  ByteWriter w;
  w.u16(1), w.u16(channels), w.u32(rate), w.u32(rate * channels * bits / 8), w.u16(channels * bits / 8), w.u16(bits);
  return w.out;
}

std::vector<uint8_t> waveArchiveWith(const std::vector<uint8_t>& riffBytes) {
  ArchiveBuilder b;
  b.name("List").tag(kTagCollection).tag(kTagList).name("Name").text("w").name("Wave.WAVE").binary(riffBytes).end();
  b.end();
  return b.finish();
}

TEST(WaveArchive, UnknownChunksAreSkippedByTheirExactSize) {
  std::vector<uint8_t> odd = {1, 2, 3};  // no padding byte follows an odd size
  auto bytes = riff({{"LIST", odd}, {"fmt ", pcmFormat(2, 11025, 8)}, {"junk", {}}, {"data", {9, 8, 7, 6}}});
  WaveList list;
  list.loadFromMemory(waveArchiveWith(bytes));
  const Wave& w = list.item(0).wave;
  EXPECT_EQ(w.channels, 2);
  EXPECT_EQ(w.sampleRate, 11025u);
  EXPECT_EQ(w.bits, 8);
  EXPECT_EQ(w.data, (std::vector<uint8_t>{9, 8, 7, 6}));
}

TEST(WaveArchive, FormatExtraBytesAreKept) {
  auto fmt = pcmFormat(1, 22050, 16);
  fmt.push_back(0), fmt.push_back(0);
  Wave w = decodeWave(riff({{"fmt ", fmt}, {"data", {1, 0}}}));
  EXPECT_EQ(w.fmtExtra, (std::vector<uint8_t>{0, 0}));
  EXPECT_EQ(decodeWave(encodeWave(w)), w);
}

TEST(WaveArchive, EmptyPayloadGivesAnEmptyWave) {
  WaveList list;
  list.loadFromMemory(waveArchiveWith({}));
  EXPECT_TRUE(list.item(0).wave.empty());
}

struct WaveFault {
  const char* label;
  std::vector<uint8_t> riffBytes;
  std::string message;
};

class WaveArchiveFault : public testing::TestWithParam<WaveFault> {};

TEST_P(WaveArchiveFault, FailsAndKeepsTheItem) {
  WaveList list;
  EXPECT_EQ(loadError(list, waveArchiveWith(GetParam().riffBytes)), GetParam().message);
  EXPECT_EQ(list.count(), 1);  // the item was made before its properties were read
}

std::vector<uint8_t> withTag(std::vector<uint8_t> b, size_t at, const char* tag) {
  std::copy(tag, tag + 4, b.begin() + at);
  return b;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, WaveArchiveFault,
    testing::Values(WaveFault{"riffTag", withTag(riff({}), 0, "RIFX"), "Wave is invalid"},
                    WaveFault{"waveTag", withTag(riff({}), 8, "AVI "), "Wave is invalid"},
                    WaveFault{"shortFmt", riff({{"fmt ", {1, 0, 1, 0}}}), "Wave is invalid"},
                    WaveFault{"short", std::vector<uint8_t>{'R', 'I', 'F', 'F', 0}, "Stream read error"},
                    WaveFault{"dataPastEnd",
                              [] { auto b = riff({{"data", {1, 2, 3, 4}}}); b.resize(b.size() - 2); return b; }(),
                              "Stream read error"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(WaveArchive, ItemPropertiesAndClamping) {
  ArchiveBuilder b;
  b.name("List").tag(kTagCollection).tag(kTagList).name("Looped").boolean(true).name("MaxPlayingCount").int8(-5);
  b.end().end();
  WaveList list;
  list.loadFromMemory(b.finish());
  EXPECT_TRUE(list.item(0).looped());
  EXPECT_EQ(list.item(0).maxPlayingCount(), 0);
  ArchiveBuilder colour;
  colour.name("List.ColorTable").binary(std::vector<uint8_t>(1024));
  EXPECT_EQ(loadError(list, colour.finish()), "Property does not exist");
}

TEST(ArchiveRoundTrip, ImagesAndWavesComeBackAsWritten) {
  std::vector<ImageItemDesc> images(3);
  images[0].name = "tiles";
  images[0].picture = test::makePicture(7, 5, [](int x, int y) { return static_cast<uint32_t>(x * 0x1F3D5B + y * 0x0A0B0C); });
  images[0].patternWidth = 3, images[0].patternHeight = 2, images[0].skipWidth = 1, images[0].skipHeight = -1;
  images[0].transparent = false, images[0].systemMemory = true, images[0].transparentColor = 0x12345678;
  images[1].name = std::string(300, 'n');  // a long name
  images[1].picture = test::makePicture(9, 3, [](int x, int y) { return (x + y) % 3 * 0x7F7F7Fu; });
  images[1].bitCount = 8;
  images[1].patternWidth = 100000;
  WaveList waves;
  std::vector<WaveItemDesc> sounds(2);
  sounds[0].name = "loop", sounds[0].looped = true, sounds[0].maxPlayingCount = 3;
  sounds[0].wave = makePcmWave(22050, 16, 1, {1, 2, 3, 4});
  ImageList list;
  list.loadFromMemory(writeImageArchive(images));
  waves.loadFromMemory(writeWaveArchive(sounds));
  ASSERT_EQ(list.count(), 3);
  for (int i = 0; i < 3; ++i) {
    const PictureItem& got = list.item(i);
    const ImageItemDesc& want = images[i];
    EXPECT_EQ(got.name, want.name);
    EXPECT_EQ(got.picture, want.picture);
    EXPECT_EQ(got.patternWidth, want.patternWidth);
    EXPECT_EQ(got.patternHeight, want.patternHeight);
    EXPECT_EQ(got.skipWidth, want.skipWidth);
    EXPECT_EQ(got.skipHeight, want.skipHeight);
    EXPECT_EQ(got.transparent, want.transparent);
    EXPECT_EQ(got.systemMemory, want.systemMemory);
    EXPECT_EQ(got.transparentColor, want.transparentColor);
  }
  ASSERT_EQ(waves.count(), 2);
  EXPECT_EQ(waves.item(0).name, "loop");
  EXPECT_TRUE(waves.item(0).looped());
  EXPECT_EQ(waves.item(0).maxPlayingCount(), 3);
  EXPECT_EQ(waves.item(0).wave, sounds[0].wave);
  EXPECT_TRUE(waves.item(1).wave.empty());
}

TEST(ArchiveWriter, EightBitNeedsFewColours) {
  ImageItemDesc d;
  d.picture = test::makePicture(17, 17, [](int x, int y) { return static_cast<uint32_t>(x * 17 + y); });
  d.bitCount = 8;
  EXPECT_THROW(writeImageArchive({d}), GameError);
}

}  // namespace
}  // namespace fg
