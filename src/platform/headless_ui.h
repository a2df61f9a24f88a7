#pragma once
// The launch window's controls for the headless platform: built with their
// own ImGui context and drawn by SDL's software renderer over a copy of the
// back buffer, so screenshots show what the SDL window shows. No input goes
// to ImGui here; the core hit-tests the scripted clicks itself.
#include <memory>

#include "media/platform.h"
#include "media/surface.h"
#include "platform/sdl_handles.h"

struct ImGuiContext;

namespace fg {

class ImGuiControls;

class HeadlessUi {
 public:
  HeadlessUi();
  ~HeadlessUi();
  HeadlessUi(const HeadlessUi&) = delete;
  HeadlessUi& operator=(const HeadlessUi&) = delete;

  // `out` becomes `back` with the controls of `layer` drawn over it. False,
  // and `out` untouched, when the layer draws no controls.
  bool compose(const UiLayer& layer, const Surface& back, Surface& out);

 private:
  void makeContext();
  bool makeTarget(int width, int height, PixelFormat format);

  std::unique_ptr<ImGuiControls> controls_;
  ImGuiContext* context_ = nullptr;
  SdlSurface target_;
  SdlRenderer renderer_;  // SDL's software renderer on target_
  PixelFormat targetFormat_ = PixelFormat::Rgb565;
};

}  // namespace fg
