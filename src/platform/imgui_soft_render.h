#pragma once
// Draws Dear ImGui's finished draw data into a 16-bit surface without a
// graphics card: textured, vertex-coloured triangles with the font atlas,
// clip rectangles and alpha blending. Plain single-threaded arithmetic, so
// the same draw data always gives the same pixels.
#include <cstdint>

#include "media/surface.h"

struct ImDrawData;

namespace fg {

// The one texture ImGui's draw lists use: the font atlas, either RGBA
// (8 bits a channel, red in the low byte, as ImFontAtlas::GetTexDataAsRGBA32
// gives it) or alpha only (GetTexDataAsAlpha8, white).
struct SoftTexture {
  int width = 0;
  int height = 0;
  const uint32_t* rgba = nullptr;
  const uint8_t* alpha = nullptr;
};

// Blends every command of `dd` onto `target`, whose pixels are the display's
// (DisplayPos is the target's top-left). Commands are clipped to their clip
// rectangle and to the target.
void renderImGuiDrawData(const ImDrawData& dd, const SoftTexture& texture, Surface& target);

}  // namespace fg
