#pragma once
// A window's controls built with Dear ImGui from the description it hands
// over: style, font and every control at its place (back-buffer pixels).
// Needs only ImGui's current context, so the SDL platform draws the result
// on the screen and the headless platform into its screenshots.
#include <string>
#include <vector>

#include "media/ui_layer.h"

namespace fg {

class ImGuiControls {
 public:
  // One full-size window of `scene`'s controls, between NewFrame and Render.
  // Presses, clicks and edits on them are appended to `done`.
  void build(const UiScene& scene, int logicalW, int logicalH, std::vector<UiInput>& done);

 private:
  void textField(const UiControl& c, std::vector<UiInput>& done);

  std::vector<char> editBuf_;  // a text field's text while ImGui edits it
};

// Colours, spacing and borders of the controls, set on the current context.
void applyControlStyle();
// The pixel scale the font is rasterised at for a picture shown `viewScale`
// times its size: rounded to quarters and kept within 1 … 8.
float controlFontScale(float viewScale);
// Rebuilds the current context's font atlas at `scale`; layout keeps working
// in back-buffer pixels. The caller makes the atlas's texture afterwards.
void loadControlFont(float scale);

}  // namespace fg
