#include "hud_preview.h"

#include <string>

#include "aim_art.h"
#include "hud_art.h"

namespace fg {

namespace {

void blitKeyed(Picture& dst, const Picture& src, int sx, int sy, int w, int h, int dx, int dy) {
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int tx = dx + x, ty = dy + y;
      if (tx < 0 || ty < 0 || tx >= dst.width || ty >= dst.height) continue;
      const uint8_t* s = &src.rgb[((sy + y) * src.width + sx + x) * 3];
      if (s[0] == 0 && s[1] == 0 && s[2] == 0) continue;
      uint8_t* d = &dst.rgb[(ty * dst.width + tx) * 3];
      d[0] = s[0], d[1] = s[1], d[2] = s[2];
    }
}

void write(Picture& dst, const Picture& font, const std::string& text, int x, int y) {
  for (size_t i = 0; i < text.size(); ++i)
    blitKeyed(dst, font, PixelFont::patternOf(text[i]) * 6, 0, 6, 10, x + static_cast<int>(i + 1) * 6, y);
}

void digits(Picture& dst, const Picture& font, const std::string& text, int x, int y) {
  const std::string map = "0123456789 -";
  for (size_t i = 0; i < text.size(); ++i) {
    const size_t p = map.find(text[i]);
    if (p == std::string::npos || p == 10) continue;
    blitKeyed(dst, font, static_cast<int>(p) * kDigitWidth, 0, kDigitWidth, kDigitHeight,
              x + static_cast<int>(i + 1) * (kDigitWidth + 1), y);
  }
}

}  // namespace

Picture hudPreview(const HudPreviewPictures& p) {
  Picture scene = blankPicture(640, 320, 60, 140, 70);
  blitKeyed(scene, p.panel, 0, 0, p.panel.width, p.panel.height, 4, 4);
  write(scene, p.font, "PLAYER WITH A LONG NAME (-3)", 116, 31);
  blitKeyed(scene, p.pushMark, 0, 0, p.pushMark.width, p.pushMark.height, 193, 49);
  blitKeyed(scene, p.buttonsDown, 2 * kButtonSize, 0, kButtonSize, kButtonSize, 61, 76);
  write(scene, p.font, "3", 161, 48);
  write(scene, p.font, "12", 113, 48);
  digits(scene, p.digits, "-3", 22, 27);
  // The small panel below, shifted down by 120.
  blitKeyed(scene, p.panelMin, 0, 0, p.panelMin.width, p.panelMin.height, 4, 124);
  write(scene, p.font, "BONUS STROKE AND MORE", 80, 129);
  write(scene, p.font, "12", 201, 129);
  write(scene, p.font, "4", 221, 129);
  // Aiming: gauge level 20 and target frame 1 around (400, 240), putter behind a ball.
  blitKeyed(scene, p.gauge, (20 % kGaugeColumns) * kGaugeWidth, (20 / kGaugeColumns) * kGaugeHeight, kGaugeWidth,
            kGaugeHeight, 400 - 47, 240 - 56);
  blitKeyed(scene, p.target, kTargetWidth, 0, kTargetWidth, kTargetHeight, 400 - 16, 240 - 13);
  blitKeyed(scene, p.putter, 0, 0, kPutterWidth, kPutterHeight, 560 - 47, 300 - 125);
  Picture big = blankPicture(scene.width * 2, scene.height * 2);
  for (int y = 0; y < big.height; ++y)
    for (int x = 0; x < big.width; ++x)
      for (int c = 0; c < 3; ++c) big.rgb[(y * big.width + x) * 3 + c] = scene.rgb[((y / 2) * scene.width + x / 2) * 3 + c];
  return big;
}

}  // namespace fg
