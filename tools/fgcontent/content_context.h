#pragma once
// What every content writer gets: where the recipes are, where the game
// files go, an optional folder for PNG previews, and the shared fonts.
#include <memory>
#include <string>

#include "font_text.h"
#include "pixel_font.h"

namespace fg {

struct ContentContext {
  std::string recipeDir;   // content/ui
  std::string outDir;      // the game folder
  std::string previewDir;  // empty: no previews
  std::unique_ptr<PixelFont> pixelFont;
  std::unique_ptr<FontFace> sansBold, sans, condensedBold;

  std::string recipe(const std::string& name) const { return recipeDir + "/" + name; }
  std::string out(const std::string& name) const { return outDir + "/" + name; }
  void preview(const std::string& name, const Picture& p) const;
};

void writeGuiContent(const ContentContext& ctx);
void writeMenuContent(const ContentContext& ctx);
void writeLogo(const ContentContext& ctx);
void writeSoundContent(const ContentContext& ctx);
void writeMusicContent(const ContentContext& ctx);
void writeVideos(const ContentContext& ctx);

}  // namespace fg
