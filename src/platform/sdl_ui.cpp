#include "platform/sdl_ui.h"

#include <imgui.h>
#include <imgui_impl_sdlrenderer.h>

#include <algorithm>
#include <array>
#include <cfloat>

namespace fg {

namespace {

// Makes `ours` ImGui's current context for one call.
class UseContext {
 public:
  explicit UseContext(ImGuiContext* ours) : before_(ImGui::GetCurrentContext()) { ImGui::SetCurrentContext(ours); }
  ~UseContext() { ImGui::SetCurrentContext(before_); }
  UseContext(const UseContext&) = delete;
  UseContext& operator=(const UseContext&) = delete;

 private:
  ImGuiContext* before_;
};

// SDL's buttons (1 left, 2 middle, 3 right, 4 and 5 the side ones) as ImGui's.
int imguiButton(Uint8 b) {
  switch (b) {
    case SDL_BUTTON_LEFT: return 0;
    case SDL_BUTTON_RIGHT: return 1;
    case SDL_BUTTON_MIDDLE: return 2;
    case SDL_BUTTON_X1: return 3;
    case SDL_BUTTON_X2: return 4;
    default: return -1;
  }
}

void mapKeys(ImGuiIO& io) {
  const std::pair<ImGuiKey_, SDL_Scancode> keys[] = {
      {ImGuiKey_Tab, SDL_SCANCODE_TAB},         {ImGuiKey_LeftArrow, SDL_SCANCODE_LEFT},
      {ImGuiKey_RightArrow, SDL_SCANCODE_RIGHT}, {ImGuiKey_UpArrow, SDL_SCANCODE_UP},
      {ImGuiKey_DownArrow, SDL_SCANCODE_DOWN},  {ImGuiKey_PageUp, SDL_SCANCODE_PAGEUP},
      {ImGuiKey_PageDown, SDL_SCANCODE_PAGEDOWN}, {ImGuiKey_Home, SDL_SCANCODE_HOME},
      {ImGuiKey_End, SDL_SCANCODE_END},         {ImGuiKey_Insert, SDL_SCANCODE_INSERT},
      {ImGuiKey_Delete, SDL_SCANCODE_DELETE},   {ImGuiKey_Backspace, SDL_SCANCODE_BACKSPACE},
      {ImGuiKey_Space, SDL_SCANCODE_SPACE},     {ImGuiKey_Enter, SDL_SCANCODE_RETURN},
      {ImGuiKey_Escape, SDL_SCANCODE_ESCAPE},   {ImGuiKey_KeyPadEnter, SDL_SCANCODE_KP_ENTER},
      {ImGuiKey_A, SDL_SCANCODE_A},             {ImGuiKey_C, SDL_SCANCODE_C},
      {ImGuiKey_V, SDL_SCANCODE_V},             {ImGuiKey_X, SDL_SCANCODE_X},
      {ImGuiKey_Y, SDL_SCANCODE_Y},             {ImGuiKey_Z, SDL_SCANCODE_Z},
  };
  for (const auto& [key, scancode] : keys) io.KeyMap[key] = scancode;
}

// Moves the finished picture from back-buffer pixels onto the viewport and
// keeps every clip rectangle inside it.
void placeOnViewport(ImDrawData* dd, const SDL_Rect& vp, float sx, float sy, int outW, int outH) {
  auto mapX = [&](float x) { return vp.x + x * sx; };
  auto mapY = [&](float y) { return vp.y + y * sy; };
  for (int n = 0; n < dd->CmdListsCount; ++n) {
    ImDrawList* list = dd->CmdLists[n];
    for (ImDrawVert& v : list->VtxBuffer) v.pos = ImVec2(mapX(v.pos.x), mapY(v.pos.y));
    for (ImDrawCmd& cmd : list->CmdBuffer) {
      cmd.ClipRect = ImVec4(std::max(mapX(cmd.ClipRect.x), static_cast<float>(vp.x)),
                            std::max(mapY(cmd.ClipRect.y), static_cast<float>(vp.y)),
                            std::min(mapX(cmd.ClipRect.z), static_cast<float>(vp.x + vp.w)),
                            std::min(mapY(cmd.ClipRect.w), static_cast<float>(vp.y + vp.h)));
    }
  }
  dd->DisplayPos = ImVec2(0, 0);
  dd->DisplaySize = ImVec2(static_cast<float>(outW), static_cast<float>(outH));
  dd->FramebufferScale = ImVec2(1, 1);
}

}  // namespace

SdlUi::SdlUi(SDL_Renderer* renderer) : renderer_(renderer) {
  IMGUI_CHECKVERSION();
  context_ = ImGui::CreateContext();
  UseContext use(context_);
  ImGuiIO& io = ImGui::GetIO();
  io.IniFilename = nullptr;  // nothing written beside the game
  io.LogFilename = nullptr;
  // The platform shows and hides the system cursor; ImGui leaves it alone.
  io.ConfigFlags |= ImGuiConfigFlags_NoMouseCursorChange;
  io.BackendPlatformName = "fairglade_sdl";
  mapKeys(io);
  ImGui_ImplSDLRenderer_Init(renderer_);
  applyControlStyle();
  lastFrame_ = SDL_GetTicks();
}

SdlUi::~SdlUi() {
  UseContext use(context_);
  ImGui_ImplSDLRenderer_Shutdown();
  ImGui::DestroyContext(context_);
}

bool SdlUi::take(const SDL_Event& e, int x, int y) {
  Queued q{};
  switch (e.type) {
    case SDL_MOUSEMOTION:
      q.kind = Queued::Kind::Move;
      q.x = x;
      q.y = y;
      queue_.push_back(q);
      return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      q.kind = Queued::Kind::Button;
      q.x = x;
      q.y = y;
      q.index = imguiButton(e.button.button);
      q.down = e.type == SDL_MOUSEBUTTONDOWN;
      if (q.index >= 0) queue_.push_back(q);
      return true;
    case SDL_MOUSEWHEEL:
      q.kind = Queued::Kind::Wheel;
      q.x = e.wheel.x;
      q.y = e.wheel.y;
      queue_.push_back(q);
      return true;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      // ImGui sees every key, so none stays held in its eyes; the game sees
      // those the text field does not take.
      q.kind = Queued::Kind::Key;
      q.index = e.key.keysym.scancode;
      q.down = e.type == SDL_KEYDOWN;
      q.mod = static_cast<SDL_Keymod>(e.key.keysym.mod);
      if (q.index > 0 && q.index < 512) queue_.push_back(q);
      if (e.key.keysym.sym == SDLK_RETURN && (e.key.keysym.mod & KMOD_ALT)) return false;
      return editing_;
    case SDL_TEXTINPUT:
      q.kind = Queued::Kind::Text;
      q.text = e.text.text;
      queue_.push_back(q);
      return editing_;
    case SDL_WINDOWEVENT:
      if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST || e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
        q.kind = Queued::Kind::Focus;
        q.down = e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED;
        queue_.push_back(q);
      }
      return false;
    default:
      return false;
  }
}

void SdlUi::reset() {
  queue_.clear();
  UseContext use(context_);
  ImGuiIO& io = ImGui::GetIO();
  std::fill(std::begin(io.KeysDown), std::end(io.KeysDown), false);
  std::fill(std::begin(io.MouseDown), std::end(io.MouseDown), false);
  io.MousePos = ImVec2(-FLT_MAX, -FLT_MAX);
  editing_ = false;
}

// Hands queued input to ImGui for one picture. ImGui reads keys and buttons
// as held or not once a picture, so a second change of the same key (or of
// any button) waits for the next picture: short taps and quick clicks are
// all seen, in order.
void SdlUi::feedQueued() {
  ImGuiIO& io = ImGui::GetIO();
  std::array<bool, 512> keyChanged{};
  bool buttonChanged = false;
  while (!queue_.empty()) {
    const Queued& q = queue_.front();
    switch (q.kind) {
      case Queued::Kind::Move:
        if (buttonChanged) return;  // the click happens where the button went
        io.MousePos = ImVec2(static_cast<float>(q.x), static_cast<float>(q.y));
        break;
      case Queued::Kind::Button:
        if (buttonChanged) return;
        buttonChanged = true;
        io.MousePos = ImVec2(static_cast<float>(q.x), static_cast<float>(q.y));
        io.MouseDown[q.index] = q.down;
        break;
      case Queued::Kind::Wheel:
        io.MouseWheelH += static_cast<float>(q.x);
        io.MouseWheel += static_cast<float>(q.y);
        break;
      case Queued::Kind::Key:
        if (keyChanged[static_cast<size_t>(q.index)]) return;
        keyChanged[static_cast<size_t>(q.index)] = true;
        io.KeysDown[q.index] = q.down;
        io.KeyShift = (q.mod & KMOD_SHIFT) != 0;
        io.KeyCtrl = (q.mod & KMOD_CTRL) != 0;
        io.KeyAlt = (q.mod & KMOD_ALT) != 0;
        io.KeySuper = (q.mod & KMOD_GUI) != 0;
        break;
      case Queued::Kind::Text:
        io.AddInputCharactersUTF8(q.text.c_str());
        break;
      case Queued::Kind::Focus:
        io.AddFocusEvent(q.down);
        break;
    }
    queue_.pop_front();
  }
}

void SdlUi::ensureFont(float viewScale) {
  float scale = controlFontScale(viewScale);
  if (scale == fontScale_) return;
  loadControlFont(scale);
  ImGui_ImplSDLRenderer_DestroyFontsTexture();
  ImGui_ImplSDLRenderer_CreateFontsTexture();
  fontScale_ = scale;
}

void SdlUi::render(UiLayer& layer, const SDL_Rect& viewport, int logicalW, int logicalH) {
  if (logicalW <= 0 || logicalH <= 0 || viewport.w <= 0 || viewport.h <= 0) return;
  UseContext use(context_);
  float sx = static_cast<float>(viewport.w) / logicalW, sy = static_cast<float>(viewport.h) / logicalH;
  ensureFont(std::min(sx, sy));
  ImGuiIO& io = ImGui::GetIO();
  uint32_t now = SDL_GetTicks();
  io.DeltaTime = std::max(now - lastFrame_, 1u) / 1000.0f;
  lastFrame_ = now;
  io.DisplaySize = ImVec2(static_cast<float>(logicalW), static_cast<float>(logicalH));
  io.DisplayFramebufferScale = ImVec2(1, 1);
  feedQueued();
  ImGui_ImplSDLRenderer_NewFrame();
  ImGui::NewFrame();
  std::vector<UiInput> done;
  controls_.build(layer.uiScene(), logicalW, logicalH, done);
  ImGui::Render();
  editing_ = io.WantTextInput;
  int outW = 0, outH = 0;
  SDL_GetRendererOutputSize(renderer_, &outW, &outH);
  ImDrawData* dd = ImGui::GetDrawData();
  placeOnViewport(dd, viewport, sx, sy, outW, outH);
  ImGui_ImplSDLRenderer_RenderDrawData(dd);
  for (const UiInput& in : done) layer.uiInput(in);
}

}  // namespace fg
