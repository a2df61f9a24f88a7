#pragma once
// Owning handles for SDL's objects, each freed by its own destroy call.
#include <SDL.h>

#include <memory>

namespace fg {

struct SdlDeleter {
  void operator()(SDL_Window* w) const { SDL_DestroyWindow(w); }
  void operator()(SDL_Renderer* r) const { SDL_DestroyRenderer(r); }
  void operator()(SDL_Texture* t) const { SDL_DestroyTexture(t); }
  void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};

using SdlWindow = std::unique_ptr<SDL_Window, SdlDeleter>;
using SdlRenderer = std::unique_ptr<SDL_Renderer, SdlDeleter>;
using SdlTexture = std::unique_ptr<SDL_Texture, SdlDeleter>;
using SdlSurface = std::unique_ptr<SDL_Surface, SdlDeleter>;

}  // namespace fg
