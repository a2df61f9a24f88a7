// The launch window's controls drawn with Dear ImGui over the scaled picture.
// The widgets come from the shared builder in back-buffer pixels; here the
// finished picture is scaled into the viewport like the game's own, and
// clipped to it, so only what lies inside 640×480 is seen.
#include <SDL.h>
#include <imgui.h>
#include <imgui_impl_sdl.h>
#include <imgui_impl_sdlrenderer.h>

#include <algorithm>
#include <cfloat>

#include "frontend/launchpad_window.h"
#include "platform/imgui_launchpad_controls.h"
#include "platform/sdl_ui.h"

namespace fg {

namespace {

struct UiState {
  bool attached = false;
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  float fontScale = 0.0f;  // pixel scale the font atlas was built for
};
UiState ui;

void ensureFont(float viewScale) {
  float scale = launchpadFontScale(viewScale);
  if (scale == ui.fontScale) return;
  loadLaunchpadFont(scale);
  ImGui_ImplSDLRenderer_DestroyFontsTexture();
  ImGui_ImplSDLRenderer_CreateFontsTexture();
  ui.fontScale = scale;
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

// The pointer from window points to back-buffer pixels.
void mapMouse(const SDL_Rect& vp, int logicalW, int logicalH) {
  ImGuiIO& io = ImGui::GetIO();
  if (io.MousePos.x == -FLT_MAX || vp.w <= 0 || vp.h <= 0) return;
  int winW = 0, winH = 0, outW = 0, outH = 0;
  SDL_GetWindowSize(ui.window, &winW, &winH);
  SDL_GetRendererOutputSize(ui.renderer, &outW, &outH);
  float px = io.MousePos.x * (winW > 0 ? static_cast<float>(outW) / winW : 1.0f);
  float py = io.MousePos.y * (winH > 0 ? static_cast<float>(outH) / winH : 1.0f);
  io.MousePos = ImVec2((px - vp.x) * logicalW / vp.w, (py - vp.y) * logicalH / vp.h);
}

}  // namespace

void sdlUiAttach(SDL_Window* window, SDL_Renderer* renderer) {
  if (ui.attached) return;
  IMGUI_CHECKVERSION();
  ImGui::CreateContext();
  ImGuiIO& io = ImGui::GetIO();
  io.IniFilename = nullptr;  // nothing written beside the game
  io.LogFilename = nullptr;
  ImGui_ImplSDL2_InitForSDLRenderer(window);
  ImGui_ImplSDLRenderer_Init(renderer);
  applyLaunchpadStyle();
  ui.window = window;
  ui.renderer = renderer;
  ui.fontScale = 0.0f;
  ui.attached = true;
}

void sdlUiDetach() {
  if (!ui.attached) return;
  ImGui_ImplSDLRenderer_Shutdown();
  ImGui_ImplSDL2_Shutdown();
  ImGui::DestroyContext();
  ui = UiState{};
}

bool sdlUiEvent(UiLayer* layer, const SDL_Event& e) {
  if (!ui.attached || !dynamic_cast<Tlaunchpad*>(layer)) return false;
  ImGui_ImplSDL2_ProcessEvent(&e);
  const ImGuiIO& io = ImGui::GetIO();
  switch (e.type) {
    // The pointer belongs to the launch window's controls: the core's own
    // hit-testing must not see the same click a second time.
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    case SDL_MOUSEWHEEL:
      return true;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      // Alt+Enter stays the platform's full-screen switch.
      if (e.key.keysym.sym == SDLK_RETURN && (e.key.keysym.mod & KMOD_ALT)) return false;
      return io.WantCaptureKeyboard || io.WantTextInput;
    case SDL_TEXTINPUT:
      return io.WantTextInput;
    default:
      return false;
  }
}

void sdlUiRender(UiLayer* layer, const SDL_Rect& viewport, int logicalW, int logicalH) {
  auto* pad = dynamic_cast<Tlaunchpad*>(layer);
  if (!ui.attached || !pad || logicalW <= 0 || logicalH <= 0 || viewport.w <= 0 || viewport.h <= 0) return;
  float sx = static_cast<float>(viewport.w) / logicalW, sy = static_cast<float>(viewport.h) / logicalH;
  ensureFont(std::min(sx, sy));
  ImGui_ImplSDLRenderer_NewFrame();
  ImGui_ImplSDL2_NewFrame();
  ImGuiIO& io = ImGui::GetIO();
  io.DisplaySize = ImVec2(static_cast<float>(logicalW), static_cast<float>(logicalH));
  io.DisplayFramebufferScale = ImVec2(1, 1);
  mapMouse(viewport, logicalW, logicalH);
  ImGui::NewFrame();
  buildLaunchpadControls(*pad, logicalW, logicalH);
  ImGui::Render();
  int outW = 0, outH = 0;
  SDL_GetRendererOutputSize(ui.renderer, &outW, &outH);
  ImDrawData* dd = ImGui::GetDrawData();
  placeOnViewport(dd, viewport, sx, sy, outW, outH);
  ImGui_ImplSDLRenderer_RenderDrawData(dd);
}

}  // namespace fg
