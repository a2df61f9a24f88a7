// gui.dxg, the skins and the ball textures.
#include <filesystem>

#include "aim_art.h"
#include "ball_art.h"
#include "ball_preview.h"
#include "content_context.h"
#include "hud_art.h"
#include "hud_preview.h"
#include "media/archive_writer.h"

namespace fg {

namespace {

struct SkinPicture {
  const char* file;
  Picture picture;
};

// The nine pictures a skin can replace, items 0 to 8 of gui.dxg, in item order.
std::vector<SkinPicture> skinPictures(const Theme& t, const ContentContext& ctx) {
  const HudFonts fonts{*ctx.pixelFont, *ctx.sansBold, *ctx.condensedBold};
  return {{"pointer.bmp", drawPointer(t)},
          {"panel.bmp", drawPanel(t, fonts)},
          {"panelmin.bmp", drawPanelMin(t, fonts)},
          {"buttonsdown.bmp", drawButtonsDown(t, fonts)},
          {"pushputt.bmp", drawPushPuttMark(t, fonts)},
          {"gauge.bmp", drawGauge(t, *ctx.pixelFont)},
          {"target.bmp", drawTarget(t)},
          {"font.bmp", ctx.pixelFont->fontPicture(t)},
          {"numbers.bmp", drawScoreDigits(t, fonts)}};
}

ImageItemDesc item(const std::string& name, Picture p, int pw = 0, int ph = 0, bool transparent = true) {
  ImageItemDesc d;
  d.name = name;
  d.picture = std::move(p);
  d.patternWidth = pw;
  d.patternHeight = ph;
  d.transparent = transparent;
  d.systemMemory = pw > 0 && pw <= 1;  // the 1 x 1 texels are read one by one
  return d;
}

}  // namespace

void writeGuiContent(const ContentContext& ctx) {
  const std::vector<Theme> themes = readThemes(ctx.recipe("themes.ini"));
  const std::vector<BallTexture> textures = makeBallTextures();

  std::vector<SkinPicture> base = skinPictures(themes[0], ctx);
  const int sizes[9][2] = {{0, 0},
                           {0, 0},
                           {0, 0},
                           {kButtonSize, kButtonSize},
                           {0, 0},
                           {kGaugeWidth, kGaugeHeight},
                           {kTargetWidth, kTargetHeight},
                           {PixelFont::kAdvance, PixelFont::kHeight},
                           {kDigitWidth, kDigitHeight}};
  const char* names[9] = {"pointer", "panel", "panelmin", "buttonsdown", "pushputt",
                          "gauge", "target", "font", "numbers"};
  std::vector<ImageItemDesc> items;
  for (int i = 0; i < 9; ++i) {
    ctx.preview(std::string("gui_") + names[i] + ".png", base[i].picture);
    items.push_back(item(names[i], base[i].picture, sizes[i][0], sizes[i][1]));
  }
  const Picture shadow = drawPutter(true), putter = drawPutter(false);
  ctx.preview("gui_putter_shadow.png", shadow);
  ctx.preview("gui_putter.png", putter);
  items.push_back(item("puttershadow", shadow, kPutterWidth, kPutterHeight));
  items.push_back(item("putter", putter, kPutterWidth, kPutterHeight));
  // The ball is drawn texel by texel and must never show holes: no key.
  items.push_back(item("balltexture", textures[0].picture, 1, 1, false));
  for (int i = 12; i <= 14; ++i) items.push_back(item("unused", blankPicture(2, 2, 8, 8, 8)));
  items.push_back(item("ballshading", ballShading()));
  items.push_back(item("balldarkening", ballDarkening()));
  items.push_back(item("ballshadow", ballShadow()));
  ctx.preview("gui_ball_sprites.png", gridOfPatterns({ballShading(), ballDarkening(), ballShadow()}, 3));
  writeFileAtomically(ctx.out("gui.dxg"), writeImageArchive(items));
  if (!ctx.previewDir.empty())
    ctx.preview("hud_mock.png", hudPreview({base[1].picture, base[2].picture, base[3].picture, base[4].picture,
                                            base[7].picture, base[8].picture, base[6].picture, base[5].picture,
                                            putter}));

  for (size_t t = 1; t < themes.size(); ++t) {
    const std::string dir = ctx.out("skins/" + themes[t].name);
    std::filesystem::create_directories(dir);
    const std::vector<SkinPicture> skin = skinPictures(themes[t], ctx);
    for (const SkinPicture& s : skin) writeFileAtomically(dir + "/" + s.file, encodeBitmapFile(s.picture));
    if (!ctx.previewDir.empty())
      ctx.preview("hud_mock_" + themes[t].name + ".png",
                  hudPreview({skin[1].picture, skin[2].picture, skin[3].picture, skin[4].picture, skin[7].picture,
                              skin[8].picture, skin[6].picture, skin[5].picture, putter}));
  }

  std::filesystem::create_directories(ctx.out("textures"));
  std::vector<Picture> all;
  for (const BallTexture& tex : textures) {
    writeFileAtomically(ctx.out("textures/" + tex.file), encodeBitmapFile(tex.picture));
    all.push_back(tex.picture);
  }
  ctx.preview("textures.png", gridOfPatterns(all, 8));
  ctx.preview("ball_mock.png", ballPreview(textures, ballShading(), ballDarkening(), ballShadow()));
}

}  // namespace fg
