#include "platform/headless_ui.h"

#include <SDL.h>
#include <imgui.h>
#include <imgui_impl_sdlrenderer.h>

#include <cfloat>

#include "platform/imgui_controls.h"

namespace fg {

namespace {

// Nothing the controls show moves with time when no pointer is over them;
// a fixed step keeps ImGui's clock independent of the platform's.
constexpr float kFrameSeconds = 1.0f / 60.0f;

// Puts the caller's ImGui context back however the frame ends.
class ContextSwitch {
 public:
  explicit ContextSwitch(ImGuiContext* ours) : before_(ImGui::GetCurrentContext()) { ImGui::SetCurrentContext(ours); }
  ~ContextSwitch() { ImGui::SetCurrentContext(before_); }
  ContextSwitch(const ContextSwitch&) = delete;
  ContextSwitch& operator=(const ContextSwitch&) = delete;

 private:
  ImGuiContext* before_;
};

}  // namespace

HeadlessUi::HeadlessUi() : controls_(std::make_unique<ImGuiControls>()) {}

HeadlessUi::~HeadlessUi() {
  if (!context_) return;
  {
    ContextSwitch use(context_);
    if (renderer_) ImGui_ImplSDLRenderer_Shutdown();
  }
  renderer_.reset();
  ImGui::DestroyContext(context_);
}

// SDL's software renderer drawing straight into a surface of the back
// buffer's size and format; no display or video driver is needed.
bool HeadlessUi::makeTarget(int width, int height, PixelFormat format) {
  if (target_ && target_->w == width && target_->h == height && format == targetFormat_) return true;
  if (renderer_) ImGui_ImplSDLRenderer_Shutdown();
  renderer_.reset();
  Uint32 sdlFormat = format == PixelFormat::Rgb565 ? SDL_PIXELFORMAT_RGB565 : SDL_PIXELFORMAT_RGB555;
  target_.reset(SDL_CreateRGBSurfaceWithFormat(0, width, height, 16, sdlFormat));
  if (!target_) return false;
  renderer_.reset(SDL_CreateSoftwareRenderer(target_.get()));
  if (!renderer_) return false;
  targetFormat_ = format;
  return ImGui_ImplSDLRenderer_Init(renderer_.get());
}

void HeadlessUi::makeContext() {
  context_ = ImGui::CreateContext();
  ContextSwitch use(context_);
  ImGuiIO& io = ImGui::GetIO();
  io.IniFilename = nullptr;  // nothing written beside the game
  io.LogFilename = nullptr;
  applyControlStyle();
  // The picture is the back buffer itself, never scaled: font at scale 1.
  loadControlFont(controlFontScale(1.0f));
}

bool HeadlessUi::compose(const UiLayer& layer, const Surface& back, Surface& out) {
  UiScene scene = layer.uiScene();
  if (scene.controls.empty() || back.empty()) return false;
  if (!context_) makeContext();
  ContextSwitch use(context_);
  if (!makeTarget(back.width, back.height, back.format)) return false;
  ImGuiIO& io = ImGui::GetIO();
  io.DisplaySize = ImVec2(static_cast<float>(back.width), static_cast<float>(back.height));
  io.DisplayFramebufferScale = ImVec2(1, 1);
  io.DeltaTime = kFrameSeconds;
  io.MousePos = ImVec2(-FLT_MAX, -FLT_MAX);
  ImGui_ImplSDLRenderer_NewFrame();
  ImGui::NewFrame();
  std::vector<UiInput> none;  // no pointer here: scripted clicks go to the window itself
  controls_->build(scene, back.width, back.height, none);
  ImGui::Render();
  const Uint32 format = target_->format->format;
  const int pitch = back.width * 2;
  SDL_ConvertPixels(back.width, back.height, format, back.pixels.data(), pitch, format, target_->pixels, target_->pitch);
  ImGui_ImplSDLRenderer_RenderDrawData(ImGui::GetDrawData());
  SDL_RenderFlush(renderer_.get());
  out = back;
  SDL_ConvertPixels(back.width, back.height, format, target_->pixels, target_->pitch, format, out.pixels.data(), pitch);
  return true;
}

}  // namespace fg
