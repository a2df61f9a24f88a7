// fgcontent: draws, synthesises and encodes the game's interface files from
// the recipes in content/ui. Every run writes the same bytes.
//
//   fgcontent <recipe folder> <game folder> [--previews <folder>]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>

#include "content_context.h"
#include "media/error.h"
#include "platform/png_file.h"

extern "C" {
#include <libavutil/log.h>
}

namespace fg {

void ContentContext::preview(const std::string& name, const Picture& p) const {
  if (previewDir.empty() || p.empty()) return;
  // Small pictures are enlarged so the pixels can be judged.
  const int k = std::clamp(640 / std::max(1, std::max(p.width, p.height)), 1, 8);
  Picture big = blankPicture(p.width * k, p.height * k);
  for (int y = 0; y < big.height; ++y)
    for (int x = 0; x < big.width; ++x)
      for (int c = 0; c < 3; ++c) big.rgb[(y * big.width + x) * 3 + c] = p.rgb[((y / k) * p.width + x / k) * 3 + c];
  writePngFile(previewDir + "/" + name, big);
}

namespace {

int run(int argc, char** argv) {
  if (argc != 3 && !(argc == 5 && std::string(argv[3]) == "--previews")) {
    std::fprintf(stderr, "usage: fgcontent <recipe folder> <game folder> [--previews <folder>]\n");
    return 2;
  }
  av_log_set_level(AV_LOG_ERROR);
  ContentContext ctx;
  ctx.recipeDir = argv[1];
  ctx.outDir = argv[2];
  if (argc == 5) ctx.previewDir = argv[4];
  std::filesystem::create_directories(ctx.outDir);
  if (!ctx.previewDir.empty()) std::filesystem::create_directories(ctx.previewDir);
  ctx.pixelFont = std::make_unique<PixelFont>(readGlyphs(ctx.recipe("hud_font.txt")));
  ctx.sansBold = std::make_unique<FontFace>("DejaVuSans-Bold.ttf");
  ctx.sans = std::make_unique<FontFace>("DejaVuSans.ttf");
  ctx.condensedBold = std::make_unique<FontFace>("DejaVuSansCondensed-Bold.ttf");

  const std::pair<const char*, std::function<void(const ContentContext&)>> steps[] = {
      {"gui, skins, textures", writeGuiContent}, {"menu.dxg", writeMenuContent},
      {"logo", writeLogo},                       {"sound.dxw", writeSoundContent},
      {"menu.dxw", writeMusicContent},           {"videos", writeVideos}};
  for (const auto& [name, step] : steps) {
    const auto start = std::chrono::steady_clock::now();
    step(ctx);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    std::printf("fgcontent: %-22s %7.0f ms\n", name, ms);
  }
  return 0;
}

}  // namespace
}  // namespace fg

int main(int argc, char** argv) {
  try {
    return fg::run(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "fgcontent: %s\n", e.what());
    return 1;
  }
}
