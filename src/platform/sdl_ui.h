#pragma once
// The controls a window hands the SDL platform, drawn with Dear ImGui over
// the scaled picture. Input reaches ImGui from the platform's own events
// (already in back-buffer pixels), queued so that a press and release that
// arrive between two pictures are both seen, one picture apart. The system
// cursor is the platform's business: ImGui never shows or hides it.
#include <SDL.h>

#include <deque>
#include <string>
#include <vector>

#include "media/ui_layer.h"
#include "platform/imgui_controls.h"

struct ImGuiContext;

namespace fg {

class SdlUi {
 public:
  explicit SdlUi(SDL_Renderer* renderer);
  ~SdlUi();
  SdlUi(const SdlUi&) = delete;
  SdlUi& operator=(const SdlUi&) = delete;

  // Keeps `e` for the controls' next picture; (x, y) is the pointer in
  // back-buffer pixels for mouse events. True when the controls take the
  // event for themselves: every pointer event, and keys and text while a
  // text field is being edited (Alt+Enter excepted).
  bool take(const SDL_Event& e, int x, int y);
  // Draws `layer`'s controls over the picture inside `viewport` (the scaled
  // back buffer, `logicalW` × `logicalH`, on the renderer's output) and
  // hands what the player did to them back to `layer`.
  void render(UiLayer& layer, const SDL_Rect& viewport, int logicalW, int logicalH);
  // Forgets queued input and held keys and buttons (the layer changed).
  void reset();

 private:
  struct Queued {
    enum class Kind : uint8_t { Move, Button, Wheel, Key, Text, Focus } kind;
    int x = 0, y = 0;
    int index = 0;  // ImGui's mouse button or key (scancode)
    bool down = false;
    SDL_Keymod mod = KMOD_NONE;
    std::string text;
  };
  void feedQueued();
  void ensureFont(float viewScale);

  SDL_Renderer* renderer_;
  ImGuiContext* context_ = nullptr;
  ImGuiControls controls_;
  std::deque<Queued> queue_;
  float fontScale_ = 0.0f;  // pixel scale the font atlas was built for
  uint32_t lastFrame_ = 0;
  bool editing_ = false;    // a text field had the keyboard at the last picture
};

}  // namespace fg
