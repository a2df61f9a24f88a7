#include "platform/headless_ui.h"

#include <imgui.h>

#include <cfloat>

#include "platform/imgui_controls.h"
#include "platform/imgui_soft_render.h"

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
  if (context_) ImGui::DestroyContext(context_);
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
  unsigned char* pixels = nullptr;
  io.Fonts->GetTexDataAsRGBA32(&pixels, &atlasW_, &atlasH_);
  atlas_ = pixels;
}

bool HeadlessUi::compose(const UiLayer& layer, const Surface& back, Surface& out) {
  UiScene scene = layer.uiScene();
  if (scene.controls.empty() || back.empty()) return false;
  if (!context_) makeContext();
  ContextSwitch use(context_);
  ImGuiIO& io = ImGui::GetIO();
  io.DisplaySize = ImVec2(static_cast<float>(back.width), static_cast<float>(back.height));
  io.DisplayFramebufferScale = ImVec2(1, 1);
  io.DeltaTime = kFrameSeconds;
  io.MousePos = ImVec2(-FLT_MAX, -FLT_MAX);
  ImGui::NewFrame();
  std::vector<UiInput> none;  // no pointer here: scripted clicks go to the window itself
  controls_->build(scene, back.width, back.height, none);
  ImGui::Render();
  out = back;
  SoftTexture atlas;
  atlas.width = atlasW_;
  atlas.height = atlasH_;
  atlas.rgba = reinterpret_cast<const uint32_t*>(atlas_);
  renderImGuiDrawData(*ImGui::GetDrawData(), atlas, out);
  return true;
}

}  // namespace fg
