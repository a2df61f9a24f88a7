#pragma once
// The launch window's controls built with Dear ImGui: style, font and every
// widget at its place in the control table (back-buffer pixels). Needs only
// ImGui's current context, so the SDL platform draws the result on the
// screen and the headless platform draws it into its screenshots.
#include "frontend/launchpad_window.h"

namespace fg {

// Colours, spacing and borders of the controls, set on the current context.
void applyLaunchpadStyle();
// The pixel scale the font is rasterised at for a picture shown `viewScale`
// times its size: rounded to quarters and kept within 1 … 8.
float launchpadFontScale(float viewScale);
// Rebuilds the current context's font atlas at `scale`; layout keeps working
// in back-buffer pixels. The caller makes the atlas's texture afterwards.
void loadLaunchpadFont(float scale);
// One full-size window of controls for `pad`, between NewFrame and Render.
// Clicks become actions posted to the window; typing goes to the name.
void buildLaunchpadControls(Tlaunchpad& pad, int logicalW, int logicalH);

}  // namespace fg
