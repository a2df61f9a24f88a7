#pragma once
// A preview of the HUD as the game puts it together: panels at (4, 4) with
// text, digits, a pressed button and the push-putt mark where the game
// writes them, over a plain green, enlarged twice. For the artists only.
#include "content_context.h"

namespace fg {

struct HudPreviewPictures {
  const Picture &panel, &panelMin, &buttonsDown, &pushMark, &font, &digits, &target, &gauge, &putter;
};
Picture hudPreview(const HudPreviewPictures& p);

}  // namespace fg
