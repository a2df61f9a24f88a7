// The HUD font recipe against the font writer's character map, and the drawn
// font (default and skins) against the recipe's glyph art.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "content_test_helpers.h"
#include "render/bitmap_text.h"

namespace fg {
namespace {

struct RecipeGlyph {
  std::string name;
  std::vector<std::string> rows;
};

std::vector<RecipeGlyph> readRecipe() {
  std::ifstream in(content_test::recipeDir() + "/hud_font.txt");
  std::vector<RecipeGlyph> glyphs;
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("glyph ", 0) == 0)
      glyphs.push_back({line.substr(6), {}});
    else if (!line.empty() && line[0] != ';' && !glyphs.empty())
      glyphs.back().rows.push_back(line);
  }
  return glyphs;
}

// The character a recipe glyph draws, by its name; -1 for an unknown name.
int glyphCharacter(const std::string& name) {
  if (name == "space") return ' ';
  if (name == "Aring") return 0xC5;
  if (name == "Odiaeresis") return 0xD6;
  if (name == "Adiaeresis") return 0xC4;
  return name.size() == 1 ? static_cast<unsigned char>(name[0]) : -1;
}

// The HUD writes each character with the pattern the game's font map gives
// it, so the recipe must draw that character's glyph in that place (a second
// copy, like the second blank, is never looked up).
TEST(FontRecipe, EachGlyphSitsWhereTheWriterLooksForIt) {
  const std::vector<RecipeGlyph> glyphs = readRecipe();
  ASSERT_EQ(glyphs.size(), 67u);
  for (int i = 0; i < 67; ++i) {
    const int c = glyphCharacter(glyphs[i].name);
    ASSERT_GE(c, 0) << "pattern " << i << " draws an unknown glyph " << glyphs[i].name;
    const int used = fontPattern(static_cast<unsigned char>(c));
    ASSERT_LT(used, 67);
    EXPECT_EQ(glyphs[used].name, glyphs[i].name) << "the writer draws " << glyphs[i].name << " with pattern " << used;
    EXPECT_LE(glyphs[i].rows.size(), 9u) << glyphs[i].name;
    for (const std::string& row : glyphs[i].rows) EXPECT_EQ(row.size(), 5u) << glyphs[i].name;
  }
}

TEST(FontRecipe, AccentedCapitalsReachAboveTheOthers) {
  const std::vector<RecipeGlyph> glyphs = readRecipe();
  ASSERT_EQ(glyphs.size(), 67u);
  for (int i : {62, 63, 64}) EXPECT_EQ(glyphs[i].rows.size(), 9u) << glyphs[i].name;
  EXPECT_EQ(glyphs[0].rows.size(), 7u);
}

// Every '#' of the recipe is ink in the picture; every other drawn pixel is
// the drop shadow of an ink pixel (one down and right).
void expectFontMatchesRecipe(const Picture& font, const std::string& where) {
  const std::vector<RecipeGlyph> glyphs = readRecipe();
  ASSERT_EQ(font.width, 67 * 6) << where;
  ASSERT_EQ(font.height, 10) << where;
  for (int p = 0; p < 67; ++p) {
    const auto& rows = glyphs[p].rows;
    const int first = 9 - static_cast<int>(rows.size());
    auto ink = [&](int x, int y) {
      const int r = y - first;
      return x >= 0 && x < 5 && r >= 0 && r < static_cast<int>(rows.size()) && rows[r][x] == '#';
    };
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 6; ++x) {
        const bool drawn = !content_test::isKey(font, p * 6 + x, y);
        if (ink(x, y)) { EXPECT_TRUE(drawn) << where << " glyph " << p << " at " << x << "," << y; }
        if (drawn && !ink(x, y)) {
          EXPECT_TRUE(ink(x - 1, y - 1)) << where << " glyph " << p << " at " << x << "," << y;
        }
      }
  }
}

TEST(FontPicture, DefaultAndSkinFontsDrawTheRecipe) {
  ImageList gui;
  gui.loadFromFile(content_test::gameFile("gui.dxg"));
  expectFontMatchesRecipe(gui.item(7).picture, "gui.dxg");
  for (const auto& dir : std::filesystem::directory_iterator(content_test::gameFile("skins")))
    expectFontMatchesRecipe(loadBitmapFile((dir.path() / "font.bmp").string()), dir.path().string());
}

TEST(GaugePicture, MorePowerLightsMore) {
  ImageList gui;
  gui.loadFromFile(content_test::gameFile("gui.dxg"));
  gui.displayInitialized(PixelFormat::Rgb565);
  const PictureItem& gauge = gui.item(5);
  long previous = -1;
  for (int level = 0; level < 31; ++level) {
    const Rect r = gauge.patternRect(level);
    long brightness = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        for (int c = 0; c < 3; ++c) brightness += gauge.picture.rgb[(y * gauge.picture.width + x) * 3 + c];
    EXPECT_GT(brightness, previous) << "level " << level;
    previous = brightness;
  }
}

}  // namespace
}  // namespace fg
