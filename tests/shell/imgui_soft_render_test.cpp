// The software rasteriser that draws the launch window's controls into
// headless screenshots: coverage, clipping, blending and the atlas.
#include <gtest/gtest.h>
#include <imgui.h>

#include <vector>

#include "platform/imgui_soft_render.h"

namespace fg {
namespace {

constexpr uint16_t kBlack565 = 0;
constexpr uint32_t kWhiteTexel = IM_COL32_WHITE;
const SoftTexture kWhite{1, 1, &kWhiteTexel, nullptr};

struct Box {
  int x0, y0, x1, y1;
  bool has(int x, int y) const { return x >= x0 && x < x1 && y >= y0 && y < y1; }
};

// A draw list built by hand, the way ImGui lays out its rectangles: four
// corners, two triangles sharing the diagonal.
class Drawing {
 public:
  Drawing() : list_(nullptr) {}

  void quad(ImVec2 a, ImVec2 b, ImU32 col, ImVec2 uvA = {0, 0}, ImVec2 uvB = {0, 0}) {
    auto base = static_cast<ImDrawIdx>(list_.VtxBuffer.Size);
    list_.VtxBuffer.push_back(ImDrawVert{a, uvA, col});
    list_.VtxBuffer.push_back(ImDrawVert{ImVec2(b.x, a.y), ImVec2(uvB.x, uvA.y), col});
    list_.VtxBuffer.push_back(ImDrawVert{b, uvB, col});
    list_.VtxBuffer.push_back(ImDrawVert{ImVec2(a.x, b.y), ImVec2(uvA.x, uvB.y), col});
    for (int k : {0, 1, 2, 0, 2, 3}) list_.IdxBuffer.push_back(static_cast<ImDrawIdx>(base + k));
  }
  void triangle(ImVec2 a, ImVec2 b, ImVec2 c, ImU32 col) {
    auto base = static_cast<ImDrawIdx>(list_.VtxBuffer.Size);
    for (ImVec2 p : {a, b, c}) list_.VtxBuffer.push_back(ImDrawVert{p, ImVec2(0, 0), col});
    for (int k : {0, 1, 2}) list_.IdxBuffer.push_back(static_cast<ImDrawIdx>(base + k));
  }
  // Everything so far as one command under `clip`.
  void render(Surface& s, ImVec4 clip, const SoftTexture& tex = kWhite) {
    ImDrawCmd cmd;
    cmd.ClipRect = clip;
    cmd.ElemCount = static_cast<unsigned>(list_.IdxBuffer.Size);
    list_.CmdBuffer.clear();
    list_.CmdBuffer.push_back(cmd);
    ImDrawList* lists[] = {&list_};
    ImDrawData dd;
    dd.Valid = true;
    dd.CmdLists = lists;
    dd.CmdListsCount = 1;
    dd.DisplayPos = ImVec2(0, 0);
    dd.DisplaySize = ImVec2(static_cast<float>(s.width), static_cast<float>(s.height));
    renderImGuiDrawData(dd, tex, s);
  }

 private:
  ImDrawList list_;
};

int countOf(const Surface& s, uint16_t v) {
  int n = 0;
  for (uint16_t p : s.pixels) n += p == v;
  return n;
}

// Every pixel inside `box` is `in`, every other one `out`.
void expectBox(const Surface& s, const Box& box, uint16_t in, uint16_t out) {
  for (int y = 0; y < s.height; ++y) {
    for (int x = 0; x < s.width; ++x) {
      ASSERT_EQ(s.at(x, y), box.has(x, y) ? in : out) << "at " << x << "," << y;
    }
  }
}

struct RectCase {
  const char* name;
  ImVec2 a, b;
  ImVec4 clip;
  ImU32 col;
  PixelFormat format;
  Box expected;
  uint16_t pixel;
};

class SoftRectTest : public ::testing::TestWithParam<RectCase> {};

TEST_P(SoftRectTest, CoversExactlyItsPixels) {
  const RectCase& c = GetParam();
  Surface s(16, 12, c.format);
  Drawing d;
  d.quad(c.a, c.b, c.col);
  d.render(s, c.clip);
  expectBox(s, c.expected, c.pixel, kBlack565);
}

const ImVec4 kAll{0, 0, 16, 12};
INSTANTIATE_TEST_SUITE_P(
    Rects, SoftRectTest,
    ::testing::Values(
        RectCase{"solid565", {2, 3}, {6, 7}, kAll, IM_COL32(255, 0, 0, 255), PixelFormat::Rgb565, {2, 3, 6, 7}, 0xF800},
        RectCase{"solid555", {2, 3}, {6, 7}, kAll, IM_COL32(0, 255, 0, 255), PixelFormat::Rgb555, {2, 3, 6, 7}, 0x03E0},
        RectCase{"clipCutsIt", {2, 3}, {6, 7}, ImVec4(4, 0, 16, 5), IM_COL32(0, 0, 255, 255), PixelFormat::Rgb565,
                 {4, 3, 6, 5}, 0x001F},
        RectCase{"clipOutside", {2, 3}, {6, 7}, ImVec4(8, 0, 16, 12), IM_COL32(0, 0, 255, 255), PixelFormat::Rgb565,
                 {0, 0, 0, 0}, 0},
        RectCase{"offTheEdges", {-5, -5}, {30, 3}, kAll, IM_COL32(0, 255, 0, 255), PixelFormat::Rgb565,
                 {0, 0, 16, 3}, 0x07E0},
        // Half of white over black, each pixel blended exactly once (the
        // diagonal shared by the two triangles too).
        RectCase{"halfAlpha565", {1, 1}, {9, 11}, kAll, IM_COL32(255, 255, 255, 128), PixelFormat::Rgb565,
                 {1, 1, 9, 11}, (16 << 11) | (32 << 5) | 16},
        RectCase{"halfAlphaSquare", {1, 1}, {9, 9}, kAll, IM_COL32(255, 255, 255, 128), PixelFormat::Rgb565,
                 {1, 1, 9, 9}, (16 << 11) | (32 << 5) | 16},
        RectCase{"halfAlpha555", {1, 1}, {9, 11}, kAll, IM_COL32(255, 255, 255, 128), PixelFormat::Rgb555,
                 {1, 1, 9, 11}, (16 << 10) | (16 << 5) | 16},
        RectCase{"transparent", {1, 1}, {9, 11}, kAll, IM_COL32(255, 255, 255, 0), PixelFormat::Rgb565,
                 {0, 0, 0, 0}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SoftRender, HalfAlphaBlendsWithWhatIsThere) {
  Surface s(4, 4, PixelFormat::Rgb565);
  for (uint16_t& p : s.pixels) p = 0xF800;  // red
  Drawing d;
  d.quad(ImVec2(0, 0), ImVec2(4, 4), IM_COL32(0, 0, 255, 128));
  d.render(s, ImVec4(0, 0, 4, 4));
  // (255·127 + 127) / 255 = 127 red left, 128 blue added.
  EXPECT_EQ(countOf(s, static_cast<uint16_t>((15 << 11) | 16)), 16);
}

// A fan of triangles with slanted shared edges, in both windings: the pixels
// are split between them without a gap or an overlap.
TEST(SoftRender, FanSharesItsEdgesExactly) {
  for (bool reversed : {false, true}) {
    Surface s(20, 20, PixelFormat::Rgb565);
    Drawing d;
    // Slopes of 1 and 2 put pixel centres right on the shared edges.
    const ImVec2 centre(10, 10);
    const ImVec2 ring[] = {{2, 2}, {18, 2}, {18, 18}, {6, 18}, {2, 10}};
    for (int i = 0; i < 5; ++i) {
      ImVec2 a = ring[i], b = ring[(i + 1) % 5];
      if (reversed) std::swap(a, b);
      d.triangle(centre, a, b, IM_COL32(255, 255, 255, 128));
    }
    d.render(s, ImVec4(0, 0, 20, 20));
    const uint16_t half = (16 << 11) | (32 << 5) | 16;
    for (uint16_t p : s.pixels) ASSERT_TRUE(p == 0 || p == half) << "a pixel was blended twice";
    EXPECT_GT(countOf(s, half), 200);
  }
}

// Glyphs: the atlas's alpha cuts the vertex colour out, texel by texel.
TEST(SoftRender, AtlasAlphaShapesTheQuad) {
  const uint8_t alpha[] = {0, 255, 255, 0};
  const uint32_t rgba[] = {IM_COL32(255, 255, 255, 0), IM_COL32(255, 255, 255, 255), IM_COL32(255, 255, 255, 255),
                           IM_COL32(255, 255, 255, 0)};
  for (const SoftTexture& tex : {SoftTexture{4, 1, nullptr, alpha}, SoftTexture{4, 1, rgba, nullptr}}) {
    Surface s(8, 2, PixelFormat::Rgb565);
    Drawing d;
    d.quad(ImVec2(0, 0), ImVec2(8, 2), IM_COL32(0, 255, 0, 255), ImVec2(0, 0), ImVec2(1, 1));
    d.render(s, ImVec4(0, 0, 8, 2), tex);
    for (int x = 0; x < 8; ++x) EXPECT_EQ(s.at(x, 1), (x >= 2 && x < 6) ? 0x07E0 : 0) << x;
  }
}

TEST(SoftRender, BadIndicesAreSkipped) {
  Surface s(4, 4, PixelFormat::Rgb565);
  ImDrawList list(nullptr);
  list.VtxBuffer.push_back(ImDrawVert{ImVec2(0, 0), ImVec2(0, 0), IM_COL32_WHITE});
  for (ImDrawIdx i : {0, 1, 7}) list.IdxBuffer.push_back(i);
  ImDrawCmd cmd;
  cmd.ClipRect = ImVec4(0, 0, 4, 4);
  cmd.ElemCount = 6;  // more than the list holds
  list.CmdBuffer.push_back(cmd);
  ImDrawList* lists[] = {&list};
  ImDrawData dd;
  dd.Valid = true;
  dd.CmdLists = lists;
  dd.CmdListsCount = 1;
  renderImGuiDrawData(dd, kWhite, s);
  EXPECT_EQ(countOf(s, 0), 16);
}

}  // namespace
}  // namespace fg
