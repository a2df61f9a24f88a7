#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "fgpack.h"
#include "media/archive_writer.h"
#include "media/error.h"
#include "media/file_io.h"
#include "media/image_list.h"
#include "media/wave_list.h"

namespace fg::pack {
namespace {

namespace fs = std::filesystem;

Picture gradient(int w, int h) {
  Picture p;
  p.width = w, p.height = h;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.rgb.insert(p.rgb.end(), {uint8_t(x * 7), uint8_t(y * 13), uint8_t(x ^ y)});
  return p;
}

class FgpackTest : public testing::Test {
 protected:
  fs::path dir;
  void SetUp() override {
    dir = fs::temp_directory_path() / ("fgpack_test_" + std::to_string(::getpid()) + "_" +
                                       testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string write(const std::string& name, const std::vector<uint8_t>& bytes) {
    std::string path = (dir / name).string();
    writeFileAtomically(path, bytes);
    return path;
  }
};

std::vector<ImageItemDesc> sampleImages() {
  std::vector<ImageItemDesc> items(3);
  items[0].name = "font";
  items[0].picture = gradient(96, 32);
  items[0].patternWidth = 32, items[0].patternHeight = 32;
  items[0].transparentColor = 0x00FF00FF;
  items[1].name = "../../escape/..";
  items[1].picture = gradient(5, 3);
  items[1].bitCount = 8;
  items[1].transparent = false, items[1].systemMemory = true, items[1].skipWidth = -1;
  items[2].name = "";  // no picture at all
  return items;
}

TEST_F(FgpackTest, ImageArchiveListsAsJson) {
  std::string path = write("gui.dxg", writeImageArchive(sampleImages()));
  std::string fault;
  std::string json = listArchive(path, fault);
  EXPECT_EQ(fault, "");
  EXPECT_EQ(json.rfind("{\"archive\": \"image\", \"items\": [{\"name\": \"font\", \"width\": 32, \"height\": 32", 0), 0u);
  EXPECT_NE(json.find("\"pattern_count\": 3, \"pattern_rects\": [[0, 0, 32, 32], [32, 0, 32, 32], [64, 0, 32, 32]]"),
            std::string::npos);
  EXPECT_NE(json.find("\"transparent_color\": 16711935"), std::string::npos);
  EXPECT_NE(json.find("\"picture\": {\"empty\": true, \"width\": 0, \"height\": 0}"), std::string::npos);
}

TEST_F(FgpackTest, DamagedArchiveListsTheItemsThatStayed) {
  std::vector<uint8_t> bytes = writeImageArchive(sampleImages());
  bytes.resize(bytes.size() - 40);
  std::string fault;
  std::string json = listArchive(write("bad.dxg", bytes), fault);
  EXPECT_EQ(fault, "Stream read error");
  EXPECT_NE(json.find("\"name\": \"font\""), std::string::npos);
  std::string missing;
  EXPECT_EQ(listArchive((dir / "none.dxw").string(), missing), "{\"archive\": \"wave\", \"items\": []}");
  EXPECT_NE(missing.find("Cannot open file"), std::string::npos);
}

TEST_F(FgpackTest, WaveArchiveListsAsJson) {
  WaveItemDesc a;
  a.name = "click\"1";
  a.maxPlayingCount = 2;
  a.wave = makePcmWave(22050, 16, 1, {1, 2, 3, 4});
  WaveItemDesc b;
  b.looped = true;
  std::string fault;
  std::string json = listArchive(write("sound.dxw", writeWaveArchive({a, b})), fault);
  EXPECT_EQ(json,
            "{\"archive\": \"wave\", \"items\": [{\"name\": \"click\\\"1\", \"looped\": false, \"max_playing_count\": 2, "
            "\"wave\": {\"empty\": false, \"format_tag\": 1, \"channels\": 1, \"sample_rate\": 22050, \"byte_rate\": "
            "44100, \"block_align\": 2, \"bits\": 16, \"data_bytes\": 4}}, {\"name\": \"\", \"looped\": true, "
            "\"max_playing_count\": 0, \"wave\": {\"empty\": true}}]}");
}

TEST_F(FgpackTest, ExtractAndPackGiveBackTheSameArchive) {
  std::string images = write("gui.dxg", writeImageArchive(sampleImages()));
  WaveItemDesc w;
  w.name = "music";
  w.looped = true;
  w.wave = makePcmWave(11025, 8, 2, {128, 130, 126, 120});
  std::string waves = write("menu.dxw", writeWaveArchive({w, WaveItemDesc{}}));
  fs::path out = dir / "out";
  extractArchive(images, (out / "img").string());
  extractArchive(waves, (out / "snd").string());
  EXPECT_TRUE(fs::exists(out / "img" / "000_font.png"));
  EXPECT_TRUE(fs::exists(out / "img" / "001__.._escape_.png"));  // "../../escape/.." made a plain name
  EXPECT_TRUE(fs::exists(out / "snd" / "000_music.wav"));
  for (const auto& e : fs::recursive_directory_iterator(dir))
    EXPECT_EQ(e.path().string().rfind(dir.string(), 0), 0u);
  packArchive((out / "img" / "manifest.txt").string(), (dir / "again.dxg").string());
  packArchive((out / "snd" / "manifest.txt").string(), (dir / "again.dxw").string());

  ImageList a, b;
  a.loadFromFile(images);
  b.loadFromFile((dir / "again.dxg").string());
  ASSERT_EQ(a.count(), b.count());
  for (int i = 0; i < a.count(); ++i) {
    EXPECT_EQ(a.item(i).picture, b.item(i).picture) << i;
    EXPECT_EQ(a.item(i).patternWidth, b.item(i).patternWidth);
    EXPECT_EQ(a.item(i).skipWidth, b.item(i).skipWidth);
    EXPECT_EQ(a.item(i).transparent, b.item(i).transparent);
    EXPECT_EQ(a.item(i).systemMemory, b.item(i).systemMemory);
    EXPECT_EQ(a.item(i).transparentColor, b.item(i).transparentColor);
    EXPECT_EQ(a.item(i).name, b.item(i).name);
  }
  WaveList c, d;
  c.loadFromFile(waves);
  d.loadFromFile((dir / "again.dxw").string());
  ASSERT_EQ(c.count(), d.count());
  for (int i = 0; i < c.count(); ++i) {
    EXPECT_EQ(c.item(i).wave, d.item(i).wave);
    EXPECT_EQ(c.item(i).looped(), d.item(i).looped());
    EXPECT_EQ(c.item(i).name, d.item(i).name);
  }
  std::string fault1, fault2;
  EXPECT_EQ(listArchive(images, fault1), listArchive((dir / "again.dxg").string(), fault2));
}

TEST_F(FgpackTest, PackTakesBitmapsAndRejectsBadManifests) {
  Picture p = gradient(4, 4);
  write("pic.bmp", encodeBitmapFile(p));
  writeFileAtomically((dir.parent_path() / "outside.bmp").string(), encodeBitmapFile(p));
  fs::create_directory_symlink(dir.parent_path(), dir / "link");
  std::string manifest = "archive = image\n[item]\nname = a\npicture = pic.bmp\nbit_count = 8\n";
  write("m.txt", {manifest.begin(), manifest.end()});
  packArchive((dir / "m.txt").string(), (dir / "a.dxg").string());
  ImageList list;
  list.loadFromFile((dir / "a.dxg").string());
  EXPECT_EQ(list.item(0).picture, p);
  for (std::string bad : std::vector<std::string>{"[item]\n", "archive = sound\n", "archive = image\n[item]\ncolour = 1\n",
                          "archive = image\n[item]\npattern_width = wide\n", "archive = image\n[item]\nname\n",
                          "archive = wave\n[item]\nwave = missing.wav\n",
                          // values the archive cannot store are refused, not cut to fit
                          "archive = image\n[item]\nbit_count = 4294967320\n",
                          "archive = image\n[item]\nbit_count = 16\n",
                          "archive = image\n[item]\ntransparent_color = 0x100000000\n",
                          "archive = wave\n[item]\nmax_playing_count = -5\n",
                          // pictures are read from the manifest's folder only
                          "archive = image\n[item]\npicture = ../outside.bmp\n",
                          "archive = image\n[item]\npicture = " + (dir.parent_path() / "outside.bmp").string() + "\n",
                          "archive = image\n[item]\npicture = link/pic.bmp\n"}) {
    write("bad.txt", {bad.begin(), bad.end()});
    EXPECT_THROW(packArchive((dir / "bad.txt").string(), (dir / "b.dxg").string()), GameError) << bad;
  }
  const std::string outside = "archive = image\n[item]\npicture = ../outside.bmp\n";
  write("out.txt", {outside.begin(), outside.end()});
  packArchive((dir / "out.txt").string(), (dir / "o.dxg").string(), true);  // allowed when asked
  fs::remove(dir.parent_path() / "outside.bmp");
}

TEST_F(FgpackTest, ExtractReplacesLinksAtEveryNameInsteadOfWritingThroughThem) {
  WaveItemDesc w;
  w.name = "putt";
  w.wave = makePcmWave(22050, 16, 1, {1, 2});
  const std::string waves = write("s.dxw", writeWaveArchive({w}));
  const std::string images = write("g.dxg", writeImageArchive(sampleImages()));
  const fs::path victim = dir / "victim";
  writeFileAtomically(victim.string(), std::string_view("kept"));
  fs::create_directories(dir / "x");
  for (const char* name : {"000_putt.wav", "000_putt.wav.tmp", "000_font.png", "000_font.png.tmp", "manifest.txt",
                           "manifest.txt.tmp"})
    fs::create_symlink(victim, dir / "x" / name);
  extractArchive(waves, (dir / "x").string());
  extractArchive(images, (dir / "x").string());
  EXPECT_EQ(readTextFile(victim.string(), 100), "kept");
  for (const char* name : {"000_putt.wav", "000_font.png", "manifest.txt"}) EXPECT_FALSE(fs::is_symlink(dir / "x" / name));
}

TEST(FileStem, OnlyPlainNames) {
  EXPECT_EQ(fileStem(0, ""), "000");
  EXPECT_EQ(fileStem(7, "font"), "007_font");
  EXPECT_EQ(fileStem(12, "a/b\\c d"), "012_a_b_c_d");
  EXPECT_EQ(fileStem(3, ".."), "003");
  EXPECT_EQ(fileStem(3, ".hidden."), "003_hidden");
  EXPECT_EQ(fileStem(1000, std::string(200, 'x')).size(), 4u + 1 + 48);
}

}  // namespace
}  // namespace fg::pack
