#pragma once
// The game's title scene (the launch window's logo and the intro video's
// last picture) and the maker's logo animation.
#include "content_context.h"

namespace fg {

struct TitleScene {
  double fade = 1;        // 0 black .. 1 full brightness
  double scroll = 0;      // hills' parallax offset in pixels
  double titleScale = 1;  // 1 at rest; larger while flying in
  double titleAlpha = 1;
  double subtitleAlpha = 1;
  double ballX = -1;      // ball on the near hill; below 0 hidden
  double sparkle = 0;     // 0..1 burst at the hole
};

void drawTitleScene(cairo_t* cr, const ContentContext& ctx, const TitleScene& s);
// The maker's logo at time t of its `length` seconds.
void drawMakerLogo(cairo_t* cr, const ContentContext& ctx, double t, double length);

}  // namespace fg
