#pragma once
// The hook between the SDL platform and the controls it draws over the game's
// picture (the launch window's, built with Dear ImGui). Implemented beside it
// in sdl_launchpad_ui.cpp.
#include <SDL.h>

#include "platform/platform.h"

namespace fg {

// Called once the window and renderer exist, and before they go away.
void sdlUiAttach(SDL_Window* window, SDL_Renderer* renderer);
void sdlUiDetach();
// Lets the controls see an event first; true when they took it.
bool sdlUiEvent(UiLayer* layer, const SDL_Event& e);
// Draws the controls of `layer` over the picture, inside `viewport` (the
// scaled back buffer on the window) with the back buffer's size `logicalW` × `logicalH`.
void sdlUiRender(UiLayer* layer, const SDL_Rect& viewport, int logicalW, int logicalH);

}  // namespace fg
