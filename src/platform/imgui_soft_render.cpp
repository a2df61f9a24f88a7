#include "platform/imgui_soft_render.h"

#include <imgui.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace fg {

namespace {

// Vertex positions are snapped to 1/256 pixel and the edge tests done in
// integers: two triangles sharing an edge then split its pixels exactly, so
// no pixel of a quad's diagonal is blended twice or left out.
constexpr int kSubBits = 8;
constexpr double kSubScale = 1 << kSubBits;
constexpr float kCoordLimit = 1 << 20;  // pixels; far-off vertices are pulled in

struct Point {
  int64_t x, y;
};

struct Box {
  int x0, y0, x1, y1;  // right and bottom exclusive
};

int64_t toFixed(float v) {
  if (!(v == v)) return 0;  // NaN
  v = std::clamp(v, -kCoordLimit, kCoordLimit);
  return static_cast<int64_t>(std::llround(static_cast<double>(v) * kSubScale));
}

int toPixel(float v, int limit) {
  if (!(v == v)) return 0;
  return static_cast<int>(std::clamp(v, 0.0f, static_cast<float>(limit)));
}

int64_t edge(const Point& a, const Point& b, const Point& p) {
  return (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
}

// With the winding made positive (y down), a top edge runs to the right and
// a left edge runs upwards; pixel centres exactly on them belong to the
// triangle, those on the other edges to its neighbour.
bool topLeft(const Point& a, const Point& b) {
  int64_t dx = b.x - a.x, dy = b.y - a.y;
  return (dy == 0 && dx > 0) || dy < 0;
}

bool inside(int64_t w, bool tl) { return w > 0 || (w == 0 && tl); }

uint32_t texel(const SoftTexture& t, float u, float v) {
  if (t.width <= 0 || t.height <= 0 || (!t.rgba && !t.alpha)) return IM_COL32_WHITE;
  auto index = [](float f, int size) {
    float p = std::floor(f * static_cast<float>(size));
    if (!(p == p)) return 0;
    return static_cast<int>(std::clamp(p, 0.0f, static_cast<float>(size - 1)));
  };
  size_t at = static_cast<size_t>(index(v, t.height)) * static_cast<size_t>(t.width) + index(u, t.width);
  if (t.rgba) return t.rgba[at];
  return IM_COL32(255, 255, 255, t.alpha[at]);
}

int channel(uint32_t c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }

void blend(uint16_t& px, PixelFormat f, int r, int g, int b, int a) {
  if (a <= 0) return;
  int dr, dg, db;
  if (f == PixelFormat::Rgb565) {
    int r5 = px >> 11, g6 = (px >> 5) & 63, b5 = px & 31;
    dr = (r5 << 3) | (r5 >> 2);
    dg = (g6 << 2) | (g6 >> 4);
    db = (b5 << 3) | (b5 >> 2);
  } else {
    int r5 = (px >> 10) & 31, g5 = (px >> 5) & 31, b5 = px & 31;
    dr = (r5 << 3) | (r5 >> 2);
    dg = (g5 << 3) | (g5 >> 2);
    db = (b5 << 3) | (b5 >> 2);
  }
  auto mix = [a](int s, int d) { return (s * a + d * (255 - a) + 127) / 255; };
  r = mix(r, dr);
  g = mix(g, dg);
  b = mix(b, db);
  if (f == PixelFormat::Rgb565) {
    px = static_cast<uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
  } else {
    px = static_cast<uint16_t>(((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3));
  }
}

// One triangle's vertices, already moved to target pixels.
struct Corner {
  Point p;
  float u, v;
  uint32_t col;
};

void shadePixel(const Corner (&c)[3], const double (&w)[3], const SoftTexture& tex, uint16_t& px, PixelFormat f) {
  float u = static_cast<float>(w[0] * c[0].u + w[1] * c[1].u + w[2] * c[2].u);
  float v = static_cast<float>(w[0] * c[0].v + w[1] * c[1].v + w[2] * c[2].v);
  uint32_t t = texel(tex, u, v);
  int out[4];
  const int shifts[4] = {IM_COL32_R_SHIFT, IM_COL32_G_SHIFT, IM_COL32_B_SHIFT, IM_COL32_A_SHIFT};
  for (int k = 0; k < 4; ++k) {
    double vc = w[0] * channel(c[0].col, shifts[k]) + w[1] * channel(c[1].col, shifts[k]) +
                w[2] * channel(c[2].col, shifts[k]);
    int tc = channel(t, shifts[k]);
    out[k] = static_cast<int>(std::lround(std::clamp(vc, 0.0, 255.0) * tc / 255.0));
  }
  blend(px, f, out[0], out[1], out[2], out[3]);
}

void drawTriangle(Corner (&c)[3], const Box& clip, const SoftTexture& tex, Surface& s) {
  int64_t area = edge(c[0].p, c[1].p, c[2].p);
  if (area == 0) return;
  if (area < 0) {
    std::swap(c[1], c[2]);
    area = -area;
  }
  auto lo = [](int64_t v) { return static_cast<int>(v >> kSubBits); };  // floor
  int x0 = std::max(clip.x0, lo(std::min({c[0].p.x, c[1].p.x, c[2].p.x})));
  int x1 = std::min(clip.x1, lo(std::max({c[0].p.x, c[1].p.x, c[2].p.x})) + 1);
  int y0 = std::max(clip.y0, lo(std::min({c[0].p.y, c[1].p.y, c[2].p.y})));
  int y1 = std::min(clip.y1, lo(std::max({c[0].p.y, c[1].p.y, c[2].p.y})) + 1);
  bool tl[3] = {topLeft(c[1].p, c[2].p), topLeft(c[2].p, c[0].p), topLeft(c[0].p, c[1].p)};
  const int64_t half = int64_t{1} << (kSubBits - 1);
  for (int y = y0; y < y1; ++y) {
    uint16_t* row = s.row(y);
    for (int x = x0; x < x1; ++x) {
      Point p{(int64_t{x} << kSubBits) + half, (int64_t{y} << kSubBits) + half};
      int64_t e[3] = {edge(c[1].p, c[2].p, p), edge(c[2].p, c[0].p, p), edge(c[0].p, c[1].p, p)};
      if (!inside(e[0], tl[0]) || !inside(e[1], tl[1]) || !inside(e[2], tl[2])) continue;
      double w[3] = {static_cast<double>(e[0]) / area, static_cast<double>(e[1]) / area,
                     static_cast<double>(e[2]) / area};
      shadePixel(c, w, tex, row[x], s.format);
    }
  }
}

// The clip rectangle as the SDL renderer takes it: whole pixels from the
// rectangle's corner, within the target.
bool clipBox(const ImVec4& r, const ImVec2& origin, const Surface& s, Box& out) {
  float minX = r.x - origin.x, minY = r.y - origin.y, maxX = r.z - origin.x, maxY = r.w - origin.y;
  if (!(maxX > minX) || !(maxY > minY)) return false;
  out.x0 = toPixel(minX, s.width);
  out.y0 = toPixel(minY, s.height);
  out.x1 = std::min(s.width, out.x0 + toPixel(maxX - minX, s.width));
  out.y1 = std::min(s.height, out.y0 + toPixel(maxY - minY, s.height));
  return out.x1 > out.x0 && out.y1 > out.y0;
}

void drawList(const ImDrawList& list, const ImVec2& origin, const SoftTexture& tex, Surface& s) {
  const auto vtxCount = static_cast<size_t>(list.VtxBuffer.Size);
  const auto idxCount = static_cast<size_t>(list.IdxBuffer.Size);
  for (const ImDrawCmd& cmd : list.CmdBuffer) {
    if (cmd.UserCallback) continue;  // none of ours use callbacks
    Box clip;
    if (!clipBox(cmd.ClipRect, origin, s, clip)) continue;
    size_t first = cmd.IdxOffset, end = first + cmd.ElemCount;
    if (first > idxCount || end > idxCount) continue;
    for (size_t i = first; i + 3 <= end; i += 3) {
      Corner c[3];
      bool ok = true;
      for (int k = 0; k < 3; ++k) {
        size_t vi = cmd.VtxOffset + static_cast<size_t>(list.IdxBuffer[static_cast<int>(i) + k]);
        if (vi >= vtxCount) {
          ok = false;
          break;
        }
        const ImDrawVert& v = list.VtxBuffer[static_cast<int>(vi)];
        c[k] = Corner{{toFixed(v.pos.x - origin.x), toFixed(v.pos.y - origin.y)}, v.uv.x, v.uv.y, v.col};
      }
      if (ok) drawTriangle(c, clip, tex, s);
    }
  }
}

}  // namespace

void renderImGuiDrawData(const ImDrawData& dd, const SoftTexture& texture, Surface& target) {
  if (target.empty() || !dd.Valid) return;
  for (int n = 0; n < dd.CmdListsCount; ++n) {
    if (dd.CmdLists[n]) drawList(*dd.CmdLists[n], dd.DisplayPos, texture, target);
  }
}

}  // namespace fg
